// The barcode label settings over any typed texts: a run accepted has every
// size within what the sheet layouts draw, never more labels than one print
// may hold, and its labels fill exactly the pages they need, each page
// starting with the label its place says.

#include "fuzz/settings_fuzz.h"

#include "platform/scripted_messages.h"
#include "print/logic/label_job.h"
#include "print/logic/label_sheet.h"
#include "print/logic/recording_print_device.h"

#include <vector>

namespace {

using ovix::fuzz::check;

// At most this many labels are drawn per input, so each input stays fast.
constexpr int64_t kDrawnLabels = 120;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    std::string_view input = fuzz::bytesOf(data, size);
    if (input.size() < 2)
        return 0;
    const auto choices = static_cast<unsigned char>(input[0]);
    const auto textSize = static_cast<unsigned char>(input[1]);
    input.remove_prefix(2);
    const std::array<std::string, 10> typed = fuzz::typedTexts<10>(input);
    LabelEntry entry;
    entry.start = typed[0];
    entry.finish = typed[1];
    entry.quantity = typed[2];
    entry.originX = typed[3];
    entry.originY = typed[4];
    entry.labelHeight = typed[5];
    entry.labelsPerSheet = typed[6];
    entry.fromCentre = typed[7];
    entry.elementWidth = typed[8];
    entry.source = static_cast<LabelSource>(choices % 4);
    entry.format = static_cast<LabelFormat>((choices / 4) % 3);
    entry.symbology = (choices & 16) ? LabelSymbology::Ean13 : LabelSymbology::Code39;
    entry.includePrice = (choices & 32) != 0;
    entry.includeStore = (choices & 64) != 0;
    entry.priceBelowText = (choices & 128) != 0;
    entry.textSize = textSize;

    LabelJob job;
    ScriptedMessages messages;
    if (readLabelEntry(entry, job, messages) != LabelEntryCheck::Accepted) {
        check(messages.shown.size() == 1 && messages.shown[0].caption == "Problem");
        return 0;
    }
    check(messages.shown.empty());
    check(job.start >= 0 && job.start <= kLabelRangeLimit);
    // A repeat prints Start only, Quantity times; a range runs Start to Finish.
    if (job.source == LabelSource::RepeatItem)
        check(job.start > 0);
    else
        check(job.finish >= job.start && job.finish <= kLabelRangeLimit);
    // Only a repeat prints Quantity copies.
    check(job.quantity >= 0);
    if (job.source == LabelSource::RepeatItem)
        check(job.quantity <= kMostLabelsInOnePrint);
    if (job.source == LabelSource::AllValues)
        check(job.finish - job.start < kMostLabelsInOnePrint);
    check(job.originX >= 1 && job.originX <= 20000 && job.originY >= 1 && job.originY <= 20000);
    check(job.labelHeight >= 1 && job.labelHeight <= 20000);
    check(job.labelsPerSheet >= 1 && job.labelsPerSheet <= 200);
    check(job.fromCentre >= 1 && job.fromCentre <= 20000);
    check(job.elementWidth >= 1 && job.elementWidth <= 200);
    check(job.textSize == 0 || (job.textSize >= 10 && job.textSize <= 200));

    // The labels as the selection would give them, numbered from Start.
    const int64_t count = job.source == LabelSource::RepeatItem
        ? job.quantity
        : std::min<int64_t>(job.finish - job.start + 1, kDrawnLabels);
    std::vector<LabelValue> values;
    for (int64_t i = 0; i < std::min(count, kDrawnLabels); ++i) {
        const int64_t number = job.source == LabelSource::RepeatItem ? job.start : job.start + i;
        values.push_back(LabelValue { number, typed[9], number % 100000 });
    }
    RecordingPrintDevice device;
    int asked = 0;
    const LabelShopTexts shop { typed[9], "$" };
    const int pages
        = drawLabelSheets(device, job, values, shop, [&asked] { return ++asked < 1000; });
    const auto perSheet = static_cast<size_t>(job.labelsPerSheet);
    const size_t expectedPages = (values.size() + perSheet - 1) / perSheet;
    check(static_cast<size_t>(pages) == expectedPages);
    check(static_cast<size_t>(asked) == (expectedPages > 0 ? expectedPages - 1 : 0));
    check(
        device.operationsOf(PrintOperation::Kind::NewPage).size() == (pages > 0 ? pages - 1u : 0u));
    return 0;
}
