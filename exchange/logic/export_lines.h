#pragma once
// The bytes of the export files: what comes before the first record, each
// record, and what comes after the last, for items and customers in the three
// formats. Texts are the records' own Windows-1252 bytes; line ends are CR LF.
//
// Text: the ticked fields in box order, comma-separated, neither quoted nor
// escaped (only a full item export has a header line). HTML: one line per
// record, the fields after the number each preceded by a space, ended by
// "<BR>". XML: one element per line, every text escaped for XML.

#include "exchange/logic/export_choice.h"

#include <string>
#include <string_view>

namespace ovix {

struct CustomerRecord;
struct ItemRecord;

// Before the first record: the text header line of a full item export, the
// HTML page's start and font, the XML prologue and "<document>".
std::string exportHead(const ExportChoice &choice);
// After the last record: "</BODY></HTML>" or "</document>", no line end.
std::string exportTail(const ExportChoice &choice);

// Adds the record as the chosen format writes it, line end included.
void appendItemExport(std::string &out, const ItemRecord &item, const ExportChoice &choice);
void appendCustomerExport(
    std::string &out, const CustomerRecord &customer, const ExportChoice &choice);

// `text` with & < > " and ' written as &amp; &lt; &gt; &quot; &apos;.
void appendXmlEscaped(std::string &out, std::string_view text);

} // namespace ovix
