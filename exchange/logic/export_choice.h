#pragma once
// What the "Export" command writes: items or customers, a number range, the
// format (comma-separated text, an HTML page or XML), and for text and HTML
// the fields. Held for one command only; nothing of it is stored.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class Shop;

enum class ExportSubject { Items, Customers };
enum class ExportFormat { Text, Html, Xml };
enum class HtmlTextSize { Small, Medium, Large };

// The ten fields of the field dialog, in box order.
inline constexpr int kExportFieldCount = 10;

struct ExportChoice {
    ExportSubject subject = ExportSubject::Items;
    ExportFormat format = ExportFormat::Text;
    int64_t start = 1;
    int64_t finish = 0;
    // Items only: the display category (0-17) an item must have; nothing for all.
    std::optional<int> category;
    bool boldNumber = false; // HTML: the number in bold
    bool boldTitle = false; // HTML: the description, or name, road and area, in bold
    HtmlTextSize textSize = HtmlTextSize::Small;
    // Text and HTML: the boxes ticked. "Export entire" writes all ten and, in
    // text, the further fields of the record as well.
    std::array<bool, kExportFieldCount> fields { true, true, true, true, true, true, true,
        true, true, true };
    bool entire = false;
};

// The names of the ten boxes for items ("Number", "Description", ...) or
// customers ("Number", "Company", ...).
const std::array<const char *, kExportFieldCount> &exportFieldNames(ExportSubject subject);
// "Inventory database" or "Customer database": the field dialog's title.
const char *exportFieldTitle(ExportSubject subject);

// "Invalid range" (caption "Problem") and false when Start is not positive or
// Finish is below Start.
bool exportRangeValid(const ExportChoice &choice, Messages &messages);

// Takes Start and Finish as typed: whole numbers (blanks around them allowed)
// with Start positive and Finish not below it, else "Invalid range" (caption
// "Problem"), false, and `choice` unchanged.
bool setExportRange(ExportChoice &choice, std::string_view start, std::string_view finish,
    Messages &messages);

// Text and HTML need a field to write: with no box ticked and not "Export
// entire", "No field is ticked to export." (caption "Problem") and false.
// XML writes every field and always passes.
bool exportFieldsChosen(const ExportChoice &choice, Messages &messages);

// The highest item (or customer) number on file, offered as "Finish"; 0
// when there is none.
int64_t highestExportNumber(const Shop &shop, ExportSubject subject);

// The name offered for the output file: "INVENTOR.TXT", "CUSTOMER.XML", ...
std::string defaultExportFileName(ExportSubject subject, ExportFormat format);
// "Enter the inventory file path/name:" or "Enter the customer file path/name:".
const char *exportFilePrompt(ExportSubject subject);

} // namespace ovix
