// Handlers of the main window whose work belongs to the configuration file, the terminal link,
// the help menu and the news. Each moves to a file of its own when that work is built; until
// then they do nothing (a dropped item is only released).
#include "console/convert.h"

void Tconv::WriteIni() {}
void Tconv::OnDropFiles(HDROP drop) {
  DragFinish(drop);
}
void Tconv::mnuMT4FolderClick() {}
void Tconv::cmdExecTerminalClick() {}
void Tconv::mnuUSEClick() {}
void Tconv::mnuVERClick() {}
void Tconv::mnuReadMeClick() {}
void Tconv::mnuNewsClick() {}
