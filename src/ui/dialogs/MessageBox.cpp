#include "ui/dialogs/MessageBox.h"

#include "ui/UiTexts.h"
#include "ui/dialogs/LocalRun.h"

#include <QMessageBox>

namespace {
std::function<void(const std::string&, const std::string&)> watcher;
}

void ShowMessageBox(const std::string& utf8Text, const std::string& utf8Caption) {
    if (watcher) watcher(utf8Text, utf8Caption);
    QMessageBox box;
    box.setWindowTitle(
        QString::fromStdString(utf8Caption.empty() ? DEFAULT_MESSAGE_CAPTION : utf8Caption));
    // Lines arrive joined by CR LF; a label wants bare line feeds.
    QString text = QString::fromStdString(utf8Text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    RunUntilFinished(box);
}

void WatchMessageBoxesForTests(std::function<void(const std::string&, const std::string&)> watch) {
    watcher = std::move(watch);
}
