#include "console/window_titles.h"

#include "common/text.h"
#include "common/win/codepage.h"

namespace {

void AddLine(HWND list, const std::string& text) {
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(text).c_str()));
}

}  // namespace

BOOL CALLBACK CollectWindowTitles(HWND window, LPARAM list) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  const std::string title = WideToSjis(buffer);
  if (common::PosMbcs("Internet Explorer", title) > 0 ||
      common::PosMbcs(kTerminalTitleMark, title) > 0) {
    AddLine(reinterpret_cast<HWND>(list), "----------------\n");
    AddLine(reinterpret_cast<HWND>(list), title);
  }
  return TRUE;
}

std::string FirstTerminalTitle(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length == LB_ERR) continue;
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(length));
    std::string text = WideToSjis(item);
    if (common::PosMbcs(kTerminalTitleMark, text) > 0) return text;
  }
  return {};
}
