// One run of the console program: what its windows share. WinMain owns it and hands it to
// every window it creates, so that no window reaches into another for the maps, the
// configuration, the settings status or the lot choice.
#pragma once

#include <functional>
#include <string>

#include "common/lot_choice.h"
#include "common/win/shared_text_map.h"
#include "console/core/console_config.h"
#include "settings/session/settings_host.h"

struct ConsoleSession {
  std::string ExeFolder;       // ends in "\"
  std::string WindowsFolder;   // ends in "\"
  std::string MarkerPagePath;  // ExeFolder + "TradeQuorvex.htm"
  float OwnVersion = 0;
  bool UnlhaLoaded = false;
  bool RevisionDeclined = false;
  std::string LatestVersionText;  // line 1 of the version notice, set by the splash's check
  std::string UpdateArchiveUrl;   // the version notice's address line, the self-update's alone

  // The channel maps. The settings map is opened by the settings window.
  SharedTextMap CommandMap;
  SharedTextMap PriceMap;
  SharedTextMap InfoMap;
  SharedTextMap SettingMap;
  std::string SettingStatus;  // "ReadOK" after a set was loaded, "SendOK" after it was sent

  console::ConsoleConfig Config;  // what "FxQuorvex.ini" carries, read by the start timer

  // The lot buttons as they stand. They are the main window's controls, which install the
  // reading; until then (and without a main window) the first lot counts as ticked.
  std::function<common::LotChoice()> readLotChoice;
  common::LotChoice LotChoice() const {
    return readLotChoice ? readLotChoice() : common::LotChoice{true};
  }

  // What the settings window works with, taken from this session.
  settings::SettingsHost ForSettingsWindow() {
    return {ExeFolder,          SettingMap,      SettingStatus,
            Config.LastSetName, Config.DataPath, [this] { return LotChoice(); }};
  }
};
