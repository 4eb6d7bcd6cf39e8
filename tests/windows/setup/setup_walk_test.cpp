// What the set-up finds before it installs: the running processes, the terminal's data folder
// by its origin.txt, and the expert's files beside the program; and its window's place and
// top-most band.
#include <algorithm>

#include "common/win/codepage.h"
#include "setup/terminal_discovery.h"
#include "tests/windows/setup/setup_fixture.h"
#include "ui/app.h"

namespace {

constexpr char kInstall[] = "C:\\Program Files\\MetaTrader 4 表";

class SetupWalkTest : public SetupTest {
 protected:
  // Walks from a root of the scratch folder, as the run walks from the application data.
  std::string Walk(const std::string& root) {
    form().TerminalInstallFolder = kInstall;
    form().TerminalDataFolder.clear();
    form().WalkFound = false;
    form().WalkDepth = 0;
    form().FindDataFolder(scratch.path() + root + "\\");
    EXPECT_EQ(form().WalkDepth, 0);
    return form().TerminalDataFolder;
  }
};

TEST_F(SetupWalkTest, OriginTxtOnlyWhereItNamesTheInstallFolderItself) {
  scratch.File("r\\other\\origin.txt", OriginBytes("C:\\MT4 Other", "\xFE\xFF"));
  scratch.File("r\\capital\\Origin.txt", OriginBytes(kInstall));
  scratch.File("r\\deep\\below\\origin.txt", OriginBytes(kInstall));
  scratch.File("r\\longer\\origin.txt", OriginBytes(std::string(kInstall) + " Demo"));
  scratch.File("r\\shorter\\origin.txt", OriginBytes("C:\\Program Files"));
  scratch.File("r\\empty\\origin.txt", "");
  EXPECT_EQ(Walk("r"), "");
  EXPECT_FALSE(form().WalkFound);
  EXPECT_TRUE(messages.empty());

  // The mark FF FE, FE FF or none; letter case, a line end and a trailing backslash aside.
  scratch.File("r\\found\\origin.txt", OriginBytes("c:\\program files\\metatrader 4 表\\\r\n"));
  EXPECT_EQ(Walk("r"), scratch.path() + "r\\found\\");
  EXPECT_TRUE(form().WalkFound);
  scratch.File("fe\\x\\origin.txt", OriginBytes(kInstall, "\xFE\xFF"));
  EXPECT_EQ(Walk("fe"), scratch.path() + "fe\\x\\");
  scratch.File("none\\origin.txt", OriginBytes(kInstall, ""));  // the start folder itself
  EXPECT_EQ(Walk("none"), scratch.path() + "none\\");
}

TEST_F(SetupWalkTest, UnicodeTextConvertedZeroForEmptyErrorBoxForUnreadable) {
  EXPECT_EQ(form().ReadUnicodeText(scratch.File("a.txt", OriginBytes(kInstall))), kInstall);
  EXPECT_EQ(form().ReadUnicodeText(scratch.File("e.txt", "")), "0");
  EXPECT_EQ(form().ReadUnicodeText(scratch.path() + "missing.txt"), "0");

  // A file held without sharing: the box of a failed read, no match, and the walk goes on.
  const std::string locked = scratch.File("lock\\a\\origin.txt", OriginBytes(kInstall));
  scratch.File("lock\\b\\origin.txt", OriginBytes(kInstall));
  HANDLE held = CreateFileW(SjisToWide(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(form().ReadUnicodeText(locked), "");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "File Error");
  EXPECT_EQ(Walk("lock"), scratch.path() + "lock\\b\\");
  CloseHandle(held);
}

TEST_F(SetupWalkTest, OriginTxtFarLargerThanAFolderNameIsNotRead) {
  // It begins with the install folder, then gigabytes of zeros (sparse: nothing on the disk).
  const std::string huge = scratch.File("big\\origin.txt", OriginBytes(kInstall));
  HANDLE file = CreateFileW(SjisToWide(huge).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size{};
  size.QuadPart = 0x7FFFFFF0;
  EXPECT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
  scratch.File("big\\t\\origin.txt", OriginBytes(kInstall));
  EXPECT_EQ(Walk("big"), scratch.path() + "big\\t\\");
  EXPECT_TRUE(messages.empty());
}

TEST_F(SetupWalkTest, ExpertFilesListedThreeLevelsDownFilesBeforeSubfolders) {
  scratch.File("pkg\\PelmorarStd.ex4");
  scratch.File("pkg\\ReadMe.txt");
  scratch.File("pkg\\1\\PelmoraStd108.dll");
  scratch.File("pkg\\1\\2\\3\\Level3.dll");
  scratch.File("pkg\\1\\2\\3\\4\\Level4.dll");
  form().SetupFileList.clear();
  form().WalkDepth = 0;
  form().CollectSetupFiles(Package());
  EXPECT_EQ(form().WalkDepth, 0);
  const std::string p = Package();
  EXPECT_EQ(form().SetupFileList, p + "PelmorarStd.ex4,Experts\r\n" + p +
                                      "1\\PelmoraStd108.dll,Libraries\r\n" + p +
                                      "1\\2\\3\\Level3.dll,Libraries\r\n");
}

TEST(RunningProcessIds, AskedAgainWithALargerListUntilAllFit) {
  std::vector<DWORD> asked;
  const auto ids = RunningProcessIds([&](DWORD* list, DWORD bytes, DWORD* filled) {
    asked.push_back(bytes);
    const DWORD running = 1500;  // more than the first list holds
    const DWORD n = std::min<DWORD>(running, bytes / sizeof(DWORD));
    for (DWORD i = 0; i < n; ++i) list[i] = 4 * (i + 1);
    *filled = n * sizeof(DWORD);
    return TRUE;
  });
  ASSERT_TRUE(ids.has_value());
  EXPECT_EQ(ids->size(), 1500u);
  EXPECT_EQ(ids->back(), 6000u);
  EXPECT_EQ(asked, (std::vector<DWORD>{2048, 4096, 8192}));
  EXPECT_FALSE(RunningProcessIds([](DWORD*, DWORD, DWORD*) { return FALSE; }).has_value());
}

TEST_F(SetupTest, CentredOnTheWorkAreaAndTopMostAsTheBoxSays) {
  const RECT area = ui::DesktopWorkArea();
  EXPECT_EQ(form().Left(), (area.right - area.left - 310) / 2);
  EXPECT_EQ(form().Top(), (area.bottom - area.top - 213) / 2);
  EXPECT_TRUE(form().PsapiLoaded);
  EXPECT_EQ(form().WindowsFolder.back(), '\\');

  form().Show();
  form().Repaint();
  EXPECT_TRUE(form().TopMost());
  form().chk_FrontMost.SetChecked(false);
  EXPECT_FALSE(form().TopMost());
  form().Repaint();  // painting keeps to the box
  EXPECT_FALSE(form().TopMost());
  form().chk_FrontMost.SetChecked(true);
  EXPECT_TRUE(form().TopMost());
}

}  // namespace
