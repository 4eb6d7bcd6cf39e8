#include "common/win/text_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/win/codepage.h"
#include "common/win/seams.h"

namespace {

// A fresh folder with a Japanese name under the temp folder, removed afterwards.
class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = WideToSjis(temp) + "qx設定" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryW(SjisToWide(folder_).c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAW data;
    const std::wstring pattern = SjisToWide(folder_) + L"*";
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring path = SjisToWide(folder_) + data.cFileName;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    RemoveDirectoryW(SjisToWide(folder_).c_str());
  }
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((SjisToWide(folder_) + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
  }
  std::string folder_;
};

TEST_F(TextFileTest, RoundTripOfShiftJisBytesUnderAJapanesePath) {
  const std::string path = folder_ + "表ソ.stdt";
  const std::string text = "TradeComment=ソ表\r\nNanpin1=1.5\r\n";
  ASSERT_TRUE(WriteTextFile(text, path));
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(FolderExists(path));
  EXPECT_TRUE(FolderExists(folder_));
  EXPECT_EQ(ReadTextFile(path), text);
  ASSERT_TRUE(WriteTextFile("short", path));
  EXPECT_EQ(ReadTextFile(path), "short");
  EXPECT_EQ(Files().size(), 1u);  // no temporary file left behind
}

TEST_F(TextFileTest, MissingFileIsEmptyWithoutMessageAndNulEndsTheText) {
  std::vector<std::string> shown;
  SeamOverride seams({.messageBox = [&](HWND, const std::string& text, const std::string&, UINT) {
    shown.push_back(text);
    return IDOK;
  }});
  EXPECT_EQ(ReadTextFile(folder_ + "none.ini"), "");
  const std::string path = folder_ + "withzero.ini";
  ASSERT_TRUE(WriteTextFile(std::string("ReadMe=1\r\n\0MT4Path=x", 20), path));
  EXPECT_EQ(ReadTextFile(path), "ReadMe=1\r\n");
  EXPECT_TRUE(shown.empty());
}

TEST_F(TextFileTest, UnreadableFileShowsTheFileErrorBox) {
  const std::string path = folder_ + "locked.ini";
  ASSERT_TRUE(WriteTextFile("x", path));
  HANDLE exclusive = CreateFileW(SjisToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  std::string text, caption;
  UINT flags = 0;
  SeamOverride seams({.messageBox = [&](HWND, const std::string& t, const std::string& c, UINT f) {
    text = t, caption = c, flags = f;
    return IDOK;
  }});
  EXPECT_EQ(ReadTextFile(path), "");
  CloseHandle(exclusive);
  EXPECT_EQ(text, "Can't perform one of the following file operations: Open, Seek, Read, Close.");
  EXPECT_EQ(caption, "File Error");
  EXPECT_EQ(flags & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(TextFileTest, FailedWriteKeepsTheOldFile) {
  const std::string path = folder_ + "FxQuorvex.ini";
  ASSERT_TRUE(WriteTextFile("old\r\n", path));
  // Another process holding the file open without delete sharing makes the replace fail.
  HANDLE holder = CreateFileW(SjisToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteTextFile("new\r\n", path));
  CloseHandle(holder);
  EXPECT_EQ(ReadTextFile(path), "old\r\n");
  EXPECT_EQ(Files().size(), 1u);  // the temporary file was removed
  // A target in a folder that does not exist fails without creating anything.
  EXPECT_FALSE(WriteTextFile("x", folder_ + "no folder\\x.ini"));
}

TEST_F(TextFileTest, FolderTooLongForATemporaryNameFailsTheWriteCleanly) {
  // Folders of a given length in characters, made by their verbatim paths, which know no
  // length limit.
  std::vector<std::wstring> made;
  const auto folderOf = [&](size_t length) {
    std::wstring folder = SjisToWide(folder_.substr(0, folder_.size() - 1));
    while (folder.size() < length) {
      const size_t left = length - folder.size() - 1;
      folder += L"\\" + std::wstring(left > 120 ? 100 : left, L'd');
      CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
      made.push_back(L"\\\\?\\" + folder);
    }
    return WideToSjis(folder);
  };
  const std::string longest = folderOf(MAX_PATH - 14) + "\\a.ini";
  EXPECT_TRUE(WriteTextFile("fits", longest));
  EXPECT_TRUE(DeleteFileAt(longest));
  const std::string tooLong = folderOf(270);
  ASSERT_TRUE(FolderExists("\\\\?\\" + tooLong));
  EXPECT_FALSE(WriteTextFile("too long", tooLong + "\\a.ini"));
  EXPECT_FALSE(FileExists("\\\\?\\" + tooLong + "\\a.ini"));
  WIN32_FIND_DATAW found;  // nor a temporary file
  EXPECT_EQ(FindFirstFileW(SjisToWide("\\\\?\\" + tooLong + "\\*.tmp").c_str(), &found),
            INVALID_HANDLE_VALUE);
  std::sort(made.begin(), made.end(), [](auto& a, auto& b) { return a.size() > b.size(); });
  for (const std::wstring& f : made) RemoveDirectoryW(f.c_str());
}

TEST_F(TextFileTest, HiddenFilesAreReplacedAndStayHidden) {
  const std::string path = folder_ + "TradeQuorvex.htm";
  ASSERT_TRUE(WriteTextFile("<html>\r\n", path, true));
  ASSERT_TRUE(WriteTextFile("<html>2\r\n", path, true));
  EXPECT_EQ(ReadTextFile(path), "<html>2\r\n");
  const DWORD attributes = GetFileAttributesW(SjisToWide(path).c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(DeleteFileAt(path));
  EXPECT_FALSE(FileExists(path));
}

}  // namespace
