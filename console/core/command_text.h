// The command line the console writes into the command map, and the rules that decide
// whether an order may be written at all (the hedge guard, the lot multiple).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/channel_names.h"
#include "common/lot_choice.h"

namespace console {

// Which side of the book an order opens; None for the commands the hedge guard never stops.
enum class OrderSide { None, Buy, Sell };

// The expert reports 10000 when its state has no count: then no side may be opened.
inline constexpr int32_t kHitCountUnknown = 10000;

// A command with its NUL must fit in the console's 1024-byte view of the command map.
inline constexpr size_t kCommandTextMax = common::kConsoleTextMax;

inline constexpr char kHedgeRefusedText[] = "両建て不可です！！";
inline constexpr char kHedgeWarningText[] = "両建てしないで下さい！！";
// A typed price or series count can make the whole line too long for the map.
inline constexpr char kCommandTooLongText[] =
    "注文の内容が長すぎるため注文できません。\r\n"
    "指定価格と「連続ヶ注文」の数を確認してください。";

using common::kLotChoices;
using common::LotChoice;
// The lot text of the first ticked choice; "1.0" when none is ticked.
std::string GetLotText(const LotChoice& ticked);

// The message that refuses an order on this side, or nullptr when it may go on. The guard
// runs before the Shift rule, so its messages show even when the order would not be sent.
const char* HedgeGuardMessage(int32_t hitCount, OrderSide side);

// "Buy_" / "Sell_" followed by the lot text.
std::string MarketOrderCommand(OrderSide side, const std::string& lot);

// One pending-order button: its type word and the side it opens.
struct PendingOrderType {
  const char* word;
  OrderSide side;
};
inline constexpr PendingOrderType kBuyLimit{"BuyLimit", OrderSide::Buy};
inline constexpr PendingOrderType kBuyStop{"BuyStop", OrderSide::Buy};
inline constexpr PendingOrderType kSellLimit{"SellLimit", OrderSide::Sell};
inline constexpr PendingOrderType kSellStop{"SellStop", OrderSide::Sell};

inline constexpr char kEmptyPriceText[] = "指定価格が空白です！";
inline constexpr char kBadPriceCharText[] = "不正な文字が入っています！";
// The problem with the typed pending price (empty, a character other than digits and points,
// or digits and points that are no number), or nullptr when it may be sent.
const char* PendingPriceProblem(const std::string& priceText);

// type "_" lot "=" price, and for a series "#" count "$" step, where step is the slider's
// offset from its centre (50 - position). A series needs an offset: at the centre a single
// order is written even when the series box is ticked.
std::string PendingOrderCommand(const PendingOrderType& type, const std::string& lot,
                                const std::string& price, bool series,
                                const std::string& seriesCount, int sliderPosition);

// The text fits the command map (with its NUL).
inline bool CommandFits(const std::string& command) {
  return command.size() <= kCommandTextMax;
}

inline constexpr char kBadSeriesCountText[] =
    "「連続ヶ注文」の数は1以上の整数を数字で入力してください";
// A series count is a whole number from 1 to 2147483647 written in digits: a typed "5$3" or
// "1_2" would change the grammar of the command the expert reads.
bool IsSeriesCount(const std::string& text);

// Why a built pending-order command must not be sent (a series count that is no count, when
// the command carries a series; a line too long for the map), or nullptr when it may go.
const char* PendingCommandProblem(const std::string& command, bool series,
                                  const std::string& seriesCount, int sliderPosition);

}  // namespace console
