#include "common/win/seams.h"

#include <exception>
#include <vector>

#include "common/win/codepage.h"

namespace {

std::string& TitleStore() {
  static std::string title;
  return title;
}

}  // namespace

Seams RealSeams() {
  Seams s;
  s.isKeyDown = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
  s.messageBox = [](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxW(owner, SjisToWide(text).c_str(), SjisToWide(caption).c_str(), flags);
  };
  s.sleep = [](DWORD ms) { Sleep(ms); };
  s.startProgram = [](const std::string& path, const std::string& commandLine,
                      DWORD readyWithinMs) {
    std::wstring app = SjisToWide(path);
    // The program's own name comes first on its command line: programs that skip it (the C
    // runtime's argument split, Notepad) would otherwise eat the first argument.
    std::wstring cmd = L"\"" + app + L"\"" + SjisToWide(commandLine);
    std::vector<wchar_t> cmdBuffer(cmd.begin(), cmd.end());
    cmdBuffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(app.c_str(), cmdBuffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
      return false;
    // A program without a message loop (or that never gets ready) returns at the bound.
    const bool ready = readyWithinMs == 0 || WaitForInputIdle(pi.hProcess, readyWithinMs) == 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ready;
  };
  return s;
}

Seams& CurrentSeams() {
  static Seams seams = RealSeams();
  return seams;
}

SeamOverride::SeamOverride(Seams seams) : saved_(CurrentSeams()) {
  // A test replaces only what it cares about; the rest keeps its current behaviour.
  if (!seams.isKeyDown) seams.isKeyDown = saved_.isKeyDown;
  if (!seams.messageBox) seams.messageBox = saved_.messageBox;
  if (!seams.sleep) seams.sleep = saved_.sleep;
  if (!seams.startProgram) seams.startProgram = saved_.startProgram;
  CurrentSeams() = std::move(seams);
}

SeamOverride::~SeamOverride() {
  CurrentSeams() = saved_;
}

bool IsKeyDown(int virtualKey) {
  return CurrentSeams().isKeyDown(virtualKey);
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  return CurrentSeams().messageBox(owner, text, caption, flags);
}

void WaitMilliseconds(DWORD milliseconds) {
  CurrentSeams().sleep(milliseconds);
}

bool StartProgram(const std::string& path, const std::string& commandLine, DWORD readyWithinMs) {
  return CurrentSeams().startProgram(path, commandLine, readyWithinMs);
}

void SetApplicationTitle(const std::string& title) {
  TitleStore() = title;
}

const std::string& ApplicationTitle() {
  return TitleStore();
}

int ShowPlainMessage(HWND owner, const std::string& text) {
  return ShowMessageBox(owner, text, ApplicationTitle(), MB_OK);
}

int AskConfirmation(HWND owner, const std::string& text, UINT buttons) {
  return ShowMessageBox(owner, text, "確認", buttons | MB_ICONQUESTION);
}

void ShowExceptionBox(const std::string& message) {
  std::string text = message;
  if (!text.empty() && text.back() != '.') text += '.';
  ShowMessageBox(GetActiveWindow(), text, ApplicationTitle(), MB_OK | MB_ICONSTOP);
}

void ShowEscapedException() {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowExceptionBox(e.what());
  } catch (...) {
    ShowExceptionBox("");
  }
}
