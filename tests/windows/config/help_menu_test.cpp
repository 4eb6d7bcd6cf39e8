// The help menu: usage page, ReadMe, and the version page and window.
#include <shlobj.h>

#include "common/win/codepage.h"
#include "console/Version.h"
#include "console/core/version_page.h"
#include "tests/windows/config/config_fixture.h"
#include "ui/app.h"

using namespace console;

namespace {

std::string BrowserPath() {
  wchar_t folder[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_PROGRAM_FILES, FALSE);
  return WideToSjis(folder) + "\\Internet Explorer\\Iexplore.exe";
}

TEST_F(ConfigTest, ReadMeBesideTheProgramComesFirst) {
  const std::string manualReadMe = program.File("使用説明書\\ReadMe.txt");
  conv->mnuReadMeClick();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, windows.path() + "NOTEPAD.EXE");
  EXPECT_EQ(started[0].commandLine, " " + manualReadMe);

  const std::string readMe = program.File("ReadMe.txt");
  conv->mnuReadMeClick();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[1].commandLine, " " + readMe);

  // Without Notepad nothing happens.
  conv->WindowsFolder = program.path();
  conv->mnuReadMeClick();
  EXPECT_EQ(started.size(), 2u);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigTest, NoReadMeAnywhereDoesNothing) {
  conv->mnuReadMeClick();
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigTest, UsagePageLocalElseOnline) {
  ASSERT_TRUE(FileExists(BrowserPath()));
  conv->mnuUSEClick();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, BrowserPath());
  EXPECT_EQ(started[0].commandLine, " https://www.quorvex.example/soft/FX/EA/Pelmora/help/");

  const std::string local = program.File("使用説明書\\index.htm");
  conv->mnuUSEClick();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[1].commandLine, " " + local);
}

class VersionWindowTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    window_ = std::make_unique<TfrmVersion>();
    frmVersion = window_.get();
  }
  void TearDown() override {
    frmVersion = nullptr;
    window_.reset();
    ConfigTest::TearDown();
  }
  std::unique_ptr<TfrmVersion> window_;
};

TEST_F(VersionWindowTest, WindowCentredOnTheWorkAreaSize) {
  EXPECT_EQ(frmVersion->Text(), "バージョン情報");
  EXPECT_EQ(frmVersion->ClientWidth(), 344);
  EXPECT_EQ(frmVersion->ClientHeight(), 184);
  EXPECT_FALSE(frmVersion->Visible());
  const RECT area = ui::DesktopWorkArea();
  EXPECT_EQ(frmVersion->Top(), (area.bottom - area.top - frmVersion->Height()) / 2);
  EXPECT_EQ(frmVersion->Left(), (area.right - area.left - frmVersion->Width()) / 2);
  ASSERT_NE(frmVersion->wbINFO.window(), nullptr);
  RECT r{};
  GetClientRect(frmVersion->wbINFO.window(), &r);
  EXPECT_EQ(r.right, 344);
  EXPECT_EQ(r.bottom, 184);
}

TEST_F(VersionWindowTest, VersionEntryWritesTheHiddenPageAndShowsIt) {
  const std::string page = program.path() + "Version.htm";
  program.File("Version.htm", "left from an earlier use");
  SetFileAttributesW(SjisToWide(page).c_str(), FILE_ATTRIBUTE_HIDDEN);

  conv->mnuVERClick();
  EXPECT_EQ(ReadTextFile(page), BuildVersionPage(conv->OwnVersion));
  EXPECT_NE(ReadTextFile(page).find(" Ver 1.080</font>"), std::string::npos);
  const DWORD attributes = GetFileAttributesW(SjisToWide(page).c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(frmVersion->wbINFO.lastAddress(), page);
  EXPECT_EQ(frmVersion->wbINFO.lastFlags(), 14);
  EXPECT_TRUE(frmVersion->Visible());
  EXPECT_TRUE(messages.empty());  // the navigation raised nothing

  frmVersion->Close();  // closing only hides
  EXPECT_FALSE(frmVersion->Visible());
  EXPECT_NE(frmVersion->Handle(), nullptr);
}

}  // namespace
