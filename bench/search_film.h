#pragma once
// A film.dat for the item searches: items whose descriptions are made of
// shop words and whose SKUs are short codes, drawn from a seeded generator so
// that a run can be repeated. Numbers are not in slot order (a new item often
// takes the slot of a deleted one), one slot in fifty is free, and some free
// slots keep their old description after the number, as a deleted record of
// another program could.

#include "store/fixed_text.h"
#include "store/item_record.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace ovix::searchfilm {

inline constexpr std::array<const char *, 40> kWords = { "APPLE", "BREAD", "BELL", "BALL", "BOLT",
    "BEST", "CANDLE", "CHEESE", "COFFEE", "DVD", "EGG", "FLOUR", "GLUE", "HAMMER", "INK", "JAM",
    "KETTLE", "LAMP", "MILK", "NAIL", "OIL", "PAPER", "PEN", "RICE", "SALT", "SOAP", "TEA",
    "TAPE", "VASE", "WINE", "YARN", "ZIP", "RED", "BLUE", "LARGE", "SMALL", "PACK", "1KG",
    "\xC9" "CLAIR", "CR\xC8ME" };

inline std::string code(std::mt19937_64 &random, size_t length)
{
    static constexpr char kChars[] = "ABCDEFGHJKLMNPRSTUVWXYZ0123456789-";
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += kChars[random() % (sizeof kChars - 1)];
    return text;
}

inline std::string description(std::mt19937_64 &random)
{
    std::string text = kWords[random() % kWords.size()];
    const int more = static_cast<int>(random() % 4);
    for (int i = 0; i < more; ++i) {
        text += ' ';
        text += kWords[random() % kWords.size()];
    }
    return text.substr(0, 38);
}

// `count` slots of film.dat; the live item numbers are unique, from 1 up to
// a few times `count`.
inline std::string makeFilm(int count, std::mt19937_64 &random)
{
    std::vector<int64_t> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(1 + static_cast<int64_t>(i) * 3 + static_cast<int64_t>(random() % 3));
    // Numbers out of slot order: swap a fair share of them around.
    for (int i = 0; i < count / 4; ++i)
        std::swap(numbers[random() % numbers.size()], numbers[random() % numbers.size()]);
    std::string film(static_cast<size_t>(count) * kItemRecordSize, '\0');
    for (int slot = 0; slot < count; ++slot) {
        ItemRecord record {};
        const int kind = static_cast<int>(random() % 50);
        record.number = kind == 0 ? -1 : numbers[static_cast<size_t>(slot)];
        if (kind != 0 || random() % 2 == 0)
            writeText(record.description, description(random));
        if (random() % 4 != 0)
            writeText(record.sku1, code(random, 3 + random() % 10));
        if (random() % 3 == 0)
            writeText(record.sku2, code(random, 3 + random() % 6));
        if (random() % 5 == 0)
            writeText(record.sku3, code(random, 3 + random() % 6));
        if (random() % 8 == 0)
            writeText(record.sku4, code(random, 3 + random() % 30));
        record.quantity = static_cast<int32_t>(random() % 200) - 20;
        record.retail_price = static_cast<float>(1 + random() % 5000) / 100.0f;
        std::memcpy(film.data() + static_cast<size_t>(slot) * kItemRecordSize, &record,
            sizeof record);
    }
    return film;
}

} // namespace ovix::searchfilm
