// UNLHA32.DLL loaded as the console loads it, its entry found by its plain name and called with
// the console's command line: real archives into folders with blanks and Japanese names,
// hostile ones refused without a trace.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "tests/native/unlha32/lzh_test_archives.h"
#include "tests/windows/config/test_files.h"

namespace {

using UnlhaEntry = int(WINAPI*)(HWND, const char*, char*, DWORD);

class Unlha32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dll = exe;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"UNLHA32.DLL";
    module_ = LoadLibraryW(dll.c_str());
    ASSERT_NE(module_, nullptr);
    unlha_ =
        reinterpret_cast<UnlhaEntry>(reinterpret_cast<void*>(GetProcAddress(module_, "Unlha")));
    ASSERT_NE(unlha_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  // The console's command: x, its switches, both paths in double quotes.
  int Extract(const std::string& archive, const std::string& folder) {
    const std::string line = "x -+ -a2 -d1 -f0 -n1 -m1 \"" + archive + "\" \"" + folder + "\"";
    char output[4] = {'?', '?', '?', '?'};
    const int result = unlha_(nullptr, line.c_str(), output, sizeof output);
    EXPECT_NE(std::string(output, 4).find('\0'), std::string::npos);  // ended within its size
    return result;
  }

  std::string Archive(const std::string& name, const std::string& bytes) {
    return scratch_.File("archives\\" + name, bytes);
  }

  HMODULE module_ = nullptr;
  UnlhaEntry unlha_ = nullptr;
  ScratchFolder scratch_{"qx lzh "};
};

TEST_F(Unlha32Test, UnpacksIntoFoldersWithBlanksAndJapaneseNames) {
  const std::string archive = Archive("更新 archive.lzh", lzh_test::ReadFixture("lh7-level1.lzh"));
  const std::string target = scratch_.Folder("展開 先") + "\\";
  // An older read-only copy of a member is replaced.
  scratch_.File("展開 先\\a.txt", "old");
  SetFileAttributesW(SjisToWide(target + "a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(Extract(archive, target), 0);
  EXPECT_EQ(FileBytes(target + "a.txt"), "hello world\n");
  EXPECT_EQ(FileBytes(target + "empty.txt"), "");
  EXPECT_EQ(FileBytes(target + "表ソ\\日本語ファイル.txt"), "ja\n");
  EXPECT_EQ(FileBytes(target + "sub\\deeper\\text.txt").size(), 54404u);
  EXPECT_EQ(EntriesIn(target), 4);  // a.txt, empty.txt, sub, 表ソ: no part file left
  // A missing last folder is made.
  EXPECT_EQ(Extract(archive, scratch_.path() + "new\\"), 0);
  EXPECT_EQ(FileBytes(scratch_.path() + "new\\a.txt"), "hello world\n");
}

TEST_F(Unlha32Test, RefusesWithoutWritingOutside) {
  const std::string target = scratch_.Folder("inner\\target") + "\\";
  const std::string climbing = Archive(
      "climb.lzh", lzh_test::Level0("ok.txt", "1") + lzh_test::Level0("..\\..\\evil.txt", "x"));
  EXPECT_EQ(Extract(climbing, target), 5);
  EXPECT_EQ(Extract(Archive("drive.lzh", lzh_test::Level0("C:\\evil.txt", "x")), target), 5);
  EXPECT_EQ(EntriesIn(target), 0);
  EXPECT_EQ(EntriesIn(scratch_.path() + "inner\\"), 1);
  EXPECT_EQ(EntriesIn(scratch_.path()), 2);  // archives, inner

  // A member failing its CRC leaves no file, whole or in part.
  const std::string bad = lzh_test::Level0("crc.txt", "abc", "-lh0-", true);
  EXPECT_EQ(Extract(Archive("crc.lzh", bad), target), 7);
  EXPECT_EQ(EntriesIn(target), 0);

  EXPECT_EQ(
      Extract(Archive("cut.lzh", lzh_test::ReadFixture("lh5-level2.lzh").substr(0, 900)), target),
      4);
  EXPECT_EQ(Extract(Archive("method.lzh", lzh_test::Level0("a.txt", "a", "-lh9-")), target), 6);

  // A member claiming 4 GiB is refused before anything is written (its data stop at 32 MiB,
  // should they be unpacked after all); one whose data run past its claim keeps no part file.
  const std::string bomb =
      lzh_test::Level0("first.txt", "1") +
      lzh_test::Level0Claiming("bomb.txt", "-lh5-", lzh_test::SpaceBlocks(2), 0xFFFFFFFF, 0);
  EXPECT_EQ(Extract(Archive("bomb.lzh", bomb), target), 9);
  const std::string past = lzh_test::Level0Claiming("past.txt", "-lh5-", lzh_test::SpaceBlocks(1),
                                                    1000, lzh_test::CrcOf(std::string(1000, ' ')));
  EXPECT_EQ(Extract(Archive("past.lzh", past), target), 4);
  EXPECT_EQ(EntriesIn(target), 0);
  EXPECT_EQ(Extract(scratch_.path() + "missing.lzh", target), 3);
  char output[4];
  EXPECT_EQ(unlha_(nullptr, "l archive.lzh", output, sizeof output), 2);
  EXPECT_EQ(unlha_(nullptr, nullptr, nullptr, 0), 2);
}

}  // namespace
