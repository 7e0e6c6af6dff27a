#pragma once
// Where the settings file is: beside the running executable, never in the
// working directory, or, where the user may not write there, in the user's
// own settings folder (settings/SettingsLocation.h has the rules).

#include "settings/SettingsLocation.h"

// The settings file of this run, chosen on first use and kept until the
// process ends, so that a run reads and writes one place only. File names
// are UTF-8 text of any length, never cut. Empty when the executable's
// folder is not known.
const SettingsLocation& SettingsLocationOfThisRun();

// Makes the settings use utf8Folder instead of the executable's folder, so
// that each test keeps its settings in a folder of its own, and has the next
// use choose the place anew, as a new run would. Empty text goes back to the
// executable's folder.
void SetSettingsFolderForTests(const std::string& utf8Folder);
