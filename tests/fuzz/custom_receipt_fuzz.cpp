// The custom receipt's settings in wr.cfg over any bytes: what the dialog
// shows is in the ranges it offers, OK without a change stores what it
// shows (or, with a stored cutter sequence it cannot send, nothing at all),
// and a second OK changes nothing more.

#include "fuzz/settings_fuzz.h"

#include "platform/scripted_messages.h"
#include "print/logic/custom_receipt_settings.h"

namespace {

using ovix::fuzz::check;

bool same(const ovix::CustomReceiptSettings &a, const ovix::CustomReceiptSettings &b)
{
    return a.lines == b.lines && a.noteLine == b.noteLine && a.texts == b.texts
        && a.cutterSequence == b.cutterSequence && a.cutterPortIndex == b.cutterPortIndex
        && a.blankLinesIndex == b.blankLinesIndex && a.itemsCentred == b.itemsCentred
        && a.barcode == b.barcode && a.logo == b.logo && a.secondCurrency == b.secondCurrency
        && a.markExempt == b.markExempt && a.excludingTax == b.excludingTax;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    // Texts, cutter sequence and field lines; the receipt options; the text,
    // blank and address lines, cutter port and the rest of the custom options.
    const TillConfig config = fuzz::configFrom(
        fuzz::bytesOf(data, size), { { 33034, 280 }, { 40630, 48 }, { 40870, 76 } });
    const CustomReceiptSettings shown = loadCustomReceiptSettings(config);
    for (const std::string &line : shown.lines) {
        const int value = std::stoi(line);
        check(value >= 0 && value <= 40 && line == std::to_string(value));
    }
    check(std::stoi(shown.noteLine) >= 0 && std::stoi(shown.noteLine) <= 40);
    check(shown.cutterPortIndex >= 0 && shown.cutterPortIndex < kCutterPortChoices);
    check(shown.blankLinesIndex >= 0 && shown.blankLinesIndex < kBlankLinesChoices);

    TillConfig stored = config;
    ScriptedMessages messages;
    if (!applyCustomReceiptSettings(stored, shown, messages)) {
        check(cutterSequenceProblem(shown.cutterSequence).has_value());
        check(messages.shown.size() == 1 && messages.shown[0].caption == "Problem");
        check(stored.view() == config.view());
        return 0;
    }
    check(messages.shown.empty());
    CustomReceiptSettings expected = shown;
    for (std::string &text : expected.texts)
        text = text.substr(0, kCustomReceiptTextLength);
    const CustomReceiptSettings reread = loadCustomReceiptSettings(stored);
    check(same(reread, expected));
    TillConfig second = stored;
    check(applyCustomReceiptSettings(second, reread, messages));
    check(second.view() == stored.view());
    return 0;
}
