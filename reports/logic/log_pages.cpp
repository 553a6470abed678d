#include "reports/logic/log_pages.h"

#include "platform/file.h"

namespace ovix {

std::optional<std::string> readLogPage(const std::string &path, int64_t offset)
{
    File file = File::open(path, File::Mode::Read);
    if (!file.isOpen() || offset < 0)
        return std::nullopt;
    std::string page(static_cast<size_t>(kLogPageBytes), '\0');
    size_t got = 0;
    while (got < page.size()) {
        const int64_t read = file.readSomeAt(offset + static_cast<int64_t>(got), page.data() + got,
            page.size() - got);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;
        got += static_cast<size_t>(read);
    }
    page.resize(got);
    return page;
}

bool LogPager::show(int64_t offset)
{
    std::optional<std::string> page = readLogPage(path_, offset);
    if (!page)
        return false;
    start_ = offset;
    text_ = std::move(*page);
    return true;
}

bool LogPager::first()
{
    return show(0);
}

bool LogPager::next()
{
    return nextEnabled() && show(start_ + kLogPageBytes);
}

bool LogPager::previous()
{
    if (!previousEnabled())
        return false;
    return show(start_ > kLogPageBytes ? start_ - kLogPageBytes : 0);
}

} // namespace ovix
