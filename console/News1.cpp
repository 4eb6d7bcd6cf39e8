#include "console/News1.h"

#include "common/win/seams.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "console/web_fetch.h"
#include "ui/app.h"

Tnews* news = nullptr;

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 182;
constexpr int kPanelHeight = 22;
constexpr int kParkedLeft = 5;
constexpr BYTE kStartAlpha = 50;
constexpr int kSlideStep = 3;
constexpr BYTE kFadeStep = 5;

ui::FormArgs NewsArgs() {
  ui::FormArgs args;
  args.caption = "ニュース（Quorvex）";
  args.border = ui::FormBorder::Tool;
  args.clientWidth = kClientWidth;
  args.clientHeight = kClientHeight;
  args.minimizeBox = false;
  args.maximizeBox = false;
  return args;
}

ui::ControlArgs Coloured(ui::ControlArgs args, COLORREF colour) {
  args.textColor = colour;
  return args;
}

ui::ControlArgs Hidden(ui::ControlArgs args) {
  args.visible = false;
  return args;
}

int WorkAreaHeight() {
  const RECT area = ui::DesktopWorkArea();
  return area.bottom - area.top;
}

}  // namespace

Tnews::Tnews(ConsoleSession& session)
    : Form(NewsArgs()),
      session_(session),
      Panel1(*this, ui::At(0, 0, kClientWidth, kPanelHeight)),
      chkNoVisible(*this, Coloured(ui::At(6, 3, 130, 16, "次回から表示しない"), ui::kGreen)),
      cmdNew(*this, Coloured(ui::At(176, 1, 78, 20, "<- 新しい"), ui::kBlue)),
      cmdOld(*this, Coloured(ui::At(258, 1, 78, 20, "古い ->"), ui::kMaroon)),
      ListBox1(*this, Hidden(ui::At(0, kPanelHeight, 80, 60))) {
  wbINFO.Create(Handle(), 0, Scale(kPanelHeight), ClientWidth(),
                ClientHeight() - Scale(kPanelHeight));
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  cmdNew.onClick = [this] { cmdNewClick(); };
  cmdOld.onClick = [this] { cmdOldClick(); };
  tmrStart.onTimer = [this] { tmrStartTimer(); };
  SetAlpha(kStartAlpha);
  FormCreate();
}

void Tnews::FormCreate() {
  Park();
}

void Tnews::Park() {
  SetTop(WorkAreaHeight());
  SetLeft(Scale(kParkedLeft));
}

void Tnews::FormShow() {
  tmrStart.SetEnabled(true);
  const int count = ListBox1.ItemCount();
  if (count == 0) {
    cmdNew.Hide();
    cmdOld.Hide();
    return;
  }
  ListBox1.SetItemIndex(0);
  cmdNew.SetEnabled(false);
  cmdOld.SetEnabled(true);
  cmdNew.SetVisible(count > 1);
  cmdOld.SetVisible(count > 1);
  ShowSelectedPage();
}

void Tnews::FormClose() {
  tmrStart.SetEnabled(false);
  Park();
  session_.Config.flgNotNews = chkNoVisible.Checked() ? "1" : "0";
  if (conv) conv->WriteIni();
}

void Tnews::tmrStartTimer() {
  // Rises until it rests with its bottom at the work area's bottom, opaque from the 41st tick;
  // a later opening in the same run starts opaque and only slides.
  if (WorkAreaHeight() - Height() < Top()) SetTop(Top() - Scale(kSlideStep));
  if (Alpha() < 255) SetAlpha(static_cast<BYTE>(Alpha() + kFadeStep));
  ui::ProcessMessages();
}

void Tnews::cmdNewClick() {
  if (ListBox1.ItemCount() == 0) return;
  const int selected = ListBox1.ItemIndex();
  if (selected < 0) {
    ListBox1.SetItemIndex(0);
    ShowSelectedPage();
    return;
  }
  if (selected == 0) {
    ShowPlainMessage(Handle(), "最新です！");
    return;
  }
  ListBox1.SetItemIndex(selected - 1);
  cmdOld.SetEnabled(true);
  if (selected - 1 == 0) cmdNew.SetEnabled(false);
  ShowSelectedPage();
}

void Tnews::cmdOldClick() {
  const int count = ListBox1.ItemCount();
  if (count == 0) return;
  const int selected = ListBox1.ItemIndex();
  if (selected == count - 1) {
    ShowPlainMessage(Handle(), "最後です！");
    return;
  }
  ListBox1.SetItemIndex(selected + 1);
  if (selected + 1 == count - 1) cmdOld.SetEnabled(false);
  cmdNew.SetEnabled(true);
  ShowSelectedPage();
}

void Tnews::ShowSelectedPage() {
  const int selected = ListBox1.ItemIndex();
  if (selected < 0) return;
  wbINFO.Navigate(SiteRoot() + console::NewsPagePath(ListBox1.Item(selected)), kNavigateFresh);
  ui::ProcessMessages();
}
