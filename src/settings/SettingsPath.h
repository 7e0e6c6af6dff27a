#pragma once
// Where the settings file is: beside the running executable, never in the
// working directory.

#include <string>

// The settings file's full path as UTF-8 text, built anew on each call; of
// any length, never cut. Empty when the executable's folder is not known.
std::string SettingsFilePath();

// Makes SettingsFilePath use utf8Folder instead of the executable's folder,
// so that each test keeps its settings in a folder of its own. Empty text
// goes back to the executable's folder.
void SetSettingsFolderForTests(const std::string& utf8Folder);
