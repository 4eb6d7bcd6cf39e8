// Shows the sample form for a screenshot; closes itself after the given seconds (default 30).
#include <windows.h>

#include <cstdlib>

#include "common/win/seams.h"
#include "tests/windows/ui/sample_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const int seconds = commandLine && *commandLine ? atoi(commandLine) : 30;
  SetApplicationTitle("見本");
  SampleForm form;
  form.SetLeft(40);
  form.SetTop(40);
  form.SetMenuBar(
      {{"ファイル(&F)",
        {{"連携するMT4(&M)", nullptr}, {"-", nullptr}, {"終了(&X)", [&] { form.Close(); }}}},
       {"ヘルプ(&H)", {{"ﾊﾞｰｼﾞｮﾝ情報(&V)", nullptr}}}});
  form.txtPending.SetColor(0xFFFFAA);
  form.cmbSetName.SetColor(ui::kYellow);
  form.chkFront.SetColor(ui::kYellow);
  form.trkOffset.SetHint("+5");
  // A borderless form with large labels, as a splash has.
  ui::Form splash({.caption = "あなたの夢をGET",
                   .left = 380,
                   .top = 40,
                   .clientWidth = 442,
                   .clientHeight = 160,
                   .border = ui::FormBorder::None,
                   .color = ui::kLime});
  ui::Label big(splash, {.text = "裁量トレードも、一発注文！！",
                         .left = 32,
                         .top = 16,
                         .textColor = ui::kYellow,
                         .font = {.height = 29}});
  ui::Label fancy(splash, {.text = "トレードQuorvex",
                           .left = 96,
                           .top = 60,
                           .textColor = ui::kRed,
                           .font = {.height = 29, .bold = true, .italic = true}});
  ui::Label grey(splash, {.text = "メタトレーダーMT4　",
                          .left = 32,
                          .top = 104,
                          .textColor = ui::kColor3DLight,
                          .font = {.height = 29, .italic = true}});
  splash.onClick = [&] { splash.Close(); };
  splash.Show();
  splash.Repaint();
  ui::Timer quit(form, {.interval = static_cast<UINT>(seconds) * 1000});
  quit.onTimer = [&] { form.Close(); };
  ui::SetMainForm(&form);
  return ui::RunMessageLoop();
}
