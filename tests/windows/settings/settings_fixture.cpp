#include "tests/windows/settings/settings_fixture.h"

#include <algorithm>
#include <cstring>

#include "common/channel_names.h"
#include "common/win/codepage.h"
#include "settings/core/setting_table.h"
#include "ui/app.h"

using namespace settings;

std::unique_ptr<ConsoleSession> SettingsWindowTest::session_;
std::unique_ptr<Tconv> SettingsWindowTest::conv_;
std::unique_ptr<TSetting> SettingsWindowTest::setting_;

namespace {

// A folder that did not exist before (Wine reuses process ids, so names are tried until the
// creation succeeds).
std::string FreshFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (unsigned n = GetTickCount();; ++n) {
    std::string folder = WideToSjis(temp) + "qx_settings_" + std::to_string(n) + "\\";
    if (CreateDirectoryW(SjisToWide(folder).c_str(), nullptr)) return folder;
  }
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW(SjisToWide(folder + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = WideToSjis(found.cFileName);
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveFolder(folder + name + "\\");
      else
        DeleteFileW(SjisToWide(folder + name).c_str());
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(SjisToWide(folder).c_str());
}

}  // namespace

void SettingsWindowTest::SetUpTestSuite() {
  ui::InitUi();
  session_ = std::make_unique<ConsoleSession>();
  conv_ = std::make_unique<Tconv>(*session_);
  conv = conv_.get();
  // The console's own timers (configuration file at start, price monitor) are not under test.
  conv->tmrStart.SetEnabled(false);
  conv->tmrNowPrice.SetEnabled(false);
  setting_ = std::make_unique<TSetting>(session_->ForSettingsWindow());
  Setting = setting_.get();
}

void SettingsWindowTest::TearDownTestSuite() {
  setting_.reset();
  Setting = nullptr;
  conv_.reset();
  conv = nullptr;
  session_.reset();
}

void SettingsWindowTest::SetUp() {
  Seams seams = RealSeams();
  seams.isKeyDown = [this](int key) {
    return std::find(keysDown_.begin(), keysDown_.end(), key) != keysDown_.end();
  };
  seams.messageBox = [this](HWND, const std::string& text, const std::string& caption, UINT flags) {
    messages_.push_back({text, caption, flags});
    if ((flags & MB_TYPEMASK) == MB_OK || (flags & MB_TYPEMASK) == MB_OKCANCEL) return IDOK;
    if (answers_.empty()) return IDYES;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  };
  seams.sleep = [](DWORD) {};
  seams_ = std::make_unique<SeamOverride>(seams);
  folder_ = FreshFolder();
  conv->ExeFolder = folder_;
  conv->SettingStatus.clear();
  // Hiding a window costs seconds under Wine without a window manager, so the window stays
  // shown between tests; showing runs FormShow, and an already shown window gets it here.
  if (setting_->Visible())
    setting_->FormShow();
  else
    setting_->Show();
}

void SettingsWindowTest::TearDown() {
  seams_.reset();
  // By the verbatim path, so that a file a test made under a device name goes too.
  RemoveFolder("\\\\?\\" + folder_);
}

void SettingsWindowTest::ClearControls() {
  for (int row : ControlRowOrder()) {
    if (IsCheckBoxRow(row))
      setting_->CheckBoxOf(row).SetChecked(false);
    else
      setting_->EditOf(row).SetText("");
  }
  for (ui::RadioButton* lot : {&conv->rdo_Times1, &conv->rdo_Times2, &conv->rdo_Times3,
                               &conv->rdo_Times5, &conv->rdo_Times10, &conv->rdo_Times20})
    lot->SetChecked(false);
  setting_->cmbSetName.SetText("");
}

std::string SettingsWindowTest::MapBytes() const {
  std::string bytes;
  conv->SettingMap.Locked([&](char* view, size_t size) { bytes.assign(view, size); });
  return bytes;
}

std::string SettingsWindowTest::MapText() const {
  const std::string bytes = MapBytes();
  return bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
}
