// Copying a file into the terminal's data folder.
#pragma once

#include <string>

// Copies source to target, replacing a file of that name. The copy is made beside the target
// first and takes its place in one step, so a failed copy leaves the old file as it was. The
// copy is writable whatever the source's mark; a read-only target is left alone. True when the
// new file is in place.
bool CopyReplacing(const std::string& source, const std::string& target);
