// The expert's half of the channel: commands and settings in, price and state report out.
// Map texts are Shift-JIS (code page 932) on both sides whatever the terminal's own code
// page. Every buffer belongs to the call or to the calling thread, so the terminal's threads
// never see each other's texts.
#include <cstring>
#include <ctime>
#include <string>

#include "bridge/channel_maps.h"
#include "bridge/core/local_time.h"
#include "bridge/core/published_price.h"
#include "bridge/exports.h"
#include "bridge/thread_texts.h"
#include "common/channel_names.h"
#include "common/win/codepage.h"

namespace {

// The map's text (up to its NUL, or the whole view) as UTF-16 in the thread's buffer; empty
// when the map is missing or the conversion fails.
const wchar_t* ReadMapText(Channel channel, wchar_t* buffer) noexcept {
  buffer[0] = L'\0';
  try {
    const SharedTextMap& map = ChannelMap(channel);
    const std::string text = map.ReadText(map.Size());
    if (text.empty() || text.size() > common::kBridgeMapSize) return buffer;
    const int n =
        MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), static_cast<int>(text.size()),
                            buffer, common::kBridgeMapSize);
    buffer[n > 0 ? n : 0] = L'\0';
  } catch (...) {
    buffer[0] = L'\0';
  }
  return buffer;
}

}  // namespace

extern "C" {

// Kept for the experts that call it; it changes nothing.
bool __stdcall TradeSet(int) {
  return true;
}

// Without a buffer of its own (no slot or no memory left) the caller gets an empty text,
// as from an empty map.
const wchar_t* __stdcall Read_Command() {
  ThreadTexts* texts = OwnThreadTexts();
  return texts ? ReadMapText(Channel::Command, texts->command) : L"";
}

const wchar_t* __stdcall ReadSetting() {
  ThreadTexts* texts = OwnThreadTexts();
  return texts ? ReadMapText(Channel::Setting, texts->setting) : L"";
}

bool __stdcall Clear_Command() {
  ChannelMap(Channel::Command).Locked([](char* view, size_t size) { std::memset(view, 0, size); });
  return true;
}

bool __stdcall SetPrice(double price) {
  try {
    ChannelMap(Channel::Price).WriteText(bridge::PriceText(price));
  } catch (...) {
  }
  return true;
}

// The report is converted before the lock is taken; what does not fit the map is cut so
// that its NUL still does.
bool __stdcall SetInfo(const wchar_t* report) {
  try {
    ChannelMap(Channel::Info).WriteText(report ? WideToSjis(report) : std::string());
  } catch (...) {
  }
  return true;
}

int __stdcall GetTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_s(&local, &now) != 0) return 0;
  return bridge::GetTime(local);
}
}
