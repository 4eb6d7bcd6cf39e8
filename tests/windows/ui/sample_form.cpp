#include "tests/windows/ui/sample_form.h"

SampleForm::SampleForm()
    : Form({.caption = "表ソ見本ﾃｽﾄ",
            .width = 310,
            .height = 290,
            .maximizeBox = false,
            .color = 0xFFCCCC}) {
  lstTitles.AddItem("----------------");
  lstTitles.AddItem("MetaTrader 4 表示");
  prgDownload.SetPosition(40);
}
