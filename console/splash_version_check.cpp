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
  if (!conv) return;
  if (!IsSiteReachable()) {
    // No close timer: the splash stays until it is clicked or the main window closes it.
    conv->LatestVersionText.clear();
    return;
  }
  lbl_CheckVer.SetText(kCheckingText);
  const console::NoticeLines notice =
      console::SplitNotice(HttpGetText(SiteRoot() + console::kVersionNoticePath, kDownloadAgent));
  conv->LatestVersionText = notice.first;
  if (notice.second) conv->UpdateArchiveUrl = *notice.second;
  // A first line whose digits and points form no number ends the check with the conversion
  // error shown, and the splash then waits for a click.
  const float latest = console::LatestVersionNumber(conv->LatestVersionText);
  if (latest > conv->OwnVersion) {
    Hide();
    if (AskConfirmation(Handle(), kNewVersionQuestion, MB_YESNO) == IDYES) conv->cmd_GetFileClick();
  } else if (!conv->LatestVersionText.empty()) {
    lbl_CheckVer.SetText(kUpToDateText);
    ui::ProcessMessages();
  }
  if (!conv->LatestVersionText.empty()) ui::ProcessMessages();
  tmrClose.SetEnabled(true);
}
