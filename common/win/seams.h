// The places where the programs meet the user and the machine: key state, message boxes,
// waits and program starts. Each has the real Win32 behaviour by default; tests swap in a
// recorder with a scripted answer (SeamOverride) and drive handlers directly.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct Seams {
  std::function<bool(int virtualKey)> isKeyDown = {};
  // Returns the button pressed (IDOK, IDYES, ...). Texts are Shift-JIS.
  std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT flags)>
      messageBox = {};
  std::function<void(DWORD milliseconds)> sleep = {};
  // Starts a program. commandLine is what follows the program's quoted path on its command
  // line, as it stands (may be empty; " file" passes one file). With readyWithinMs 0 it returns
  // at once, true when the program started; otherwise it returns when the program is ready for
  // input, or that long at most, true only when it started and became ready.
  std::function<bool(const std::string& path, const std::string& commandLine, DWORD readyWithinMs)>
      startProgram = {};
};

// The seams in force (the real ones unless a test replaced them).
Seams& CurrentSeams();
// The real Win32 behaviour of every seam.
Seams RealSeams();

// Replaces the seams for one scope (tests).
class SeamOverride {
 public:
  explicit SeamOverride(Seams seams);
  ~SeamOverride();
  SeamOverride(const SeamOverride&) = delete;
  SeamOverride& operator=(const SeamOverride&) = delete;

 private:
  Seams saved_;
};

// True when the key is down at this moment (high bit of the asynchronous key state).
bool IsKeyDown(int virtualKey);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);
void WaitMilliseconds(DWORD milliseconds);
bool StartProgram(const std::string& path, const std::string& commandLine, DWORD readyWithinMs = 0);

// The application's title: the caption of plain message boxes and the exception box.
void SetApplicationTitle(const std::string& title);
const std::string& ApplicationTitle();
// A plain OK box with the application's title as caption.
int ShowPlainMessage(HWND owner, const std::string& text);
// The confirmation dialog: the question with its icon, under the caption "確認", with the
// given buttons (MB_YESNO, MB_YESNOCANCEL); returns the button pressed.
int AskConfirmation(HWND owner, const std::string& text, UINT buttons);
// The application's standard exception box: the message (with a final "." added when it has
// none) with a stop icon under the application's title.
void ShowExceptionBox(const std::string& message);
// The exception box for the exception being handled; call it only inside a catch block.
void ShowEscapedException();
