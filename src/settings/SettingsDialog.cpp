#include "settings/SettingsDialog.h"

#include "canvas/EditingState.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsDialogLayout.h"
#include "settings/SettingsTexts.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Fonts.h"
#include "ui/dialogs/Styles.h"

#include <array>
#include <string>

Handle SavedFocus = 0;

namespace {

constexpr std::int16_t DEFAULT_BLOCK_SIDE = 3;
constexpr std::uint16_t BUTTON_CLICK_CODES_END = 2; // codes 0 and 1 press the button

constexpr std::array<ControlLayout, 6> CONTROLS{{
    {SizeCaptionLabel, KIND_STATIC, SIZE_CAPTION_TEXT, 5, 5, 150, 15, 0, 0},
    {WidthLabel, KIND_STATIC, WIDTH_LABEL_TEXT, 5, 30, 45, 15, 0, 0},
    {WidthField, KIND_EDIT, "", 50, 30, 40, 13, FIELD_STYLE, FIELD_EXTENDED_STYLE},
    {HeightLabel, KIND_STATIC, HEIGHT_LABEL_TEXT, 5, 55, 45, 15, 0, 0},
    {HeightField, KIND_EDIT, "", 50, 55, 40, 13, FIELD_STYLE, FIELD_EXTENDED_STYLE},
    {ExitButton, KIND_BUTTON, EXIT_BUTTON_TEXT, 5, 100, 50, 15, 0, 0},
}};

std::int16_t ReadField(Handle dialog, std::int32_t id) {
    return ReadNumber(GetControlText(GetControlHandle(dialog, id)));
}

void TakeFieldsAndEnd(Handle dialog) {
    EditingState& state = Editing();
    state.BlockWidth = ReadField(dialog, WidthField);
    state.BlockHeight = ReadField(dialog, HeightField);
    if (state.BlockWidth <= 0) state.BlockWidth = DEFAULT_BLOCK_SIDE;
    if (state.BlockHeight <= 0) state.BlockHeight = DEFAULT_BLOCK_SIDE;
    EndModal(dialog, 0);
}

} // namespace

std::int32_t ShowSettingsDialog(Handle owner) {
    const Handle dialog = NewDialog(UNITS_DIALOG, owner, SETTINGS_DIALOG_TITLE, 70, 70, 160, 121,
                                    0, WS_EX_TOPMOST);
    for (const ControlLayout& c : CONTROLS) {
        AddControl(dialog, c.id, c.kind, c.text, c.x, c.y, c.width, c.height, c.style,
                   c.extendedStyle);
    }
    const std::int32_t font = NewFont(SETTINGS_FONT_FACE, SETTINGS_FONT_POINTS, FONT_BOLD, 0, 0, 0);
    for (const ControlLayout& c : CONTROLS) SetControlFont(dialog, c.id, font);
    std::int32_t endCode = 0;
    RunModal(dialog, SettingsDialogProc, &endCode);
    EndFont(font);
    return endCode;
}

LResult SettingsDialogProc(Handle dialog, MessageId message, WParam wParam, LParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetControlText(GetControlHandle(dialog, WidthField), std::to_string(Editing().BlockWidth));
        SetControlText(GetControlHandle(dialog, HeightField),
                       std::to_string(Editing().BlockHeight));
        break;
    case WM_NCACTIVATE:
        if (wParam == 0) {
            SavedFocus = GetFocusControl();
        } else if (SavedFocus != 0) {
            SetFocusControl(SavedFocus);
            SavedFocus = 0;
        }
        break;
    case WM_COMMAND:
        if (LoWord(wParam) == ExitButton && HiWord(wParam) < BUTTON_CLICK_CODES_END) {
            TakeFieldsAndEnd(dialog);
        }
        break;
    default: break;
    }
    return 0;
}
