// The news check: once ten minutes after the start and whenever the trader asks from the menu.
// A newer item than the last announced opens the news window, unless the trader asked it not
// to open by itself.
#include "common/win/seams.h"
#include "console/News1.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "console/web_fetch.h"

namespace {

constexpr char kNoNewsText[] = "ニュースは有りません";

}  // namespace

// A click while another fetch is under way waits its turn as the timer's check does.
void Tconv::mnuNewsClick() {
  menuNewsCheck_.Start();
}

void Tconv::tmrNewsCheckTimer() {
  tmrNewsCheck.SetEnabled(false);
  newsCheck_.Start();
}

void Tconv::CheckNews(bool manual) {
  if (!IsSiteReachable() || !news) return;
  const std::string text = HttpGetText(SiteRoot() + console::kNewsIndexPath, kServerListAgent);
  // No list came (a missing file, a body cut short): no news, and what was announced stays.
  if (text.empty()) {
    if (manual) ShowPlainMessage(Handle(), kNoNewsText);
    return;
  }
  const console::NewsList list = console::ReadNewsList(text);
  news->ListBox1.ClearItems();
  for (const std::string& line : list.lines) news->ListBox1.AddItem(line);
  if (list.noNews) {
    if (manual) ShowPlainMessage(Handle(), kNoNewsText);
    return;
  }
  // NewisionValue keeps what was read at the start: an item announced in this run still
  // counts as newer for a later check of the same run.
  const bool newer = console::NewsIdNumber(list.newest) > Config.NewisionValue;
  if (!newer && !manual) return;
  Config.Newision = list.newest;
  if (!newer || Config.flgNotNews != "1") news->Show();
  WriteIni();
}
