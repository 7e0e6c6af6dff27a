#include "ui/qt/DevicePointer.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

std::unique_ptr<xcb_query_pointer_reply_t, FreeReply> QueryPointer(const QWidget& top) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return nullptr;
    xcb_connection_t* connection = x11->connection();
    const auto window = xcb_window_t(top.winId());
    return std::unique_ptr<xcb_query_pointer_reply_t, FreeReply>(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
}

} // namespace

QPointF PointerPositionIn(const QWidget& widget, QPointF reported) {
    const qreal scale = widget.devicePixelRatioF();
    if (scale == 1.0) return reported;
    const QWidget& top = *widget.window();
    const auto reply = QueryPointer(top);
    if (!reply || !reply->same_screen) return reported;
    const QPointF precise = QPointF(reply->win_x, reply->win_y) / scale -
                            QPointF(widget.mapTo(&top, QPoint(0, 0)));
    // Rounded, the pointer's position now is the event's: it has not moved
    // since. Otherwise the event's own position is the better answer.
    const bool sameSpot = std::abs(precise.x() - reported.x()) <= 0.5 &&
                          std::abs(precise.y() - reported.y()) <= 0.5;
    return sameSpot ? precise : reported;
}
