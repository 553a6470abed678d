#include "print/logic/code39.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr int kModulesPerCharacter = 13; // 12 for the elements, 1 for the gap

} // namespace

std::string code39Pattern(char character)
{
    // Element widths, bar first: 1 narrow, 2 wide.
    switch (character) {
    case '0':
        return "111221211";
    case '1':
        return "211211112";
    case '2':
        return "112211112";
    case '3':
        return "212211111";
    case '4':
        return "111221112";
    case '5':
        return "211221111";
    case '6':
        return "112221111";
    case '7':
        return "111211212";
    case '8':
        return "211211211";
    case '9':
        return "112211211";
    case '*':
        return "121121211";
    default:
        return "";
    }
}

std::string code39Digits(int64_t number)
{
    if (number < 0)
        return "";
    return cformat("%04" PRId64, number);
}

int code39Width(size_t digitCount, int module)
{
    return static_cast<int>((digitCount + 2) * kModulesPerCharacter - 1) * module;
}

bool drawCode39(
    PrintDevice &device, int x, int top, std::string_view digits, int module, int height)
{
    if (digits.empty() || module <= 0)
        return false;
    for (char digit : digits) {
        if (digit < '0' || digit > '9')
            return false;
    }
    std::string symbol(1, '*');
    symbol.append(digits);
    symbol += '*';
    for (size_t k = 0; k < symbol.size(); ++k) {
        std::string pattern = code39Pattern(symbol[k]);
        int left = x + static_cast<int>(k) * kModulesPerCharacter * module;
        for (size_t element = 0; element < pattern.size(); ++element) {
            int width = (pattern[element] - '0') * module;
            if (element % 2 == 0)
                device.fillRect(left, top, width, height);
            left += width;
        }
    }
    return true;
}

bool drawNumberBarcode(PrintDevice &device, int top, int64_t number, Messages &messages)
{
    if (device.dotsPerInch() <= 0) {
        reportProblem(messages, "Unable to get printer");
        return false;
    }
    std::string digits = code39Digits(number);
    int x = (device.printableWidth() - code39Width(digits.size(), kCode39Module)) / 2;
    return drawCode39(device, x, top, digits, kCode39Module);
}

} // namespace ovix
