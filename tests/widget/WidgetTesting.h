#pragma once
// Answering the windows that a call opens in local loops of their own.

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

// Runs `call` and hands `answer` each window that it shows, once, as soon as
// it is shown; none of them may block the other windows. A window still open
// five seconds after it was shown is closed as a failure, so no test hangs,
// however many windows it waits on.
inline void Answering(const std::function<void(QWidget&)>& answer,
                      const std::function<void()>& call) {
    std::vector<QPointer<QWidget>> shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || std::count(shown.begin(), shown.end(), w)) continue;
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            // From a timer of its own, so that polling goes on in the runs it starts.
            QTimer::singleShot(0, &poll, [&, w = shown.emplace_back(w)] {
                if (w) answer(*w);
            });
            QTimer::singleShot(5000, &poll, [w = QPointer<QWidget>(w)] {
                if (w && w->isVisible()) w->close(), ADD_FAILURE() << "a window was left open";
            });
        }
    });
    poll.start(10);
    call();
}
