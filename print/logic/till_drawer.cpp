#include "print/logic/till_drawer.h"

#include "platform/cp1252.h"
#include "platform/messages.h"
#include "print/logic/byte_sequence.h"
#include "print/logic/port_map.h"
#include "print/logic/raw_printer.h"
#include "print/logic/serial_port.h"
#include "sales/logic/shrinkage_log.h"
#include "store/shop.h"
#include "store/till_config.h"

#include <algorithm>
#include <string>

namespace ovix {

namespace {

constexpr int kThroughReceiptPrinter = 2;

bool sendThroughPrinter(const TillConfig &config, Messages &messages)
{
    std::string sequence = config.text(cfg::drawerSequence);
    if (sequence.empty())
        return false;
    std::string bytes = parseByteSequence(sequence);
    if (bytes.empty())
        return false;
    std::string queue;
    if (receiptPrinterListIndex(config) > 0)
        queue = toUtf8(config.text(cfg::receiptPrinterDevice));
    if (!RawPrinter::sendJob(queue, bytes)) {
        reportProblem(messages, "Unable to open printer for till drawer");
        return false;
    }
    return true;
}

bool writeToPort(const DataDir &dataDir, int port, std::string_view bytes,
    std::string_view openCaption, Messages &messages)
{
    SerialPort device;
    if (!device.open(PortMap::load(dataDir).devicePath(port))) {
        reportProblem(messages, "Unable to open port", openCaption);
        return false;
    }
    device.makeOutputRaw();
    bool written = device.write(bytes);
    device.close();
    if (!written)
        reportProblem(messages, "Unable write to port");
    return written;
}

} // namespace

bool openTillDrawer(const TillConfig &config, const DataDir &dataDir, Messages &messages)
{
    if (config.get(cfg::drawerMode) == kThroughReceiptPrinter)
        return sendThroughPrinter(config, messages);
    int64_t repeat = std::clamp<int64_t>(config.get(cfg::drawerRepeat), 1, 10);
    char openCharacter = static_cast<char>(config.get(cfg::drawerOpenCharacter) & 0xFF);
    std::string bytes(static_cast<size_t>(repeat), openCharacter);
    return writeToPort(dataDir, drawerPortIndex(config), bytes, "Till drawer", messages);
}

bool openDrawerWithoutSale(const Shop &shop, Messages &messages)
{
    const bool opened = openTillDrawer(shop.config, shop.dir, messages);
    appendShrinkageBlock(shop, noSaleDrawerLogBlock(shop, opened), messages);
    return opened;
}

bool sendPortSequence(const DataDir &dataDir, int port, std::string_view text, Messages &messages)
{
    if (text.empty())
        return true;
    return writeToPort(dataDir, port, parseByteSequence(text), "Problem", messages);
}

bool sendCutterSequence(const TillConfig &config, const DataDir &dataDir, Messages &messages)
{
    return sendPortSequence(
        dataDir, cutterPortIndex(config), config.text(cfg::cutterSequence), messages);
}

} // namespace ovix
