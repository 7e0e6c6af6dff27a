// The Windows API backend's local event loop, fonts, pointer, message box
// and file choosers.

#include "ui/win32/Win32Backend.h"

#include "ui/dialogs/Styles.h"
#include "ui/win32/GraphicWindow.h"
#include "ui/win32/Scale.h"
#include "ui/win32/WideText.h"

#include <commdlg.h>

#include <vector>

namespace {

struct LocalRun {
    bool quit = false;
};

void Dispatch(MSG& message) {
    // Tab and the arrows move between a dialog's controls, as in any dialog;
    // a graphic control asks for every key, and gets it.
    HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top && IsOfClass(top, DIALOG_CLASS) && IsDialogMessageW(top, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

void Win32Backend::RunLocalLoop(void** running) {
    LocalRun run;
    *running = &run;
    while (!run.quit) {
        MSG message;
        while (!run.quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // The program ends by its own runs' ends, and posts no quit
            // message; one from elsewhere is dropped rather than put back,
            // which would have this loop take it again and again.
            if (message.message != WM_QUIT) Dispatch(message);
        }
        if (run.quit) break;
        // The input of this turn is handled: show its pans, then wait for more
        // input without using the processor.
        EndPanTurns();
        if (!GetQueueStatus(QS_ALLINPUT)) {
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    *running = nullptr;
}

void Win32Backend::QuitLocalLoop(void* running) {
    static_cast<LocalRun*>(running)->quit = true;
    // Wakes the loop if it waits.
    PostMessageW(nullptr, WM_NULL, 0, 0);
}

void* Win32Backend::MakeFont(const BackendFont& wanted) {
    LOGFONTW font{};
    font.lfHeight = -ToDevice(wanted.pixelSize); // the character height, not the cell's
    font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = wanted.italic;
    font.lfUnderline = wanted.underline;
    font.lfStrikeOut = wanted.strikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS; // a missing face falls back to sans-serif
    const std::wstring face = WideOf(wanted.face);
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void Win32Backend::ReleaseFont(void* font) { DeleteObject(static_cast<HFONT>(font)); }

void Win32Backend::SetPointerShape(std::int32_t shape) {
    const wchar_t* name = IDC_ARROW;
    switch (shape) {
    case POINTER_NONE: SetGraphicPointer(nullptr); return;
    case POINTER_CROSS: name = IDC_CROSS; break;
    case POINTER_IBEAM: name = IDC_IBEAM; break;
    case POINTER_SIZE_ALL: name = IDC_SIZEALL; break;
    case POINTER_SIZE_NESW: name = IDC_SIZENESW; break;
    case POINTER_SIZE_NS: name = IDC_SIZENS; break;
    case POINTER_SIZE_NWSE: name = IDC_SIZENWSE; break;
    case POINTER_SIZE_WE: name = IDC_SIZEWE; break;
    case POINTER_UP_ARROW: name = IDC_UPARROW; break;
    case POINTER_WAIT: name = IDC_WAIT; break;
    case POINTER_NO: name = IDC_NO; break;
    case POINTER_APP_STARTING: name = IDC_APPSTARTING; break;
    default: break; // POINTER_ARROW, POINTER_ARROW_TOO
    }
    SetGraphicPointer(LoadCursorW(nullptr, name));
}

void Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption) {
    // No owner, and not task-modal: every other window keeps working.
    MessageBoxW(nullptr, WideOf(text).c_str(), WideOf(caption).c_str(),
                MB_OK | MB_SETFOREGROUND);
}

std::optional<std::string> Win32Backend::ChooseFile(ChooserKind kind,
                                                    const FileChooserRequest& request,
                                                    const std::string& filter) {
    // "description (pattern)", then the pattern, each ended by a null, and
    // one more null after the list.
    const std::string pattern = request.filterPattern.empty() ? "*.*" : request.filterPattern;
    std::wstring filters = WideOf(filter);
    filters.push_back(L'\0');
    filters += WideOf(pattern);
    filters.push_back(L'\0');
    // Room for a long path: the program declares itself aware of them.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring proposed = WideOf(request.proposedFileName);
    lstrcpynW(file.data(), proposed.c_str(), int(file.size()));
    // With no folder given the process's working directory is shown, which
    // the choosers never change.
    std::wstring folder = WideOf(request.initialFolder);
    if (folder.empty()) {
        folder.resize(GetCurrentDirectoryW(0, nullptr));
        folder.resize(GetCurrentDirectoryW(DWORD(folder.size()), folder.data()));
    }
    const std::wstring title = WideOf(request.title);
    const std::wstring extension = WideOf(request.defaultExtension);

    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.lpstrFilter = filters.c_str();
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = DWORD(file.size());
    chooser.lpstrInitialDir = folder.c_str();
    chooser.lpstrTitle = title.c_str();
    chooser.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    chooser.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (kind == ChooserKind::Open) chooser.Flags |= OFN_FILEMUSTEXIST;
    const BOOL chosen = kind == ChooserKind::Open ? GetOpenFileNameW(&chooser)
                                                  : GetSaveFileNameW(&chooser);
    if (!chosen) return std::nullopt;
    return Utf8Of(file.data(), lstrlenW(file.data()));
}
