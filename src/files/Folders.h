#pragma once
// Where the program finds itself and the user's own settings folder, and
// whether a file or folder may be written: asked of the system, with names
// as UTF-8 text at this interface.

#include <string>

// The folder of the running executable, whatever the working directory is;
// empty when the system cannot tell.
std::string ExecutableFolder();

// The user's own folder for a program's settings, not created: on Linux
// $XDG_CONFIG_HOME/<organisation>/<application> (by default under
// ~/.config), on Windows %LOCALAPPDATA%\<organisation>\<application>; empty
// when there is none.
std::string UserSettingsFolder(const std::string& organisation, const std::string& application);

// The name of `name` in that folder; `name` alone when the folder is empty.
std::string PathInFolder(const std::string& utf8Folder, const std::string& utf8Name);

// Makes the folders the file's name leads through, those missing; nothing is
// said of a failure, which the file's own writing reports.
void MakeFoldersOf(const std::string& utf8File);

enum class PathState { Nothing, WritableFile, OtherFile, WritableFolder, OtherFolder, Other };

// What stands at that name, for the choice of where settings live: a file or
// folder (through links) the user may or may not write, nothing (also under
// something that is not a folder), or anything else. A link to nothing is
// Other, never Nothing: writing through it would make a file where it points.
PathState StateOfPath(const std::string& utf8Path);
