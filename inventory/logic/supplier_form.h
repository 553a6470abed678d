#pragma once
// What the "Supplier" dialog holds: the number as typed and the seventeen
// text boxes of a mans.dat record, each with the characters it takes, and
// how they fill a record.
//
// Texts are Windows-1252. A box the clerk left as it was leaves its bytes in
// the record untouched, so amending a supplier written by another program
// never shortens or tidies what the clerk did not change.

#include "store/supplier_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ovix {

template <typename Record> class RecordFile;

// Characters the Number box takes.
inline constexpr size_t kSupplierNumberWidth = 39;

// One text box of the dialog and the record field behind it.
struct SupplierField {
    const char *label; // as the dialog shows it, e.g. "Zip / Post"
    const char *name; // the box's object name
    size_t offset; // of the field in the 1058-byte record
    size_t width; // of the field
    size_t entered; // characters the box takes (less than the width)
    bool capitals; // the box forces capitals
    bool severalLines; // the notes
};

inline constexpr size_t kSupplierFieldCount = 17;

// The boxes in the order the dialog shows them: Name, Road, Area, Town,
// Zip / Post, Telephone 1, Ext, Telephone 2, Email, Fax, Contact,
// Origination, Comment 1, Comment 2, Credit limit, Terms, Notes.
std::span<const SupplierField, kSupplierFieldCount> supplierFields();

struct SupplierForm {
    std::string number; // as typed
    std::array<std::string, kSupplierFieldCount> texts; // in supplierFields() order
};

// The supplier number typed in the Number box: its leading decimal number
// (of the first kSupplierNumberWidth characters), -1 when it holds more digits
// than a 64-bit number takes, 0 when no digit leads.
int64_t typedSupplierNumber(std::string_view text);

// The number New supplier suggests: 1, or the first number after the unbroken
// run 1, 2, 3, ... of numbers on file.
int64_t suggestedSupplierNumber(const RecordFile<SupplierRecord> &suppliers);

// A blank form under the suggested number.
SupplierForm newSupplierForm(const RecordFile<SupplierRecord> &suppliers);

// The boxes of a supplier on file.
SupplierForm formOfSupplier(const SupplierRecord &record);

// Writes the boxes into `record`: the number, and each text that differs
// from what the record holds, cut to the characters its box takes. Texts
// left as they were, the selection-list fields and the reserved bytes keep
// their bytes.
void applySupplierForm(const SupplierForm &form, SupplierRecord &record);

} // namespace ovix
