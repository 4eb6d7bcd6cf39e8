#include "console/convert.h"

#include "common/channel_names.h"
#include "common/colours.h"
#include "common/win/file_version.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/Splash1.h"
#include "console/core/layout.h"
#include "console/startup_files.h"
#include "settings/Setting1.h"
#include "settings/core/set_files.h"
#include "ui/app.h"

Tconv* conv = nullptr;

namespace {

// Columns of the upper part (lot, market and close buttons) and of the pending-order part,
// which leaves room for the settings button at the left edge and the slider at the right.
constexpr int kColumn[3] = {4, 85, 166};
constexpr int kButtonWidth = 78;
constexpr int kLower = 12;
constexpr int kPendingColumn[3] = {18, 84, 150};
constexpr int kPendingButtonWidth = 64;

using ui::At;

ui::ControlArgs Hidden(ui::ControlArgs args) {
  args.visible = false;
  return args;
}

ui::ControlArgs WithHint(ui::ControlArgs args, std::string hint) {
  args.hint = std::move(hint);
  return args;
}

ui::ControlArgs Arrow(int left, int top, const char* arrow, COLORREF colour) {
  ui::ControlArgs args = At(left, top, 15, 10, arrow);
  args.textColor = colour;
  return args;
}

ui::FormArgs MainFormArgs() {
  ui::FormArgs args;
  args.caption = "TradeQuorvex";
  args.width = console::kFullWidth;  // the size of the full layout; FormCreate makes it compact
  args.height = console::kFullHeight;
  args.border = ui::FormBorder::Single;
  args.maximizeBox = false;
  args.color = common::kConsoleFormColour;
  return args;
}

console::WorkArea CurrentWorkArea() {
  const RECT r = ui::DesktopWorkArea();
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

Tconv::Tconv(ConsoleSession& session)
    : Form(MainFormArgs()),
      Session(session),
      ExeFolder(session.ExeFolder),
      WindowsFolder(session.WindowsFolder),
      MarkerPagePath(session.MarkerPagePath),
      OwnVersion(session.OwnVersion),
      UnlhaLoaded(session.UnlhaLoaded),
      RevisionDeclined(session.RevisionDeclined),
      LatestVersionText(session.LatestVersionText),
      UpdateArchiveUrl(session.UpdateArchiveUrl),
      CommandMap(session.CommandMap),
      PriceMap(session.PriceMap),
      InfoMap(session.InfoMap),
      SettingMap(session.SettingMap),
      SettingStatus(session.SettingStatus),
      Config(session.Config),
      ProgressBar1(*this, Hidden(At(0, 0, 249, 11)), 0, 100),
      cmdUpDown(*this, At(104, 0, 40, 11, "▲")),
      grpLot(*this, At(4, 11, 240, 50, "ロット数")),
      rdo_Times1(*this, At(12, 26, 72, 15, "基準×1"), true),
      rdo_Times2(*this, At(90, 26, 72, 15, "基準×2")),
      rdo_Times3(*this, At(168, 26, 72, 15, "基準×3")),
      rdo_Times5(*this, At(12, 42, 72, 15, "基準×5")),
      rdo_Times10(*this, At(90, 42, 72, 15, "基準×10")),
      rdo_Times20(*this, At(168, 42, 72, 15, "基準×20")),
      cmdBuy(*this, At(kColumn[0], 64, kButtonWidth, 30, "BUY")),
      cmdSell(*this, At(kColumn[1], 64, kButtonWidth, 30, "SELL")),
      cmd_NANPIN(*this, At(kColumn[2], 64, kButtonWidth, 30, "NANPIN")),
      cmdCloseBuy(*this, At(kColumn[0], 96, kButtonWidth, 22, "CloseBuy")),
      cmdCloseSell(*this, At(kColumn[1], 96, kButtonWidth, 22, "CloseSell")),
      cmdCloseAll(*this, At(kColumn[2], 96, kButtonWidth, 22, "All Close")),
      chk_FrontMost(*this, At(4, 121, 58, 16, "最前面")),
      chkNoShift(*this, At(66, 121, 178, 16, "Shiftを押さずに即実行")),
      txtNowPrice(*this, At(4, 140, 78, 20)),
      lblNowPrice(*this, At(86, 143, 0, 0, "←現在価格")),
      cmdSettingLeft(*this, Hidden(At(0, 186, 9, 230, "<"))),
      txtPrice(*this, At(kLower, 186, 66, 20), {.inputMethod = false}),
      cmdPriceUp100(*this, Arrow(80, 186, "▲", ui::kLime), ui::ButtonLook::FlatArrow),
      cmdPriceDown100(*this, Arrow(80, 196, "▼", ui::kLime), ui::ButtonLook::FlatArrow),
      cmdPriceUp10(*this, Arrow(96, 186, "▲", ui::kGreen), ui::ButtonLook::FlatArrow),
      cmdPriceDown10(*this, Arrow(96, 196, "▼", ui::kGreen), ui::ButtonLook::FlatArrow),
      cmdPriceUp(*this, Arrow(112, 186, "▲", ui::kOlive), ui::ButtonLook::FlatArrow),
      cmdPriceDown(*this, Arrow(112, 196, "▼", ui::kOlive), ui::ButtonLook::FlatArrow),
      cmdGetPrice(*this, At(129, 186, 34, 20, "Get")),
      TrackBar1(*this, At(222, 186, 39, 200),
                {.min = 0, .max = 100, .position = 50, .vertical = true, .ticksBothSides = true}),
      lblPlusMinus(*this, At(104, 210, 0, 0, "指値増減指定   →")),
      chkPlusMinus(*this, At(206, 208, 16, 16)),
      grpPending(*this, At(kLower, 226, 210, 112, "指値＆逆指値")),
      cmdBuyStop(*this, At(kPendingColumn[0], 240, kPendingButtonWidth, 22, "BuyStop")),
      cmdSellLimit(*this, At(kPendingColumn[1], 240, kPendingButtonWidth, 22, "SellLimit")),
      cmdDeleteBuy(*this, At(kPendingColumn[2], 240, kPendingButtonWidth, 22, "DeleteBuy")),
      cmdBuyLimit(*this, At(kPendingColumn[0], 264, kPendingButtonWidth, 22, "BuyLimit")),
      cmdSellStop(*this, At(kPendingColumn[1], 264, kPendingButtonWidth, 22, "SellStop")),
      cmdDeleteSell(*this, At(kPendingColumn[2], 264, kPendingButtonWidth, 22, "DeleteSell")),
      chkRenzoku(*this, At(kPendingColumn[0], 291, 150, 16, "連続           ヶ注文")),
      cmbRenzoku(*this, At(72, 288, 46, 200, "5"),
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "15", "20", "30"}),
      chkAutoFWD(*this, WithHint(At(kPendingColumn[0], 315, 100, 16, "順張り自動"),
                                 "順張り方向に自動的にスライダーバーがセットされます")),
      cmdDeleteAll(*this, At(kPendingColumn[2], 312, kPendingButtonWidth, 22, "All Delete")),
      cmdPending(*this, At(kLower, 342, 92, 20, "保留中コマンド")),
      txtPending(*this, At(kLower + 94, 342, 90, 20), {.readOnly = true}),
      cmdExecTerminal(*this, At(kLower, 365, 70, 22, "MT4起動")),
      lblNote(*this,
              At(kLower, 390, 210, 26, "現在価格からブローカの規制ポイント内は発注できません")),
      cmdRevUpDw(*this, WithHint(At(226, 390, 32, 20, "±"), "スライダーバーの＋ーを反転")),
      cmd_GetFile(*this, Hidden(At(166, 140, 40, 20, "GetFile"))),
      cmd_GetRevision(*this, Hidden(At(206, 140, 40, 20, "GetRev"))),
      ListBox1(*this, Hidden(At(kLower, 186, 200, 100))),
      tmrNowPrice(*this, {.interval = 1000, .enabled = true}) {
  // The combo box sits in the blank of the series box's caption, the plus-minus box at the end
  // of its label's arrow: keep both above what they overlap (the Tab key keeps their order).
  for (HWND over : {cmbRenzoku.Handle(), chkPlusMinus.Handle()})
    SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  cmbRenzoku.SetItemIndex(4);

  onShow = [this] { FormShow(); };
  onCloseQuery = [this] { return FormCloseQuery(); };
  onClose = [this] { FormClose(); };
  SetMenuBar({
      {"ファイル(&F)",
       {{"連携するMT4(&M)", [this] { mnuMT4FolderClick(); }},
        {"-", nullptr},
        {"終了(&X)", [this] { mnuExitClick(); }}}},
      {"ヘルプ(&H)",
       {{"使い方(&T)", [this] { mnuUSEClick(); }},
        {"ﾊﾞｰｼﾞｮﾝ情報(&V)", [this] { mnuVERClick(); }},
        {"ReadMeの表示(&R)", [this] { mnuReadMeClick(); }},
        {"ニュース(&N)", [this] { mnuNewsClick(); }}}},
  });

  cmdUpDown.onClick = [this] { cmdUpDownClick(); };
  chk_FrontMost.onClick = [this] { chk_FrontMostClick(); };
  chkPlusMinus.onClick = [this] { chkPlusMinusClick(); };
  cmdSettingLeft.onClick = [this] { cmdSettingLeftClick(); };
  cmdBuy.onClick = [this] { cmdBuyClick(); };
  cmdSell.onClick = [this] { cmdSellClick(); };
  cmd_NANPIN.onClick = [this] { cmd_NANPINClick(); };
  cmdCloseBuy.onClick = [this] { cmdCloseBuyClick(); };
  cmdCloseSell.onClick = [this] { cmdCloseSellClick(); };
  cmdCloseAll.onClick = [this] { cmdCloseAllClick(); };
  cmdDeleteBuy.onClick = [this] { cmdDeleteBuyClick(); };
  cmdDeleteSell.onClick = [this] { cmdDeleteSellClick(); };
  cmdDeleteAll.onClick = [this] { cmdDeleteAllClick(); };
  cmdPending.onDoubleClick = [this] { cmdPendingDblClick(); };
  cmdBuyLimit.onClick = [this] { cmdBuyLimitClick(); };
  cmdBuyStop.onClick = [this] { cmdBuyStopClick(); };
  cmdSellLimit.onClick = [this] { cmdSellLimitClick(); };
  cmdSellStop.onClick = [this] { cmdSellStopClick(); };
  cmdPriceUp100.onClick = [this] { cmdPriceUp100Click(); };
  cmdPriceDown100.onClick = [this] { cmdPriceDown100Click(); };
  cmdPriceUp10.onClick = [this] { cmdPriceUp10Click(); };
  cmdPriceDown10.onClick = [this] { cmdPriceDown10Click(); };
  cmdPriceUp.onClick = [this] { cmdPriceUpClick(); };
  cmdPriceDown.onClick = [this] { cmdPriceDownClick(); };
  cmdGetPrice.onClick = [this] { cmdGetPriceClick(); };
  TrackBar1.onChange = [this] { TrackBar1Change(); };
  cmdRevUpDw.onClick = [this] { cmdRevUpDwClick(); };
  chkRenzoku.onClick = [this] { chkRenzokuClick(); };
  cmdExecTerminal.onClick = [this] { cmdExecTerminalClick(); };
  tmrNowPrice.onTimer = [this] { tmrNowPriceTimer(); };
  tmrStart.onTimer = [this] { tmrStartTimer(); };
  tmrRevCheck.onTimer = [this] { tmrRevCheckTimer(); };
  tmrNewsCheck.onTimer = [this] { tmrNewsCheckTimer(); };
  cmd_GetFile.onClick = [this] { cmd_GetFileClick(); };
  cmd_GetRevision.onClick = [this] { cmd_GetRevisionClick(); };

  Session.readLotChoice = [this] { return LotButtons(); };
  DragAcceptFiles(Handle(), TRUE);
  FormCreate();
}

Tconv::~Tconv() {
  FormDestroy();
  Session.readLotChoice = nullptr;
}

void Tconv::FormCreate() {
  const console::WindowBounds compact = console::CompactLayout(CurrentWorkArea(), Dpi());
  cmdUpDown.SetText("▲");
  SetBounds(compact.left, compact.top, compact.width, compact.height);
  WindowsFolder = GetWindowsFolder();
  SystemFolder = GetSystemFolder();
  UnlhaLoaded = LoadUnlha() != 0;
  CommandMap.Open(common::kCommandMapName, common::kConsoleMapSize, common::kConsoleMapSize);
  PriceMap.Open(common::kPriceMapName, common::kConsoleMapSize, common::kConsoleMapSize);
  InfoMap.Open(common::kInfoMapName, common::kConsoleMapSize, common::kConsoleMapSize);
  ExeFolder = GetExeFolder();
  OwnVersion = ::OwnVersion();
  MarkerPagePath = ExeFolder + kRunMarkerPageName;
  markerPageWritten_ = WriteRunMarkerPage(MarkerPagePath);
  RevisionDeclined = false;
  HitCount = 0;
  EnsureFolder(settings::SettingsFolderPath(ExeFolder));
}

void Tconv::FormShow() {
  const std::string downloader = ExeFolder + kDownloaderFileName;
  if (FileExists(downloader)) DeleteFileAt(downloader);
}

bool Tconv::FormCloseQuery() {
  return true;
}

void Tconv::FormClose() {
  for (WebCheck* waiting : {&revisionCheck_, &newsCheck_, &menuNewsCheck_}) waiting->Drop();
  if (Setting) Setting->StopReadBack();
  CommandMap.Close();
  PriceMap.Close();
  SettingMap.Close();
  InfoMap.Close();
  if (FileExists(MarkerPagePath)) DeleteFileAt(MarkerPagePath);
  WriteIni();
}

void Tconv::FormDestroy() {
  FreeUnlha();
}

LRESULT Tconv::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) {
    OnDropFiles(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  return Form::Dispatch(message, wParam, lParam);
}

void Tconv::cmdUpDownClick() {
  const console::WindowBounds next = console::ToggledLayout(CurrentWorkArea(), Height(), Dpi());
  const bool full = console::IsFullLayout(next.height, Dpi());
  cmdUpDown.SetText(full ? "▼" : "▲");
  cmdSettingLeft.SetVisible(full);
  SetBounds(next.left, next.top, next.width, next.height);
  if (Splash) Splash->Close();
}

void Tconv::chk_FrontMostClick() {
  SetTopMost(chk_FrontMost.Checked());
}

void Tconv::chkPlusMinusClick() {
  if (chkPlusMinus.Checked()) SetWidth(Scale(console::kPlusMinusWidth));
  SetLeft(console::AnchorLeft(CurrentWorkArea(), Width()));
}

void Tconv::cmdSettingLeftClick() {
  if (!Setting) return;
  if (IsKeyDown(VK_SHIFT) && SettingStatus == "SendOK") return;
  if (Setting->Visible()) {
    Setting->Close();
    return;
  }
  Setting->RestoreNormal();
  Setting->SetBounds(Left() - Setting->Width(), Top(), Setting->Width(), Setting->Height());
  Setting->Show();
}

void Tconv::mnuExitClick() {
  Close();
}
