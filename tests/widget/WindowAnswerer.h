#pragma once
// Answers the windows that a command opens in local loops of their own, one
// after another, and notes what each one showed: a file chooser (rejected
// unless the test says otherwise), a message box (its OK pressed) and the
// settings window (its "Salir" pressed). A watchdog closes whatever is still
// open after a few seconds, so a wrong answer can never hang a test.

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* SETTINGS_WINDOW_TITLE = "Configuración";

// The visible settings windows (there should never be more than one).
inline std::vector<QWidget*> VisibleSettingsWindows() {
    std::vector<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == QString::fromUtf8(SETTINGS_WINDOW_TITLE))
            found.push_back(w);
    }
    return found;
}

inline void PressExit(QWidget& settingsWindow) {
    for (QPushButton* button : settingsWindow.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Salir")) {
            button->click();
            return;
        }
    }
}

// What a chooser showed when it appeared.
struct ChooserView {
    std::string title;
    std::string folder;
    std::string proposedName;
};

class WindowAnswerer {
  public:
    std::function<void(QFileDialog&)> onChooser = [](QFileDialog& chooser) { chooser.reject(); };
    std::function<void(QWidget&)> onSettings = [](QWidget& window) { PressExit(window); };

    // Everything seen, in order: "chooser", "message: CAPTION|TEXT" (lines
    // joined by "\n"), "settings".
    std::vector<std::string> seen;
    std::vector<ChooserView> choosers;

    void Run(const std::function<void()>& command) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this] { AnswerVisibleWindows(); });
        poll.start(10);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { CloseEverything(); });
        watchdog.start(8000);
        command();
    }

    // Types a full path into the chooser's name box and accepts it. A file
    // still selected in the chooser's list (the proposed one) would win over
    // the typed name, as it does when a user clicks a file and then types.
    static void TypeAndAccept(QFileDialog& chooser, const std::string& path) {
        for (QAbstractItemView* view : chooser.findChildren<QAbstractItemView*>())
            view->clearSelection();
        if (auto* edit = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(QString::fromStdString(path));
        static_cast<QDialog&>(chooser).accept();
    }

  private:
    void AnswerVisibleWindows() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (auto* chooser = qobject_cast<QFileDialog*>(w)) {
                const auto* edit = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                choosers.push_back({chooser->windowTitle().toStdString(),
                                    chooser->directory().absolutePath().toStdString(),
                                    edit ? edit->text().toStdString() : std::string()});
                seen.push_back("chooser");
                onChooser(*chooser);
                if (chooser->isVisible()) chooser->reject();
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                seen.push_back("message: " + box->windowTitle().toStdString() + "|" +
                               box->text().toStdString());
                box->accept();
                return;
            }
            if (w->windowTitle() == QString::fromUtf8(SETTINGS_WINDOW_TITLE)) {
                seen.push_back("settings");
                onSettings(*w);
                return;
            }
        }
    }

    static void CloseEverything() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else if (w->windowTitle() == QString::fromUtf8(SETTINGS_WINDOW_TITLE))
                PressExit(*w);
        }
    }
};
