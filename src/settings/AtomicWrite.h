#pragma once
// Replacing a file so that it is at every moment either wholly its old self
// or wholly its new self, even when the process dies or the disk fills up.

#include <string>
#include <string_view>

// Writes bytes to a fresh temporary file in the target's folder, flushes it
// to the disk, gives it the old file's permissions and owner, and renames it
// over the target (or to the target, when there was none). A link is
// followed, so the file it names is replaced and the link stays. Refuses an
// existing target that is not a regular file or that this process may not
// write, so a file the user made read-only stays as it is. False when nothing
// was replaced; the temporary file is then gone again.
bool ReplaceFileContents(const std::string& utf8Path, std::string_view bytes);
