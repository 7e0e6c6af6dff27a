#pragma once
// The folder of the running executable, for files kept beside it.

#include <string>

// The folder as UTF-8 text, whatever the working directory is; empty when
// the platform does not tell.
std::string ExecutableFolder();
