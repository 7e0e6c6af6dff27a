#include "app/MainMenu.h"

#include "app/Commands.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/Styles.h"

#include <array>

Handle MenuBar = 0;

namespace {

struct ModeItem {
    std::int32_t mode;
    std::uint32_t command;
};

// In the order their check marks are set.
constexpr std::array<ModeItem, 5> MODE_ITEMS{{
    {MovePaper, CmdModePan},
    {EditTransparent, CmdModeTransparent},
    {EditRealColour, CmdModeRealColour},
    {EditTransparentBlock, CmdModeTransparentBlock},
    {EditRealColourBlock, CmdModeRealColourBlock},
}};

void Append(Handle menu, const char* text, Handle subMenu, std::uint32_t command,
            std::uint32_t state = MFS_UNCHECKED) {
    AddMenuItem(menu, text, subMenu, command, state);
}

} // namespace

void BuildMainMenu(Handle window) {
    MenuBar = NewMenu(MENU_BAR);

    const Handle files = NewMenu(MENU_POPUP);
    Append(MenuBar, MENU_FILES, files, 0);
    Append(files, MENU_SAVE, 0, CmdSave);
    Append(files, MENU_SEPARATOR, 0, 0);
    Append(files, MENU_ABOUT, 0, CmdAbout);

    const Handle options = NewMenu(MENU_POPUP);
    Append(MenuBar, MENU_OPTIONS, options, 0);
    Append(options, MENU_SETTINGS, 0, CmdSettings);

    const Handle mouse = NewMenu(MENU_POPUP);
    const Handle leftButton = NewMenu(MENU_POPUP);
    Append(MenuBar, MENU_MOUSE, mouse, 0);
    Append(mouse, MENU_LEFT_BUTTON, leftButton, 0);
    Append(leftButton, MENU_MODE_PAN, 0, CmdModePan, MFS_CHECKED);
    Append(leftButton, MENU_MODE_TRANSPARENT, 0, CmdModeTransparent);
    Append(leftButton, MENU_MODE_TRANSPARENT_BLOCK, 0, CmdModeTransparentBlock);
    Append(leftButton, MENU_MODE_REAL_COLOUR, 0, CmdModeRealColour);
    Append(leftButton, MENU_MODE_REAL_COLOUR_BLOCK, 0, CmdModeRealColourBlock);

    AttachMenu(window, MenuBar);
}

void SelectMouseMode(std::int32_t mode) {
    Editing().MouseMode = mode;
    for (const ModeItem& item : MODE_ITEMS) {
        SetMenuItemState(MenuBar, item.command, true,
                         item.mode == mode ? MFS_CHECKED : MFS_UNCHECKED);
    }
}
