#include "ui/qt/LocalRun.h"

#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

int RunUntilFinished(QDialog& dialog) {
    dialog.setWindowModality(Qt::NonModal);
    // A dialog its builder has sized keeps that size.
    if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(area.center());
        dialog.move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    loop.exec();
    return dialog.result();
}
