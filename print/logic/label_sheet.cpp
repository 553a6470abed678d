#include "print/logic/label_sheet.h"

#include "platform/c_format.h"
#include "print/logic/code39.h"
#include "print/logic/ean13.h"
#include "print/logic/print_device.h"

#include <cinttypes>

namespace ovix {

namespace {

// Below a label's top: the video spine text, and in columns the number and
// the description or name.
constexpr int kSpineTextDrop = 400;
constexpr int kColumnNumberDrop = 1080;
constexpr int kColumnNumberDropEan = 1200;
constexpr int kColumnTextDrop = 1800;

bool isEan(const LabelJob &job)
{
    return job.symbology == LabelSymbology::Ean13;
}

std::string barcodeDigits(const LabelJob &job, int64_t number)
{
    return isEan(job) ? ean13Digits(number) : code39Digits(number);
}

std::string priceText(const LabelShopTexts &shop, int64_t cents)
{
    return cformat("%s%.2f", shop.currencySymbol.c_str(), static_cast<double>(cents) / 100.0);
}

bool showsPrice(const LabelJob &job)
{
    return job.includePrice
        && (job.source == LabelSource::Inventory || job.source == LabelSource::RepeatItem);
}

void drawBarcode(PrintDevice &device, const LabelJob &job, int x, int top, int64_t number)
{
    const std::string digits = barcodeDigits(job, number);
    if (isEan(job))
        drawEan13(device, x, top, digits, job.elementWidth);
    else
        drawCode39(device, x, top, digits, job.elementWidth);
}

void drawVideoSpineLabel(PrintDevice &device, const LabelJob &job, const LabelValue &value,
    const LabelShopTexts &shop, int top)
{
    drawBarcode(device, job, job.originX, top, value.number);
    const int module = job.elementWidth;
    const int digitCount = static_cast<int>(barcodeDigits(job, value.number).size());
    const int textX = isEan(job) ? job.originX + 110 * module
                                 : job.originX + (digitCount + 3) * 13 * module;
    const int textY = top + kSpineTextDrop;
    const std::string text = videoSpineText(job, value, shop);
    if (showsPrice(job) && job.priceBelowText) {
        device.drawText(textX, textY - 4 * module, text, TextAlign::Left);
        device.drawText(textX, textY + 6 * module, priceText(shop, value.priceCents),
            TextAlign::Left);
        return;
    }
    device.drawText(textX, textY, text, TextAlign::Left);
}

// A label of two or three columns: the symbol centred on `centre`, the number
// and the description or name centred below it.
void drawColumnLabel(PrintDevice &device, const LabelJob &job, const LabelValue &value,
    const LabelShopTexts &shop, int centre, int top)
{
    const int module = job.elementWidth;
    const std::string digits = barcodeDigits(job, value.number);
    const int digitCount = static_cast<int>(digits.size());
    const int x = isEan(job) ? centre - 100 * module / 2 : centre - (digitCount + 2) * 12 * module / 2;
    drawBarcode(device, job, x, top, value.number);
    std::string number = isEan(job) ? digits : cformat("%" PRId64, value.number);
    std::string text = value.text;
    if (showsPrice(job))
        text += " " + priceText(shop, value.priceCents);
    const int numberTop = top + (isEan(job) ? kColumnNumberDropEan : kColumnNumberDrop);
    if (job.format == LabelFormat::ThreeColumn) {
        // Three column labels are as tall as the bars and one line of text:
        // the description shares the number's line rather than run into the
        // next row.
        if (!text.empty())
            number += "  " + text;
        device.drawText(centre, numberTop, number, TextAlign::Centre);
        return;
    }
    device.drawText(centre, numberTop, number, TextAlign::Centre);
    if (!text.empty())
        device.drawText(centre, top + kColumnTextDrop, text, TextAlign::Centre);
}

} // namespace

void selectLabelFont(PrintDevice &device, int64_t textSize)
{
    if (textSize >= 10 && textSize <= 200) {
        const int height = static_cast<int>(device.printableHeight() / textSize);
        if (height > 0 && device.selectFont(PrintFont { PrintFont::Kind::ArialHeight, height }))
            return;
    }
    device.selectFont(PrintFont {});
}

std::string videoSpineText(const LabelJob &job, const LabelValue &value,
    const LabelShopTexts &shop)
{
    std::string text;
    if (job.source == LabelSource::AllValues) {
        text = isEan(job) ? ean13Digits(value.number) : cformat("%" PRId64, value.number);
    } else {
        text = cformat("%" PRId64 "  %s", value.number, value.text.c_str());
        if (showsPrice(job) && !job.priceBelowText)
            text += " " + priceText(shop, value.priceCents);
    }
    if (job.includeStore)
        text = shop.storeName + "  " + text;
    return text;
}

int drawLabelSheets(PrintDevice &device, const LabelJob &job, const std::vector<LabelValue> &values,
    const LabelShopTexts &shop, const std::function<bool()> &carryOn)
{
    if (values.empty())
        return 0;
    const int perSheet = job.labelsPerSheet > 0 ? job.labelsPerSheet : 1;
    const int columns = job.format == LabelFormat::TwoColumn ? 2
        : job.format == LabelFormat::ThreeColumn             ? 3
                                                             : 1;
    const int width = device.printableWidth();
    int pages = 1;
    selectLabelFont(device, job.textSize);
    for (size_t index = 0; index < values.size(); ++index) {
        const int onSheet = static_cast<int>(index % static_cast<size_t>(perSheet));
        if (index > 0 && onSheet == 0) {
            if ((carryOn && !carryOn()) || !device.newPage())
                break;
            ++pages;
            selectLabelFont(device, job.textSize);
        }
        const int row = onSheet / columns;
        const int column = onSheet % columns;
        const int top = job.originY + row * job.labelHeight;
        const LabelValue &value = values[index];
        if (columns == 1) {
            drawVideoSpineLabel(device, job, value, shop, top);
        } else if (columns == 2) {
            drawColumnLabel(device, job, value, shop, width / 4 + column * (width / 2), top);
        } else {
            drawColumnLabel(device, job, value, shop, width / 2 + (column - 1) * job.fromCentre, top);
        }
    }
    return pages;
}

} // namespace ovix
