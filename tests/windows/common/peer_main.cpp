// A second process for the tests that need two: it claims the single-instance mutex, serves
// or checks a shared map, or holds a map's lock, as the test's command line asks.
#include <windows.h>

#include <string>

#include "common/channel_names.h"
#include "common/win/codepage.h"
#include "common/win/shared_text_map.h"
#include "common/win/single_instance.h"

using namespace common;

namespace {

HANDLE Event(const std::wstring& name) {
  return CreateEventW(nullptr, TRUE, FALSE, name.c_str());
}

constexpr DWORD kPatience = 20000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 3;
  const std::wstring mode = argv[1];
  if (mode == L"claim" && argc == 4) {
    HANDLE mutex = ClaimSingleInstance();
    if (!mutex) return 1;
    SetEvent(Event(argv[2]));
    WaitForSingleObject(Event(argv[3]), kPatience);
    ReleaseSingleInstance(mutex);
    return 0;
  }
  if (argc < 3) return 3;
  SharedTextMap map;
  if (!map.Open(WideToSjis(argv[2]), kBridgeMapSize, kBridgeMapSize)) return 4;
  if (mode == L"expect" && argc == 4)
    return map.ReadText(map.Size()) == WideToSjis(argv[3]) ? 0 : 2;
  if (mode == L"write" && argc == 4) {
    map.WriteText(WideToSjis(argv[3]));
    return 0;
  }
  if (mode == L"serve" && argc == 6) {
    map.WriteText(WideToSjis(argv[3]));
    SetEvent(Event(argv[4]));
    WaitForSingleObject(Event(argv[5]), kPatience);
    return 0;
  }
  if (mode == L"hold" && argc == 5) {
    map.Locked([&](char*, size_t) {
      SetEvent(Event(argv[3]));
      WaitForSingleObject(Event(argv[4]), kPatience);
    });
    return 0;
  }
  return 3;
}
