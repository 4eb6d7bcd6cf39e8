#include "settings/Setting1.h"

#include "common/channel_names.h"
#include "console/convert.h"

TSetting* Setting = nullptr;

namespace {

ui::FormArgs SettingArgs() {
  ui::FormArgs args;
  args.caption = "Setting";
  args.width = 360;
  args.height = 398;
  args.border = ui::FormBorder::Single;
  args.maximizeBox = false;
  args.color = 0xFFCCCC;
  return args;
}

}  // namespace

TSetting::TSetting() : Form(SettingArgs()) {
  FormCreate();
}

void TSetting::FormCreate() {
  if (conv) conv->SettingMap.Open(kSettingMapName, kSettingMapSize, kSettingMapSize);
}

void TSetting::StopReadBack() {}
