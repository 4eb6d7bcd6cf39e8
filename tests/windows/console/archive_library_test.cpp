// The console's use of the archiver library: the command it issues, its results without an
// archive or a library, the library fetched into the system folder (or beside the console when
// that cannot be written), kept only when it works, loaded, and freed with the main window.
#include "console/archive_library.h"

#include <gtest/gtest.h>

#include <string>

#include "common/win/codepage.h"
#include "common/win/folders.h"
#include "tests/native/unlha32/lzh_test_archives.h"
#include "tests/windows/config/test_files.h"
#include "tests/windows/console/console_fixture.h"
#include "tests/windows/console/web_test_site.h"

namespace {

std::string g_command;
int g_calls = 0;

int WINAPI RecordingUnlha(HWND, const char* commandLine, char* output, DWORD size) {
  ++g_calls;
  g_command = commandLine;
  EXPECT_EQ(size, 4u);
  output[0] = 'O';
  return 0;
}

std::string SystemLibraryPath() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return WideToSjis(folder) + "\\" + kUnlhaFileName;
}

class ArchiveLibraryTest : public ConsoleTest {
 protected:
  void SetUp() override {
    // Nothing of an earlier run in the prefix's system folder: the library starts absent.
    DeleteFileW(SjisToWide(SystemLibraryPath()).c_str());
    ConsoleTest::SetUp();
    ASSERT_FALSE(conv->UnlhaLoaded);
    archive_ = scratch_.File("更新 files\\update 1.lzh", lzh_test::ReadFixture("lh5-level2.lzh"));
    target_ = scratch_.Folder("展開 先") + "\\";
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    DeleteFileW(SjisToWide(SystemLibraryPath()).c_str());
  }

  TestSite site_;
  ScratchFolder scratch_{"qx arc "};
  std::string archive_;
  std::string target_;
};

TEST_F(ArchiveLibraryTest, CommandLineAndResultsWithoutArchiveOrLibrary) {
  // No library anywhere: 1, and no archive: -1 first.
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), kArchiverUnavailable);
  EXPECT_EQ(conv->ExtractLzh(scratch_.path() + "missing.lzh", target_), kArchiveMissing);

  conv->UnlhaLoaded = true;
  conv->UnlhaEntry = RecordingUnlha;
  g_calls = 0;
  EXPECT_EQ(conv->ExtractLzh(scratch_.path() + "missing.lzh", target_), kArchiveMissing);
  EXPECT_EQ(g_calls, 0);
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), 0);
  EXPECT_EQ(g_calls, 1);
  EXPECT_EQ(g_command, "x -+ -a2 -d1 -f0 -n1 -m1 \"" + archive_ + "\" \"" + target_ + "\"");
  conv->UnlhaEntry = nullptr;  // loaded, but without the entry
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), kArchiverUnavailable);
  conv->UnlhaLoaded = false;
}

TEST_F(ArchiveLibraryTest, AFailedFetchSavesNothingAndAPresentFileIsLeftAlone) {
  {
    WebSiteOverride away({.root = kRefusingRoot});
    conv->EnsureUnlha();
  }
  {
    WebSiteOverride missing({.root = SiteRoot() + "no/such/folder/"});  // a 404 page
    conv->EnsureUnlha();
  }
  EXPECT_FALSE(FileExists(SystemLibraryPath()));
  EXPECT_FALSE(conv->UnlhaLoaded);
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), kArchiverUnavailable);
  EXPECT_EQ(EntriesIn(target_), 0);

  // A file already there is neither fetched again nor loaded.
  ASSERT_TRUE(WriteTextFile("not a library", SystemLibraryPath()));
  conv->EnsureUnlha();
  EXPECT_EQ(FileBytes(SystemLibraryPath()), "not a library");
  EXPECT_FALSE(conv->UnlhaLoaded);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ArchiveLibraryTest, AFetchedFileThatIsNoWorkingLibraryIsRemovedAndFetchedAgain) {
  // Both answered with success: an empty body, and a library without the entry.
  for (const char* root : {"empty/", "entryless/"}) {
    SCOPED_TRACE(root);
    WebSiteOverride served({.root = SiteRoot() + root});
    conv->EnsureUnlha();
    EXPECT_FALSE(FileExists(SystemLibraryPath()));
    EXPECT_FALSE(conv->UnlhaLoaded);
    EXPECT_EQ(GetModuleHandleW(SjisToWide(kUnlhaFileName).c_str()), nullptr);
    EXPECT_EQ(conv->ExtractLzh(archive_, target_), kArchiverUnavailable);
  }
  // The next extraction fetches it again.
  conv->EnsureUnlha();
  ASSERT_TRUE(conv->UnlhaLoaded);
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), 0);
  EXPECT_EQ(FileBytes(target_ + "a.txt"), "hello world\n");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ArchiveLibraryTest, WithTheSystemFolderUnwritableTheLibraryGoesBesideTheConsole) {
  // A file where the folder should be: nothing can be made in it, as in a system folder that a
  // trader without administrator rights may not write.
  conv->SystemFolder = scratch_.File("system32", "not a folder") + "\\";
  conv->ExeFolder = scratch_.Folder("program") + "\\";
  const std::string beside = conv->ExeFolder + kUnlhaFileName;
  conv->EnsureUnlha();
  EXPECT_TRUE(messages.empty());  // no "File Error" for the system folder
  EXPECT_TRUE(FileExists(beside));
  ASSERT_TRUE(conv->UnlhaLoaded);
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), 0);
  EXPECT_EQ(FileBytes(target_ + "a.txt"), "hello world\n");

  // There it counts as installed: not fetched again, neither over itself nor into the system
  // folder once that can be written.
  {
    WebSiteOverride served({.root = SiteRoot() + "empty/"});
    conv->EnsureUnlha();
  }
  conv->SystemFolder = GetSystemFolder();
  conv->EnsureUnlha();
  EXPECT_FALSE(FileExists(SystemLibraryPath()));
  EXPECT_GT(FileBytes(beside).size(), 0u);
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ArchiveLibraryTest, FetchedIntoTheSystemFolderLoadedUsedAndFreed) {
  conv->EnsureUnlha();
  ASSERT_TRUE(FileExists(SystemLibraryPath()));
  ASSERT_TRUE(conv->UnlhaLoaded);
  EXPECT_NE(conv->UnlhaEntry, nullptr);
  EXPECT_FALSE(conv->ProgressBar1.Visible());

  // Paths with blanks reach the library whole; its folders are kept.
  EXPECT_EQ(conv->ExtractLzh(archive_, target_), 0);
  EXPECT_EQ(FileBytes(target_ + "sub\\deeper\\text.txt").size(), 54404u);
  EXPECT_EQ(FileBytes(target_ + "表ソ\\日本語ファイル.txt"), "ja\n");
  // A damaged archive gives the library's own code.
  const std::string damaged =
      scratch_.File("cut.lzh", lzh_test::ReadFixture("lh5-level2.lzh").substr(0, 500));
  const int code = conv->ExtractLzh(damaged, target_);
  EXPECT_NE(code, 0);
  EXPECT_NE(code, kArchiveMissing);
  EXPECT_NE(code, kArchiverUnavailable);

  // The window's end frees the library; the next start loads it from the system folder.
  EndWindow();
  EXPECT_EQ(GetModuleHandleW(SjisToWide(kUnlhaFileName).c_str()), nullptr);
  StartWindow();
  EXPECT_TRUE(conv->UnlhaLoaded);
  EXPECT_NE(conv->UnlhaEntry, nullptr);
}

}  // namespace
