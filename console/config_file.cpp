// The console's configuration file "FxQuorvex.ini" beside the program, and the one-shot start
// timer that reads it, shows the ReadMe on first use and asks for the terminal.
#include <utility>

#include "common/text.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "settings/Setting1.h"

namespace {

constexpr char kMT4PathPrompt[] =
    "通常使用する「MT4」のパスが設定されていません\n"
    "「MT4のパス」登録方法は「Quorvex」のメイン画面に\n"
    "通常使用する「MT4」のフォルダーでも、\n"
    "ショートカットでも何でもいいので\n"
    "Drag＆Dropしてください";

// A scanner, a backup or an editor holds the file for a moment at most: about a second of
// tries. Messages wait meanwhile, since a close or a drop let through would write the
// configuration before it was read; a second is far from making the window look hung.
constexpr int kIniReadRetries = 10;
constexpr unsigned kIniRetryPauseMs = 100;

}  // namespace

void Tconv::ReadIni() {
  std::string text;
  iniUnreadable_ =
      !TryReadTextFile(ExeFolder + common::kIniFileName, text, kIniReadRetries, kIniRetryPauseMs);
  const console::IniExtras extras = console::ParseIniText(text, OwnVersion, Config);
  iniRead_ = true;
  if (extras.trackBar) SetSliderPosition(*extras.trackBar);
  if (extras.setNameRead && Setting) Setting->cmbSetName.SetText(Config.LastSetName);
  if (adoptedBeforeRead_) {
    Config.MT4Path = *std::exchange(adoptedBeforeRead_, std::nullopt);
    WriteIni();
  }
}

void Tconv::WriteIni() {
  if (!iniRead_) {
    // Closed before the start timer: a terminal chosen meanwhile still reaches the file, merged
    // into what the file holds.
    if (adoptedBeforeRead_) ReadIni();
    return;
  }
  // The defaults of this run must not replace a file that is there but could not be read: it
  // holds the trader's terminal path and records.
  if (iniUnreadable_) return;
  // The set name as the settings window shows it now, whether or not it is open.
  const std::string setName = Setting ? Setting->cmbSetName.Text() : Config.LastSetName;
  // Silent as before: the file written last stays whole, and the next change or the close
  // writes again.
  static_cast<void>(WriteTextFile(console::BuildIniText(Config, TrackBar1.Position(), setName),
                                  ExeFolder + common::kIniFileName));
}

void Tconv::tmrStartTimer() {
  tmrStart.SetEnabled(false);
  ReadIni();
  if (common::SafeStrToInt(Config.ReadMe) == 0) {
    Config.ReadMe = "1";
    WriteIni();
    mnuReadMeClick();
  } else if (const std::string marker = ExeFolder + console::kIniResetMarkerName;
             FileExists(marker)) {
    // The reset marker counts only once the ReadMe was shown: at first use it stays for the
    // next start.
    DeleteFileAt(marker);
    Config.flgNotNews = "0";
    Config.ReadMe = "1";
    WriteIni();
    mnuReadMeClick();
  }
  if (Config.MT4Path.empty()) ShowPlainMessage(Handle(), kMT4PathPrompt);
}
