#pragma once
// Items of film.dat written as the shop website's stock file, XML or CSV,
// with the fields, element names and format chosen in vx.cfg.
//
// Text fields go out as stored, single-byte Windows-1252, read no further than
// their width (a damaged record may hold no NUL). In XML every text, the two
// dates too, has & < > " ' written as entities, so that no record can open or
// close an element of its own (a date the till wrote holds none of them and
// goes out unchanged); CSV values are neither quoted nor escaped. Numbers use
// the C locale: "%.2f" for prices. An element name that is empty or holds a
// blank, a control character or one of < > & " ' / = (typed so, or from a
// damaged vx.cfg) is replaced by its default name, so that the tags stay tags.

#include "sync/logic/sync_config.h"

#include <array>
#include <string>

namespace ovix {

struct ItemRecord;

class StockFormatter {
public:
    // Takes what it needs from `config` now; later changes are not seen.
    explicit StockFormatter(const SyncConfig &config);

    FileFormat format() const
    {
        return format_;
    }

    // What comes before the first item: the XML declaration and "<document>",
    // each ending in CR LF; nothing for CSV.
    void appendHeader(std::string &out) const;
    // Appends one item (an XML element of one line per field, or one CSV line
    // ending in CR LF). A free slot (number 0 or less) adds nothing and gives
    // false.
    bool appendItem(std::string &out, const ItemRecord &record) const;
    // What comes after the last item: "</document>" with no line end; nothing
    // for CSV.
    void appendFooter(std::string &out) const;

private:
    bool included(OptionalField field) const
    {
        return included_[static_cast<size_t>(field)];
    }
    void appendText(std::string &out, Element element, std::string_view text) const;
    void appendWhole(std::string &out, Element element, int64_t value) const;
    void appendMoney(std::string &out, Element element, float value) const;
    void open(std::string &out, Element element) const;
    void close(std::string &out, Element element) const;

    FileFormat format_;
    std::array<bool, kOptionalFieldCount> included_ {};
    std::array<std::string, kElementCount> openTags_; // "<name>" in Windows-1252
    std::array<std::string, kElementCount> closeTags_; // "</name>" CR LF
};

} // namespace ovix
