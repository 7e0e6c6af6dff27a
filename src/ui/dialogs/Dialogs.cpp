#include "ui/dialogs/Dialogs.h"

#include "ui/Handles.h"
#include "ui/dialogs/ControlWidgets.h"
#include "ui/dialogs/DialogFonts.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/DialogWindow.h"
#include "ui/dialogs/FocusTracking.h"
#include "ui/dialogs/GraphicControl.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

namespace {

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

Qt::WindowFlags WindowFlagsFor(std::uint32_t style, std::uint32_t extendedStyle) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    if (extendedStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

QPoint OwnerOrigin(Handle owner) {
    const DialogRecord* record = FindDialog(owner);
    if (!record || !record->window) return QPoint(0, 0);
    return record->window->clientArea()->mapToGlobal(QPoint(0, 0));
}

QPoint CentredOnWorkArea(QSize size) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QPoint(0, 0);
    const QRect area = screen->availableGeometry();
    const int left = (area.left() + area.left() + area.width() - size.width()) / 2;
    const int top = (area.top() + area.top() + area.height() - size.height()) / 2;
    return QPoint(std::max(left, 0), std::max(top, 0));
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
    if (!QApplication::instance()) return 0;
    if (!FindDialog(owner)) owner = 0;
    const bool centred = x == CENTRED || y == CENTRED;
    style = NormaliseDialogStyle(style, centred, owner != 0);

    const bool inDialogUnits = units == UNITS_DIALOG;
    const QSize size = inDialogUnits
                           ? QSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height))
                           : QSize(width, height);
    if (size.width() < 0 || size.height() < 0) return 0;

    const Handle handle = NewHandle();
    auto* window = new DialogWindow(handle);
    window->setWindowFlags(WindowFlagsFor(style, extendedStyle));
    window->setWindowTitle(QString::fromStdString(title));
    window->setFont(DialogFont());
    window->setClientSize(size);
    if (!(style & WS_THICKFRAME)) window->setFixedSize(size);

    QPoint position = (style & DS_CENTER) ? CentredOnWorkArea(size)
                      : inDialogUnits ? OwnerOrigin(owner) + QPoint(DialogUnitsToPixelsX(x),
                                                                    DialogUnitsToPixelsY(y))
                                      : OwnerOrigin(owner) + QPoint(x, y);
    window->move(position);

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
    DialogRecord* owner = FindDialog(dialog);
    if (!owner || !owner->window) return;
    QRect rect(x, y, width, height);
    if (owner->units == UNITS_DIALOG) {
        const int left = DialogUnitsToPixelsX(x), top = DialogUnitsToPixelsY(y);
        rect = QRect(left, top, DialogUnitsToPixelsX(x + width) - left,
                     DialogUnitsToPixelsY(y + height) - top);
    }
    constexpr std::uint32_t CHILD = WS_CHILD | WS_VISIBLE;
    const std::uint32_t alwaysSet = kind == KIND_GRAPHIC ? CHILD | SS_OWNERDRAW : CHILD;
    if (style == 0) {
        switch (kind) {
        case KIND_BUTTON: style = CHILD | WS_TABSTOP | BS_PUSHBUTTON; break;
        case KIND_EDIT:
            // A sunken edge instead of a border.
            style = CHILD | WS_TABSTOP | ES_AUTOHSCROLL;
            extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        case KIND_GRAPHIC: style = CHILD | WS_TABSTOP | SS_OWNERDRAW; break;
        default: style = CHILD; break;
        }
    }
    style |= alwaysSet;

    const Handle handle = NewHandle();
    QWidget* widget = MakeControlWidget(handle, kind, QString::fromStdString(text), style,
                                        extendedStyle, owner->window->clientArea());
    if (!widget) return;
    widget->setGeometry(rect);
    widget->setFont(DialogFont());
    widget->show();

    ControlRecord& record = AddControlRecord(handle);
    record.dialog = dialog;
    record.id = id;
    record.widget = widget;
    record.procedure = DefaultControlProc;

    if (kind == KIND_GRAPHIC) {
        EnsureSurfaceHooks();
        const int border = (style & WS_BORDER) ? 1 : 0;
        // The first graphic control becomes the drawing target when there is none.
        RegisterControlSurface(handle, std::max(0, rect.width() - 2 * border),
                               std::max(0, rect.height() - 2 * border));
    }
}

Handle GetControlHandle(Handle dialog, std::int32_t id) {
    const ControlRecord* record = FindControlById(dialog, id);
    return record ? record->handle : 0;
}

std::string GetControlText(Handle window) {
    if (const DialogRecord* dialog = FindDialog(window)) {
        return dialog->window ? dialog->window->windowTitle().toStdString() : std::string();
    }
    const ControlRecord* record = FindControl(window);
    if (!record || !record->widget) return {};
    if (auto* edit = qobject_cast<QLineEdit*>(record->widget)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(record->widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(record->widget)) {
        return button->text().toStdString();
    }
    return record->widget->windowTitle().toStdString();
}

void SetControlText(Handle window, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (const DialogRecord* dialog = FindDialog(window)) {
        if (dialog->window) dialog->window->setWindowTitle(value);
        return;
    }
    const ControlRecord* record = FindControl(window);
    if (!record || !record->widget) return;
    if (auto* edit = qobject_cast<QLineEdit*>(record->widget)) edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(record->widget)) label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(record->widget)) button->setText(value);
    else record->widget->setWindowTitle(value);
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

namespace {
QPointer<QWidget> focusDuringDeactivation;
}

void SetFocusDuringDeactivation(QWidget* widget) { focusDuringDeactivation = widget; }

Handle GetFocusControl() {
    QWidget* focused =
        focusDuringDeactivation ? focusDuringDeactivation.data() : QApplication::focusWidget();
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        if (const ControlRecord* record = FindControlByWidget(w)) return record->handle;
    }
    return 0;
}

void SetFocusControl(Handle control) {
    const ControlRecord* record = FindControl(control);
    if (!record || !record->widget) return;
    QWidget* input = InputWidget(record->widget);
    input->setFocus(Qt::OtherFocusReason);
    // Focus on a control of an inactive window activates that window, as a
    // click on it does; otherwise the keys would still go to the other one.
    if (!input->window()->isActiveWindow()) input->window()->activateWindow();
}
