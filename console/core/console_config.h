// The console's state kept between runs in "FxQuorvex.ini" beside the program, and the text
// form of that file. Reading and writing the file itself is the main window's business; this
// part only turns text into fields and back.
#pragma once

#include <optional>
#include <string>

#include "common/file_names.h"

namespace console {

inline constexpr char kIniResetMarkerName[] = "IniReset.info";

struct ConsoleConfig {
  std::string ReadMe;    // "1" once the ReadMe was shown; empty (0) means first use
  std::string Revision;  // expert revision last downloaded, as the server wrote it
  float RevisionValue = 0;
  std::string Newision;  // newest news id already announced
  float NewisionValue = 0;
  std::string flgNotNews;   // "1": the news window never opens by itself
  std::string LastSetName;  // last named parameter set (the settings window's set-name box)
  std::string MT4Path;      // full path of the terminal's terminal.exe
  std::string DataPath;     // carried through untouched; the settings text passes it on
};

// What a configuration text holds beyond ConsoleConfig: the slider position (already limited
// to 0..100) when the text names one, and whether a set name line was present.
struct IniExtras {
  std::optional<int> trackBar;
  bool setNameRead = false;
};

// Reads the lines of a configuration text into config. Fields whose key is absent keep their
// value; when a key occurs twice the later line wins. Both numbers are raised to ownVersion
// when lower (the texts stay as read).
IniExtras ParseIniText(const std::string& text, float ownVersion, ConsoleConfig& config);

// The whole file text in the writer's own key order, every line ended by CR LF. Lines the
// reader did not know are not kept.
std::string BuildIniText(const ConsoleConfig& config, int trackBarPosition,
                         const std::string& setName);

}  // namespace console
