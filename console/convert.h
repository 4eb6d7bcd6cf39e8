// The console's main window: lot choice, market, close and delete buttons, the pending-order
// part with its price ladder and slider, and the once-a-second monitor of the shared maps.
// The state every window of the console shares lives in the session; the fields of that name
// here refer into it.
//
// The handlers live in files by subject:
//   convert.cpp          construction, controls, FormCreate/FormShow/FormClose, layout, menu
//   convert_orders.cpp   market, close, delete, cancel and pending orders; ladder, "Get", slider
//   convert_monitor.cpp  tmrNowPriceTimer
//   config_file.cpp      ReadIni, WriteIni, tmrStartTimer
//   terminal_link.cpp    dropped files, the folder dialog, starting and closing the terminal
//   help_menu.cpp        usage page, ReadMe, version window
//   self_update.cpp      cmd_GetFileClick: the console's own update
//   revision_check.cpp   tmrRevCheckTimer, cmd_GetRevisionClick: the expert's new revisions
//   news_check.cpp       CheckNews, mnuNewsClick, tmrNewsCheckTimer
//   archive_library.cpp  LoadUnlha, EnsureUnlha, ExtractLzh
#pragma once

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/win/shared_text_map.h"
#include "console/archive_library.h"
#include "console/core/command_text.h"
#include "console/core/console_config.h"
#include "console/session/console_session.h"
#include "console/web_check.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

class Tconv : public ui::Form {
 public:
  explicit Tconv(ConsoleSession& session);
  ~Tconv() override;

  // ---- State shared by the console's windows: references into the session ----
  ConsoleSession& Session;
  std::string& ExeFolder;
  std::string& WindowsFolder;
  std::string& MarkerPagePath;
  float& OwnVersion;
  bool& UnlhaLoaded;
  bool& RevisionDeclined;
  std::string& LatestVersionText;
  std::string& UpdateArchiveUrl;
  SharedTextMap& CommandMap;
  SharedTextMap& PriceMap;
  SharedTextMap& InfoMap;
  SharedTextMap& SettingMap;
  std::string& SettingStatus;
  console::ConsoleConfig& Config;
  int32_t HitCount = 0;  // the expert's last reported count; 0 until the first price

  // ---- Life cycle ----
  void FormCreate();
  void FormShow();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;

  // ---- Layout ----
  void cmdUpDownClick();
  void chk_FrontMostClick();
  void chkPlusMinusClick();
  void cmdSettingLeftClick();
  void mnuExitClick();

  // ---- Orders ----
  // The lot buttons, top to bottom, and the lot text of the first ticked one.
  common::LotChoice LotButtons() const;
  std::string GetLotText() const;
  void cmdBuyClick();
  void cmdSellClick();
  void cmd_NANPINClick();
  void cmdCloseBuyClick();
  void cmdCloseSellClick();
  void cmdCloseAllClick();
  void cmdDeleteBuyClick();
  void cmdDeleteSellClick();
  void cmdDeleteAllClick();
  void cmdPendingDblClick();
  void cmdBuyLimitClick();
  void cmdBuyStopClick();
  void cmdSellLimitClick();
  void cmdSellStopClick();
  void cmdPriceUp100Click();
  void cmdPriceDown100Click();
  void cmdPriceUp10Click();
  void cmdPriceDown10Click();
  void cmdPriceUpClick();
  void cmdPriceDownClick();
  void cmdGetPriceClick();
  void TrackBar1Change();
  void cmdRevUpDwClick();
  void chkRenzokuClick();
  // Sets txtPrice and the slider's hint from the current price and the slider.
  void ApplySliderOffset(bool largeQuote, const std::string& priceText);
  // Moves the slider from code: no Shift snap-back, which is meant for the user's own moves.
  void SetSliderPosition(int position);

  // ---- Monitor ----
  void tmrNowPriceTimer();

  // ---- Configuration file (config_file.cpp) ----
  void ReadIni();
  void WriteIni();  // called by FormClose as its last step
  void tmrStartTimer();

  // ---- Terminal link (terminal_link.cpp) ----
  void OnDropFiles(HDROP drop);
  void AdoptTerminalPath(const std::string& found);
  void mnuMT4FolderClick();
  void cmdExecTerminalClick();

  // ---- Help menu (help_menu.cpp) ----
  void mnuUSEClick();
  void mnuVERClick();
  void mnuReadMeClick();

  // ---- The archiver library (archive_library.cpp) ----
  // The library's entry: window, command line, output buffer and its size; 0 is success.
  using UnlhaFunction = int(WINAPI*)(HWND window, const char* commandLine, char* output,
                                     DWORD outputSize);
  HMODULE UnlhaModule = nullptr;       // null when the library is not loaded
  UnlhaFunction UnlhaEntry = nullptr;  // null when the library lacks it
  std::string SystemFolder;            // ends in "\"; where a missing library is fetched to
  // Loads the library by its bare name; 1 when the module loaded (its entry may still be null).
  int LoadUnlha();
  // Fetches the library when neither the system folder nor ExeFolder holds it: into the system
  // folder, or into ExeFolder when the system folder cannot be written. The fetched file is
  // kept only when it loads and has the entry; it is then loaded unless a library already is.
  // A library already in either folder is left as it is, loaded or not.
  void EnsureUnlha();
  // Unpacks the archive into the folder (which ends in ""): 0, kArchiveMissing without calling
  // the library, kArchiverUnavailable when it is not loaded, or the library's own code.
  ArchiverResult ExtractLzh(const std::string& archivePath, const std::string& targetFolder);
  void FreeUnlha();  // by FormDestroy

  // ---- The web server: self-update, expert revisions, news ----
  void cmd_GetFileClick();
  void tmrRevCheckTimer();
  void cmd_GetRevisionClick();
  void CheckNews(bool manual);
  void mnuNewsClick();
  void tmrNewsCheckTimer();

  // ---- Controls, top to bottom and left to right: the order of the Tab key ----
  ui::ProgressBar ProgressBar1;
  ui::Button cmdUpDown;
  ui::GroupBox grpLot;
  ui::RadioButton rdo_Times1;
  ui::RadioButton rdo_Times2;
  ui::RadioButton rdo_Times3;
  ui::RadioButton rdo_Times5;
  ui::RadioButton rdo_Times10;
  ui::RadioButton rdo_Times20;
  ui::Button cmdBuy;
  ui::Button cmdSell;
  ui::Button cmd_NANPIN;
  ui::Button cmdCloseBuy;
  ui::Button cmdCloseSell;
  ui::Button cmdCloseAll;
  ui::CheckBox chk_FrontMost;
  ui::CheckBox chkNoShift;
  ui::Edit txtNowPrice;
  ui::Label lblNowPrice;
  ui::Button cmdSettingLeft;
  ui::Edit txtPrice;
  ui::Button cmdPriceUp100;
  ui::Button cmdPriceDown100;
  ui::Button cmdPriceUp10;
  ui::Button cmdPriceDown10;
  ui::Button cmdPriceUp;
  ui::Button cmdPriceDown;
  ui::Button cmdGetPrice;
  ui::TrackBar TrackBar1;  // along the right edge, from the price row down
  ui::Label lblPlusMinus;
  ui::CheckBox chkPlusMinus;
  ui::GroupBox grpPending;
  ui::Button cmdBuyStop;
  ui::Button cmdSellLimit;
  ui::Button cmdDeleteBuy;
  ui::Button cmdBuyLimit;
  ui::Button cmdSellStop;
  ui::Button cmdDeleteSell;
  ui::CheckBox chkRenzoku;
  ui::ComboBox cmbRenzoku;
  ui::CheckBox chkAutoFWD;
  ui::Button cmdDeleteAll;
  ui::Button cmdPending;
  ui::Edit txtPending;
  ui::Button cmdExecTerminal;
  ui::Label lblNote;
  ui::Button cmdRevUpDw;
  ui::Button cmd_GetFile;
  ui::Button cmd_GetRevision;
  ui::ListBox ListBox1;

  ui::Timer tmrNowPrice;
  ui::Timer tmrStart{*this, {.interval = 1000, .enabled = true}};
  // Switched on by every closing of the splash.
  ui::Timer tmrRevCheck{*this, {.interval = 600000, .enabled = false}};
  // Fires once, ten minutes after the start.
  ui::Timer tmrNewsCheck{*this, {.interval = 600000, .enabled = true}};

 private:
  // The Shift rule: an order goes out only with Shift held or the no-Shift box ticked.
  bool ShiftRuleMet() const;
  // Guard, then Shift rule, then the text goes into the command map.
  void SendCommand(console::OrderSide side, const std::string& command);
  void SendPendingOrder(const console::PendingOrderType& type);
  void StepLadder(int tier, int direction);
  // tmrRevCheck's check, in its turn: the timer runs on after it unless the trader said No.
  void TimedRevisionCheck();

  // The checks that the timers and the menu start: each waits its turn when it meets another
  // fetch, and closing the window drops the waiting ones.
  WebCheck revisionCheck_{*this, [this] { TimedRevisionCheck(); }};
  WebCheck newsCheck_{*this, [this] { CheckNews(false); }};
  WebCheck menuNewsCheck_{*this, [this] { CheckNews(true); }};

  bool movingSlider_ = false;
  // Only a page that was written can be taken away as the signal to close: in a folder where
  // it could not be written, its absence means nothing.
  bool markerPageWritten_ = false;
  // Nothing is written to the configuration file before it was read: a window closed in its
  // first second would otherwise wipe the trader's settings.
  bool iniRead_ = false;
  // The file was there at the start but could not be read: nothing is written over it.
  bool iniUnreadable_ = false;
  // A terminal path adopted (by a drop or the folder dialog) before the file was read: the
  // trader's latest choice, which wins over the file's and is written once it was read.
  std::optional<std::string> adoptedBeforeRead_;
};

// The main window (the application's main form).
extern Tconv* conv;
