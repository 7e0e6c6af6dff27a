#include "ui/dialogs/Dialogs.h"

#include "ui/Backend.h"
#include "ui/Handles.h"
#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/FontTable.h"
#include "ui/dialogs/Fonts.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/StyleRules.h"
#include "ui/dialogs/Styles.h"
#include "ui/dialogs/SurfaceHooks.h"
#include "ui/graphics/Surfaces.h"

#include <algorithm>

namespace {

// The screen position of the owner's client area; the origin without one.
void OwnerOrigin(UiBackend& backend, Handle owner, int* x, int* y) {
    const DialogRecord* record = FindDialog(owner);
    const BackendRect origin = record && record->window ? backend.ClientOrigin(record->window)
                                                        : BackendRect{};
    *x = origin.x;
    *y = origin.y;
}

void EnsureSurfaceHooks() {
    static bool connected = false;
    if (!connected) ConnectSurfacesToControls();
    connected = true;
}

} // namespace

Handle NewDialog(std::int32_t units, Handle owner, const std::string& title, std::int32_t x,
                 std::int32_t y, std::int32_t width, std::int32_t height, std::uint32_t style,
                 std::uint32_t extendedStyle) {
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return 0;
    if (!FindDialog(owner)) owner = 0;
    const bool centred = x == CENTRED || y == CENTRED;
    style = NormaliseDialogStyle(style, centred, owner != 0);

    const bool inDialogUnits = units == UNITS_DIALOG;
    const int pixelWidth = inDialogUnits ? DialogUnitsToPixelsX(width) : width;
    const int pixelHeight = inDialogUnits ? DialogUnitsToPixelsY(height) : height;
    if (pixelWidth < 0 || pixelHeight < 0) return 0;

    const Handle handle = NewHandle();
    void* window = backend->CreateDialogWindow(handle, title, style, extendedStyle, pixelWidth,
                                               pixelHeight, BackendFontOf(DIALOG_FONT));
    if (!window) {
        ReleaseHandle(handle);
        return 0;
    }
    int left = 0, top = 0;
    if (style & DS_CENTER) {
        CentredOnWorkArea(backend->WorkArea(), pixelWidth, pixelHeight, &left, &top);
    } else {
        OwnerOrigin(*backend, owner, &left, &top);
        left += inDialogUnits ? DialogUnitsToPixelsX(x) : x;
        top += inDialogUnits ? DialogUnitsToPixelsY(y) : y;
    }
    backend->MoveDialogWindow(window, left, top);

    DialogRecord& record = AddDialogRecord(handle);
    record.owner = owner;
    record.units = inDialogUnits ? UNITS_DIALOG : UNITS_PIXELS;
    record.style = style;
    record.window = window;
    return handle;
}

void AddControl(Handle dialog, std::int32_t id, std::int32_t kind, const std::string& text,
                std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t style, std::uint32_t extendedStyle) {
    UiBackend* backend = CurrentUiBackend();
    DialogRecord* owner = FindDialog(dialog);
    if (!backend || !owner || !owner->window) return;
    BackendRect area{x, y, width, height};
    if (owner->units == UNITS_DIALOG) {
        const int left = DialogUnitsToPixelsX(x), top = DialogUnitsToPixelsY(y);
        area = BackendRect{left, top, DialogUnitsToPixelsX(x + width) - left,
                           DialogUnitsToPixelsY(y + height) - top};
    }
    style = NormaliseControlStyle(kind, style, &extendedStyle);

    const Handle handle = NewHandle();
    void* widget = backend->CreateControl(handle, kind, text, style, extendedStyle, owner->window,
                                          area, BackendFontOf(DIALOG_FONT));
    if (!widget) {
        ReleaseHandle(handle);
        return;
    }

    ControlRecord& record = AddControlRecord(handle);
    record.dialog = dialog;
    record.id = id;
    record.widget = widget;
    record.procedure = DefaultControlProc;

    if (kind == KIND_GRAPHIC) {
        EnsureSurfaceHooks();
        const int border = (style & WS_BORDER) ? 1 : 0;
        // The first graphic control becomes the drawing target when there is none.
        RegisterControlSurface(handle, std::max(0, area.width - 2 * border),
                               std::max(0, area.height - 2 * border));
    }
}

Handle GetControlHandle(Handle dialog, std::int32_t id) {
    const ControlRecord* record = FindControlById(dialog, id);
    return record ? record->handle : 0;
}

std::string GetControlText(Handle window) {
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return {};
    if (const DialogRecord* dialog = FindDialog(window)) {
        return dialog->window ? backend->DialogTitle(dialog->window) : std::string();
    }
    const ControlRecord* record = FindControl(window);
    if (!record || !record->widget) return {};
    return backend->ControlText(record->widget);
}

void SetControlText(Handle window, const std::string& text) {
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return;
    if (const DialogRecord* dialog = FindDialog(window)) {
        if (dialog->window) backend->SetDialogTitle(dialog->window, text);
        return;
    }
    const ControlRecord* record = FindControl(window);
    if (record && record->widget) backend->SetControlText(record->widget, text);
}

WindowProc SubclassControl(Handle control, WindowProc procedure) {
    ControlRecord* record = FindControl(control);
    if (!record) return nullptr;
    const WindowProc previous = record->procedure;
    record->procedure = procedure;
    return previous;
}

LResult CallWindowProc(WindowProc procedure, Handle window, MessageId message, WParam wParam,
                       LParam lParam) {
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

LResult DefaultControlProc(Handle window, MessageId message, WParam, LParam) {
    // A graphic control takes the keyboard focus when it is clicked.
    if (message == WM_LBUTTONDOWN) SetFocusControl(window);
    return 0;
}

Handle GetFocusControl() {
    UiBackend* backend = CurrentUiBackend();
    return backend ? backend->FocusedControl() : 0;
}

void SetFocusControl(Handle control) {
    UiBackend* backend = CurrentUiBackend();
    const ControlRecord* record = FindControl(control);
    if (backend && record && record->widget) backend->FocusControl(record->widget);
}
