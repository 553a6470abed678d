#include "print/logic/device_pages.h"

#include "platform/c_format.h"
#include "platform/number_text.h"
#include "store/till_config.h"

#include <charconv>
#include <cinttypes>
#include <optional>
#include <string_view>

namespace ovix {

namespace {

int twoOrZero(bool on)
{
    return on ? 2 : 0;
}

bool inRange(int index, size_t count)
{
    return index >= 0 && static_cast<size_t>(index) < count;
}

void storePoleLine(TillConfig &config, const PoleConfigurationPageInput &input)
{
    if (inRange(input.portIndex, kPolePortChoices))
        config.set(cfg::polePort, input.portIndex);
    if (inRange(input.baudIndex, kBaudRateChoices.size()))
        config.set(cfg::poleBaudRate, input.baudIndex);
    if (inRange(input.parityIndex, kParityChoices.size()))
        config.set(cfg::poleParity, input.parityIndex);
    if (inRange(input.dataBitsIndex, kDataBitsChoices.size()))
        config.set(cfg::poleDataBits, input.dataBitsIndex);
    if (inRange(input.stopBitsIndex, kStopBitsChoices.size()))
        config.set(cfg::poleStopBits, input.stopBitsIndex);
    for (size_t text = 0; text < kPoleTextCount; ++text)
        config.setText(cfg::poleTexts, text, input.texts[text]);
}

void storeColumns(TillConfig &config, Int32Field field, std::string_view typed)
{
    std::optional<int64_t> columns = wholeNumber(typed);
    if (columns && *columns >= 0 && *columns <= 999)
        config.set(field, static_cast<int32_t>(*columns));
}

} // namespace

std::vector<std::string> drawerPrinterModelEntries()
{
    std::vector<std::string> entries;
    entries.reserve(kDrawerPrinterModels.size());
    for (const DrawerPrinterModel &model : kDrawerPrinterModels)
        entries.push_back(std::string(model.model) + ": " + model.sequence);
    return entries;
}

ReceiptsPageInput loadReceiptsPage(const TillConfig &config,
                                   const std::vector<PrinterChoice> &printers)
{
    ReceiptsPageInput input;
    if (receiptPrinterListIndex(config) == 0) {
        input.printerIndex = 0;
    } else {
        const std::string stored = config.text(cfg::receiptPrinterDevice);
        for (size_t at = 0; at < printers.size(); ++at)
            if (!stored.empty() && printers[at].name == stored)
                input.printerIndex = static_cast<int>(at) + 1;
    }
    input.omitPrintConfirm = config.get(cfg::printConfirm) == 0;
    input.autoReceiptIndex = autoReceiptIndex(config);
    input.copiesIndex = receiptCopiesIndex(config);
    input.kitchenReceipt = config.get(cfg::kitchenReceipt) != 0;
    input.itemsCentred = config.get(cfg::standardItemsCentred) != 0;
    input.barcode = config.get(cfg::standardReceiptBarcode) != 0;
    input.logo = config.get(cfg::standardReceiptLogo) != 0;
    input.exclusiveOfTax = config.get(cfg::standardReceiptExclusiveOfTax) != 0;
    input.printToPageWidth = config.get(cfg::printToPageWidth) != 0;
    input.wordWrap = config.get(cfg::wordWrap) != 0;
    input.limitDescription = config.get(cfg::limitDescription) != 0;
    input.forceTenPointFont = config.get(cfg::forceTenPointFont) != 0;
    input.footer = config.text(cfg::receiptMessage);
    return input;
}

void applyReceiptsPage(TillConfig &config, const ReceiptsPageInput &input,
                       const std::vector<PrinterChoice> &printers)
{
    if (input.printerIndex == 0) {
        config.set(cfg::receiptPrinterIndex, 0);
        config.setText(cfg::receiptPrinterDevice, "");
        config.setText(cfg::receiptPrinterDriver, "");
    } else if (input.printerIndex > 0
               && static_cast<size_t>(input.printerIndex) <= printers.size()) {
        const PrinterChoice &printer = printers[static_cast<size_t>(input.printerIndex - 1)];
        config.set(cfg::receiptPrinterIndex, input.printerIndex);
        config.setText(cfg::receiptPrinterDevice, printer.name);
        config.setText(cfg::receiptPrinterDriver, printer.driver);
    }
    config.set(cfg::printConfirm, input.omitPrintConfirm ? 0 : 1);
    if (inRange(input.autoReceiptIndex, kAutoReceiptChoices.size()))
        config.set(cfg::autoReceipt, input.autoReceiptIndex);
    if (inRange(input.copiesIndex, kReceiptCopiesChoices.size()))
        config.set(cfg::receiptCopies, input.copiesIndex);
    config.set(cfg::kitchenReceipt, twoOrZero(input.kitchenReceipt));
    config.set(cfg::standardItemsCentred, twoOrZero(input.itemsCentred));
    config.set(cfg::standardReceiptBarcode, twoOrZero(input.barcode));
    config.set(cfg::standardReceiptLogo, twoOrZero(input.logo));
    config.set(cfg::standardReceiptExclusiveOfTax, twoOrZero(input.exclusiveOfTax));
    config.set(cfg::printToPageWidth, twoOrZero(input.printToPageWidth));
    config.set(cfg::wordWrap, twoOrZero(input.wordWrap));
    config.set(cfg::limitDescription, twoOrZero(input.limitDescription));
    config.set(cfg::forceTenPointFont, twoOrZero(input.forceTenPointFont));
    config.setText(cfg::receiptMessage,
                   std::string_view(input.footer).substr(0, kFooterTextLength));
}

TillConfigurationPageInput loadTillConfigurationPage(const TillConfig &config)
{
    TillConfigurationPageInput input;
    input.use = config.get(cfg::drawerInUse) != 0;
    input.portIndex = drawerPortIndex(config);
    input.openCharacter = cformat("%" PRId64, config.get(cfg::drawerOpenCharacter));
    input.repeat = cformat("%" PRId64, config.get(cfg::drawerRepeat));
    input.sequence = config.text(cfg::drawerSequence);
    input.receiptPrinterConnect = config.get(cfg::drawerMode) == 2;
    return input;
}

void applyTillConfigurationPage(TillConfig &config, const TillConfigurationPageInput &input)
{
    config.set(cfg::drawerInUse, input.use ? 1 : 0);
    if (inRange(input.portIndex, kDevicePortChoices.size()))
        config.set(cfg::drawerPort, input.portIndex);
    std::optional<int64_t> character = wholeNumber(input.openCharacter);
    if (character && *character >= 0 && *character <= 255)
        config.set(cfg::drawerOpenCharacter, *character);
    std::optional<int64_t> repeat = wholeNumber(input.repeat);
    if (repeat && *repeat >= 1 && *repeat <= 10)
        config.set(cfg::drawerRepeat, *repeat);
    config.setText(cfg::drawerSequence, input.sequence);
    config.set(cfg::drawerMode, twoOrZero(input.receiptPrinterConnect));
}

PoleConfigurationPageInput loadPoleConfigurationPage(const TillConfig &config)
{
    PoleConfigurationPageInput input;
    input.use = config.get(cfg::poleInUse) != 0;
    input.portIndex = polePortIndex(config);
    input.baudIndex = poleBaudRateIndex(config);
    input.parityIndex = poleParityIndex(config);
    input.dataBitsIndex = poleDataBitsIndex(config);
    input.stopBitsIndex = poleStopBitsIndex(config);
    input.columnsLineOne = cformat("%d", static_cast<int>(config.get(cfg::poleColumnsLineOne)));
    input.columnsLineTwo = cformat("%d", static_cast<int>(config.get(cfg::poleColumnsLineTwo)));
    for (size_t text = 0; text < kPoleTextCount; ++text)
        input.texts[text] = config.text(cfg::poleTexts, text);
    return input;
}

void applyPoleConfigurationPage(TillConfig &config, const PoleConfigurationPageInput &input)
{
    config.set(cfg::poleInUse, twoOrZero(input.use));
    storePoleLine(config, input);
    storeColumns(config, cfg::poleColumnsLineOne, input.columnsLineOne);
    storeColumns(config, cfg::poleColumnsLineTwo, input.columnsLineTwo);
}

void applyPolePreviewSettings(TillConfig &config, const PoleConfigurationPageInput &input)
{
    storePoleLine(config, input);
}

} // namespace ovix
