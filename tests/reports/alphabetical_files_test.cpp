// The alphabetical work files f2.dat and m2.dat: the range typed, and the
// files written with one sort compared byte for byte with files built the
// long way, pass by pass over the two-character prefixes, on random data.

#include "platform/c_format.h"
#include "reports/logic/alphabetical_files.h"
#include "reports/list_shop.h"
#include "store/fixed_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// A 110-byte line as the file holds it, built without ListFileRecord.
std::string listLine(int64_t number, const std::string &name, const std::string &first,
    const std::string &second)
{
    std::string bytes(110, '\0');
    putI64(bytes, 0, number);
    putText(bytes, 8, name.substr(0, 41));
    putText(bytes, 50, first.substr(0, 29));
    putText(bytes, 80, second.substr(0, 29));
    return bytes;
}

// The walk as the shop always did it: for each first character from the
// start to the end and each second character from the space to 255, the
// live records with that prefix in slot order, read one by one and sorted by
// their whole text (byte order; equal texts keep slot order).
template <typename Record, typename File, typename Text, typename Line>
std::string passByPass(const File &file, unsigned char start, unsigned char end, Text text,
    Line line)
{
    std::string bytes;
    ScriptedMessages quiet;
    for (int first = start; first <= end; ++first) {
        for (int second = ' '; second <= 255; ++second) {
            std::vector<std::pair<std::string, std::string>> group;
            for (int64_t slot = 0; slot < file.slotCount(); ++slot) {
                const std::array<char, 2> key = file.key(slot);
                if (static_cast<unsigned char>(key[0]) != first
                    || static_cast<unsigned char>(key[1]) != second)
                    continue;
                Record record;
                EXPECT_TRUE(file.readRecord(slot, record, quiet));
                group.emplace_back(text(record), line(record));
            }
            std::stable_sort(group.begin(), group.end(), [](const auto &a, const auto &b) {
                return std::strcmp(a.first.c_str(), b.first.c_str()) < 0;
            });
            for (const auto &member : group)
                bytes += member.second;
        }
    }
    return bytes;
}

// A random text of the characters shops type, signs and accented capitals,
// often repeating one already made; one in twenty is a single character.
std::string randomText(std::mt19937 &random, std::vector<std::string> &made)
{
    static const std::string alphabet
        = std::string("ABCZ019 -&'") + "\xC9\xD6\xDC\xE9\xFF\x80\xA3";
    if (!made.empty() && random() % 6 == 0)
        return made[random() % made.size()];
    const size_t length = random() % 20 == 0 ? 1 : 2 + random() % 6;
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[random() % alphabet.size()];
    made.push_back(text);
    return text;
}

struct Range {
    char start;
    char end;
    unsigned char walkStart; // after widening
    unsigned char walkEnd;
};

constexpr Range kRanges[] = {
    { 'A', 'Z', ' ', 'Z' },
    { 'a', 'c', ' ', 'C' },
    { 'B', 'B', 'B', 'B' },
    { 'C', '\xFF', 'C', 255 },
    { '\xC9', '\xE9', 0xC9, 0xE9 },
};

} // namespace

TEST(AlphabeticalFiles, TheRangeTypedIsTakenInCapitalsWithAWidenedA)
{
    struct Case {
        const char *start;
        const char *end;
        bool taken;
        unsigned char first;
        unsigned char last;
    };
    const Case cases[] = {
        { "A", "Z", true, ' ', 'Z' },
        { "a", "z", true, ' ', 'Z' },
        { "M", "M", true, 'M', 'M' },
        { "Mary", "Zoe", true, 'M', 'Z' },
        { "B", "\xFF", true, 'B', 255 },
        { "\xE9", "\xE9", true, 0xE9, 0xE9 },
        { "1", "Z", false, 0, 0 }, // below "A"
        { " ", "Z", false, 0, 0 },
        { "N", "M", false, 0, 0 }, // end before start
        { "", "Z", false, 0, 0 },
        { "A", "", false, 0, 0 },
    };
    for (const Case &c : cases) {
        const auto range = alphabeticalRange(c.start, c.end);
        ASSERT_EQ(range.has_value(), c.taken) << c.start << " " << c.end;
        if (range) {
            EXPECT_EQ(range->start, c.first) << c.start;
            EXPECT_EQ(range->end, c.last) << c.end;
        }
    }
}

TEST(AlphabeticalFiles, AskingTellsOfARangeItRefuses)
{
    ScriptedMessages messages;
    messages.textReplies = { "b", "d" };
    const auto range = askAlphabeticalRange(messages, "Alphabetically");
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->start, 'B');
    EXPECT_EQ(messages.proposals, (std::vector<std::string> { "A", "Z" }));
    messages.textReplies = { "D", "B" };
    EXPECT_FALSE(askAlphabeticalRange(messages, "Alphabetically").has_value());
    EXPECT_EQ(messages.lastText(), "Outside range");
    messages.textReplies = { "D" }; // the end cancelled
    const size_t shown = messages.shown.size();
    EXPECT_FALSE(askAlphabeticalRange(messages, "Alphabetically").has_value());
    EXPECT_EQ(messages.shown.size(), shown + 2); // the two questions, no problem
}

TEST(AlphabeticalFiles, ItemFileMatchesThePassByPassWalkOnRandomData)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> made;
        std::string film;
        for (int slot = 0; slot < 600; ++slot) {
            ListItem item;
            item.number = random() % 15 == 0 ? -1 : 1 + static_cast<int64_t>(random() % 100000);
            item.description = randomText(random, made);
            item.quantity = static_cast<int32_t>(random() % 200) - 50;
            item.retail = static_cast<float>(random() % 100000) / 100.0f;
            film += filmRecord(item);
        }
        ListShop shop(film);
        for (const Range &range : kRanges) {
            ScriptedMessages messages;
            ASSERT_TRUE(writeAlphabeticalItemFile(shop.shop, range.start, range.end, messages))
                << messages.lastText();
            const std::string expected = passByPass<ItemRecord>(shop.shop.items, range.walkStart,
                range.walkEnd, [](const ItemRecord &item) { return readText(item.description); },
                [](const ItemRecord &item) {
                    return listLine(item.number, readText(item.description), cformat("%d", item.quantity),
                        cformat("%.2f", double(item.retail_price)));
                });
            EXPECT_FALSE(expected.empty());
            EXPECT_TRUE(readBytes(shop.folder.file("f2.dat")) == expected)
                << "seed " << seed << " range " << range.start << "-" << range.end;
        }
    }
}

TEST(AlphabeticalFiles, CustomerFileMatchesThePassByPassWalkOnRandomData)
{
    for (unsigned seed = 11; seed <= 13; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> made;
        std::string member;
        for (int slot = 0; slot < 500; ++slot) {
            ListCustomer customer;
            customer.number
                = random() % 15 == 0 ? -1 : 1 + static_cast<int64_t>(random() % 100000);
            customer.name = randomText(random, made);
            customer.road = "ROAD " + std::to_string(random() % 1000);
            customer.telephone = std::to_string(random());
            member += memberRecord(customer);
        }
        ListShop shop(filmRecord({ 1, "TEA" }), member);
        for (const Range &range : kRanges) {
            ScriptedMessages messages;
            ASSERT_TRUE(
                writeAlphabeticalCustomerFile(shop.shop, range.start, range.end, messages))
                << messages.lastText();
            const std::string expected = passByPass<CustomerRecord>(shop.shop.customers,
                range.walkStart, range.walkEnd,
                [](const CustomerRecord &customer) { return readText(customer.name); },
                [](const CustomerRecord &customer) {
                    return listLine(customer.number, readText(customer.name),
                        readText(customer.road), readText(customer.telephone));
                });
            EXPECT_TRUE(readBytes(shop.folder.file("m2.dat")) == expected)
                << "seed " << seed << " range " << range.start << "-" << range.end;
        }
    }
}

TEST(AlphabeticalFiles, DigitsFollowTheWidenedAAndOneCharacterTextsAreLeftOut)
{
    const std::string film = filmRecord({ 4, "TEA" }) + filmRecord({ 3, "7UP" })
        + filmRecord({ 2, "X" }) + filmRecord({ 1, "\xC9" "CLAIR" }) + filmRecord({ 5, "TEA" });
    ListShop shop(film);
    ScriptedMessages messages;
    ASSERT_TRUE(writeAlphabeticalItemFile(shop.shop, 'A', 'Z', messages));
    const std::string written = readBytes(shop.folder.file("f2.dat"));
    ASSERT_EQ(written.size(), 3 * 110u);
    EXPECT_EQ(getI64(written, 0), 3); // "7UP"
    EXPECT_EQ(getI64(written, 110), 4); // the two "TEA" in slot order
    EXPECT_EQ(getI64(written, 220), 5);
    ASSERT_TRUE(writeAlphabeticalItemFile(shop.shop, '\xC0', '\xFF', messages));
    EXPECT_EQ(getI64(readBytes(shop.folder.file("f2.dat")), 0), 1);
}

TEST(AlphabeticalFiles, AFileThatCannotBeReadOrWrittenLeavesTheOldOne)
{
    ListShop shop(filmRecord({ 1, "TEA" }));
    writeBytes(shop.folder.file("f2.dat"), "old");
    std::remove(shop.folder.file("film.dat").c_str());
    ScriptedMessages messages;
    EXPECT_FALSE(writeAlphabeticalItemFile(shop.shop, 'A', 'Z', messages));
    EXPECT_EQ(messages.lastText(), "Data file film.dat, not present.");
    EXPECT_EQ(readBytes(shop.folder.file("f2.dat")), "old");
    // Reading back a list file that is not there.
    EXPECT_FALSE(readListFile(shop.shop.dir, "m2.dat", messages).has_value());
    EXPECT_EQ(messages.lastText(), "Data file: m2.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
}
