#pragma once
// A member.dat of many customers with made-up names and telephone numbers,
// and the plain way of searching it: every slot read on its own, front to
// back, as the baseline the benchmark measures the searches against and the
// tests compare their results with.

#include "platform/file.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ovix::bench {

// `count` live customers with rising numbers, names of two to four
// syllables and an initial, a telephone each and a second one for some; one
// slot in fifty is free (number -1, name empty). The bytes of member.dat.
inline std::string customerFileBytes(int count, std::mt19937_64 &random)
{
    static const char *const syllables[] = { "BA", "BE", "BO", "CA", "CO", "DA", "DE", "FA",
        "GA", "HA", "KE", "LA", "LE", "MA", "ME", "MO", "NA", "NE", "PA", "RA", "RE", "RO", "SA",
        "SE", "TA", "TE", "VA", "WA", "ANN", "ER", "ON", "ELL" };
    std::string bytes;
    bytes.reserve(static_cast<size_t>(count + count / 50 + 1) * kCustomerRecordSize);
    int64_t number = 0;
    for (int live = 0; live < count;) {
        CustomerRecord record {};
        if (random() % 50 == 0) {
            record.number = -1;
        } else {
            number += 1 + static_cast<int64_t>(random() % 5);
            record.number = number;
            std::string name;
            const int parts = 2 + static_cast<int>(random() % 3);
            for (int i = 0; i < parts; ++i)
                name += syllables[random() % std::size(syllables)];
            name += ' ';
            name += static_cast<char>('A' + random() % 26);
            writeText(record.name, name);
            writeText(record.road, std::to_string(1 + random() % 200) + " HIGH STREET");
            std::string telephone = "0";
            for (int i = 0; i < 10; ++i)
                telephone += static_cast<char>('0' + random() % 10);
            writeText(record.telephone, telephone);
            if (random() % 3 == 0)
                writeText(record.telephone2, "07" + std::to_string(100000000 + random() % 900000000));
            ++live;
        }
        bytes.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    return bytes;
}

// One customer a walk found: number and the slot it is in.
using WalkMatch = std::pair<int64_t, int64_t>;

// Reads the slots of `customers`' file one record at a time, those that
// `worthReading(slot)` lets through, and keeps the matches of `matches(slot,
// record)`, in slot order.
template <typename Matches, typename WorthReading>
std::vector<WalkMatch> walkSlots(
    const CustomerIndex &customers, Matches &&matches, WorthReading &&worthReading)
{
    std::vector<WalkMatch> found;
    File file = File::open(customers.filePath(), File::Mode::Read);
    CustomerRecord record;
    for (int64_t slot = 0; file.isOpen() && slot < customers.slotCount(); ++slot) {
        if (!worthReading(slot))
            continue;
        if (!file.readAt(slot * static_cast<int64_t>(sizeof record), &record, sizeof record))
            break;
        if (matches(slot, record))
            found.emplace_back(record.number, slot);
    }
    return found;
}

template <typename Matches>
std::vector<WalkMatch> walkSlots(const CustomerIndex &customers, Matches &&matches)
{
    return walkSlots(customers, matches, [](int64_t) { return true; });
}

// The name search walked: the slot's two key characters tested first ("?"
// any), then each further pattern character against the name read from disk.
inline std::vector<WalkMatch> walkNamePrefix(const CustomerIndex &customers, std::string pattern)
{
    if (pattern.size() == 1)
        pattern += '?';
    const auto keyAnswers = [&](int64_t slot) {
        const std::array<char, 2> key = customers.key(slot);
        return key[0] != '\0' && (pattern[0] == '?' || pattern[0] == key[0])
            && (pattern[1] == '?' || pattern[1] == key[1]);
    };
    const auto nameAnswers = [&](int64_t, const CustomerRecord &record) {
        if (record.number <= 0)
            return false;
        for (size_t i = 2; i < pattern.size(); ++i) {
            const char have = i < sizeof record.name ? record.name[i] : '\0';
            if (pattern[i] != '?' && pattern[i] != have)
                return false;
        }
        return true;
    };
    return walkSlots(customers, nameAnswers, keyAnswers);
}

inline bool fieldHolds(const char *field, size_t width, const std::string &text)
{
    const std::string value = readFixedText(field, width);
    return value.find(text) != std::string::npos;
}

// "Find that contain" walked: the name holds the fragment (already in capitals).
inline std::vector<WalkMatch> walkContains(const CustomerIndex &customers, const std::string &text)
{
    return walkSlots(customers, [&](int64_t slot, const CustomerRecord &record) {
        return customers.key(slot)[0] != '\0'
            && fieldHolds(record.name, sizeof record.name, text);
    });
}

// "Find telephone" walked: either telephone holds the text.
inline std::vector<WalkMatch> walkTelephone(const CustomerIndex &customers, const std::string &text)
{
    return walkSlots(customers, [&](int64_t, const CustomerRecord &record) {
        return record.number > 0
            && (fieldHolds(record.telephone, sizeof record.telephone, text)
                || fieldHolds(record.telephone2, sizeof record.telephone2, text));
    });
}

} // namespace ovix::bench
