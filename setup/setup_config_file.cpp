// The set-up's configuration step: the console's "FxQuorvex.ini" beside the program is read,
// and a terminal other than the one it names can be recorded in "TradeQuorvexPro.ini".
#include "common/file_names.h"
#include "common/win/text_file.h"
#include "setup/Setup1.h"

void TForm1::LoadIniKeys() {
  setup::LoadIniKeys(ReadTextFile(ExeFolder + common::kIniFileName), Config);
}

void TForm1::SaveProIni() {
  // Silent as the set-up has always been here; the console's own file is not touched.
  static_cast<void>(WriteTextFile(setup::ProIniText(Config), ExeFolder + setup::kProIniFileName));
}

void TForm1::ConfigureTerminalPath() {
  LoadIniKeys();
  if (Config.MT4Path == TerminalExePath) return;
  if (Ask(setup::kRecordTerminal, MB_YESNO) != IDYES) return;
  Config.MT4Path = TerminalExePath;
  SaveProIni();
}
