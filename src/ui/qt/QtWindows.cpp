// The Qt backend's dialog windows and controls.

#include "ui/qt/QtBackend.h"

#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/DialogWindow.h"
#include "ui/qt/FocusTracking.h"
#include "ui/qt/GraphicControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

namespace {

DialogWindow* Window(void* window) { return static_cast<DialogWindow*>(window); }
QWidget* Widget(void* control) { return static_cast<QWidget*>(control); }

Qt::WindowFlags WindowFlagsFor(std::uint32_t style, std::uint32_t extendedStyle) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    if (extendedStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

GraphicControl* Graphic(void* control) { return dynamic_cast<GraphicControl*>(Widget(control)); }

QPointer<QWidget> focusDuringDeactivation;

} // namespace

void SetFocusDuringDeactivation(QWidget* widget) { focusDuringDeactivation = widget; }

void* QtBackend::CreateDialogWindow(Handle dialog, const std::string& title, std::uint32_t style,
                                    std::uint32_t extendedStyle, int width, int height,
                                    void* font) {
    auto* window = new DialogWindow(dialog);
    const QSize size(width, height);
    window->setWindowFlags(WindowFlagsFor(style, extendedStyle));
    window->setWindowTitle(QString::fromStdString(title));
    if (font) window->setFont(*static_cast<QFont*>(font));
    window->setClientSize(size);
    if (!(style & WS_THICKFRAME)) window->setFixedSize(size);
    return window;
}

void QtBackend::DestroyDialogWindow(void* window) { delete Window(window); }

void QtBackend::MoveDialogWindow(void* window, int x, int y) { Window(window)->move(x, y); }

BackendRect QtBackend::ClientOrigin(void* window) {
    const QPoint origin = Window(window)->clientArea()->mapToGlobal(QPoint(0, 0));
    return BackendRect{origin.x(), origin.y(), 0, 0};
}

std::optional<BackendRect> QtBackend::WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect area = screen->availableGeometry();
    return BackendRect{area.left(), area.top(), area.width(), area.height()};
}

void QtBackend::ShowDialogWindow(void* window, std::uint32_t style) {
    DialogWindow* w = Window(window);
    if (style & WS_MAXIMIZE) w->showMaximized();
    else if (style & WS_MINIMIZE) w->showMinimized();
    else w->show();
    w->raise();
    w->activateWindow();
}

void QtBackend::HideDialogWindow(void* window) { Window(window)->hide(); }

void QtBackend::EnableDialogWindow(void* window, bool enabled) {
    Window(window)->setEnabled(enabled);
}

void QtBackend::ActivateDialogWindow(void* window) { Window(window)->activateWindow(); }

std::string QtBackend::DialogTitle(void* window) {
    return Window(window)->windowTitle().toStdString();
}

void QtBackend::SetDialogTitle(void* window, const std::string& title) {
    Window(window)->setWindowTitle(QString::fromStdString(title));
}

void* QtBackend::CreateControl(Handle control, std::int32_t kind, const std::string& text,
                               std::uint32_t style, std::uint32_t extendedStyle,
                               void* dialogWindow, const BackendRect& area, void* font) {
    QWidget* widget = MakeControlWidget(control, kind, QString::fromStdString(text), style,
                                        extendedStyle, Window(dialogWindow)->clientArea());
    if (!widget) return nullptr;
    widget->setGeometry(area.x, area.y, area.width, area.height);
    if (font) widget->setFont(*static_cast<QFont*>(font));
    widget->show();
    return widget;
}

std::string QtBackend::ControlText(void* control) {
    QWidget* widget = Widget(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
    return widget->windowTitle().toStdString();
}

void QtBackend::SetControlText(void* control, const std::string& text) {
    QWidget* widget = Widget(control);
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
    else widget->setWindowTitle(value);
}

void QtBackend::SetControlFont(void* control, void* font) {
    if (font) Widget(control)->setFont(*static_cast<QFont*>(font));
}

Handle QtBackend::FocusedControl() {
    QWidget* focused =
        focusDuringDeactivation ? focusDuringDeactivation.data() : QApplication::focusWidget();
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        if (const ControlRecord* record = FindControlByWindow(w)) return record->handle;
    }
    return 0;
}

void QtBackend::FocusControl(void* control) {
    QWidget* input = InputWidget(Widget(control));
    input->setFocus(Qt::OtherFocusReason);
    // Focus on a control of an inactive window activates that window, as a
    // click on it does; otherwise the keys would still go to the other one.
    if (!input->window()->isActiveWindow()) input->window()->activateWindow();
}

BackendRect QtBackend::ControlClientArea(void* control) {
    // Taken from the control itself rather than from the widget inside the
    // border, which a hidden window has not placed yet.
    // A control's parent is its dialog's client area.
    const QWidget* widget = Widget(control);
    const QRect client = widget->contentsRect();
    const QPoint origin = widget->mapToParent(client.topLeft());
    return BackendRect{origin.x(), origin.y(), client.width(), client.height()};
}

BackendRect QtBackend::DialogClientSize(void* dialogWindow) {
    const QSize size = Window(dialogWindow)->clientArea()->size();
    return BackendRect{0, 0, size.width(), size.height()};
}

void QtBackend::PresentArea(void* control, const BackendRect& area) {
    if (GraphicControl* graphic = Graphic(control)) {
        graphic->client()->showArea(QRect(area.x, area.y, area.width, area.height));
    }
}

void QtBackend::ShowMoved(void* control, int dx, int dy) {
    if (GraphicControl* graphic = Graphic(control)) graphic->client()->showMoved(dx, dy);
}
