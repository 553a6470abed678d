#include "print/logic/measuring_print_device.h"

#include <algorithm>
#include <climits>

namespace ovix {

MeasuringPrintDevice::MeasuringPrintDevice(PrintDevice &device)
    : device_(device)
{
}

void MeasuringPrintDevice::reach(long long y)
{
    bottom_ = static_cast<int>(std::clamp<long long>(y, bottom_, INT_MAX));
}

void MeasuringPrintDevice::drawText(int x, int y, std::string_view text, TextAlign align)
{
    device_.drawText(x, y, text, align);
    reach(static_cast<long long>(y) + device_.lineHeight());
}

int MeasuringPrintDevice::drawWrappedText(
    int left, int top, int width, int height, std::string_view text)
{
    const int needed = device_.drawWrappedText(left, top, width, height, text);
    reach(static_cast<long long>(top) + std::clamp(needed, 0, std::max(height, 0)));
    return needed;
}

void MeasuringPrintDevice::fillRect(int x, int y, int width, int height)
{
    device_.fillRect(x, y, width, height);
    reach(std::max<long long>(y, static_cast<long long>(y) + height));
}

void MeasuringPrintDevice::fillShade(int x, int y, int width, int height, int level)
{
    device_.fillShade(x, y, width, height, level);
    reach(std::max<long long>(y, static_cast<long long>(y) + height));
}

bool MeasuringPrintDevice::drawImage(
    std::string_view fileBytes, int x, int y, int width, int height)
{
    const bool drawn = device_.drawImage(fileBytes, x, y, width, height);
    if (drawn)
        reach(std::max<long long>(y, static_cast<long long>(y) + height));
    return drawn;
}

} // namespace ovix
