// Shows the sample form for a screenshot; closes itself after the given seconds (default 30).
#include <windows.h>

#include <cstdlib>

#include "common/win/seams.h"
#include "sample_form.h"

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
  ui::Timer quit(form, {.interval = static_cast<UINT>(seconds) * 1000});
  quit.onTimer = [&] { form.Close(); };
  ui::SetMainForm(&form);
  return ui::RunMessageLoop();
}
