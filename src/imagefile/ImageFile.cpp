#include "imagefile/ImageFile.h"

#include "imagefile/ImageFileTexts.h"
#include "ui/dialogs/FileChooser.h"

#include <optional>

std::string ImageFileName;

namespace {

std::size_t LastSeparator(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("\\/:");
#else
    return path.find_last_of('/');
#endif
}

} // namespace

std::string FolderPart(const std::string& path) {
    const std::size_t at = LastSeparator(path);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string FileNamePart(const std::string& path) {
    const std::size_t at = LastSeparator(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

bool ChooseImageFile(std::string& fileName, std::int32_t mode) {
    FileChooserRequest request;
    request.title = CHOOSER_TITLE;
    request.initialFolder = FolderPart(fileName);
    request.filterDescription = CHOOSER_FILTER_NAME;
    request.filterPattern = CHOOSER_FILTER_PATTERN;
    request.proposedFileName = FileNamePart(fileName);
    request.defaultExtension = CHOOSER_DEFAULT_EXTENSION;
    const std::optional<std::string> chosen =
        ChooseFile(mode == OPEN_CHOOSER ? ChooserKind::Open : ChooserKind::Save, request);
    if (!chosen || chosen->empty()) return false;
    fileName = *chosen;
    return true;
}
