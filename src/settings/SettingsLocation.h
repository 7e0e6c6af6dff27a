#pragma once
// Where a settings file kept beside the executable is read and written when
// the user may not write there, as with a program installed for the whole
// system.

#include <string>

// The names of the user's own settings folder for this program, fixed here
// rather than taken from the executable's name, so that a renamed or linked
// copy finds the same folder.
constexpr const char* SETTINGS_ORGANISATION_NAME = "Velmora";
constexpr const char* SETTINGS_APPLICATION_NAME = "Editor Bitmap";

struct SettingsLocation {
    std::string file; // the file to read and write, as UTF-8 text
    // While `file` does not exist, the file beside the executable is read in
    // its stead and its first write starts from that file's content; empty
    // when `file` is that file.
    std::string startFrom;
};

// For the file of that name in that folder (UTF-8): that file when it is a
// file the user may write, though the folder may be read-only, or, when
// nothing is at the name, when the user may write in the folder. Otherwise
// the file of that name in the user's own settings folder for this program,
// which need not exist yet; only then is the environment read for it.
SettingsLocation ChooseSettingsLocation(const std::string& utf8Folder,
                                        const std::string& utf8FileName);
