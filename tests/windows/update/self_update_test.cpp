// The console's own update against the local server: the archive with the downloader, a
// missing archive, one without the downloader and a damaged one.
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "tests/windows/update/lzh_writer.h"
#include "tests/windows/update/web_check_fixture.h"

namespace {

constexpr char kArchivePath[] = "soft/download/VQuorvexStd/ZqDL.lzh";
constexpr char kUpdateFailed[] =
    "「トレードQuorvex」のダウンロードに失敗しました\n次回の起動時にもう一度お試しください";

class SelfUpdateTest : public WebCheckTest {
 protected:
  void SetUp() override {
    WebCheckTest::SetUp();
    conv->Show();
    conv->LatestVersionText = "1.5";  // as the splash's check leaves it
  }
};

// From the splash's offer to the downloader: the whole road of an update.
TEST_F(SelfUpdateTest, AcceptedOfferStartsTheDownloaderWithTheVersionTwiceAndCloses) {
  Serve("soft/Attestation/VQuorvexStd/Version.txt", "1.5\r\n");
  std::string downloader;
  ASSERT_TRUE(ReadFileBytes(WinePath(QX_ZQDL_EXE), downloader));
  Serve(kArchivePath, StoredLzhArchive({{"ZqDL.exe", downloader}}));
  // The downloader really runs: it notes its command line beside itself.
  SeamOverride realStart(
      Seams{.startProgram = [this](const std::string& path, const std::string& commandLine,
                                   DWORD readyWithinMs) {
        started.push_back({path, commandLine, readyWithinMs});
        return RealSeams().startProgram(path, commandLine, readyWithinMs);
      }});
  answers = {IDYES};
  splash->Show();
  splash->tmrVerCheck.SetEnabled(true);
  Tick(*splash, splash->tmrVerCheck);

  ASSERT_EQ(messages.size(), 1u);         // the offer, nothing after it
  EXPECT_EQ(conv->UpdateArchiveUrl, "");  // no address line: the default archive came
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, program.path() + "ZqDL.exe");
  const std::string notes = program.path() + "ZqDL.args";
  for (int k = 0; k < 100 && !FileExists(notes); ++k) Sleep(100);
  EXPECT_EQ(ReadTextFile(notes), "\"1.5\" \"1.5\"");
  Sleep(300);  // let it end before its folder goes
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.lzh"));
  EXPECT_FALSE(conv->Visible());
}

// A downloader from an address that is not https is never run: the update fails as a download
// does, and the console stays.
TEST_F(SelfUpdateTest, PlainHttpAddressIsNotFetched) {
  std::string downloader;
  ASSERT_TRUE(ReadFileBytes(WinePath(QX_ZQDL_EXE), downloader));
  const std::string archive = StoredLzhArchive({{"ZqDL.exe", downloader}});
  Serve("soft/download/elsewhere/ZqDL.lzh", archive);
  Serve(kArchivePath, archive);
  Serve("soft/Attestation/VQuorvexStd/Version.txt",
        "1.5\r\n" + Url("soft/download/elsewhere/ZqDL.lzh") + "\r\n");
  answers = {IDYES};
  splash->Show();
  splash->tmrVerCheck.SetEnabled(true);
  Tick(*splash, splash->tmrVerCheck);
  ASSERT_EQ(messages.size(), 2u);  // the offer, then the failure
  EXPECT_EQ(messages[1].text, kUpdateFailed);
  EXPECT_TRUE(started.empty());
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.lzh"));
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.exe"));
  EXPECT_TRUE(conv->Visible());
  EXPECT_TRUE(splash->tmrClose.Enabled());
}

// An update that does not happen says so, in a plain box after the archive went: a missing
// archive (the server's 404) answered Yes, and an archive without the downloader. The console
// stays and the splash closes as usual.
TEST_F(SelfUpdateTest, FailedUpdateSaysSoAndKeepsTheConsoleOpen) {
  Serve("soft/Attestation/VQuorvexStd/Version.txt", "1.5\r\n");
  answers = {IDYES};
  splash->Show();
  splash->tmrVerCheck.SetEnabled(true);
  Tick(*splash, splash->tmrVerCheck);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, kUpdateFailed);
  EXPECT_EQ(messages[1].caption, "トレードQuorvex");
  EXPECT_EQ(messages[1].flags, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(splash->tmrClose.Enabled());

  Serve(kArchivePath, StoredLzhArchive({{"readme.txt", "no downloader here"}}));
  conv->cmd_GetFileClick();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[2].text, kUpdateFailed);
  EXPECT_TRUE(started.empty());
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.lzh"));
  EXPECT_TRUE(conv->Visible());
}

TEST_F(SelfUpdateTest, DamagedArchiveIsDeletedAndTheConsoleStaysOpen) {
  Serve(kArchivePath, "this is no archive at all, only text");
  conv->cmd_GetFileClick();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(started.empty());
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.lzh"));
  EXPECT_FALSE(FileExists(program.path() + "ZqDL.exe"));
  EXPECT_TRUE(conv->Visible());
}

}  // namespace
