#include "print/logic/custom_receipt_settings.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "platform/number_text.h"
#include "print/logic/byte_sequence.h"
#include "store/till_config.h"

#include <algorithm>

namespace ovix {

namespace {

constexpr int kLastLine = 40;
// A port sequence is read no further than this (parseByteSequence).
constexpr size_t kSequenceReadLength = 32;

int twoOrZero(bool on)
{
    return on ? 2 : 0;
}

// The typed line value when it is a whole number 0-40.
std::optional<int> lineValue(std::string_view typed)
{
    std::optional<int64_t> value = wholeNumber(typed);
    if (!value || *value < 0 || *value > kLastLine)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::string limited(std::string_view text)
{
    return std::string(text.substr(0, kCustomReceiptTextLength));
}

} // namespace

bool isHeaderField(ReceiptField field)
{
    switch (field) {
    case ReceiptField::ByLine:
    case ReceiptField::NonTaxable:
    case ReceiptField::Taxable:
    case ReceiptField::TaxOne:
    case ReceiptField::TaxTwo:
    case ReceiptField::Total:
    case ReceiptField::TotalTendered:
    case ReceiptField::CashChange:
    case ReceiptField::TextTwo:
    case ReceiptField::TextThree:
    case ReceiptField::PaymentType:
        return false;
    default:
        return true;
    }
}

CustomReceiptSettings loadCustomReceiptSettings(const TillConfig &config)
{
    CustomReceiptSettings settings;
    for (int index = 0; index < kReceiptFieldCount; ++index) {
        settings.lines[static_cast<size_t>(index)]
            = cformat("%d", customReceiptLine(config, static_cast<ReceiptField>(index)));
    }
    const int note = config.get(cfg::customReceiptNoteLine);
    settings.noteLine = cformat("%d", note >= 0 && note <= kLastLine ? note : 0);
    settings.texts = { config.text(cfg::customReceiptTextOne),
        config.text(cfg::customReceiptTextTwo), config.text(cfg::customReceiptTextThree) };
    settings.cutterSequence = config.text(cfg::cutterSequence);
    settings.cutterPortIndex = cutterPortIndex(config);
    settings.blankLinesIndex = customReceiptBlankLinesIndex(config);
    settings.itemsCentred = config.get(cfg::customItemsCentred) != 0;
    settings.barcode = config.get(cfg::customReceiptBarcode) != 0;
    settings.logo = config.get(cfg::customReceiptLogoOmitted) == 0;
    settings.secondCurrency = config.get(cfg::customReceiptSecondCurrency) != 0;
    settings.markExempt = config.get(cfg::customReceiptMarkExempt) != 0;
    settings.excludingTax = config.get(cfg::customReceiptExcludingTax) == 2;
    return settings;
}

std::optional<std::string> cutterSequenceProblem(std::string_view sequence)
{
    const std::string howTo = " Type byte values 0-255 separated by commas, say 27,112,0,75,250.";
    if (sequence.size() > kSequenceReadLength) {
        return cformat("The cutter sequence is longer than %d characters; the rest would "
                       "not reach the cutter.",
                   static_cast<int>(kSequenceReadLength))
            + howTo;
    }
    std::string expected;
    size_t start = 0;
    for (;;) {
        const size_t comma = sequence.find(',', start);
        const std::string_view item = trimBlanks(sequence.substr(start, comma - start));
        std::optional<int64_t> value = item.empty() ? 0 : wholeNumber(item);
        if (!value || *value < 0 || *value > 255) {
            return "The cutter sequence holds \"" + std::string(item)
                + "\", which is not a byte value." + howTo;
        }
        expected.push_back(static_cast<char>(*value));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    // What the cutter will be sent must be what was typed, byte for byte.
    if (!sequence.empty() && parseByteSequence(sequence) != expected)
        return "The cutter sequence cannot be sent as typed." + howTo;
    return std::nullopt;
}

bool applyCustomReceiptSettings(
    TillConfig &config, const CustomReceiptSettings &settings, Messages &messages)
{
    if (std::optional<std::string> problem = cutterSequenceProblem(settings.cutterSequence)) {
        reportProblem(messages, *problem);
        return false;
    }
    for (int index = 0; index < kReceiptFieldCount; ++index) {
        if (std::optional<int> line = lineValue(settings.lines[static_cast<size_t>(index)]))
            setCustomReceiptLine(config, static_cast<ReceiptField>(index), *line);
    }
    if (std::optional<int> line = lineValue(settings.noteLine))
        config.set(cfg::customReceiptNoteLine, *line);
    config.setText(cfg::customReceiptTextOne, limited(settings.texts[0]));
    config.setText(cfg::customReceiptTextTwo, limited(settings.texts[1]));
    config.setText(cfg::customReceiptTextThree, limited(settings.texts[2]));
    config.setText(cfg::cutterSequence, settings.cutterSequence);
    if (settings.cutterPortIndex >= 0 && settings.cutterPortIndex < kCutterPortChoices)
        config.set(cfg::cutterPort, settings.cutterPortIndex);
    if (settings.blankLinesIndex >= 0 && settings.blankLinesIndex < kBlankLinesChoices)
        config.set(cfg::customReceiptBlankLines, settings.blankLinesIndex);
    config.set(cfg::customItemsCentred, twoOrZero(settings.itemsCentred));
    config.set(cfg::customReceiptBarcode, twoOrZero(settings.barcode));
    config.set(cfg::customReceiptLogoOmitted, twoOrZero(!settings.logo));
    config.set(cfg::customReceiptSecondCurrency, twoOrZero(settings.secondCurrency));
    config.set(cfg::customReceiptMarkExempt, twoOrZero(settings.markExempt));
    config.set(cfg::customReceiptExcludingTax, twoOrZero(settings.excludingTax));
    return true;
}

} // namespace ovix
