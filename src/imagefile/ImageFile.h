#pragma once
// The one image file of a run: its name, kept for the save chooser, and the
// chooser that asks for it.

#include <cstdint>
#include <string>

// The image's full path as UTF-8, empty until a file is chosen.
extern std::string ImageFileName;

enum ChooserMode : std::int32_t { OPEN_CHOOSER = 0, SAVE_CHOOSER = 1 };

// Asks for a bitmap file: the open chooser for mode 0, the save chooser for
// any other. It starts in the folder of fileName and proposes its file-name
// part. On a choice, fileName becomes the chosen path and true is returned;
// on cancel, fileName stays as it was and false is returned.
bool ChooseImageFile(std::string& fileName, std::int32_t mode);

// Everything up to and including the last path separator; empty when there
// is none.
std::string FolderPart(const std::string& path);
// Everything after the last path separator.
std::string FileNamePart(const std::string& path);
