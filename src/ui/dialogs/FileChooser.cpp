#include "ui/dialogs/FileChooser.h"

#include "ui/dialogs/ChooserColumns.h"
#include "ui/dialogs/LocalRun.h"

#include <QDir>
#include <QFileDialog>

std::optional<std::string> ChooseFile(ChooserKind kind, const FileChooserRequest& request) {
    const QString folder = request.initialFolder.empty()
                               ? QDir::currentPath()
                               : QString::fromStdString(request.initialFolder);
    const QString filter = QString::fromStdString(request.filterDescription) + " (" +
                           QString::fromStdString(request.filterPattern) + ")";
    QFileDialog chooser(nullptr, QString::fromStdString(request.title), folder, filter);
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
