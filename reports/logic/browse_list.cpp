#include "reports/logic/browse_list.h"

#include "platform/messages.h"

#include <utility>

namespace ovix {

BrowseList::BrowseList(Options options, std::unique_ptr<BrowseSource> source, size_t start)
    : options_(std::move(options)), source_(std::move(source)), starts_ { start }, next_(start)
{
}

BrowseList::Filled BrowseList::show(size_t start, Messages &messages)
{
    std::optional<BrowseSource::Page> page = source_->fill(start, messages);
    if (!page)
        return Filled::Failed;
    if (page->rows.empty())
        return Filled::Empty;
    rows_ = std::move(page->rows);
    next_ = page->next;
    return Filled::Shown;
}

bool BrowseList::open(Messages &messages)
{
    const Filled filled = show(starts_.front(), messages);
    if (filled == Filled::Empty && options_.customers)
        reportProblem(messages, "No items on record.");
    return filled == Filled::Shown;
}

bool BrowseList::more(Messages &messages)
{
    const size_t start = next_;
    if (show(start, messages) != Filled::Shown)
        return false;
    if (options_.back) {
        if (starts_.size() == kBrowsePageStarts)
            starts_.erase(starts_.begin());
        starts_.push_back(start);
    }
    return true;
}

bool BrowseList::back(Messages &messages)
{
    if (!offersBack())
        return false;
    const size_t start = starts_[starts_.size() - 2];
    if (show(start, messages) != Filled::Shown)
        return false;
    starts_.pop_back();
    return true;
}

} // namespace ovix
