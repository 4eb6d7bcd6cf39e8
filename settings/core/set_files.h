// Named parameter sets on disk: the folder beside the program, one ".stdt" file per set
// name, the check of a name before any action on it, and the texts of the questions and
// messages.
#pragma once

#include <string>

namespace settings {

inline constexpr char kSettingsFolderName[] = "TradeQuorvex設定";
inline constexpr char kSetFileExtension[] = ".stdt";

// exeFolder ends in a backslash; the result has no trailing backslash.
std::string SettingsFolderPath(const std::string& exeFolder);
std::string SetFilePath(const std::string& settingsFolder, const std::string& setName);

// True when a character of the name is one that a file name may not hold. Double-byte
// characters count whole, so one whose second byte is a backslash is allowed.
bool HasBadFileChar(const std::string& setName);

// Why loading, saving or deleting must not touch the set of this name: the message to show,
// or the empty text when the name may be used. A forbidden character could lead outside the
// settings folder; a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1-COM9,
// LPT1-LPT9, in any case, with or without an extension) names no file at all.
std::string SetNameRefusal(const std::string& setName);

// The set name of a file name found in the settings folder: true for a ".stdt" file (the
// extension compared without regard to case), with the name less its extension.
bool SetNameOfFile(const std::string& fileName, std::string* setName);

extern const char kBadFileCharMessage[];
std::string DeviceNameMessage(const std::string& setName);
extern const char kMissingSetMessage[];
extern const char kSetQuestionCaption[];
std::string OverwriteQuestion(const std::string& setName);
std::string DeleteQuestion(const std::string& setName);
// Said when the set file could not be written (the file that was there is kept).
std::string NotSavedMessage(const std::string& setName);
// Said when the set file was read but holds no setting (the window keeps what it showed).
std::string NotLoadedMessage(const std::string& setName);
// Said when the set file could not be deleted (it is still there).
std::string NotDeletedMessage(const std::string& setName);

}  // namespace settings
