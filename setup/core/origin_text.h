// The marker file "origin.txt" of a terminal's data folder: a UTF-16 text that names the
// install folder of the terminal the data folder belongs to.
#pragma once

#include <string>

namespace setup {

// The file's bytes as UTF-16 code units: a byte-order mark FF FE or FE FF is skipped, the rest
// read as little-endian up to the first zero unit (an odd last byte is ignored).
std::u16string OriginCodeUnits(const std::string& bytes);

// True when the text (Shift-JIS) names the install folder itself: letter case, trailing
// blanks and line ends, and one trailing backslash on either side do not count. A folder
// whose name merely begins with the install folder's is another installation.
bool OriginNamesFolder(const std::string& originText, const std::string& installFolder);

}  // namespace setup
