// The four shared maps between the console and the bridge: names, the sizes each side
// creates them with, and the lengths of the texts they carry.
#pragma once

#include <cstdint>

namespace common {

inline constexpr char kCommandMapName[] = "_MapName_Mt4PelmoraStd";
inline constexpr char kPriceMapName[] = "_MapName_Mt4ManualPrice";
inline constexpr char kInfoMapName[] = "_MapName_Mt4KzvStdInfo";
inline constexpr char kSettingMapName[] = "_MapName_Mt4KzvStdSetting";

// Each map's lock is a named mutex: the map's name followed by this suffix.
inline constexpr char kMapLockSuffix[] = "_Lock";

inline constexpr uint32_t kConsoleMapSize = 1024;  // command, price, info (console side)
inline constexpr uint32_t kSettingMapSize = 2048;  // settings map (settings editor side)
inline constexpr uint32_t kBridgeMapSize = 2048;   // every map on the bridge side

inline constexpr uint32_t kPriceTextRead = 7;      // the console reads 7 bytes of the price
inline constexpr uint32_t kConsoleTextMax = 1023;  // command and info texts without the NUL

}  // namespace common
