#include "sales/logic/saved_basket.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/crc32.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/messages.h"
#include "store/item_record.h"
#include "store/shop.h"

#include <cinttypes>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>

namespace ovix {

namespace {

constexpr std::string_view kMagic = "OVIXBSKT";
constexpr size_t kHeaderSize = 16;
constexpr size_t kImageSize = sizeof(Basket);
constexpr size_t kFileSize = kHeaderSize + kImageSize + 4;
// No amount the till rings up comes near this; garbage usually does.
constexpr double kLargestAmount = 1e9;

// The layout the version stands for.
static_assert(kImageSize == 31352, "the Basket layout changed: give basket.sav a new version");

void putUint32(std::string &bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t getUint32(std::string_view bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(i)]);
    return value;
}

bool sensibleAmount(float value)
{
    return std::isfinite(value) && std::fabs(static_cast<double>(value)) <= kLargestAmount;
}

std::string checkLines(const Basket &basket)
{
    if (basket.lineCount < 1 || basket.lineCount > kBasketLineCapacity)
        return cformat("a line count of %d", static_cast<int>(basket.lineCount));
    if (basket.customerNumber < 0 || basket.customerNumber > kMaxRecordNumber)
        return "a customer number out of range";
    for (int line = 0; line < basket.lineCount; ++line) {
        const int64_t number = basket.lineItemNumber[line];
        if (number < 0 || number > kMaxRecordNumber)
            return cformat("an item number out of range in line %d", line + 1);
        for (float value : { basket.lineNonTaxable[line], basket.lineTaxable[line],
                 basket.lineTaxOne[line], basket.lineTaxTwo[line], basket.lineCost[line],
                 basket.lineDiscount[line], basket.lineTotal[line] }) {
            if (!sensibleAmount(value))
                return cformat("an amount that is no amount in line %d", line + 1);
        }
    }
    for (float value : basket.totals) {
        if (!sensibleAmount(value))
            return "a total that is no amount";
    }
    return {};
}

} // namespace

std::string savedBasketBytes(const Basket &basket)
{
    std::string bytes(kMagic);
    putUint32(bytes, kSavedBasketVersion);
    putUint32(bytes, static_cast<uint32_t>(kImageSize));
    bytes.append(reinterpret_cast<const char *>(&basket), kImageSize);
    putUint32(bytes, crc32(bytes));
    return bytes;
}

std::string parseSavedBasket(std::string_view bytes, Basket &basket)
{
    if (bytes.size() != kFileSize)
        return cformat("%zu bytes instead of %zu", bytes.size(), kFileSize);
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return "not a saved basket";
    if (getUint32(bytes, 8) != kSavedBasketVersion)
        return cformat("layout version %u", getUint32(bytes, 8));
    if (getUint32(bytes, 12) != kImageSize)
        return "a basket of another size";
    const size_t checked = kHeaderSize + kImageSize;
    if (crc32(bytes.substr(0, checked)) != getUint32(bytes, checked))
        return "its check sum does not match";
    auto read = std::make_unique<Basket>();
    std::memcpy(static_cast<void *>(read.get()), bytes.data() + kHeaderSize, kImageSize);
    std::string problem = checkLines(*read);
    if (!problem.empty())
        return problem;
    for (int line = read->lineCount; line < kBasketLineCapacity; ++line)
        clearBasketLine(*read, line);
    std::memcpy(static_cast<void *>(&basket), read.get(), kImageSize);
    return {};
}

bool storeSavedBasket(const DataDir &dir, const Basket &basket, std::string *error)
{
    return replaceFileAtomically(
        dir.path(kSavedBasketName), savedBasketBytes(basket), error, ReplacedMode::OwnerOnly);
}

bool loadSavedBasket(const Shop &shop, Basket &saved, Messages &messages)
{
    clearBasket(saved);
    const std::string path = shop.dir.path(kSavedBasketName);
    // Only a plain file of the right length is ever opened.
    const int64_t size = fileSize(path);
    if (size < 0)
        return false; // none saved
    std::string problem;
    std::optional<std::string> bytes;
    if (!fileExists(path))
        problem = "it is not a plain file";
    else if (size != static_cast<int64_t>(kFileSize))
        problem = cformat("%" PRId64 " bytes instead of %zu", size, kFileSize);
    else if (!(bytes = readWholeFile(path)))
        problem = "it cannot be read";
    else
        problem = parseSavedBasket(*bytes, saved);
    if (!problem.empty()) {
        reportProblem(messages,
            "The saved basket in " + std::string(kSavedBasketName)
                + " is damaged and was not loaded (" + problem
                + "). The next saved basket replaces it.",
            "Saved basket");
        return false;
    }

    std::string dropped;
    for (int line = saved.lineCount - 1; line >= 0; --line) {
        const int64_t number = saved.lineItemNumber[line];
        if (number == 0 || shop.items.slotOf(number))
            continue;
        const std::string named
            = cformat("%" PRId64 " %s", number, toUtf8(lineDescriptionText(saved, line)).c_str());
        // The latest dropped line is named first.
        if (dropped.empty())
            dropped = named;
        else
            dropped.insert(0, named + ", ");
        removeBasketLine(saved, line);
    }
    if (!dropped.empty()) {
        std::string text = "The saved basket named items that are no longer on file; their lines "
                           "were left out: "
            + dropped + ".";
        // The file follows, so that the same lines are not named at every start.
        if (saved.lineCount == 0) {
            text += " No line of it is left.";
            fileAccess().unlink(path);
        } else {
            storeSavedBasket(shop.dir, saved);
        }
        reportInfo(messages, text, "Saved basket");
    }
    return saved.lineCount > 0;
}

} // namespace ovix
