// Not a test: the compact console downloading a slowly served body from the local test web
// server, so that the progress bar along its top edge can be looked at under Xvfb. Run it as
// the command of tests/tools/http_test_server.py; it ends when the download is done.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "common/win/codepage.h"
#include "console/convert.h"
#include "console/web_fetch.h"
#include "ui/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char* root = std::getenv("QX_TEST_SITE");
  if (!root) return 2;
  ui::InitUi();
  ConsoleSession session;
  auto mainWindow = std::make_unique<Tconv>(session);
  conv = mainWindow.get();
  ui::SetMainForm(conv);
  conv->tmrStart.SetEnabled(false);
  conv->Show();
  ui::ProcessMessages();
  WebSiteOverride site({.root = root});
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string target = WideToSjis(temp) + "qx_web_screen.bin";
  const int result = DownloadFile(target, SiteRoot() + "trickle/40000");
  DeleteFileW(SjisToWide(target).c_str());
  conv = nullptr;
  return result == 0 ? 0 : 1;
}
