#pragma once
// The open and save file choosers, with no owner window.

#include <optional>
#include <string>

enum class ChooserKind { Open, Save };

struct FileChooserRequest {
    std::string title;
    std::string initialFolder;      // empty: the process's current directory
    std::string filterDescription;  // e.g. "Imagenes"
    std::string filterPattern;      // e.g. "*.bmp"
    std::string proposedFileName;   // the file-name part only
    std::string defaultExtension;   // appended to a name typed without one
};

// Returns the chosen file's full path as UTF-8, or nothing when the user
// cancelled. The open chooser accepts only an existing file; the save chooser
// also accepts a new name and does not ask before overwriting.
std::optional<std::string> ChooseFile(ChooserKind kind, const FileChooserRequest& request);
