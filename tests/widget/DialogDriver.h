#pragma once
// Acts on a dialog that a service opens in its own local loop: a timer polls
// for the first visible top-level widget of the wanted type and hands it to
// the test's action. A watchdog closes anything still open after a few
// seconds, so a failed expectation can never hang the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

template <typename DialogType>
void WhenDialogAppears(std::function<void(DialogType&)> action, int timeoutMs = 5000) {
    auto* poll = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [=]() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<DialogType*>(w);
            if (dialog && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(*dialog);
                return;
            }
        }
        if (clock.elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no dialog appeared";
        }
    });
    poll->start(10);
    QTimer::singleShot(timeoutMs + 1000, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
        }
    });
}
