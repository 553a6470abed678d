#include "print/logic/pole_display.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "print/logic/byte_sequence.h"
#include "print/logic/port_map.h"
#include "print/logic/serial_port.h"
#include "store/till_config.h"

#include <vector>

namespace ovix {

namespace {

enum PoleText {
    kPassiveText = 0,
    kSwitchPrinterOn = 1,
    kSwitchPrinterOff = 2,
    kClearDisplay = 3,
    kCursorFirstLine = 4,
    kCursorSecondLine = 5,
};

constexpr size_t kItemDescriptionWidth = 12;
constexpr size_t kItemPriceWidth = 10;

class PoleExchange {
public:
    PoleExchange(const TillConfig &config, const DataDir &dataDir)
        : config_(config)
        , path_(PortMap::load(dataDir).devicePath(polePortIndex(config)))
        , line_(poleSerialLine(config))
    {
    }

    std::string sequence(PoleText which) const
    {
        return parseByteSequence(config_.text(cfg::poleTexts, which));
    }

    // The clear sequence, the first-line cursor when set, and `text`.
    std::string firstLine(std::string_view text) const
    {
        std::string bytes = sequence(kClearDisplay);
        if (!config_.text(cfg::poleTexts, kCursorFirstLine).empty())
            bytes += sequence(kCursorFirstLine);
        bytes += text;
        return bytes;
    }

    // Runs the bracketed exchange writing each of `writes` in turn; the last
    // write's result is the one reported.
    bool run(
        const std::vector<std::string> &writes, std::string_view openCaption, Messages &messages)
    {
        sendAlone(kSwitchPrinterOff);
        SerialPort port;
        if (!openPort(port)) {
            sendAlone(kSwitchPrinterOn);
            reportProblem(messages, "Unable to open port", openCaption);
            return false;
        }
        bool written = true;
        for (const std::string &bytes : writes)
            written = port.write(bytes);
        port.close();
        sendAlone(kSwitchPrinterOn);
        if (!written)
            reportProblem(messages, "Unable write to port");
        return written;
    }

private:
    bool openPort(SerialPort &port)
    {
        if (!port.open(path_))
            return false;
        port.applyLine(line_);
        return true;
    }

    void sendAlone(PoleText which)
    {
        SerialPort port;
        if (openPort(port))
            port.write(sequence(which));
    }

    const TillConfig &config_;
    std::string path_;
    SerialLine line_;
};

} // namespace

std::string poleItemText(std::string_view description, double priceWithTax)
{
    if (description.size() <= kItemDescriptionWidth)
        return std::string(description) + cformat(" %.2f", priceWithTax);
    std::string price = cformat("  %.2f", priceWithTax);
    return std::string(description.substr(0, kItemDescriptionWidth))
        + price.substr(0, kItemPriceWidth);
}

bool poleShowPassive(const TillConfig &config, const DataDir &dataDir, Messages &messages)
{
    PoleExchange exchange(config, dataDir);
    std::string text = config.text(cfg::poleTexts, kPassiveText);
    return exchange.run({ exchange.firstLine(text) }, "Pole display", messages);
}

bool poleShowItem(const TillConfig &config, const DataDir &dataDir, Messages &messages,
    std::string_view description, double priceWithTax)
{
    PoleExchange exchange(config, dataDir);
    return exchange.run(
        { exchange.firstLine(poleItemText(description, priceWithTax)) }, "Problem", messages);
}

bool poleShowTotal(
    const TillConfig &config, const DataDir &dataDir, Messages &messages, double total)
{
    PoleExchange exchange(config, dataDir);
    return exchange.run({ exchange.firstLine(cformat("Total: %.2f", total)) }, "Problem", messages);
}

bool poleShowTenderChange(const TillConfig &config, const DataDir &dataDir, Messages &messages,
    double tendered, double change)
{
    PoleExchange exchange(config, dataDir);
    std::string second = exchange.sequence(kCursorSecondLine) + cformat("Change: %.2f", change);
    return exchange.run(
        { exchange.firstLine(cformat("Tender: %.2f", tendered)), second }, "Problem", messages);
}

} // namespace ovix
