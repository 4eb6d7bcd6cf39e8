#include "tests/windows/setup/setup_fixture.h"

#include <fstream>
#include <sstream>

#include "common/win/codepage.h"
#include "setup/terminal_discovery.h"

namespace {

std::wstring TestFolder() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace

FakeTerminal::FakeTerminal(const std::string& installFolder, bool stubborn)
    : FakeTerminal(SjisToWide(installFolder), stubborn) {}

FakeTerminal::FakeTerminal(const std::wstring& installFolder, bool stubborn) {
  const std::wstring exe = installFolder + L"\\terminal.exe";
  exePath_ = WideToSjis(exe);
  CreateDirectoryW(installFolder.c_str(), nullptr);
  CopyFileW((TestFolder() + L"fake\\terminal.exe").c_str(), exe.c_str(), FALSE);
  std::wstring commandLine = L"\"" + exe + L"\"" + (stubborn ? L" stubborn" : L"");
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi))
    return;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  WaitForInputIdle(process_, 5000);
  // Its window is what the run closes: wait until it is there.
  for (int i = 0; i < 100 && !FindTerminalWindow(pi.dwProcessId); ++i) Sleep(50);
}

FakeTerminal::~FakeTerminal() {
  if (!process_) return;
  if (Running()) TerminateProcess(process_, 99);
  WaitForSingleObject(process_, 5000);
  CloseHandle(process_);
}

bool FakeTerminal::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::string OriginBytes(const std::string& text, const std::string& mark) {
  return OriginBytes(SjisToWide(text), mark);
}

std::string OriginBytes(const std::wstring& text, const std::string& mark) {
  std::string bytes = mark;
  for (const wchar_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(SjisToWide(path).c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void SetupTest::SetUp() {
  seams_ = std::make_unique<SeamOverride>(Seams{
      .isKeyDown = nullptr,
      .messageBox =
          [this](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
            messages.push_back({owner, text, caption, flags});
            if (answer) return answer(messages.back());
            return (flags & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
          },
      .sleep = nullptr,
      .startProgram =
          [this](const std::string& path, const std::string& commandLine, DWORD) {
            started.push_back({path, commandLine});
            return start ? start(started.back()) : true;
          },
  });
  window_ = std::make_unique<TForm1>();
  Form1 = window_.get();
  form_exe_folder_ = scratch.Folder("pkg") + "\\";
  form().ExeFolder = form_exe_folder_;
  form().AppDataFolder = scratch.Folder("appdata");
  form().ReadWindowsVersion = [] { return setup::WindowsVersion{2, 10, 0}; };
}

void SetupTest::TearDown() {
  Form1 = nullptr;
  window_.reset();
  seams_.reset();
}

std::string SetupTest::MakeDataFolder(const std::string& installFolder, const std::string& id,
                                      bool withInclude) {
  const std::string data = "appdata\\MetaQuotes\\Terminal\\" + id;
  scratch.File(data + "\\origin.txt", OriginBytes(installFolder));
  scratch.Folder(data + "\\MQL4\\Experts");
  scratch.Folder(data + "\\MQL4\\Libraries");
  if (withInclude) scratch.Folder(data + "\\MQL4\\Include");
  return scratch.path() + data + "\\";
}

std::vector<std::string> SetupTest::Captions() const {
  std::vector<std::string> captions;
  for (const ShownMessage& m : messages) captions.push_back(m.caption);
  return captions;
}
