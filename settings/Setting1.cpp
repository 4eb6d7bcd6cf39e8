#include "settings/Setting1.h"

#include <cstring>
#include <utility>

#include "common/channel_names.h"
#include "common/colours.h"
#include "common/win/codepage.h"
#include "common/win/folders.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "settings/core/input_filters.h"
#include "settings/core/ladder_hints.h"
#include "settings/core/read_write_button.h"
#include "settings/core/set_files.h"
#include "settings/core/setting_layout.h"
#include "settings/core/settings_file_text.h"
#include "settings/core/settings_map_text.h"
#include "ui/app.h"
#include "ui/flash_control.h"

TSetting* Setting = nullptr;

namespace {

constexpr COLORREF kDifferent = ui::kYellow;
constexpr COLORREF kFlashColour = ui::kYellow;
constexpr char kReadOk[] = "ReadOK";
constexpr char kSendOk[] = "SendOK";

COLORREF LayoutColour(uint32_t colour) {
  return colour == settings::kNoLayoutColour ? ui::kNoColor : static_cast<COLORREF>(colour);
}

// The edit as the change handler of the core sees it.
class EditAdapter : public settings::EditText {
 public:
  explicit EditAdapter(ui::Edit& edit) : edit_(edit) {}
  std::string Text() const override { return edit_.Text(); }
  void SetText(const std::string& text) override { edit_.SetText(text); }

 private:
  ui::Edit& edit_;
};

}  // namespace

TSetting::TSetting(settings::SettingsHost host)
    : Form({.caption = "Setting",
            .width = 360,
            .height = 398,
            .border = ui::FormBorder::Single,
            .maximizeBox = false,
            .color = common::kConsoleFormColour}),
      cmdEASetting(*this, {.text = "EA に送信",
                           .left = 8,
                           .top = 5,
                           .width = 65,
                           .height = 23,
                           .hint = "EAに値を設定します",
                           .textColor = 0xFF0080}),
      lblSetName(*this, {.text = " 設定名", .left = 80, .top = 8}),
      // Ends where the read button begins (120 + 184 = 304): one pixel more would put the edge
      // of its drop-down button under that button.
      cmbSetName(*this, {.text = "標準設定", .left = 120, .top = 5, .width = 184, .height = 200},
                 {"標準設定"}),
      cmdReadWrite(*this, {.text = "読込",
                           .left = 304,
                           .top = 5,
                           .width = 33,
                           .height = 23,
                           .hint = "「Ctrl」を押すと保存モード、「Ctrl+Shift」を押す場合削除モード",
                           .textColor = ui::kBlue}),
      host_(std::move(host)),
      tmrReadWrite(*this, {.interval = 500}) {
  BuildRowControls();
  cmdEASetting.onClick = [this] { cmdEASettingClick(); };
  cmdReadWrite.onClick = [this] { cmdReadWriteClick(); };
  tmrReadWrite.onTimer = [this] { tmrReadWriteTimer(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  FormCreate();
}

TSetting::~TSetting() = default;

// The four ladder groups, then the table's controls in tab order, each after its labels.
void TSetting::BuildRowControls() {
  const settings::SettingsLayout& layout = settings::SettingsWindowLayout();
  for (const settings::GroupLayout& g : layout.groups)
    rowControls_.push_back(
        std::make_unique<ui::GroupBox>(*this, ui::ControlArgs{.text = g.caption,
                                                              .left = g.left,
                                                              .top = g.top,
                                                              .width = g.width,
                                                              .height = g.height}));
  for (const settings::ControlLayout& place : layout.controls) {
    const settings::SettingRow& row = settings::SettingRows()[place.row];
    for (const settings::LayoutLabel& l : place.labels)
      rowControls_.push_back(std::make_unique<ui::Label>(
          *this, ui::ControlArgs{.text = l.text,
                                 .left = l.left,
                                 .top = l.top,
                                 .hint = l.hint,
                                 .textColor = LayoutColour(l.textColour)}));
    const ui::ControlArgs args{
        .text = row.kind == settings::ControlKind::kCheckBox ? place.caption : row.startText,
        .left = place.left,
        .top = place.top,
        .width = place.width,
        .height = place.height,
        .hint = place.hint,
        .textColor = LayoutColour(place.textColour)};
    const int r = place.row;
    if (row.kind == settings::ControlKind::kCheckBox) {
      auto box = std::make_unique<ui::CheckBox>(*this, args);
      box->onClick = [this, r] { SettingCheckBoxClick(r); };
      checks_[r] = box.get();
      rowControls_.push_back(std::move(box));
    } else {
      auto edit = std::make_unique<ui::Edit>(
          *this, args, ui::EditOptions{.inputMethod = row.filter == settings::FilterKind::kNone});
      edit->onChange = [this, r] { SettingEditChange(r); };
      if (row.hint != settings::HintKind::kNone)
        edit->onMouseMove = [this, r](int, int) { LadderEditMouseMove(r); };
      edits_[r] = edit.get();
      rowControls_.push_back(std::move(edit));
    }
  }
}

void TSetting::FormCreate() {
  host_.settingMap.Open(common::kSettingMapName, common::kSettingMapSize, common::kSettingMapSize);
}

std::string TSetting::SettingsFolder() const {
  return settings::SettingsFolderPath(host_.exeFolder);
}

void TSetting::FormShow() {
  const std::string folder = SettingsFolder();
  EnsureFolder(folder);
  RefillSetNameList(folder);
  cmbSetName.SetText(host_.lastSetName);
}

void TSetting::StopReadBack() {
  tmrReadWrite.SetEnabled(false);
}

void TSetting::FormClose() {
  host_.lastSetName = cmbSetName.Text();
}

std::string TSetting::ControlValue(int row) const {
  if (checks_[row]) return CheckBoxOf(row).Checked() ? "1" : "0";
  return EditOf(row).Text();
}

// ---- Editing -------------------------------------------------------------------------------

void TSetting::SettingEditChange(int row) {
  ui::Edit& control = EditOf(row);
  const std::string typed = control.Text();
  const int caret = control.Caret();
  EditAdapter edit(control);
  settings::EditChanged(row, edit, SettingTable, CurrentSlot());
  // Setting the cleaned text put the caret at the start, where the next key would land.
  if (control.Text() != typed)
    control.PlaceCaret(settings::CaretAfterCleaning(typed, caret, control.Text()));
}

void TSetting::SettingCheckBoxClick(int row) {
  settings::CheckBoxChanged(row, CheckBoxOf(row).Checked(), SettingTable, CurrentSlot());
}

// ---- Hints ---------------------------------------------------------------------------------

float TSetting::PipValueFactor() const {
  return settings::PipValueFactor(host_.lotChoice());
}

void TSetting::LadderEditMouseMove(int row) {
  const settings::LadderInputs in =
      settings::ReadLadderInputs([this](int r) { return EditOf(r).Text(); });
  EditOf(row).SetHint(settings::LadderHint(row, in, PipValueFactor()));
}

// ---- Sending and read-back -----------------------------------------------------------------

namespace {

settings::ControlValues ControlValuesOf(const TSetting& window) {
  settings::ControlValues values;
  for (int row : settings::ControlRowOrder()) values[row] = window.ControlValue(row);
  return values;
}

}  // namespace

std::string TSetting::BuildSettingsMapText() {
  return settings::BuildSettingsMapText(ControlValuesOf(*this), cmbSetName.Text(), PipValueFactor(),
                                        host_.dataPath);
}

void TSetting::cmdEASettingClick() {
  // Without the map nothing is sent, so the status must not claim it was (no SendOK).
  if (!host_.settingMap.IsOpen()) return;
  // The lock is held while the text is built, so the expert never reads a half-sent set. A
  // text too long for the map leaves the last whole one in place.
  bool sent = false;
  host_.settingMap.Locked([this, &sent](char* view, size_t size) {
    const std::string text = BuildSettingsMapText();
    if (!settings::FitsSettingsMap(text, size)) return;
    std::memset(view, 0, size);
    std::memcpy(view, text.data(), text.size());
    sent = true;
  });
  if (!sent) {
    ShowPlainMessage(Handle(),
                     settings::SettingsTooLongMessage(ControlValuesOf(*this), cmbSetName.Text()));
    return;
  }
  if (host_.settingStatus == kReadOk) host_.settingStatus = kSendOk;
}

void TSetting::MarkAgreement(ui::Window& control, bool agrees, COLORREF agreeColour) {
  const COLORREF colour = agrees ? agreeColour : kDifferent;
  if (control.Color() != colour) control.SetColor(colour);
}

bool TSetting::ReadBackSettingsMap() {
  const settings::ReadBackText back =
      settings::ParseReadBackText(host_.settingMap.ReadText(common::kSettingMapSize - 1));
  for (const settings::ReadBackEntry& e : back.entries) {
    if (e.row == settings::kReadBackSetName) {
      MarkAgreement(cmbSetName, cmbSetName.Text() == e.value, ui::kColorWindow);
    } else if (checks_[e.row]) {
      MarkAgreement(CheckBoxOf(e.row), settings::ControlAgrees(e.row, ControlValue(e.row), e.value),
                    common::kConsoleFormColour);
    } else {
      MarkAgreement(EditOf(e.row), settings::ControlAgrees(e.row, ControlValue(e.row), e.value),
                    ui::kColorWindow);
    }
  }
  return back.header;
}

void TSetting::tmrReadWriteTimer() {
  if (!Visible()) return;
  tmrReadWrite.SetEnabled(false);
  const bool individual = CheckBoxOf(settings::kRowIndividualLossCut).Checked();
  EditOf(settings::kRowMaxStoppLimmite).SetEnabled(!individual);
  for (int level = 0; level <= settings::kLadderLevels; ++level)
    EditOf(settings::LossRow(level)).SetEnabled(individual);

  const settings::ReadWriteMode mode =
      settings::ModeForKeys(IsKeyDown(VK_SHIFT), IsKeyDown(VK_CONTROL), IsKeyDown(VK_DELETE));
  if (cmdReadWrite.Text() != settings::ModeCaption(mode))
    cmdReadWrite.SetText(settings::ModeCaption(mode));
  if (cmdReadWrite.TextColor() != settings::ModeFontColour(mode))
    cmdReadWrite.SetTextColor(settings::ModeFontColour(mode));

  ReadBackSettingsMap();
  tmrReadWrite.SetEnabled(true);
}

// ---- Named parameter sets ------------------------------------------------------------------

void TSetting::ResetSettingsTable() {
  settings::ResetSettingsTable(SettingTable);
}

void TSetting::TableToControls() {
  const int slot = CurrentSlot();
  for (int row : settings::ControlRowOrder()) {
    const std::string cell = SettingTable.Cell(row, slot);
    if (checks_[row])
      CheckBoxOf(row).SetChecked(cell == "1");
    else
      EditOf(row).SetText(cell);
  }
}

void TSetting::ControlsToTable() {
  const int slot = CurrentSlot();
  for (int row : settings::ControlRowOrder()) SettingTable.Cell(row, slot) = ControlValue(row);
}

void TSetting::ScanSettingFiles(const std::string& folder, int depthLimit) {
  ++ScanDepth;
  std::string dir = folder;
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  ui::ProcessMessages();
  std::vector<std::string> subfolders;
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW(SjisToWide(dir + "\\*.*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      // A name that cannot be written in Shift-JIS could be neither loaded nor deleted.
      const std::optional<std::string> exact = WideToSjisExact(found.cFileName);
      if (!exact) continue;
      const std::string& name = *exact;
      std::string setName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        subfolders.push_back(name);
      else if (settings::SetNameOfFile(name, &setName))
        cmbSetName.AddItem(setName);
      ui::ProcessMessages();
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  if (ScanDepth < depthLimit)
    for (const std::string& sub : subfolders) ScanSettingFiles(dir + "\\" + sub + "\\", depthLimit);
  --ScanDepth;
}

void TSetting::RefillSetNameList(const std::string& folder) {
  cmbSetName.ClearItems();
  cmbSetName.SetText("");
  ScanSettingFiles(folder, 1);
}

void TSetting::cmdReadWriteClick() {
  const std::string folder = SettingsFolder();
  EnsureFolder(folder);
  const std::string name = cmbSetName.Text();
  if (name.empty()) return;
  tmrReadWrite.SetEnabled(false);
  // Every action refuses the same names, so none of them reads, writes or deletes anything
  // but a set file in the settings folder.
  const std::string refusal = settings::SetNameRefusal(name);
  const std::string path = settings::SetFilePath(folder, name);
  const settings::ReadWriteMode mode = settings::ModeOfCaption(cmdReadWrite.Text());
  if (!refusal.empty()) {
    ShowPlainMessage(Handle(), refusal);
    ui::FlashControl(kFlashColour, cmbSetName);
  } else if (mode == settings::ReadWriteMode::kSave) {
    SaveSet(folder, name, path);
  } else if (mode == settings::ReadWriteMode::kLoad) {
    LoadSet(name, path);
  } else if (mode == settings::ReadWriteMode::kDelete) {
    DeleteSet(folder, name, path);
  }
  tmrReadWrite.SetEnabled(true);
}

namespace {

int AskYesNo(HWND owner, const std::string& question) {
  return ShowMessageBox(owner, question, settings::kSetQuestionCaption,
                        MB_YESNO | MB_SYSTEMMODAL | MB_TOPMOST);
}

}  // namespace

void TSetting::SaveSet(const std::string& folder, const std::string& name,
                       const std::string& path) {
  if (FileExists(path) && AskYesNo(Handle(), settings::OverwriteQuestion(name)) != IDYES) return;
  ControlsToTable();
  // The new text replaces the file in one step: a failed write keeps the set that was there,
  // and the trader must know that the set on disk is not the one on screen.
  const bool saved = WriteTextFile(settings::BuildSettingsFileText(SettingTable), path);
  RefillSetNameList(folder);
  cmbSetName.SetText(name);
  if (!saved) ShowPlainMessage(Handle(), settings::NotSavedMessage(name));
}

void TSetting::LoadSet(const std::string& name, const std::string& path) {
  if (!FileExists(path)) {
    ShowPlainMessage(Handle(), settings::kMissingSetMessage);
    ui::FlashControl(kFlashColour, cmbSetName);
    return;
  }
  // A set that could not be read, or holds no setting, is not shown as loaded: the trader
  // would send the expert defaults he never chose.
  std::string text;
  if (!TryReadTextFile(path, text)) return;  // the "File Error" box said so
  const settings::SettingTable before = SettingTable;
  ResetSettingsTable();
  if (settings::ParseSettingsText(text, SettingTable).settingLines == 0) {
    SettingTable = before;
    ShowPlainMessage(Handle(), settings::NotLoadedMessage(name));
    ui::FlashControl(kFlashColour, cmbSetName);
    return;
  }
  TableToControls();
  host_.settingStatus = kReadOk;
}

void TSetting::DeleteSet(const std::string& folder, const std::string& name,
                         const std::string& path) {
  if (!FileExists(path) || AskYesNo(Handle(), settings::DeleteQuestion(name)) != IDYES) return;
  const bool deleted = DeleteFileAt(path);
  RefillSetNameList(folder);
  if (deleted) return;
  // The set is still there: its name stays in the box, and the trader learns why.
  cmbSetName.SetText(name);
  ShowPlainMessage(Handle(), settings::NotDeletedMessage(name));
}
