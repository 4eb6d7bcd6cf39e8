#include "setup/core/setup_files.h"

#include <gtest/gtest.h>

using namespace setup;

namespace setup {
namespace {

TEST(SetupFileCategory, ExtensionInAnyCaseNameTestsCaseSensitive) {
  EXPECT_EQ(SetupFileCategory("PelmorarStd.ex4"), "Experts");
  EXPECT_EQ(SetupFileCategory("PelmorarStd.EX4"), "Experts");
  EXPECT_EQ(SetupFileCategory("MyPelmorar.Mq4"), "Experts");
  EXPECT_EQ(SetupFileCategory("pelmorarStd.ex4"), "Indicators");
  EXPECT_EQ(SetupFileCategory("period_converter_600all.mq4"), "Scripts");
  EXPECT_EQ(SetupFileCategory("Period_Converter_600all.mq4"), "Indicators");
  // Both names: the expert's test comes first.
  EXPECT_EQ(SetupFileCategory("Pelmorar_period_converter_600all.mq4"), "Experts");
  EXPECT_EQ(SetupFileCategory("Bands.ex4"), "Indicators");
  EXPECT_EQ(SetupFileCategory("PelmoraStd108.DLL"), "Libraries");
  EXPECT_EQ(SetupFileCategory("stdlib.mqh"), "Include");
}

TEST(SetupFileCategory, OtherFilesAndShortNamesNotListed) {
  for (const char* name : {"SetupQuorvex.exe", "ReadMe.txt", "SetupQuorvex.csv", "dll", ".dl", "",
                           "x.mq5", "Pelmorar.ex", "a.dllx"})
    EXPECT_EQ(SetupFileCategory(name), "") << name;
  EXPECT_EQ(SetupFileCategory(".dll"), "Libraries");
}

TEST(SetupList, LineSplitAtTheLastComma) {
  const std::string line = SetupListLine("C:\\EA,2024\\表", "Pelmorar.ex4", "Experts");
  EXPECT_EQ(line, "C:\\EA,2024\\表\\Pelmorar.ex4,Experts\r\n");
  const SetupListEntry entry = SplitSetupListLine(line.substr(0, line.size() - 2));
  EXPECT_EQ(entry.source, "C:\\EA,2024\\表\\Pelmorar.ex4");
  EXPECT_EQ(entry.category, "Experts");
  const SetupListEntry bare = SplitSetupListLine("C:\\no category");
  EXPECT_EQ(bare.source, "C:\\no category");
  EXPECT_EQ(bare.category, "");
}

TEST(SetupList, ListFileNamedAfterTheProgram) {
  EXPECT_EQ(SetupListFileName("SetupQuorvex.exe"), "SetupQuorvex.csv");
  EXPECT_EQ(SetupListFileName("Setup.v2.EXE"), "Setup.v2.csv");
  EXPECT_EQ(SetupListFileName("Setup"), "Setup.csv");
}

TEST(SetupList, CopyTargetsByCategoryInAnyCase) {
  EXPECT_EQ(CopyTargetFolder("Experts"), "MQL4\\Experts");
  EXPECT_EQ(CopyTargetFolder("LIBRARIES"), "MQL4\\Libraries");
  EXPECT_EQ(CopyTargetFolder("include"), "MQL4\\Include");
  for (const char* category : {"Scripts", "Indicators", "", "Expert"})
    EXPECT_EQ(CopyTargetFolder(category), "") << category;
}

TEST(SetupList, FileNameAfterTheLastBackslashOfItsOwn) {
  EXPECT_EQ(FileNameOf("C:\\a\\b\\Pelmorar.ex4"), "Pelmorar.ex4");
  // The second byte of 表 is 0x5C: not a separator.
  EXPECT_EQ(FileNameOf("C:\\a\\表.dll"), "表.dll");
  EXPECT_EQ(FileNameOf("plain.dll"), "plain.dll");
}

}  // namespace
}  // namespace setup
