#pragma once
// The till receipt of a paid sale, in its two forms: the standard receipt with
// its fixed layout and the custom receipt whose fields the shop places on
// chosen lines. Drawn on one page of a PrintDevice; nothing is written.

#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;
class ReceiptWords;
class StoreHeading;
class TillConfig;
struct Basket;

enum class ReceiptKind { Standard, Custom };

// The logo picture's file name in the data folder.
inline constexpr const char *kReceiptLogoFileName = "receipt.bmp";

// The fields of the custom receipt, numbered as its layout stores them.
enum class ReceiptField {
    StoreName, StoreAddressOne, StoreAddressTwo, StoreAddressThree, StoreAddressFour,
    StoreTelephone, Date, ByLine, CustomerNumber, CustomerName, NonTaxable, Taxable, TaxOne,
    TaxTwo, Total, Clerk, Receipt, TotalTendered, CashChange, TextOne, TextTwo, TextThree,
    PaymentType, CustomerAddressOne, CustomerAddressTwo, CustomerAddressThree,
    CustomerAddressFour, CustomerPhone,
};
inline constexpr int kReceiptFieldCount = 28;

// Everything a receipt prints. The references are not owned and must outlive
// the call that draws with them.
struct ReceiptData {
    const Basket &sale; // the archived sale: lines, totals, texts, numbers
    double tendered = 0;
    double change = 0;
    const TillConfig &config; // receipt settings, custom layout, tax names
    const StoreHeading &heading;
    const ReceiptWords &words;
    std::string clerkName;
    // The logo file's bytes; empty when the shop has none.
    std::string logo;
};

// The line number 0-40 the custom layout gives `field` (0 omits it); values
// outside 0-40 read from a damaged wr.cfg count as 0.
int customReceiptLine(const TillConfig &config, ReceiptField field);
// Stores `line` as the layout value of `field`; the caller keeps it to 0-40.
void setCustomReceiptLine(TillConfig &config, ReceiptField field, int line);

// The text a receipt prints for `field`.
std::string receiptFieldText(ReceiptField field, const ReceiptData &data);

// The payment line: "Payment: Cash" and the other words of slots 10-15, with
// "(CB: %.2f)" after a card payment with cash back.
std::string paymentTypeText(const ReceiptData &data);

// receipt.bmp of the data folder, or "" when it is missing or unreadable (the
// receipt then goes without a logo).
std::string loadReceiptLogo(const DataDir &dir);

// Draws one receipt on the current page of `device`. A font the printer
// refuses is reported ("Unable set font") and the printer's own font used; a
// printer without a resolution gets no barcode ("Unable to get printer"). A
// logo that cannot be decoded is left out silently. Either way the rest of the
// receipt prints.
void printReceipt(PrintDevice &device, ReceiptKind kind, const ReceiptData &data,
    Messages &messages);

} // namespace ovix
