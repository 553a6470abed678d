// The saved basket basket.sav over any bytes. An input of the file's length
// is the file as it stands; any other is laid over a zero basket image at the
// offset its first four bytes name and given a right header and CRC, so the
// fuzzer reaches the checks of the lines and amounts.
//
// A basket taken has 1 to 400 lines, item numbers in range, finite amounts of
// at most 1 000 000 000, lines past its count zeroed, and is stored and read
// back byte for byte the same; a basket refused leaves the one in memory as
// it was and says why.

#include "archive_fuzz.h"
#include "sales/logic/basket.h"
#include "sales/logic/saved_basket.h"
#include "store/item_record.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

using ovix::fuzz::must;
constexpr size_t kImageSize = sizeof(ovix::Basket);
constexpr size_t kFileSize = 16 + kImageSize + 4;

std::string fileOf(const uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    if (size == kFileSize)
        return std::string(input);
    std::string image(kImageSize, '\0');
    if (size >= 4) {
        uint32_t offset = 0;
        std::memcpy(&offset, data, 4);
        offset %= kImageSize;
        const std::string_view over = input.substr(4, kImageSize - offset);
        image.replace(offset, over.size(), over);
    }
    std::string file = "OVIXBSKT";
    ovix::fuzz::putNumber(file, ovix::kSavedBasketVersion, 4);
    ovix::fuzz::putNumber(file, kImageSize, 4);
    file += image;
    ovix::fuzz::putNumber(file, ovix::crc32(file), 4);
    return file;
}

bool sensible(float amount)
{
    return std::isfinite(amount) && std::fabs(amount) <= 1e9f;
}

bool lineIsClear(const ovix::Basket &basket, int line)
{
    for (char c : basket.lineDescription[line]) {
        if (c != 0)
            return false;
    }
    return basket.lineItemNumber[line] == 0 && basket.lineNonTaxable[line] == 0
        && basket.lineTaxable[line] == 0 && basket.lineTaxOne[line] == 0
        && basket.lineTaxTwo[line] == 0 && basket.lineCost[line] == 0
        && basket.lineDiscount[line] == 0 && basket.lineTotal[line] == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string file = fileOf(data, size);
    auto basket = std::make_unique<ovix::Basket>();
    std::memset(static_cast<void *>(basket.get()), 0x5A, kImageSize);
    auto before = std::make_unique<ovix::Basket>();
    std::memcpy(static_cast<void *>(before.get()), basket.get(), kImageSize);

    const std::string problem = ovix::parseSavedBasket(file, *basket);
    if (!problem.empty()) {
        must(std::memcmp(basket.get(), before.get(), kImageSize) == 0);
        return 0;
    }
    must(basket->lineCount >= 1 && basket->lineCount <= ovix::kBasketLineCapacity);
    must(basket->customerNumber >= 0 && basket->customerNumber <= ovix::kMaxRecordNumber);
    for (int line = 0; line < ovix::kBasketLineCapacity; ++line) {
        if (line >= basket->lineCount) {
            must(lineIsClear(*basket, line));
            continue;
        }
        const int64_t item = basket->lineItemNumber[line];
        must(item >= 0 && item <= ovix::kMaxRecordNumber);
        for (float amount : {basket->lineNonTaxable[line], basket->lineTaxable[line],
                 basket->lineTaxOne[line], basket->lineTaxTwo[line], basket->lineCost[line],
                 basket->lineDiscount[line], basket->lineTotal[line]})
            must(sensible(amount));
    }
    for (float total : basket->totals)
        must(sensible(total));

    // Stored and read back, the basket is the same to the byte.
    const std::string stored = ovix::savedBasketBytes(*basket);
    must(stored.size() == kFileSize);
    auto again = std::make_unique<ovix::Basket>();
    must(ovix::parseSavedBasket(stored, *again).empty());
    must(ovix::savedBasketBytes(*again) == stored);

    // Every line can be taken out as a void takes it, down to none.
    while (again->lineCount > 0) {
        const int count = again->lineCount;
        ovix::removeBasketLine(*again, count - 1);
        must(again->lineCount == count - 1);
    }
    return 0;
}
