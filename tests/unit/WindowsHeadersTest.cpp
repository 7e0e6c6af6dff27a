// Compiled, never run, in the Windows tree only: the shared vocabulary and
// <windows.h> together, <windows.h> first unless OURS_FIRST, with the same values.

#if !OURS_FIRST
#include <windows.h>
#endif
#include "ui/Backend.h"
#include "ui/Messages.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Fonts.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"
#include "ui/dialogs/VisibleArea.h"
#include "ui/graphics/Surfaces.h"

#include <type_traits>

#define SHARED(X)                                                                              \
    X(WM_SIZE) X(WM_CLOSE) X(WM_NCACTIVATE) X(WM_KEYDOWN) X(WM_INITDIALOG) X(WM_COMMAND)       \
    X(WM_SYSCOMMAND) X(WM_MOUSEMOVE) X(WM_LBUTTONDOWN) X(WM_LBUTTONUP) X(WM_MOUSEWHEEL)         \
    X(SC_CLOSE) X(SIZE_RESTORED) X(SIZE_MINIMIZED) X(SIZE_MAXIMIZED) X(MK_LBUTTON)             \
    X(MK_RBUTTON) X(MK_SHIFT) X(MK_CONTROL) X(MK_MBUTTON) X(VK_BACK) X(VK_TAB) X(VK_RETURN)    \
    X(VK_SHIFT) X(VK_CONTROL) X(VK_MENU) X(VK_ESCAPE) X(VK_SPACE) X(VK_PRIOR) X(VK_NEXT)       \
    X(VK_END) X(VK_HOME) X(VK_LEFT) X(VK_UP) X(VK_RIGHT) X(VK_DOWN) X(VK_INSERT) X(VK_DELETE)  \
    X(VK_F1) X(WS_POPUP) X(WS_CHILD) X(WS_MINIMIZE) X(WS_VISIBLE) X(WS_CLIPSIBLINGS)           \
    X(WS_MAXIMIZE) X(WS_BORDER) X(WS_DLGFRAME) X(WS_CAPTION) X(WS_SYSMENU) X(WS_THICKFRAME)    \
    X(WS_MINIMIZEBOX) X(WS_MAXIMIZEBOX) X(WS_TABSTOP) X(DS_ABSALIGN) X(DS_SYSMODAL)            \
    X(DS_SETFONT) X(DS_MODALFRAME) X(DS_CENTER) X(DS_NOFAILCREATE) X(DS_3DLOOK)                \
    X(WS_EX_TOPMOST) X(WS_EX_CLIENTEDGE) X(WS_EX_CONTROLPARENT) X(ES_CENTER) X(ES_RIGHT)       \
    X(ES_AUTOHSCROLL) X(ES_NUMBER) X(SS_OWNERDRAW) X(SS_NOTIFY) X(BS_PUSHBUTTON) X(BN_CLICKED) \
    X(EN_SETFOCUS) X(EN_KILLFOCUS) X(EN_CHANGE) X(MFS_CHECKED) X(MFS_UNCHECKED) X(CLR_INVALID)

#if OURS_FIRST
#define KEEP(name) constexpr auto ours_##name = name;
SHARED(KEEP)
#include <windows.h>
#define SAME(name) static_assert(ours_##name == name, #name);
SHARED(SAME)
#endif

// Ours is declared under its own name, whichever header came first.
#undef CallWindowProc
static_assert(std::is_same_v<decltype(&CallWindowProc),
                             LResult (*)(WindowProc, Handle, MessageId, WParam, LParam)>);
static_assert(DialogUnitsToPixelsX(4) == BASE_UNIT_X); // beside the system's MulDiv
