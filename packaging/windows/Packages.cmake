# The Windows packages' settings (see CMakeLists.txt), for cpack in this tree.
set(CPACK_PACKAGE_NAME velmora-bitmap)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Velmora - Editor Bitmap")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_STRIP_FILES ON)

# The installer: 64-bit, as the program is, so it runs where the program runs
# and writes the 64-bit Program Files and registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velmora Editor Bitmap")
# One key across versions, so that a newer version replaces the older one
# instead of listing both in "Programs and Features".
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Velmora Editor Bitmap")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_PACKAGE_NAME "Velmora - Editor Bitmap")
set(CPACK_NSIS_DISPLAY_NAME "Velmora - Editor Bitmap")
set(CPACK_NSIS_MUI_ICON ${EDITOR_ICO})
set(CPACK_NSIS_MUI_UNIICON ${EDITOR_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora-bitmap.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The Start-menu entry, made and removed with the Start-menu folder CPack
# makes; the shortcut takes the program's own icon.
set(shortcut "$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Velmora - Editor Bitmap.lnk")
set(CPACK_NSIS_CREATE_ICONS_EXTRA "CreateShortCut '${shortcut}' '$INSTDIR\\\\velmora-bitmap.exe'")
string(REPLACE STARTMENU_FOLDER MUI_TEMP CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '${shortcut}'")
# CPack's uninstaller removes the key it keeps the Start-menu folder in, under
# the vendor's key; the vendor's key goes too once that has left it empty.
string(APPEND CPACK_NSIS_DELETE_ICONS_EXTRA "\nDeleteRegKey /ifempty SHCTX 'Software\\\\Velmora'")

# The installer leaves out the zip's own files (the "portable" component).
configure_file(PackagePerGenerator.cmake.in PackagePerGenerator.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/PackagePerGenerator.cmake)
include(CPack)
