// The set-up program's configuration: the values it reads from the console's "FxQuorvex.ini"
// in its own folder, and the text of its own "TradeQuorvexPro.ini" that records the terminal
// it installed into.
#pragma once

#include <string>

namespace setup {

inline constexpr char kProIniFileName[] = "TradeQuorvexPro.ini";

struct SetupConfig {
  std::string ReadMe;
  std::string Revision;
  std::string Newision;
  std::string flgNotNews;
  std::string TrackBar1;
  std::string MT4Path;  // the terminal's program path
  std::string cmbSetName;
  std::string cmbIndName;
  std::string cmbClzName;
};

// Reads the lines of a configuration text into config: a line belongs to the first key that
// begins it, its value starts one byte after the key, the later of two lines wins, and a key
// that does not occur keeps the field's value.
void LoadIniKeys(const std::string& text, SetupConfig& config);

// The whole text of "TradeQuorvexPro.ini": nine lines in their fixed order, each ended by CR LF.
std::string ProIniText(const SetupConfig& config);

}  // namespace setup
