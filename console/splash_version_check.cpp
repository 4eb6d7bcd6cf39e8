// The splash's check for a newer console on the web server, three seconds after its creation.
#include "common/win/seams.h"
#include "console/Splash1.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "console/web_fetch.h"
#include "ui/app.h"

namespace {

constexpr char kCheckingText[] = "　新しいバージョンをチェック中";
constexpr char kUpToDateText[] = "　最新版です！！";
constexpr char kNewVersionQuestion[] =
    "「トレードQuorvex」の新しいバージョンが出ています\n"
    "自動ダウンロード出来ます！！\n"
    "ダウンロードしますか？";

}  // namespace

void TSplash::tmrVerCheckTimer() {
  tmrVerCheck.SetEnabled(false);
  versionCheck_.Start();
}

void TSplash::SplashVersionCheck() {
  if (!IsSiteReachable()) {
    // No close timer: the splash stays until it is clicked or the main window closes it.
    session_.LatestVersionText.clear();
    return;
  }
  lbl_CheckVer.SetText(kCheckingText);
  const console::NoticeLines notice =
      console::SplitNotice(HttpGetText(SiteRoot() + console::kVersionNoticePath, kDownloadAgent));
  session_.LatestVersionText = console::VersionText(notice.first);
  // The update this check may offer downloads from this notice's address line alone.
  session_.UpdateArchiveUrl = notice.second.value_or("");
  // A first line whose digits and points form no number ends the check with the conversion
  // error shown, and the splash then waits for a click.
  const float latest = console::LatestVersionNumber(session_.LatestVersionText);
  if (latest > session_.OwnVersion) {
    Hide();
    // The update is the main window's: it downloads with its progress bar and closes it.
    if (AskConfirmation(Handle(), kNewVersionQuestion, MB_YESNO) == IDYES && conv)
      conv->cmd_GetFileClick();
  } else if (!session_.LatestVersionText.empty()) {
    lbl_CheckVer.SetText(kUpToDateText);
    ui::ProcessMessages();
  }
  if (!session_.LatestVersionText.empty()) ui::ProcessMessages();
  tmrClose.SetEnabled(true);
}
