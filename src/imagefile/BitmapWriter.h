#pragma once
// Saving the current drawing target as an uncompressed 24-bit bitmap file.

#include <string>

enum class WriteOutcome {
    Written,     // the file holds the picture
    NothingDone, // empty name or no bitmap to write (see below): no file touched
    Failed,      // the file could not be written; it keeps its old content
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::NothingDone;
    std::string reason; // the system's reason (UTF-8) when Failed
};

// Writes the current target's pixels, at its own size, to the named file
// (UTF-8). The target must be an off-screen bitmap that keeps its pixels, as
// the image is; with none, or another kind of surface, nothing is done. The
// file is replaced whole or not at all: see ReplaceFileContents.
WriteResult WriteBitmapFile(const std::string& utf8FileName);
