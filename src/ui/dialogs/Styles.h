#pragma once
// Window styles, control kinds and notification codes of the dialog services.
// The styles are the Windows API's, by its names and with its values.

#include <cstdint>

// <windows.h> defines many of these names as macros, with the same values:
// each of ours stands back when that macro is already defined, so the two
// can be included together in either order (tests/unit/WindowsHeadersTest.cpp
// holds the values equal).

// Window styles.
#ifndef WS_POPUP
constexpr std::uint32_t WS_POPUP = 0x80000000;
#endif
#ifndef WS_CHILD
constexpr std::uint32_t WS_CHILD = 0x40000000;
#endif
#ifndef WS_MINIMIZE
constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
#endif
#ifndef WS_VISIBLE
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
#endif
#ifndef WS_CLIPSIBLINGS
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
#endif
#ifndef WS_MAXIMIZE
constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
#endif
#ifndef WS_BORDER
constexpr std::uint32_t WS_BORDER = 0x00800000;
#endif
#ifndef WS_DLGFRAME
constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
#endif
#ifndef WS_CAPTION
constexpr std::uint32_t WS_CAPTION = WS_BORDER | WS_DLGFRAME;
#endif
#ifndef WS_SYSMENU
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
#endif
#ifndef WS_THICKFRAME
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
#endif
#ifndef WS_MINIMIZEBOX
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
#endif
#ifndef WS_MAXIMIZEBOX
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
#endif
#ifndef WS_TABSTOP
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
#endif

#ifndef DS_ABSALIGN
constexpr std::uint32_t DS_ABSALIGN = 0x01;
#endif
#ifndef DS_SYSMODAL
constexpr std::uint32_t DS_SYSMODAL = 0x02;
#endif
#ifndef DS_SETFONT
constexpr std::uint32_t DS_SETFONT = 0x40;
#endif
#ifndef DS_MODALFRAME
constexpr std::uint32_t DS_MODALFRAME = 0x80;
#endif
#ifndef DS_CENTER
constexpr std::uint32_t DS_CENTER = 0x800;
#endif
#ifndef DS_NOFAILCREATE
constexpr std::uint32_t DS_NOFAILCREATE = 0x10;
#endif
#ifndef DS_3DLOOK
constexpr std::uint32_t DS_3DLOOK = 0x04;
#endif

#ifndef WS_EX_TOPMOST
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
#endif
#ifndef WS_EX_CLIENTEDGE
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
#endif
#ifndef WS_EX_CONTROLPARENT
constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;
#endif

// Edit-box, static-control and button styles.
#ifndef ES_CENTER
constexpr std::uint32_t ES_CENTER = 0x0001;
#endif
#ifndef ES_RIGHT
constexpr std::uint32_t ES_RIGHT = 0x0002;
#endif
#ifndef ES_AUTOHSCROLL
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
#endif
#ifndef ES_NUMBER
constexpr std::uint32_t ES_NUMBER = 0x2000;
#endif
#ifndef SS_OWNERDRAW
constexpr std::uint32_t SS_OWNERDRAW = 0x000D; // a type, not a bit: the program draws it
#endif
#ifndef SS_NOTIFY
constexpr std::uint32_t SS_NOTIFY = 0x0100;
#endif
#ifndef BS_PUSHBUTTON
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
#endif

// The default style of a dialog, and the position that asks for centring.
constexpr std::uint32_t DEFAULT_DIALOG_STYLE =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
constexpr std::int32_t CENTRED = std::int32_t(0x80000000);

// Units of a dialog's coordinates.
enum DialogUnits : std::int32_t { UNITS_DIALOG = 1, UNITS_PIXELS = 2 };

// Control kinds.
enum ControlKind : std::int32_t {
    KIND_BUTTON = 1,
    KIND_STATIC = 5,
    KIND_EDIT = 9,
    KIND_GRAPHIC = 14,
};

// WM_COMMAND notification codes (high word of wParam).
#ifndef BN_CLICKED
constexpr std::uint16_t BN_CLICKED = 0;
#endif
#ifndef EN_SETFOCUS
constexpr std::uint16_t EN_SETFOCUS = 0x0100;
#endif
#ifndef EN_KILLFOCUS
constexpr std::uint16_t EN_KILLFOCUS = 0x0200;
#endif
#ifndef EN_CHANGE
constexpr std::uint16_t EN_CHANGE = 0x0300;
#endif

// Menu kinds and item states.
constexpr std::int32_t MENU_BAR = 0;
constexpr std::int32_t MENU_POPUP = 1;
#ifndef MFS_CHECKED
constexpr std::uint32_t MFS_CHECKED = 0x0008;
#endif
#ifndef MFS_UNCHECKED
constexpr std::uint32_t MFS_UNCHECKED = 0x0000;
#endif

// Mouse pointer shapes.
enum PointerShape : std::int32_t {
    POINTER_NONE = 0,
    POINTER_ARROW = 1,
    POINTER_CROSS = 2,
    POINTER_IBEAM = 3,
    POINTER_ARROW_TOO = 4,
    POINTER_SIZE_ALL = 5,
    POINTER_SIZE_NESW = 6,
    POINTER_SIZE_NS = 7,
    POINTER_SIZE_NWSE = 8,
    POINTER_SIZE_WE = 9,
    POINTER_UP_ARROW = 10,
    POINTER_WAIT = 11,
    POINTER_NO = 12,
    POINTER_APP_STARTING = 13,
};
