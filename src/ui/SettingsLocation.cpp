#include "ui/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The names of the user's configuration folder for this program, fixed here
// rather than taken from the executable's name, so that a renamed or linked
// copy finds the same folder.
constexpr const char* ORGANISATION_NAME = "Velmora";
constexpr const char* APPLICATION_NAME = "Editor Bitmap";

std::string Utf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool MayBeWritten(const QFileInfo& beside) {
    // A link to nothing is not nothing: writing through it would make a file
    // wherever it points.
    if (!beside.exists() && !beside.isSymLink()) {
        const QFileInfo folder(beside.absolutePath());
        return folder.isDir() && folder.isWritable();
    }
    return beside.isFile() && beside.isWritable();
}

} // namespace

SettingsLocation ChooseSettingsLocation(const std::string& utf8Folder,
                                        const std::string& utf8FileName) {
    const QString name = QString::fromStdString(utf8FileName);
    const QFileInfo beside(QDir(QString::fromStdString(utf8Folder)), name);
    const std::string besidePath = Utf8(beside.filePath());
    if (MayBeWritten(beside)) return {besidePath, {}};
    QCoreApplication::setOrganizationName(ORGANISATION_NAME);
    QCoreApplication::setApplicationName(APPLICATION_NAME);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (userFolder.isEmpty()) return {besidePath, {}};
    return {Utf8(QDir(userFolder).filePath(name)), besidePath};
}
