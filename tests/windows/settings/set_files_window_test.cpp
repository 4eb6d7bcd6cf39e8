// Loading, saving and deleting named parameter sets through the settings window, with the
// questions and messages answered through the seams.
#include <gtest/gtest.h>

#include <functional>

#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "settings/core/set_files.h"
#include "settings/core/setting_table.h"
#include "tests/windows/settings/settings_fixture.h"
#include "ui/colors.h"

using namespace settings;

namespace {

class SetFilesTest : public SettingsWindowTest {
 protected:
  void SetUp() override {
    SettingsWindowTest::SetUp();
    ClearControls();
    setting_->FormShow();  // creates the settings folder
    setFolder_ = folder_ + "TradeQuorvex設定";
  }
  std::string SetPath(const std::string& name) const { return setFolder_ + "\\" + name + ".stdt"; }
  // The button in the mode the keys select, as the timer leaves it, then the click.
  void ClickIn(std::vector<int> keys, const std::string& name) {
    keysDown_ = std::move(keys);
    setting_->tmrReadWriteTimer();
    keysDown_.clear();
    setting_->cmbSetName.SetText(name);
    setting_->cmdReadWriteClick();
  }
  void Save(const std::string& name) { ClickIn({VK_CONTROL}, name); }
  void Load(const std::string& name) { ClickIn({}, name); }
  void Delete(const std::string& name) { ClickIn({VK_SHIFT, VK_CONTROL}, name); }
  // Whether a temporary file of the atomic write is left in the set folder.
  bool TempFileLeft() const {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(SjisToWide(setFolder_ + "\\*.tmp").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
  }
  struct Wait {
    DWORD ms;
    COLORREF nameColour;  // the set-name box's colour while waiting
  };
  // The waits of the action, each with the colour the set-name box shows meanwhile.
  std::vector<Wait> WaitsDuring(const std::function<void()>& action) {
    std::vector<Wait> waits;
    Seams seams = CurrentSeams();
    seams.sleep = [&](DWORD ms) { waits.push_back({ms, setting_->cmbSetName.Color()}); };
    SeamOverride recording(seams);
    action();
    return waits;
  }
  // The set-name box flashes yellow, then shows its colour again and takes the focus.
  void ExpectNameBoxFlashed(const std::function<void()>& action) {
    setting_->EditOf(NanpinRow(1)).SetFocus();
    ASSERT_FALSE(setting_->cmbSetName.Focused());
    const COLORREF before = setting_->cmbSetName.Color();
    const std::vector<Wait> waits = WaitsDuring(action);
    ASSERT_EQ(waits.size(), 2u);
    EXPECT_EQ(waits[0].ms, 400u);
    EXPECT_EQ(waits[0].nameColour, ui::kYellow);
    EXPECT_EQ(waits[1].ms, 200u);
    EXPECT_EQ(waits[1].nameColour, before);
    EXPECT_EQ(setting_->cmbSetName.Color(), before);
    EXPECT_TRUE(setting_->cmbSetName.Focused());
  }
  std::vector<std::string> ListedNames() const {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(setting_->cmbSetName.ItemCount()));
    for (int i = 0; i < setting_->cmbSetName.ItemCount(); ++i)
      names.push_back(setting_->cmbSetName.Item(i));
    return names;
  }

  std::string setFolder_;
};

TEST_F(SetFilesTest, SaveWritesTheTableAndAsksBeforeOverwriting) {
  setting_->EditOf(NanpinRow(1)).SetText("2");
  setting_->CheckBoxOf(kRowSemiAutoTrade).SetChecked(true);
  Save("ソ設定");  // a double-byte name whose second byte is a backslash
  EXPECT_TRUE(messages_.empty());
  const std::string saved = ReadTextFile(SetPath("ソ設定"));
  EXPECT_EQ(saved.substr(0, 36), "PelmorarSetting\r\nManualDataIndex=0\r\n");
  EXPECT_NE(saved.find("\r\nSemiAutoTrade=1\r\n"), std::string::npos);
  EXPECT_NE(saved.find("\r\nNanpin1=2\r\n"), std::string::npos);
  EXPECT_EQ(setting_->cmbSetName.Text(), "ソ設定");
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"ソ設定"});
  EXPECT_TRUE(setting_->tmrReadWrite.Enabled());

  setting_->EditOf(NanpinRow(1)).SetText("3");
  answers_ = {IDNO};
  Save("ソ設定");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "この「設定名（ソ設定）」を\n上書きしますか？\n");
  EXPECT_EQ(messages_[0].caption, "「案内」");
  EXPECT_EQ(messages_[0].flags & (MB_YESNO | MB_SYSTEMMODAL | MB_TOPMOST),
            UINT{MB_YESNO | MB_SYSTEMMODAL | MB_TOPMOST});
  EXPECT_EQ(ReadTextFile(SetPath("ソ設定")), saved);
  EXPECT_TRUE(setting_->tmrReadWrite.Enabled());

  answers_ = {IDYES};
  Save("ソ設定");
  EXPECT_NE(ReadTextFile(SetPath("ソ設定")).find("\r\nNanpin1=3\r\n"), std::string::npos);
  EXPECT_FALSE(TempFileLeft());
}

TEST_F(SetFilesTest, FailedSaveKeepsTheSetThatWasThere) {
  setting_->EditOf(NanpinRow(1)).SetText("2");
  Save("held");
  const std::string before = ReadTextFile(SetPath("held"));
  // Another program reads the file and lets nobody replace it meanwhile.
  const HANDLE held = CreateFileW(SjisToWide(SetPath("held")).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  setting_->EditOf(NanpinRow(1)).SetText("3");
  answers_ = {IDYES};
  Save("held");
  CloseHandle(held);
  ASSERT_EQ(messages_.size(), 2u);  // the overwrite question, then what became of it
  EXPECT_EQ(messages_[1].text, "この「設定名（held）」を\n保存できませんでした\n");
  EXPECT_EQ(setting_->cmbSetName.Text(), "held");
  EXPECT_EQ(ReadTextFile(SetPath("held")), before);
  EXPECT_FALSE(TempFileLeft());
}

TEST_F(SetFilesTest, ForbiddenCharacterRefusesTheSave) {
  ExpectNameBoxFlashed([&] { Save("a/b"); });
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, kBadFileCharMessage);
  EXPECT_EQ(messages_[0].caption, ApplicationTitle());
  EXPECT_EQ(setting_->cmbSetName.Text(), "a/b");
  EXPECT_TRUE(ListedNames().empty());
  Save("全角　空白");
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(FileExists(SetPath("全角　空白")));
}

TEST_F(SetFilesTest, NameWithoutAShiftJisFormIsRefusedAndNotListed) {
  // Best fit would have saved "café" as "cafe" and "a¥b" under the folder "a".
  for (const wchar_t* name : {L"caf\u00E9", L"a\u00A5b", L"\u20AC"}) {
    messages_.clear();
    keysDown_ = {VK_CONTROL};
    setting_->tmrReadWriteTimer();
    keysDown_.clear();
    SetWindowTextW(setting_->cmbSetName.Handle(), name);
    setting_->cmdReadWriteClick();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, kBadFileCharMessage);
  }
  EXPECT_FALSE(FileExists(SetPath("cafe")));
  EXPECT_FALSE(FolderExists(setFolder_ + "\\a"));
  // A set file named so on disk cannot be loaded by its name: it is not offered.
  const HANDLE file = CreateFileW((SjisToWide(setFolder_) + L"\\caf\u00E9.stdt").c_str(),
                                  GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  setting_->FormShow();
  EXPECT_TRUE(ListedNames().empty());
}

TEST_F(SetFilesTest, NamesOutsideTheFolderOrOfADeviceAreRefusedByEveryAction) {
  // A set file at each would-be target, written by its verbatim path, which no device name
  // takes over.
  const struct {
    const char* name;
    std::string target;
  } cases[] = {
      {"..\\x", folder_ + "x.stdt"},
      {"NUL", SetPath("NUL")},
      {"com1.txt", SetPath("com1.txt")},
  };
  const std::string set = "PelmorarSetting\r\nNanpin1=7\r\n";
  for (const auto& c : cases) {
    const HANDLE file = CreateFileW(SjisToWide("\\\\?\\" + c.target).c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << c.target;
    DWORD written = 0;
    WriteFile(file, set.data(), static_cast<DWORD>(set.size()), &written, nullptr);
    CloseHandle(file);
  }
  setting_->EditOf(NanpinRow(1)).SetText("4");
  for (const auto& c : cases) {
    // Load, delete, save.
    for (const std::vector<int>& keys :
         {std::vector<int>{}, {VK_SHIFT, VK_CONTROL}, {VK_CONTROL}}) {
      messages_.clear();
      ExpectNameBoxFlashed([&] { ClickIn(keys, c.name); });
      ASSERT_EQ(messages_.size(), 1u) << c.name;
      EXPECT_EQ(messages_[0].text, SetNameRefusal(c.name));
      std::string left;
      EXPECT_TRUE(ReadFileBytes("\\\\?\\" + c.target, left));
      EXPECT_EQ(left, set) << c.name;
    }
  }
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Text(), "4");
  EXPECT_EQ(conv->SettingStatus, "");
  EXPECT_TRUE(setting_->tmrReadWrite.Enabled());
}

TEST_F(SetFilesTest, LoadCleansAndDefaultsAndMarksTheStatus) {
  ASSERT_TRUE(WriteTextFile(
      "PelmorarSetting\r\nManualDataIndex=0\r\nTrailOrder=1\r\nNanpin1=1.2.3\r\n"
      "NpTp1=0.5.5\r\nRikakuBairits=0.8\r\nNpDepth2=--7\r\nManualDataIndex=1\r\nNanpin1=9\r\n",
      SetPath("loaded")));
  setting_->EditOf(kRowTrailMA).SetText("33");
  Load("loaded");
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(setting_->CheckBoxOf(kRowTrailOrder).Checked());
  EXPECT_FALSE(setting_->CheckBoxOf(kRowSemiAutoTrade).Checked());
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Text(), "1.2");
  EXPECT_EQ(setting_->SettingTable.Cell(NanpinRow(1), 0), "1.2");
  EXPECT_EQ(setting_->SettingTable.Cell(NanpinRow(1), 1), "9");
  EXPECT_EQ(setting_->EditOf(TpRow(1)).Text(), "0.5");
  EXPECT_EQ(setting_->EditOf(DepthRow(2)).Text(), "-7");
  EXPECT_EQ(setting_->EditOf(kRowRikakuBairits).Text(), "0.8");
  EXPECT_EQ(setting_->EditOf(kRowTrailMA).Text(), "10");
  EXPECT_EQ(setting_->EditOf(kRowMaxStoppLimmite).Text(), "2500");
  EXPECT_EQ(setting_->cmbSetName.Text(), "loaded");
  EXPECT_EQ(conv->SettingStatus, "ReadOK");

  // Saving writes slot 1 back as it was loaded.
  Save("loaded");
  EXPECT_NE(ReadTextFile(SetPath("loaded")).find("ManualDataIndex=1\r\nSemiAutoTrade=\r\n"),
            std::string::npos);
  EXPECT_NE(ReadTextFile(SetPath("loaded")).find("\r\nNanpin1=9\r\n"), std::string::npos);
}

TEST_F(SetFilesTest, LoadOfAMissingSetChangesNothing) {
  setting_->EditOf(NanpinRow(1)).SetText("4");
  ExpectNameBoxFlashed([&] { Load("nothing here"); });
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "読込ファイル名が違っています！");
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Text(), "4");
  EXPECT_EQ(conv->SettingStatus, "");
  EXPECT_TRUE(setting_->tmrReadWrite.Enabled());
}

TEST_F(SetFilesTest, SetThatCannotBeReadOrHoldsNoSettingIsNotLoaded) {
  setting_->EditOf(NanpinRow(1)).SetText("4");
  conv->SettingStatus = "SendOK";
  ASSERT_TRUE(WriteTextFile("PelmorarSetting\r\nNanpin1=7\r\n", SetPath("held")));
  // Saved by an editor with LF line ends: one line, the header's, which is no setting.
  ASSERT_TRUE(WriteTextFile("PelmorarSetting\nManualDataIndex=0\nNanpin1=7\n", SetPath("lf")));
  ASSERT_TRUE(WriteTextFile("", SetPath("空")));
  const HANDLE held = CreateFileW(SjisToWide(SetPath("held")).c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  Load("held");
  CloseHandle(held);
  for (const char* name : {"held", "lf", "空"}) {
    // The held set was tried above while held; a set that holds no setting flashes the name.
    if (name != std::string("held")) ExpectNameBoxFlashed([&] { Load(name); });
    ASSERT_EQ(messages_.size(), 1u) << name;
    EXPECT_EQ(messages_[0].text,
              name == std::string("held")
                  ? kFileErrorText
                  : "この「設定名（" + std::string(name) + "）」を\n読み込めませんでした");
    EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Text(), "4") << name;
    EXPECT_EQ(setting_->EditOf(kRowTrailMA).Text(), "") << name;
    EXPECT_EQ(conv->SettingStatus, "SendOK") << name;
    EXPECT_EQ(setting_->cmbSetName.Text(), name);
    messages_.clear();
  }
}

TEST_F(SetFilesTest, FailedDeleteSaysSoAndKeepsTheName) {
  Save("held");
  const HANDLE held = CreateFileW(SjisToWide(SetPath("held")).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  answers_ = {IDYES};
  Delete("held");
  CloseHandle(held);
  ASSERT_EQ(messages_.size(), 2u);  // the question, then what became of the set
  EXPECT_EQ(messages_[1].text, "この「設定名（held）」を\n削除できませんでした");
  EXPECT_TRUE(FileExists(SetPath("held")));
  EXPECT_EQ(setting_->cmbSetName.Text(), "held");
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"held"});
}

TEST_F(SetFilesTest, DeleteAsksAndEmptiesTheNameBox) {
  Save("keep");
  Save("gone");
  answers_ = {IDNO};
  Delete("gone");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "この「設定名（gone）」を\n削除しますか？\n");
  EXPECT_TRUE(FileExists(SetPath("gone")));

  answers_ = {IDYES};
  Delete("gone");
  EXPECT_FALSE(FileExists(SetPath("gone")));
  EXPECT_EQ(setting_->cmbSetName.Text(), "");
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"keep"});

  Delete("never saved");  // nothing asked, nothing said
  EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(SetFilesTest, ShowRefillsTheListFromDisk) {
  ASSERT_TRUE(WriteTextFile("", setFolder_ + "\\Alpha.STDT"));
  ASSERT_TRUE(WriteTextFile("", setFolder_ + "\\Beta.stdt.bak"));
  CreateDirectoryW(SjisToWide(setFolder_ + "\\sub").c_str(), nullptr);
  ASSERT_TRUE(WriteTextFile("", setFolder_ + "\\sub\\Inner.stdt"));
  conv->Config.LastSetName = "Alpha";
  setting_->FormShow();
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(setting_->cmbSetName.Text(), "Alpha");
}

TEST_F(SetFilesTest, EmptyNameDoesNothing) {
  keysDown_ = {VK_CONTROL};
  setting_->tmrReadWriteTimer();
  setting_->tmrReadWrite.SetEnabled(false);
  setting_->cmbSetName.SetText("");
  setting_->cmdReadWriteClick();
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(setting_->tmrReadWrite.Enabled());
  setting_->tmrReadWrite.SetEnabled(true);
}

}  // namespace
