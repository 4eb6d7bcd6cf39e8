// PelmoraStd108.dll loaded as the terminal loads it: by path, every function found by its
// plain name and called through the standard Windows calling convention. The signatures are
// written here again on purpose, from what the expert declares, not from the library's own
// header.
#pragma once

#include <windows.h>

#include <string>

#include "bridge/core/bar_record.h"

using bridge::BarRecord;

struct BridgeLibrary {
  using Text = const wchar_t*(__stdcall*)();
  using Accessor = double(__stdcall*)(const BarRecord*, int, int);
  using Extreme = int(__stdcall*)(const BarRecord*, int, int, int, int);
  using MaBars = double(__stdcall*)(const BarRecord*, int, int, int, int, int, int);

  HMODULE module = nullptr;
  bool(__stdcall* TradeSet)(int) = nullptr;
  Text Read_Command = nullptr;
  bool(__stdcall* Clear_Command)() = nullptr;
  bool(__stdcall* SetPrice)(double) = nullptr;
  bool(__stdcall* SetInfo)(const wchar_t*) = nullptr;
  Text ReadSetting = nullptr;
  int(__stdcall* GetTime)() = nullptr;
  Accessor fOpen = nullptr, fClose = nullptr, fHigh = nullptr, fLow = nullptr;
  Extreme fHighest = nullptr, fLowest = nullptr;
  double(__stdcall* dMAOnArray)(const double*, int, int, int, int, int) = nullptr;
  MaBars dMA = nullptr, MoA15 = nullptr, fMA = nullptr;
  double(__stdcall* dMACD)(const BarRecord*, int, int, int, int, int, int, int) = nullptr;
  double(__stdcall* dRSI)(const BarRecord*, int, int, int, int) = nullptr;
  double(__stdcall* dStochastic)(const BarRecord*, int, int, int, int, int, int, int,
                                 int) = nullptr;
  double(__stdcall* dBands)(const BarRecord*, int, int, int, int, int, int, int) = nullptr;
  double(__stdcall* fStochastic)(const BarRecord*, int, int, int, int, int, int, int,
                                 int) = nullptr;
  double(__stdcall* fEnvelopes)(const BarRecord*, int, int, int, int, int, double, int,
                                int) = nullptr;
  std::string missing;  // names GetProcAddress did not find

  BridgeLibrary() = default;
  BridgeLibrary(const BridgeLibrary&) = delete;
  BridgeLibrary& operator=(const BridgeLibrary&) = delete;
  ~BridgeLibrary() { Unload(); }

  bool Load(const std::wstring& path) {
    module = LoadLibraryW(path.c_str());
    if (!module) return false;
    Find(TradeSet, "TradeSet");
    Find(Read_Command, "Read_Command");
    Find(Clear_Command, "Clear_Command");
    Find(SetPrice, "SetPrice");
    Find(SetInfo, "SetInfo");
    Find(ReadSetting, "ReadSetting");
    Find(GetTime, "GetTime");
    Find(fOpen, "fOpen");
    Find(fClose, "fClose");
    Find(fHigh, "fHigh");
    Find(fLow, "fLow");
    Find(fHighest, "fHighest");
    Find(fLowest, "fLowest");
    Find(dMAOnArray, "dMAOnArray");
    Find(dMA, "dMA");
    Find(MoA15, "MoA15");
    Find(dMACD, "dMACD");
    Find(dRSI, "dRSI");
    Find(dStochastic, "dStochastic");
    Find(dBands, "dBands");
    Find(fStochastic, "fStochastic");
    Find(fMA, "fMA");
    Find(fEnvelopes, "fEnvelopes");
    return missing.empty();
  }

  void Unload() {
    if (module) FreeLibrary(module);
    module = nullptr;
  }

 private:
  template <class Fn>
  void Find(Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!fn) missing += std::string(name) + " ";
  }
};

// The library next to the test program (copied there by the build).
inline std::wstring BridgePath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"PelmoraStd108.dll";
}
