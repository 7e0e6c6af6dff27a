// The Qt backend's local event loop, fonts, message box and file chooser.

#include "ui/qt/QtBackend.h"

#include "ui/qt/ChooserColumns.h"
#include "ui/qt/LocalRun.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>

#include <list>

void QtBackend::RunLocalLoop(void** running) {
    QEventLoop loop;
    *running = &loop;
    loop.exec();
    *running = nullptr;
}

void QtBackend::QuitLocalLoop(void* running) { static_cast<QEventLoop*>(running)->quit(); }

namespace {
// The fonts made and not released; kept until the process ends, as the
// dialogs' own font is.
std::list<QFont>& Fonts() {
    static std::list<QFont> fonts;
    return fonts;
}
} // namespace

void* QtBackend::MakeFont(const BackendFont& wanted) {
    QFont& font = Fonts().emplace_back(QString::fromStdString(wanted.face));
    // A missing face falls back to the nearest sans-serif face installed.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(wanted.pixelSize);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    return &font;
}

void QtBackend::ReleaseFont(void* font) {
    Fonts().remove_if([font](const QFont& made) { return &made == font; });
}

void QtBackend::ShowMessageBox(const std::string& text, const std::string& caption) {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    RunUntilFinished(box);
}

std::optional<std::string> QtBackend::ChooseFile(ChooserKind kind,
                                                 const FileChooserRequest& request,
                                                 const std::string& filter) {
    const QString folder = request.initialFolder.empty()
                               ? QDir::currentPath()
                               : QString::fromStdString(request.initialFolder);
    QFileDialog chooser(nullptr, QString::fromStdString(request.title), folder,
                        QString::fromStdString(filter));
    // Qt's own chooser looks and behaves the same on every platform.
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    FitChooserColumns(chooser);
    if (kind == ChooserKind::Open) {
        chooser.setAcceptMode(QFileDialog::AcceptOpen);
        chooser.setFileMode(QFileDialog::ExistingFile);
    } else {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setFileMode(QFileDialog::AnyFile);
    }
    chooser.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.proposedFileName.empty()) {
        chooser.selectFile(QString::fromStdString(request.proposedFileName));
    }
    if (RunUntilFinished(chooser) != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = chooser.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen.first()).toStdString();
}
