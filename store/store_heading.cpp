#include "store/store_heading.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "store/fixed_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ovix {

StoreHeading StoreHeading::sample()
{
    StoreHeading heading;
    heading.setLine(HeadingLine::SiteName, "YOUR SHOP NAME");
    heading.setLine(HeadingLine::Road, "1 HIGH STREET");
    heading.setLine(HeadingLine::Area, "TOWN");
    heading.setLine(HeadingLine::County, "COUNTY");
    heading.setLine(HeadingLine::Postcode, "POSTCODE");
    heading.setLine(HeadingLine::Telephone, "TEL 0000 000000");
    return heading;
}

char *StoreHeading::lineAt(HeadingLine which)
{
    return bytes_.data() + static_cast<size_t>(which) * kHeadingLineWidth;
}

const char *StoreHeading::lineAt(HeadingLine which) const
{
    return bytes_.data() + static_cast<size_t>(which) * kHeadingLineWidth;
}

static bool isLine(HeadingLine which)
{
    int index = static_cast<int>(which);
    return index >= 0 && index < kHeadingLineCount;
}

std::string StoreHeading::line(HeadingLine which) const
{
    return isLine(which) ? readFixedText(lineAt(which), kHeadingLineWidth) : std::string();
}

void StoreHeading::setLine(HeadingLine which, std::string_view text)
{
    if (isLine(which))
        writeFixedText(lineAt(which), kHeadingLineWidth, text);
}

void StoreHeading::setLineFromDialog(HeadingLine which, std::string_view text)
{
    if (which == HeadingLine::Seventh)
        return;
    setLine(which, text.substr(0, kHeadingDialogLineLength));
}

void StoreHeading::assign(std::string_view data)
{
    size_t length = std::min(data.size(), bytes_.size());
    std::memcpy(bytes_.data(), data.data(), length);
    std::memset(bytes_.data() + length, 0, bytes_.size() - length);
}

StoreHeadingLoad loadStoreHeading(const DataDir &dir, StoreHeading &heading)
{
    File file = File::open(dir.path(kStoreHeadingFileName), File::Mode::Read);
    if (!file.isOpen() && file.error() == ENOENT) {
        heading = StoreHeading::sample();
        return StoreHeadingLoad::Missing;
    }
    std::string bytes(kStoreHeadingSize, '\0');
    int64_t length = file.isOpen() ? file.readSomeAt(0, bytes.data(), bytes.size()) : -1;
    if (length < 0) {
        heading = StoreHeading::sample();
        return StoreHeadingLoad::Unreadable;
    }
    bytes.resize(static_cast<size_t>(length));
    heading.assign(bytes);
    return StoreHeadingLoad::Loaded;
}

bool storeStoreHeading(const DataDir &dir, const StoreHeading &heading, std::string *error)
{
    return replaceFileAtomically(dir.path(kStoreHeadingFileName), heading.bytes(), error);
}

} // namespace ovix
