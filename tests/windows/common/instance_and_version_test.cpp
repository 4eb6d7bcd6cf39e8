#include <gtest/gtest.h>
#include <windows.h>

#include "common/win/file_version.h"
#include "common/win/single_instance.h"

namespace {

TEST(SingleInstance, NameFromPath) {
  EXPECT_EQ(SingleInstanceName("C:\\Tools\\Console.exe"), "C-Tools-Console_exe");
  EXPECT_EQ(SingleInstanceName("\\\\server\\share\\prog"), "--server-share-prog");
  EXPECT_EQ(SingleInstanceName("C:\\表\\a.b.exe"), "C-表-a_b_exe");
}

TEST(SingleInstance, SecondClaimOfTheSameProgramIsRefused) {
  HANDLE first = ClaimSingleInstance();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(ClaimSingleInstance(), nullptr);
  ReleaseSingleInstance(first);
  HANDLE again = ClaimSingleInstance();
  EXPECT_NE(again, nullptr);
  ReleaseSingleInstance(again);
}

TEST(FileVersion, ReadsTheJapaneseStringBlock) {
  EXPECT_EQ(ReadFileVersion(), "1.0.8.0");
  EXPECT_EQ(static_cast<double>(OwnVersion()), 1.0800005197525024);
}

}  // namespace
