#include "settings/core/set_files.h"

#include <gtest/gtest.h>

#include "settings/core/read_write_button.h"

using namespace settings;

namespace {

TEST(SetFiles, ForbiddenCharactersCountWholeCharacters) {
  for (const char* bad : {"a/b", "a\\b", "x:", "*", "?", "\"", "<", ">", "|"})
    EXPECT_TRUE(HasBadFileChar(bad)) << bad;
  // ソ and 表 end in the byte of a backslash, ポ in the byte of a vertical bar.
  EXPECT_EQ(std::string("ソ"), "\x83\x5C");
  EXPECT_FALSE(HasBadFileChar("ソ表ポ"));
  EXPECT_FALSE(HasBadFileChar("標準　設定"));  // full-width space
  EXPECT_FALSE(HasBadFileChar(""));
  EXPECT_TRUE(HasBadFileChar("ソ/"));
}

TEST(SetFiles, RefusedNamesForEveryAction) {
  EXPECT_EQ(SetNameRefusal("..\\x"), kBadFileCharMessage);
  EXPECT_EQ(SetNameRefusal("?"), kBadFileCharMessage);
  for (const char* device : {"CON", "prn", "Aux", "NUL", "nul.stdt", "com1.txt", "COM9", "lpt1",
                             "LpT9.a.b", "nul ", "con  .x", "aux.", " nul"})
    EXPECT_EQ(SetNameRefusal(device), DeviceNameMessage(device)) << device;
  for (const char* usable : {"LPT", "com10", "nul1", "NULL", "a.nul", "n ul", "ｃｏｍ１", "コン",
                             "標準設定", "ソ表", "x"})
    EXPECT_EQ(SetNameRefusal(usable), "") << usable;
  EXPECT_EQ(DeviceNameMessage("NUL"),
            "この「設定名（NUL）」は\nWindowsの予約名なので使用できません");
}

TEST(SetFiles, NamesThatShowAsNothingAreRefused) {
  for (const char* unseen : {"   ", " ", "　", " 　 ", "a\tb", "\t", "x\r\n", "\x7F", "ソ\x1F"})
    EXPECT_EQ(SetNameRefusal(unseen), kBadFileCharMessage) << unseen;
  for (const char* usable : {" a", "a ", "標準　設定", "　x", "ー"})
    EXPECT_EQ(SetNameRefusal(usable), "") << usable;
}

TEST(SetFiles, NamesPathsAndTexts) {
  EXPECT_EQ(SettingsFolderPath("C:\\Q\\"), "C:\\Q\\TradeQuorvex設定");
  EXPECT_EQ(SetFilePath("C:\\Q\\TradeQuorvex設定", "a"), "C:\\Q\\TradeQuorvex設定\\a.stdt");
  std::string name;
  EXPECT_TRUE(SetNameOfFile("Alpha.STDT", &name));
  EXPECT_EQ(name, "Alpha");
  EXPECT_TRUE(SetNameOfFile("a.b.stdt", &name));
  EXPECT_EQ(name, "a.b");
  EXPECT_FALSE(SetNameOfFile("Beta.stdt.bak", &name));
  EXPECT_FALSE(SetNameOfFile("stdt", &name));

  EXPECT_EQ(std::string(kBadFileCharMessage),
            "設定ファイル名に使用できない文字\n\\/:*?\"<>|\x81\x40が\n在ります");
  EXPECT_EQ(OverwriteQuestion("x"), "この「設定名（x）」を\n上書きしますか？\n");
  EXPECT_EQ(DeleteQuestion("x"), "この「設定名（x）」を\n削除しますか？\n");
}

TEST(ReadWriteButton, ModesFromKeysAndCaptions) {
  EXPECT_EQ(ModeForKeys(true, true, false), ReadWriteMode::kDelete);
  EXPECT_EQ(ModeForKeys(false, false, true), ReadWriteMode::kDelete);
  EXPECT_EQ(ModeForKeys(false, true, false), ReadWriteMode::kSave);
  EXPECT_EQ(ModeForKeys(true, false, false), ReadWriteMode::kLoad);
  EXPECT_EQ(ModeForKeys(false, false, false), ReadWriteMode::kLoad);
  for (ReadWriteMode m : {ReadWriteMode::kLoad, ReadWriteMode::kSave, ReadWriteMode::kDelete})
    EXPECT_EQ(ModeOfCaption(ModeCaption(m)), m);
  EXPECT_EQ(ModeFontColour(ReadWriteMode::kDelete), 0x0000FFu);
  EXPECT_EQ(ModeFontColour(ReadWriteMode::kSave), 0x000080u);
  EXPECT_EQ(ModeFontColour(ReadWriteMode::kLoad), 0xFF0000u);
  EXPECT_EQ(ModeOfCaption("x"), ReadWriteMode::kNone);
}

}  // namespace
