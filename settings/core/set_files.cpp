#include "settings/core/set_files.h"

#include "common/text.h"

namespace settings {

namespace {

constexpr char kBadFileChars[] = "\\/:*?\"<>|";

// Windows takes a file name for a device by the part before its first point, blanks at its
// end left out: "nul .stdt" and "com1.txt.stdt" are devices too. Blanks in front are left out
// as well, to be on the safe side.
bool IsDeviceName(const std::string& setName) {
  const std::string part = setName.substr(0, setName.find('.'));
  const size_t first = part.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::string base =
      common::LowerAscii(part.substr(first, part.find_last_not_of(' ') + 1 - first));
  if (base == "con" || base == "prn" || base == "aux" || base == "nul") return true;
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

// A name of blanks alone shows as nothing in the list; a control character (a tab, say) shows
// as nothing in the box and no file may be named with it.
bool IsUnreadableName(const std::string& setName) {
  bool blanksOnly = true;
  for (size_t i = 0; i < setName.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(setName[i]);
    if (c < 0x20 || c == 0x7F) return true;
    if (c == ' ') continue;
    // The full-width space is a blank too; no control byte is ever part of a double-byte
    // character.
    if (setName.compare(i, 2, "\x81\x40") == 0) {
      ++i;
      continue;
    }
    blanksOnly = false;
  }
  return blanksOnly;
}

// "この「設定名（<name>）」を" and the line that asks or says what becomes of the set.
std::string AboutTheSet(const std::string& setName, const char* outcome) {
  return "この「設定名（" + setName + "）」を\n" + outcome;
}

}  // namespace

const char kBadFileCharMessage[] = "設定ファイル名に使用できない文字\n\\/:*?\"<>|　が\n在ります";
const char kMissingSetMessage[] = "読込ファイル名が違っています！";
const char kSetQuestionCaption[] = "「案内」";

std::string SettingsFolderPath(const std::string& exeFolder) {
  return exeFolder + kSettingsFolderName;
}

std::string SetFilePath(const std::string& settingsFolder, const std::string& setName) {
  return settingsFolder + "\\" + setName + kSetFileExtension;
}

bool HasBadFileChar(const std::string& setName) {
  for (size_t i = 0; i < setName.size();) {
    const bool doubleByte = i + 1 < setName.size() &&
                            common::IsSjisLeadByte(static_cast<unsigned char>(setName[i])) &&
                            common::IsSjisTrailByte(static_cast<unsigned char>(setName[i + 1]));
    const size_t length = doubleByte ? 2 : 1;
    if (common::PosMbcs(setName.substr(i, length), kBadFileChars) > 0) return true;
    i += length;
  }
  return false;
}

std::string SetNameRefusal(const std::string& setName) {
  if (HasBadFileChar(setName) || IsUnreadableName(setName)) return kBadFileCharMessage;
  if (IsDeviceName(setName)) return DeviceNameMessage(setName);
  return {};
}

bool SetNameOfFile(const std::string& fileName, std::string* setName) {
  const size_t point = fileName.rfind('.');
  if (point == std::string::npos) return false;
  std::string extension = fileName.substr(point);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (extension != kSetFileExtension) return false;
  if (setName) *setName = fileName.substr(0, point);
  return true;
}

std::string OverwriteQuestion(const std::string& setName) {
  return AboutTheSet(setName, "上書きしますか？\n");
}

std::string NotSavedMessage(const std::string& setName) {
  return AboutTheSet(setName, "保存できませんでした\n");
}

std::string DeviceNameMessage(const std::string& setName) {
  return "この「設定名（" + setName + "）」は\nWindowsの予約名なので使用できません";
}

std::string DeleteQuestion(const std::string& setName) {
  return AboutTheSet(setName, "削除しますか？\n");
}

std::string NotLoadedMessage(const std::string& setName) {
  return AboutTheSet(setName, "読み込めませんでした");
}

std::string NotDeletedMessage(const std::string& setName) {
  return AboutTheSet(setName, "削除できませんでした");
}

}  // namespace settings
