// The console's web calls against the local test server: texts, downloads with the progress
// bar, error pages, broken and unwritable downloads, redirects, time-outs, deadlines and
// unreachable servers, and the window's work while a fetch waits.
#include "console/web_fetch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "tests/windows/config/test_files.h"
#include "tests/windows/console/console_fixture.h"
#include "tests/windows/console/web_test_site.h"
#include "ui/app.h"
#include "ui/timer.h"

namespace {

// Numbered lines "000000\n000001\n...", cut at n bytes, as the server's /text/N sends them.
std::string ServerText(size_t n) {
  std::string text;
  char line[16];
  for (int i = 0; text.size() < n; ++i) {
    snprintf(line, sizeof line, "%06d\n", i);
    text += line;
  }
  return text.substr(0, n);
}

// Something the main window does 200 ms into a fetch, from a timer of its own, as a click or
// another check of the console would come; when it ran, as a tick count (0 until then).
class DuringFetch {
 public:
  explicit DuringFetch(const std::function<void()>& action) : timer_(*conv, {.interval = 200}) {
    timer_.onTimer = [this, action] {
      timer_.SetEnabled(false);
      action();
      ranAt_ = GetTickCount64();
    };
  }
  ULONGLONG RanAt() const { return ranAt_; }

 private:
  ui::Timer timer_;
  ULONGLONG ranAt_ = 0;
};

// How long past its deadline a fetch may take to give up, on a busy machine; the servers
// below would hold it 30 s or more.
constexpr ULONGLONG kGiveUpMargin = 8000;

class WebFetchTest : public ConsoleTest {
 protected:
  TestSite site_;
  ScratchFolder folder_{"qxweb"};
  std::string Root() const { return SiteRoot(); }
  std::string Target(const std::string& name = "file.bin") const { return folder_.path() + name; }
};

TEST_F(WebFetchTest, TextArrivesWholeAndInOrder) {
  EXPECT_EQ(HttpGetText(Root() + "text/3000", kServerListAgent), ServerText(3000));
  EXPECT_EQ(HttpGetText(Root() + "text/0", kDownloadAgent), "");
}

TEST_F(WebFetchTest, ErrorPagesDeadServersAndCutBodiesGiveNoText) {
  EXPECT_EQ(HttpGetText(Root() + "soft/Attestation/VQuorvexStd/Version.txt", kDownloadAgent), "");
  EXPECT_EQ(HttpGetText(std::string(kRefusingRoot) + "text/10", kDownloadAgent), "");
  EXPECT_EQ(HttpGetText(Root() + "short/4000", kDownloadAgent), "");  // cut short
  EXPECT_TRUE(messages.empty());
}

TEST_F(WebFetchTest, ReachabilityProbe) {
  EXPECT_TRUE(IsSiteReachable());
  {
    WebSiteOverride away({.root = kRefusingRoot});
    EXPECT_FALSE(IsSiteReachable());
  }
  // A head a byte a second never runs into the receive limit; the probe's deadline, the
  // connect limit plus the receive limit, ends it all the same.
  WebSiteOverride held(
      {.root = Root() + "head-drip/40/", .connectTimeoutMs = 1000, .receiveTimeoutMs = 3000});
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(IsSiteReachable());
  EXPECT_LT(GetTickCount64() - start, 4000 + kGiveUpMargin);
}

// A redirect is answered only towards https: one to plain http, or a relative one from a
// plain address, fails the fetch as an unreachable server does, and nothing is written.
TEST_F(WebFetchTest, RedirectsNeverLeaveHttps) {
  const std::string old = folder_.File("file.bin", "old content");
  for (const char* path : {"to-http/301/10", "to-http/302/10", "to-http/303/10", "to-http/307/10",
                           "to-http/308/10", "to-path/10"}) {
    EXPECT_EQ(HttpGetText(Root() + path, kServerListAgent), "") << path;
    EXPECT_EQ(DownloadFile(old, Root() + path), -1) << path;
  }
  EXPECT_EQ(FileBytes(old), "old content");
  EXPECT_EQ(EntriesIn(folder_.path()), 1);
  EXPECT_TRUE(messages.empty());
}

// Over TLS, with the server's own certificate trusted for the test: redirects to https are
// followed, relative ones and from the plain side, up to five in a row; out of https, or a
// sixth in a row, the fetch fails and the target stays as it was.
TEST_F(WebFetchTest, RedirectsToHttpsAreFollowed) {
  if (!UnderWine()) GTEST_SKIP() << "Windows asks the user before it trusts a certificate";
  TrustedTestCertificate trusted;
  ASSERT_TRUE(trusted);
  const std::string secure = TestTlsSiteRoot();
  EXPECT_EQ(HttpGetText(secure + "hops/5/3000", kServerListAgent), ServerText(3000));
  EXPECT_EQ(HttpGetText(Root() + "to-https/10", kServerListAgent), ServerText(10));
  ASSERT_EQ(DownloadFile(Target(), secure + "to-path/5000"), 0);
  EXPECT_EQ(FileBytes(Target()), ServerText(5000));
  for (const char* path : {"to-http/302/10", "to-http/308/10", "hops/6/10"}) {
    EXPECT_EQ(HttpGetText(secure + path, kServerListAgent), "") << path;
    EXPECT_EQ(DownloadFile(Target(), secure + path), -1) << path;
  }
  EXPECT_EQ(FileBytes(Target()), ServerText(5000));
  EXPECT_TRUE(messages.empty());
}

TEST_F(WebFetchTest, SlowServerRunsIntoTheTimeOut) {
  // The server waits 5 s before answering; with a 1 s limit the call gives up.
  WebSiteOverride impatient({.root = Root(), .receiveTimeoutMs = 1000});
  EXPECT_EQ(HttpGetText(Root() + "slow/5/10", kServerListAgent), "");
  EXPECT_EQ(DownloadFile(Target(), Root() + "slow/5/10"), -1);
  EXPECT_FALSE(FileExists(Target()));
}

// A byte every second, of the body or of the head, never runs into the receive time-out; the
// deadline ends the fetch all the same, as a body cut short, and the order buttons answer
// while it waits.
TEST_F(WebFetchTest, SlowServersEndAtTheDeadlineWhileTheWindowAnswers) {
  constexpr DWORD kDeadline = 2000;
  WebSiteOverride hurried(
      {.root = Root(), .listDeadlineMs = kDeadline, .downloadDeadlineMs = kDeadline});
  const std::string old = folder_.File("file.bin", "old content");
  conv->chkNoShift.SetChecked(true);
  for (const char* path : {"drip/30", "head-drip/40"}) {
    const std::function<bool()> fetches[] = {
        [&] { return HttpGetText(Root() + path, kServerListAgent).empty(); },
        [&] { return DownloadFile(old, Root() + path) == -1; },
    };
    for (const auto& fetch : fetches) {
      SetCommand("");
      DuringFetch buy([] { conv->cmdBuy.Click(); });
      const ULONGLONG start = GetTickCount64();
      EXPECT_TRUE(fetch()) << path;
      EXPECT_LT(GetTickCount64() - start, kDeadline + kGiveUpMargin) << path;
      // The server held the fetch to its deadline: the click came while it waited.
      EXPECT_NE(buy.RanAt(), 0u) << path;
      EXPECT_LT(buy.RanAt(), start + kDeadline) << path;
      EXPECT_EQ(Command(), "Buy_1.0") << path;
    }
  }
  EXPECT_EQ(FileBytes(old), "old content");
  EXPECT_EQ(EntriesIn(folder_.path()), 1);
  EXPECT_FALSE(conv->ProgressBar1.Visible());
  EXPECT_TRUE(messages.empty());
}

// While a fetch waits, another one asked for meanwhile fails at once, as with an unreachable
// server, so none can hold the first past its deadline; and the program's end ends the wait.
TEST_F(WebFetchTest, FetchesAskedForWhileOneWaits) {
  std::string text = "unset";
  int download = 0;
  bool reachable = true;
  {
    WebSiteOverride hurried({.root = Root(), .listDeadlineMs = 2000});
    DuringFetch nested([&] {
      text = HttpGetText(Root() + "text/10", kServerListAgent);
      download = DownloadFile(Target(), Root() + "text/10");
      reachable = IsSiteReachable();
    });
    EXPECT_EQ(HttpGetText(Root() + "drip/30", kServerListAgent), "");
    ASSERT_NE(nested.RanAt(), 0u);
  }
  EXPECT_EQ(text, "");
  EXPECT_EQ(download, -1);
  EXPECT_FALSE(reachable);
  EXPECT_FALSE(FileExists(Target()));
  EXPECT_EQ(HttpGetText(Root() + "text/10", kServerListAgent), ServerText(10));

  DuringFetch quit([] { PostQuitMessage(0); });
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(DownloadFile(Target(), Root() + "drip/30"), -1);  // a deadline of ten minutes
  EXPECT_LT(GetTickCount64() - start, kGiveUpMargin);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // kept for the loop
  EXPECT_FALSE(FileExists(Target()));
  EXPECT_EQ(EntriesIn(folder_.path()), 0);
}

// A handler run while a fetch waits may hold the thread in a loop of its own (a message box, a
// menu held open) past the deadline: the answer that came meanwhile, in time, still counts.
TEST_F(WebFetchTest, AnswerInTimeCountsThoughAHandlerHeldOnPastTheDeadline) {
  constexpr DWORD kDeadline = 6000;
  WebSiteOverride site({.root = Root(), .downloadDeadlineMs = kDeadline});
  const ULONGLONG start = GetTickCount64();
  DuringFetch held([start] {
    while (GetTickCount64() < start + kDeadline + 1000) {
      ui::ProcessMessages();
      Sleep(20);
    }
  });
  // The server answers after two seconds, while the handler's loop runs.
  EXPECT_EQ(DownloadFile(Target(), Root() + "slow/2/1000"), 0);
  ASSERT_NE(held.RanAt(), 0u);
  EXPECT_EQ(FileBytes(Target()), ServerBytes(1000));
  EXPECT_TRUE(messages.empty());
}

TEST_F(WebFetchTest, ServerListBeyondItsLimitIsNoList) {
  EXPECT_EQ(HttpGetText(Root() + "text/65536", kServerListAgent), ServerText(kServerListLimit));
  EXPECT_EQ(HttpGetText(Root() + "text/65537", kServerListAgent), "");
  EXPECT_EQ(HttpGetText(Root() + "endless", kServerListAgent), "");  // no length announced
  // A download has no such limit.
  ASSERT_EQ(DownloadFile(Target(), Root() + "nolength/200000"), 0);
  EXPECT_EQ(FileBytes(Target()), ServerBytes(200000));
}

// An answer the server lets be cached for an hour is still asked for anew each time: the
// update archive keeps one address for every version.
TEST_F(WebFetchTest, NothingComesFromTheCache) {
  ASSERT_EQ(DownloadFile(Target(), Root() + "stamp"), 0);
  const std::string first = FileBytes(Target());
  ASSERT_EQ(DownloadFile(Target(), Root() + "stamp"), 0);
  EXPECT_NE(FileBytes(Target()), first);
  const std::string list = HttpGetText(Root() + "stamp", kServerListAgent);
  EXPECT_NE(HttpGetText(Root() + "stamp", kServerListAgent), list);
}

TEST_F(WebFetchTest, DownloadWritesTheBodyWithTheBar) {
  ASSERT_EQ(DownloadFile(Target(), Root() + "bytes/5000"), 0);
  EXPECT_EQ(FileBytes(Target()), ServerBytes(5000));
  EXPECT_EQ(conv->ProgressBar1.Max(), 5000);
  EXPECT_EQ(conv->ProgressBar1.Position(), 5000);
  EXPECT_FALSE(conv->ProgressBar1.Visible());
  EXPECT_EQ(EntriesIn(folder_.path()), 1);  // nothing left beside it

  // An empty body makes an empty file; without Content-Length the bar's maximum is 0.
  ASSERT_EQ(DownloadFile(Target("empty.bin"), Root() + "bytes/0"), 0);
  EXPECT_EQ(FileBytes(Target("empty.bin")), "");
  ASSERT_EQ(DownloadFile(Target("nolength.bin"), Root() + "nolength/3000"), 0);
  EXPECT_EQ(conv->ProgressBar1.Max(), 0);
  EXPECT_EQ(FileBytes(Target("nolength.bin")), ServerBytes(3000));
  EXPECT_TRUE(messages.empty());
}

TEST_F(WebFetchTest, BrokenDownloadsLeaveTheTargetAsItWas) {
  const std::string old = folder_.File("file.bin", "old content");
  EXPECT_EQ(DownloadFile(old, Root() + "short/4000"), -1);
  EXPECT_EQ(FileBytes(old), "old content");
  EXPECT_EQ(DownloadFile(old, Root() + "missing.lzh"), -1);
  EXPECT_EQ(FileBytes(old), "old content");
  EXPECT_EQ(DownloadFile(Target("new.bin"), Root() + "missing.lzh"), -1);
  EXPECT_EQ(DownloadFile(Target("new.bin"), std::string(kRefusingRoot) + "bytes/10"), -1);
  // Asked for over https, the plain-text server is never sent the request in the clear.
  std::string secure = Root();
  secure.replace(0, 4, "https");
  EXPECT_EQ(DownloadFile(Target("new.bin"), secure + "bytes/10"), -1);
  EXPECT_EQ(EntriesIn(folder_.path()), 1);
  EXPECT_FALSE(conv->ProgressBar1.Visible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(WebFetchTest, TargetsReadOnlyInNewFoldersAndUnwritable) {
  const std::string readOnly = folder_.File("ro.bin", "old");
  SetFileAttributesW(SjisToWide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(DownloadFile(readOnly, Root() + "text/20"), 0);
  EXPECT_EQ(FileBytes(readOnly), ServerText(20));

  const std::string deep = folder_.path() + "a\\b\\設定\\deep.txt";
  EXPECT_EQ(DownloadFile(deep, Root() + "text/30"), 0);
  EXPECT_EQ(FileBytes(deep), ServerText(30));
  EXPECT_TRUE(messages.empty());

  // A folder stands where the file should go.
  const std::string blocked = folder_.Folder("blocked");
  EXPECT_EQ(DownloadFile(blocked, Root() + "text/20"), -1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kFileErrorText);
  EXPECT_TRUE(FolderExists(blocked));
  EXPECT_EQ(EntriesIn(folder_.path()), 3);  // ro.bin, a, blocked: no part file left behind
}

}  // namespace
