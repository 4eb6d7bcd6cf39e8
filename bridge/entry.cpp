// Library entry: TA-Lib, the stale debug file and the four channel maps, once per process.
#include <ta_func.h>
#include <windows.h>

#include <string>

#include "bridge/channel_maps.h"
#include "bridge/thread_texts.h"
#include "common/channel_names.h"

// The C++ runtime's reserve for exceptions thrown when memory runs out, taken at load; the
// runtime itself never frees it, which would cost every unload of this library its size.
namespace __gnu_cxx {
void __freeres() noexcept;  // NOLINT(bugprone-reserved-identifier): the runtime's own name
}

namespace {

// Built before the entry runs and destroyed after it; closing twice is harmless.
SharedTextMap gMaps[4];

SharedTextMap& MapOf(Channel channel) {
  return gMaps[static_cast<int>(channel)];
}

const char* NameOf(Channel channel) {
  switch (channel) {
    case Channel::Command:
      return common::kCommandMapName;
    case Channel::Price:
      return common::kPriceMapName;
    case Channel::Setting:
      return common::kSettingMapName;
    case Channel::Info:
      return common::kInfoMapName;
  }
  return "";
}

// The library of an installation sits in <data folder>\MQL4\Libraries; the strategy tester's
// files folder of the same installation is <data folder>\tester\files. A library loaded from
// anywhere else has no such installation, and no file of anyone's is deleted.
std::wstring DebugFilePath(HINSTANCE instance) {
  wchar_t module[MAX_PATH];
  const DWORD n = GetModuleFileNameW(instance, module, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::wstring folder(module, n);
  // Cuts the last piece of the path, which has to be name (in any case) when one is given.
  const auto cut = [&folder](const wchar_t* name) {
    const size_t slash = folder.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash == 0) return false;
    const bool matches =
        !name || CompareStringOrdinal(folder.c_str() + slash + 1, -1, name, -1, TRUE) == CSTR_EQUAL;
    folder.resize(slash);
    return matches;
  };
  if (!cut(nullptr) || !cut(L"Libraries") || !cut(L"MQL4")) return {};
  return folder + L"\\tester\\files\\debug.txt";
}

void DeleteDebugFile(HINSTANCE instance) {
  const std::wstring path = DebugFilePath(instance);
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  CloseHandle(file);
  DeleteFileW(path.c_str());
}

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    AttachThreadTexts();
    TA_Initialize();
    DeleteDebugFile(instance);
    for (Channel channel : kChannels) OpenChannelMap(channel);
  } else if (reason == DLL_PROCESS_DETACH) {
    TA_Shutdown();
    for (Channel channel : kChannels) CloseChannelMap(channel);
    DetachThreadTexts(reserved != nullptr);  // non-null when the whole process is ending
    if (!reserved) __gnu_cxx::__freeres();
  } else if (reason == DLL_THREAD_DETACH) {
    ReleaseThreadTexts();
  }
  return TRUE;
}

}  // namespace

void OpenChannelMap(Channel channel) {
  MapOf(channel).Open(NameOf(channel), common::kBridgeMapSize, common::kBridgeMapSize);
}

void CloseChannelMap(Channel channel) {
  MapOf(channel).Close();
}

SharedTextMap& ChannelMap(Channel channel) {
  return MapOf(channel);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return DllEntryPoint(instance, reason, reserved);
}
