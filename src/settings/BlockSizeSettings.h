#pragma once
// The block size of the block tools, kept between runs in the settings file.

#include <string>

// "get" reads BlockWidth and BlockHeight of the editing state from the
// settings file (3 for a missing file or key; no range check), "save" writes
// both to it. Any other action, even one differing only in case, does
// nothing. Nothing is reported: a failed save leaves the file and the values
// in memory as they were.
void BlockSizeSettings(const std::string& action);
