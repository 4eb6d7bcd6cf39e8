#include "console/web_browser.h"

#include <exdisp.h>
#include <ole2.h>

#include "common/win/codepage.h"
#include "common/win/seams.h"

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// The host library stays loaded for the life of the program: its window class lives in it.
struct AtlLibrary {
  AtlAxGetControlFn getControl = nullptr;
  bool ready = false;
};

const AtlLibrary& Atl() {
  static const AtlLibrary atl = [] {
    AtlLibrary a;
    HMODULE module = LoadLibraryW(L"atl.dll");
    if (!module) return a;
    auto init = reinterpret_cast<AtlAxWinInitFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxWinInit")));
    a.getControl = reinterpret_cast<AtlAxGetControlFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "AtlAxGetControl")));
    a.ready = init && a.getControl && init();
    return a;
  }();
  return atl;
}

std::string ErrorText(HRESULT hr) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text ? WideToSjis(text) : std::string();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  if (message.empty()) {
    char code[32];
    wsprintfA(code, "OLE error %08X", static_cast<unsigned>(hr));
    message = code;
  }
  return message;
}

}  // namespace

WebBrowserHost::~WebBrowserHost() {
  if (browser_) browser_->Release();
}

bool WebBrowserHost::Create(HWND parent, int left, int top, int width, int height) {
  // The control needs OLE on this thread; the count it keeps is never given back, as the
  // window thread lives as long as the program.
  OleInitialize(nullptr);
  if (!Atl().ready) return false;
  window_ = CreateWindowExW(0, L"AtlAxWin", L"Shell.Explorer", WS_CHILD | WS_VISIBLE, left, top,
                            width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  IUnknown* control = nullptr;
  if (SUCCEEDED(Atl().getControl(window_, &control)) && control) {
    control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_));
    control->Release();
  }
  return browser_ != nullptr;
}

void WebBrowserHost::Navigate(const std::string& address, long flags) {
  lastAddress_ = address;
  lastFlags_ = flags;
  if (!browser_) return;
  VARIANT url;
  VariantInit(&url);
  url.vt = VT_BSTR;
  url.bstrVal = SysAllocString(SjisToWide(address).c_str());
  VARIANT flagsValue;
  VariantInit(&flagsValue);
  flagsValue.vt = VT_I4;
  flagsValue.lVal = flags;
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT hr = browser_->Navigate2(&url, &flagsValue, &empty, &empty, &empty);
  VariantClear(&url);
  if (FAILED(hr)) ShowExceptionBox(ErrorText(hr));
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
}
