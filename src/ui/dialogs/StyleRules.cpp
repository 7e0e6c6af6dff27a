#include "ui/dialogs/StyleRules.h"

#include "ui/Backend.h"
#include "ui/dialogs/Styles.h"

#include <algorithm>

std::uint32_t NormaliseDialogStyle(std::uint32_t style, bool centred, bool owned) {
    if (style == 0) style = DEFAULT_DIALOG_STYLE;
    style |= DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
    style &= ~(WS_VISIBLE | DS_SYSMODAL);
    if (centred) style |= DS_CENTER;
    if (style & WS_CHILD) {
        style &= ~(WS_POPUP | DS_ABSALIGN);
        if (!owned) style = (style & ~WS_CHILD) | WS_POPUP;
    }
    return style;
}

std::uint32_t NormaliseControlStyle(std::int32_t kind, std::uint32_t style,
                                    std::uint32_t* extendedStyle) {
    constexpr std::uint32_t CHILD = WS_CHILD | WS_VISIBLE;
    const std::uint32_t alwaysSet = kind == KIND_GRAPHIC ? CHILD | SS_OWNERDRAW : CHILD;
    if (style == 0) {
        switch (kind) {
        case KIND_BUTTON: style = CHILD | WS_TABSTOP | BS_PUSHBUTTON; break;
        case KIND_EDIT:
            // A sunken edge instead of a border.
            style = CHILD | WS_TABSTOP | ES_AUTOHSCROLL;
            *extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        case KIND_GRAPHIC: style = CHILD | WS_TABSTOP | SS_OWNERDRAW; break;
        default: style = CHILD; break;
        }
    }
    return style | alwaysSet;
}

void CentredOnWorkArea(const std::optional<BackendRect>& workArea, int width, int height,
                       int* x, int* y) {
    if (!workArea) {
        *x = *y = 0;
        return;
    }
    const BackendRect& area = *workArea;
    *x = std::max((area.x + area.x + area.width - width) / 2, 0);
    *y = std::max((area.y + area.y + area.height - height) / 2, 0);
}
