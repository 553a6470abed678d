#pragma once
// The saved basket on the disk: basket.sav in the shop's folder holds the
// sale put aside with "Save basket", or parked when the till was stopped with
// a sale in progress, so that it survives a restart of the till.
//
// Layout, little-endian, 31 372 bytes in all:
//   offset 0    8 bytes   "OVIXBSKT"
//   offset 8    uint32    layout version, 1
//   offset 12   uint32    length of the basket image, 31 352
//   offset 16   the Basket image, byte for byte as sales/logic/basket.h lays
//               the struct out (padding bytes are not meaningful)
//   offset 31368 uint32   CRC-32 of every byte before it
// The file is replaced whole (temporary file, synced, renamed), readable and
// writable by the shop's account only: it may hold a customer's name and
// address. A change of the Basket layout needs a new version.

#include "sales/logic/basket.h"

#include <string>
#include <string_view>

namespace ovix {

class DataDir;
class Messages;
class Shop;

inline constexpr const char *kSavedBasketName = "basket.sav";
inline constexpr uint32_t kSavedBasketVersion = 1;

// The file's bytes for `basket`.
std::string savedBasketBytes(const Basket &basket);

// Takes `bytes` as a saved basket into `basket`. Empty when they are one: the
// right length, magic word, version and image length, a matching CRC, 1 to
// 400 lines, item numbers of 0 (not on file) to 100000000000000000, a
// customer number of 0 or more, and finite amounts of at most 1 000 000 000 in
// the lines in use and the totals. Otherwise the reason, in a few words, and
// `basket` is left as it was. Lines past the line count are zeroed.
std::string parseSavedBasket(std::string_view bytes, Basket &basket);

// Replaces the shop's basket.sav by `basket`. False, with `error` saying why
// when given, when it could not be written; the old file then stays whole.
bool storeSavedBasket(const DataDir &dir, const Basket &basket, std::string *error = nullptr);

// At start: reads the shop's basket.sav into `saved`, which is left empty
// when there is none. A damaged file is not loaded and the notice says why
// (caption "Saved basket"); it stays on the disk until the next save replaces
// it. Lines of items no longer on file are taken out as a void takes them
// (their amounts come off the totals) and the notice names them by number and
// description; basket.sav is then stored without them, or removed when no
// line is left. True when a saved basket with lines was loaded.
bool loadSavedBasket(const Shop &shop, Basket &saved, Messages &messages);

} // namespace ovix
