// What the expert receives: the bridge library, loaded by path as the terminal loads it, gives
// back through ReadSetting exactly the settings text the window sent.
#include <gtest/gtest.h>

#include "common/win/codepage.h"
#include "settings/core/setting_table.h"
#include "tests/windows/settings/settings_fixture.h"

using namespace settings;

namespace {

using ReadSettingFn = const wchar_t*(__stdcall*)();

std::wstring LibraryBesideTheTest() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1);
  return folder + L"PelmoraStd108.dll";
}

using SettingsToTheExpert = SettingsWindowTest;

TEST_F(SettingsToTheExpert, ReadSettingGivesWhatWasSent) {
  const HMODULE library = LoadLibraryW(LibraryBesideTheTest().c_str());
  ASSERT_NE(library, nullptr);
  const auto readSetting = reinterpret_cast<ReadSettingFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "ReadSetting")));
  ASSERT_NE(readSetting, nullptr);

  ClearControls();
  setting_->EditOf(NanpinRow(1)).SetText("2");
  setting_->EditOf(kRowTradeComment).SetText("表ソ ナンピン");
  setting_->cmbSetName.SetText("標準設定");
  conv->rdo_Times5.SetChecked(true);
  setting_->cmdEASettingClick();
  const std::string sent = MapText();
  ASSERT_NE(sent.find("BuiltInTimes=5\r\n"), std::string::npos);
  EXPECT_EQ(std::wstring(readSetting()), SjisToWide(sent));

  // The text stays for every later read, until the next send replaces it whole.
  EXPECT_EQ(std::wstring(readSetting()), SjisToWide(sent));
  setting_->EditOf(kRowTradeComment).SetText("");
  setting_->cmdEASettingClick();
  EXPECT_EQ(std::wstring(readSetting()), SjisToWide(MapText()));
  FreeLibrary(library);
}

}  // namespace
