// The settings window: edits the expert's averaging ladder, trailing and loss-cut settings,
// keeps them as named parameter sets beside the program, sends them to the expert through the
// settings map and marks in yellow what differs from what the expert holds.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "settings/core/setting_table.h"
#include "settings/session/settings_host.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

class TSetting : public ui::Form {
 public:
  explicit TSetting(settings::SettingsHost host);
  ~TSetting() override;

  // Events.
  void FormCreate();
  void FormShow();
  void FormClose();
  void cmdEASettingClick();
  void cmdReadWriteClick();
  void tmrReadWriteTimer();
  // Stops the read-back for good (the main window closes).
  void StopReadBack();
  // The change handler of every edit, the click handler of every check box and the
  // mouse-move handler of every hinted ladder edit, each for the control of a table row.
  void SettingEditChange(int row);
  void SettingCheckBoxClick(int row);
  void LadderEditMouseMove(int row);

  // The settings text as the controls stand.
  std::string BuildSettingsMapText();
  // Colours the controls that differ from the settings map; true when its header was seen.
  bool ReadBackSettingsMap();

  void ScanSettingFiles(const std::string& folder, int depthLimit);
  void RefillSetNameList(const std::string& folder);
  void ResetSettingsTable();
  void TableToControls();
  void ControlsToTable();
  int CurrentSlot() const { return 0; }
  // The console's lot multiple (1, 2, 3, 5, 10, 20; 0 when no lot button is ticked).
  float PipValueFactor() const;
  // "TradeQuorvex設定" beside the program, without a trailing backslash.
  std::string SettingsFolder() const;

  // The control of a table row (an edit or a check box as the row says).
  ui::Edit& EditOf(int row) const { return *edits_[row]; }
  ui::CheckBox& CheckBoxOf(int row) const { return *checks_[row]; }
  // What the control of a row holds: "1" or "0" for a check box, an edit's text.
  std::string ControlValue(int row) const;

  ui::Button cmdEASetting;
  ui::Label lblSetName;
  ui::ComboBox cmbSetName;
  ui::Button cmdReadWrite;

 private:
  void BuildRowControls();
  void SaveSet(const std::string& folder, const std::string& name, const std::string& path);
  void LoadSet(const std::string& name, const std::string& path);
  void DeleteSet(const std::string& folder, const std::string& name, const std::string& path);
  void MarkAgreement(ui::Window& control, bool agrees, COLORREF agreeColour);

  std::vector<std::unique_ptr<ui::Control>> rowControls_;  // groups, labels, edits, check boxes
  std::array<ui::Edit*, settings::kSettingRowCount> edits_{};
  std::array<ui::CheckBox*, settings::kSettingRowCount> checks_{};

  settings::SettingsHost host_;

 public:
  ui::Timer tmrReadWrite;
  settings::SettingTable SettingTable;
  int ScanDepth = 0;
};

// The settings window of the running console.
extern TSetting* Setting;
