#include "print/logic/ean13.h"

#include "print/logic/print_device.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace ovix {

namespace {

// The odd (L) set of each digit; the R set is its complement and the even (G)
// set the R set read backwards.
constexpr std::array<const char *, 10> kOddSet = { "0001101", "0011001", "0010011", "0111101",
    "0100011", "0110001", "0101111", "0111011", "0110111", "0001011" };
// Which of the six left digits use the even set, by the first digit.
constexpr std::array<const char *, 10> kLeftParity = { "OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO",
    "OEOOEE", "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO" };

bool allDigits(std::string_view text)
{
    for (char character : text) {
        if (character < '0' || character > '9')
            return false;
    }
    return true;
}

std::string rightSet(int digit)
{
    std::string modules = kOddSet[static_cast<size_t>(digit)];
    for (char &module : modules)
        module = module == '1' ? '0' : '1';
    return modules;
}

std::string evenSet(int digit)
{
    std::string modules = rightSet(digit);
    return std::string(modules.rbegin(), modules.rend());
}

// Guard modules drawn to the full guard height: start, centre and end.
bool isGuardModule(size_t module)
{
    return module < 3 || (module >= 45 && module < 50) || module >= 92;
}

} // namespace

int ean13CheckDigit(std::string_view twelve)
{
    if (twelve.size() != 12 || !allDigits(twelve))
        return -1;
    int sum = 0;
    for (size_t i = 0; i < 12; ++i) {
        // The rightmost digit weighs 3, the one before it 1, and so on.
        const int weight = (11 - i) % 2 == 0 ? 3 : 1;
        sum += (twelve[i] - '0') * weight;
    }
    return (10 - sum % 10) % 10;
}

std::string ean13Digits(int64_t number)
{
    if (number < 0)
        return "";
    char text[32];
    (void)std::snprintf(text, sizeof text, "%012" PRId64, number); // at most 19 digits
    std::string digits(text, 12);
    digits += static_cast<char>('0' + ean13CheckDigit(digits));
    return digits;
}

std::string ean13Modules(std::string_view digits)
{
    if (digits.size() != 13 || !allDigits(digits)
        || ean13CheckDigit(digits.substr(0, 12)) != digits[12] - '0')
        return "";
    const char *parity = kLeftParity[static_cast<size_t>(digits[0] - '0')];
    std::string modules = "101";
    for (size_t i = 1; i <= 6; ++i) {
        const int digit = digits[i] - '0';
        modules += parity[i - 1] == 'E' ? evenSet(digit) : kOddSet[static_cast<size_t>(digit)];
    }
    modules += "01010";
    for (size_t i = 7; i <= 12; ++i)
        modules += rightSet(digits[i] - '0');
    modules += "101";
    return modules;
}

bool drawEan13(PrintDevice &device, int x, int top, std::string_view digits, int module)
{
    const std::string modules = ean13Modules(digits);
    if (modules.empty() || module <= 0)
        return false;
    size_t start = 0;
    while (start < modules.size()) {
        if (modules[start] != '1') {
            ++start;
            continue;
        }
        // One bar: a run of dark modules, all of them guard or all digit.
        size_t end = start;
        while (end < modules.size() && modules[end] == '1'
            && isGuardModule(end) == isGuardModule(start))
            ++end;
        const int height = isGuardModule(start) ? kEan13GuardHeight : kEan13BarHeight;
        device.fillRect(x + static_cast<int>(start) * module, top,
            static_cast<int>(end - start) * module, height);
        start = end;
    }
    return true;
}

} // namespace ovix
