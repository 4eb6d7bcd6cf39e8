// A form with one control of each kind, used by the tests and by the sample program.
#pragma once

#include "ui/app.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

class SampleForm : public ui::Form {
 public:
  SampleForm();

  ui::GroupBox grpLot{*this, {.text = "ロット数", .left = 8, .top = 8, .width = 120, .height = 92}};
  ui::RadioButton rdo1{
      *this, {.text = "基準×1", .left = 16, .top = 26, .width = 100, .height = 18}, true};
  ui::RadioButton rdo2{*this,
                       {.text = "基準×2", .left = 16, .top = 46, .width = 100, .height = 18}};
  ui::RadioButton rdo3{*this,
                       {.text = "基準×3", .left = 16, .top = 66, .width = 100, .height = 18}};
  ui::Button cmdBuy{*this, {.text = "BUY", .left = 136, .top = 12, .width = 60, .height = 25}};
  ui::Button cmdSend{*this,
                     {.text = "EA に送信",
                      .left = 136,
                      .top = 42,
                      .width = 65,
                      .height = 23,
                      .hint = "EAに値を設定します",
                      .textColor = 0xFF0080}};
  ui::Button cmdUp{
      *this,
      {.text = "▲", .left = 206, .top = 12, .width = 15, .height = 11, .textColor = ui::kLime},
      ui::ButtonLook::FlatArrow};
  ui::Button cmdDown{
      *this,
      {.text = "▼", .left = 206, .top = 24, .width = 15, .height = 11, .textColor = ui::kOlive},
      ui::ButtonLook::FlatArrow};
  ui::CheckBox chkFront{*this,
                        {.text = "最前面", .left = 136, .top = 72, .width = 80, .height = 18}};
  ui::CheckBox chkBlue{*this,
                       {.text = "最前面に表示",
                        .left = 136,
                        .top = 92,
                        .width = 100,
                        .height = 18,
                        .textColor = ui::kBlue}};
  ui::Edit txtPrice{*this,
                    {.text = "1.23450", .left = 8, .top = 110, .width = 80, .height = 21},
                    {.inputMethod = false}};
  ui::Edit txtPending{*this,
                      {.text = "Nothing", .left = 96, .top = 110, .width = 80, .height = 21},
                      {.readOnly = true}};
  ui::Label lblNote{*this, {.text = "←現在価格 ｶﾀｶﾅ", .left = 184, .top = 114}};
  ui::ComboBox cmbSetName{*this,
                          {.text = "標準設定", .left = 8, .top = 140, .width = 120, .height = 21},
                          {"標準設定", "ソース表"}};
  ui::ListBox lstTitles{*this, {.left = 136, .top = 140, .width = 100, .height = 40}};
  ui::TrackBar trkOffset{
      *this,
      {.left = 250, .top = 8, .width = 40, .height = 180},
      {.min = 0, .max = 100, .position = 50, .vertical = true, .ticksBothSides = true}};
  ui::ProgressBar prgDownload{*this, {.left = 8, .top = 190, .width = 228, .height = 8}};
  ui::Panel pnlTop{*this, {.left = 0, .top = 204, .width = 300, .height = 22}};
  ui::CheckBox chkNoVisible{*this,
                            {.text = "次回から表示しない",
                             .left = 4,
                             .top = 206,
                             .width = 130,
                             .height = 18,
                             .textColor = ui::kGreen}};
  ui::Edit memConvert{*this,
                      {.left = 584, .top = 40, .width = 100, .height = 40, .visible = false},
                      {.multiLine = true}};
  ui::Timer tmrTick{*this, {.interval = 20, .enabled = false}};
};
