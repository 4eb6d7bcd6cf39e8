// Whole-file read and write of the system's text files. Paths are Shift-JIS texts.
#pragma once

#include <string>

inline constexpr char kFileErrorText[] =
    "Can't perform one of the following file operations: Open, Seek, Read, Close.";
inline constexpr char kFileErrorCaption[] = "File Error";

bool FileExists(const std::string& path);    // a file, not a folder
bool FolderExists(const std::string& path);  // a folder
bool DeleteFileAt(const std::string& path);  // a read-only file too
// Takes the read-only mark off a file that carries it.
void ClearReadOnly(const std::wstring& path);

// The whole content, every byte; false when the file cannot be opened or read (nothing shown).
bool ReadFileBytes(const std::string& path, std::string& bytes);
// The "File Error" box of a file that exists but cannot be read, or cannot be written.
void ReportFileError();

// The whole content up to its first NUL; empty when the file does not exist. A file that
// exists but cannot be read shows the "File Error" box and gives the empty text.
std::string ReadTextFile(const std::string& path);
// The same read, telling a file that could not be read (false, after the "File Error" box)
// from one that is empty or missing (true). A file that another program holds for a moment
// is tried `retries` more times, `pauseMs` apart, before the box is shown.
[[nodiscard]] bool TryReadTextFile(const std::string& path, std::string& text, int retries = 0,
                                   unsigned pauseMs = 0);

// A new empty file with a unique name in the folder of `target`, where the new content of the
// target is written before it takes the target's place; empty when none can be made there.
std::wstring NewFileBeside(const std::wstring& target);
// Puts the finished file `finished` in the place of `target` in one step (a read-only or hidden
// old target goes too); on failure the target stays as it was and `finished` is left for the
// caller to remove.
bool ReplaceFileBy(const std::wstring& finished, const std::wstring& target);

// Replaces the file by the bytes of the text. The new text goes to a temporary file in the
// same folder first and then replaces the old file in one step, so a failed write leaves the
// old file as it was (and no temporary file behind). Returns false on failure, which each
// caller must weigh: a file the user asked for is worth a message, a by-product may not be.
[[nodiscard]] bool WriteTextFile(const std::string& text, const std::string& path,
                                 bool hidden = false);
