#pragma once
// The till's configuration block: every setting, counter, running day total
// and takings history of the till, held as the 42550 bytes that wr.cfg stores.
//
// The block is kept as bytes so that bytes nobody names (reserved, or written
// by an older or newer till) go back to the file exactly as they were read.
// Fields are reached through typed descriptors in namespace cfg; each
// descriptor is checked at compile time to lie inside the block, and the list
// of all of them is checked at compile time not to overlap (till_config.cpp).
//
// Layout of the block (offsets in bytes, little-endian, packed). "reserved"
// bytes are zero in a new block and written back as read; ranges marked
// "open" belong to a group whose inner layout the sale, reporting, device,
// print or card work lays out later, inside the range and without moving
// anything named here.
//
//      0-3      second currency symbol (text, up to 3 characters)
//      4-5      reserved
//      6-8      unused (there is no category 0)
//      9-35     category names 1-9, 3 bytes each, no terminator
//     36        receipt printer index (int32)
//     40-71     band discount codes, bands 1-8 (int32[8])
//     72        99 in a new block (int32; nothing reads it)
//     76        day of last use (int32)
//    160        today's item count          (int64)  \ the counts group names
//    320        today's transaction count   (int64)  | "item and transaction
//    880        yesterday's item count      (int64)  | counts of today and of
//    888        yesterday's transaction count (int64)| yesterday, new customers
//    960        new customers today         (int64)  / today", in that order
//    480-499    last switch-off: minute, hour, day, month, year (int32[5])
//    520-539    last backup: minute, hour, day, month, year (int32[5])
//    544        tips off (int32)
//    604-675    line counts of the day per display category 0-17 (int32[18])
//    676-747    line counts of the month per display category 0-17 (int32[18])
//    748-879    reserved
//    912-1039   int64 settings: drawer repeat 912, drawer open character 928, no
//               number on new item 936, drawer port 944, print confirm 952, no
//               number on new customer 968, no summary box 976, listing lines
//               per page 992, last item number 1000, last customer number 1008,
//               drawer in use 1016, customer search as list 1024, listing
//               indent 1032
//    992        ONE setting used twice: the list printer font's lines per page
//               and the barcode label text size (the same "Large ... Tiny"
//               10-200 slider value, 0 = the printer's default font)
//   1048-1111   band period codes, bands 1-8 (int64[8])
//   1112-1223   int64 settings: tax 1 active 1112, tax 2 active 1128, tax 1 rate
//               1144, permit short stock 1152, tax 2 rate 1160, tax 2 compound
//               1176, item search as list 1200, trade prices on 1216
//   1360        next transaction number (int32)
//   1368-1372   currency symbol (text, up to 4 characters)
//   1373        2 = the currency symbol has been set (byte)
//   1382-1408   category names 10-18, 3 bytes each, no terminator
//   1409-1414   tax 1 name (text, up to 5 characters)
//   1415-1420   tax 2 name (text, up to 5 characters)
//   3030-3073   counts (float) of today's sales cash, CH, EFT, credit; refunds
//               cash, CH, EFT, credit; balance payments cash, CH, EFT
//   3338-3341   reserved (the takings history moved up to make room for 3342)
//   3342        start-of-day till float (float)
//   3346-7953   per-category takings history: 18 categories x 32 days (double),
//               category 0 first, day 0 (most recent) first in each row
//   7954-11161  daily takings history: 401 doubles, newest first
//  11162-32399  reserved, unused by any setting
//  32400-32411  head-office upload choices, 0 or 2: daily overview, daily item
//               list, reorder list (int32[3])
//  32412-32433  reserved
//  32434-32633  receipt printer device name (text 200)
//  32634-32833  receipt printer driver name (text 200; ends where the invoice
//               font begins)
//  32834-32865  invoice header font face name (text 32)
//  32866-33033  open
//  33034-33233  custom receipt "Text 1", "Text 2", "Text 3", cutter sequence
//               (text 50 each)
//  33234-33309  custom receipt line numbers of fields 0-18 (int32[19])
//  33310-33313  reserved
//  33314-33505  pole display texts (text[6][32]): passive, printer on, printer
//               off, clear display, cursor line 1, cursor line 2
//  33506-33953  open: pole display and drawer settings (device work)
//  33954-34153  backup folder (text 200)
//  34154-34185  drawer control sequence (text 32)
//  34186-34353  open: pole display and drawer settings (device work)
//  34354        current clerk (int64)
//  34792-37761  clerk names, clerk n at 34762 + 30n (text[99][30])
//  37772-38761  clerk passwords, clerk n at 37762 + 10n (text[99][10])
//  38802        trade discount percentage (float)
//  38842-39095  receipt message (text 254)
//  39096-39345  EFT exchange folder (text 250)
//  39350-39745  clerk availability, clerk n at 39346 + 4n (int32[99])
//  39754-39757  invoice header font size in points (int32)
//  39758-39809  open
//  39830-39909  custom inventory print column flags (int32[20])
//  40126-40137  history start: day, month, year (int32[3])
//  40138-40149  first-use date: day, month, year (int32[3])
//  40150-40293  int32 settings: auto receipt 40150, SKU 1 entry 40174, log
//               capacity 40182, word wrap 40190, limit description 40198,
//               discount button rate 40210, sound off 40214, omit monthly
//               totals 40218, quick-select current 40222 and default 40226,
//               copies 40230, default item category 40234, percentage trade
//               discount 40238, print to page width 40242, discount on total
//               40262, force 10-point font 40286
//   40262       discount on total lies inside the receipt option range
//               40242-40293 and is taken out of it
//   40154-40173, 40194-40197, 40202-40209, 40246-40261, 40266-40285,
//   40290-40293 open: receipt and till page options (print and device work)
//   40550-40589 pole in use 40550, cleared for a new block 40554, pole port
//               40558, pole columns line 1 40566 and line 2 40582, drawer mode
//               40586 (int32 each); 40562-40565, 40570-40581 and 40590-40629
//               open (device work)
//   40630-40677 int32 settings: tax threshold on 40630, second currency on
//               40634, kitchen receipt 40638, standard receipt logo 40642,
//               items centred 40646, barcode 40650, custom receipt logo omitted
//               40654, barcode 40658, items centred 40662, cart description
//               only 40666, non-inventory taxable 40674
//   40694       receipt language (int32)
//   40710-40781 custom invoice line positions of 18 sections (int32[18]), in
//               the order of InvoiceSection
//   40782-40797 custom invoice flags: barcode, box encased, use logo, use
//               header font (int32 each)
//   40798-40805 custom invoice transaction note line (int32), standard
//               invoice use logo (int32)
//   40806-40809 open
//   40830-40853 open: receipt, invoice, pole and till options (print work)
//   40854-40869 pole stop bits, baud rate, data bits, parity (int32 each)
//   40870-40925 custom receipt: text lines (int32[3]) 40870, blank lines 40882,
//               cutter port 40886, second currency 40890, mark exempt items
//               40894, payment type line 40898, price basis 40902, note line
//               40906; standard receipt exclusive of tax 40910; tooltips off
//               40914; default item tax code 40918
//   40914       tooltips off lies inside the option range 40830-40917 and is
//               taken out of it
//   40926-40945 custom receipt customer address 1-4 and telephone lines
//               (int32[5])
//   40950       tax threshold (double)
//   40958-40981 today's till takings 40958, cash sales 40966, CH sales 40974
//               (double each)
//   40982       second-currency conversion rate (double)
//   41030-41069 card terminal link (double each, 2 = on, 0 = off): active
//               41030, cash back permitted 41038, cardholder-not-present
//               payments 41046 and refunds 41054, verbose 41062
//   41070-41101 open: EFT exchange state (card work)
//   41750-41901 today's totals (double each): EFT sales 41750, credit sales
//               41758; refunds (negative) cash 41766, CH 41774, EFT 41782,
//               credit 41790; balance payments cash 41798, CH 41806, EFT 41814;
//               petty cash 41822, cash back 41830; non-taxable sales 41838,
//               taxable sales 41846, subtotal 41854, tax 1 41862, tax 2 41870,
//               sales total 41878, discounts 41886, cost of sales 41894
//   41902-41933 open: further day totals (sale and reporting work)
//   42070-42213 today's sales value per display category 0-17 (double[18])
//   42214-42229 open: further day totals (sale and reporting work)
//   42240-42245 loan return time "HH:MM" (text 6); the loan commands once read
//               it from bytes 0-4, which hold the second currency symbol
//   42246-42353 user-control flags (int32[27], in the order of the
//               "PASSWORD CONTROL" dialog)
//   42354       tip of the day index (int32)
//   42358       "Hi res picture" toggle (int32, 0 or 2)
//   42362-42537 reserved
//   42538       till search type kept as default by the "Item description
//               search" box (int32): 0 = "Initial characters", 2 = "Within the
//               description"
//   42542-42549 reserved
// Every other byte is reserved. Settings that have no place yet (user-control
// flags, statement and letter options, upload choices, tip index, ...) take
// reserved bytes that no range above claims, e.g. 11162-32399 or 42362-42537.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace ovix {

inline constexpr size_t kTillConfigSize = 42550;

namespace detail {
// Deliberately not constexpr: a descriptor that calls it fails to compile.
void tillConfigFieldOutsideBlock();

consteval void checkInsideBlock(size_t offset, size_t width)
{
    if (width == 0 || offset + width > kTillConfigSize)
        tillConfigFieldOutsideBlock();
}
} // namespace detail

// One number of type T at a fixed offset.
template <typename T>
struct ScalarField {
    static constexpr size_t width = sizeof(T);
    size_t offset;
    consteval ScalarField(size_t at) : offset(at) { detail::checkInsideBlock(at, width); }
};

// Count numbers of type T one after another, indexed from 0.
template <typename T, size_t Count>
struct ArrayField {
    static constexpr size_t count = Count;
    static constexpr size_t width = sizeof(T) * Count;
    size_t offset;
    consteval ArrayField(size_t at) : offset(at) { detail::checkInsideBlock(at, width); }
};

// NUL-terminated text of at most Width - 1 bytes, zero filled.
template <size_t Width>
struct TextField {
    static constexpr size_t width = Width;
    size_t offset;
    consteval TextField(size_t at) : offset(at) { detail::checkInsideBlock(at, width); }
};

// Count texts of Width bytes each, indexed from 0, each NUL-terminated.
template <size_t Count, size_t Width>
struct TextArrayField {
    static constexpr size_t count = Count;
    static constexpr size_t entryWidth = Width;
    static constexpr size_t width = Count * Width;
    size_t offset;
    consteval TextArrayField(size_t at) : offset(at) { detail::checkInsideBlock(at, width); }
};

// Count codes of exactly Width bytes each with no terminator (category names).
template <size_t Count, size_t Width>
struct CodeArrayField {
    static constexpr size_t count = Count;
    static constexpr size_t entryWidth = Width;
    static constexpr size_t width = Count * Width;
    size_t offset;
    consteval CodeArrayField(size_t at) : offset(at) { detail::checkInsideBlock(at, width); }
};

using ByteField = ScalarField<uint8_t>;
using Int32Field = ScalarField<int32_t>;
using Int64Field = ScalarField<int64_t>;
using FloatField = ScalarField<float>;
using DoubleField = ScalarField<double>;
template <size_t Count>
using Int32ArrayField = ArrayField<int32_t, Count>;
template <size_t Count>
using Int64ArrayField = ArrayField<int64_t, Count>;
template <size_t Count>
using FloatArrayField = ArrayField<float, Count>;
template <size_t Count>
using DoubleArrayField = ArrayField<double, Count>;

// Sections of the custom invoice, in the order of their line positions.
enum class InvoiceSection {
    StoreName, StoreAddressOne, StoreAddressTwo, StoreAddressThree, StoreAddressFour,
    StoreTelephone, Date, Items, CustomerDetail, CustomerTerms, CustomerId, NetTotal, Tax,
    Discount, Total, Clerk, Invoice, Balance,
};

inline constexpr int kClerkCount = 99;
inline constexpr int kCategoryCount = 18;
inline constexpr int kBandCount = 8;
inline constexpr int kCategoryHistoryDays = 32;
inline constexpr int kTakingsHistoryDays = 401;

namespace cfg {
// Settings and identity.
inline constexpr TextField<4> secondCurrencySymbol{0};
inline constexpr CodeArrayField<9, 3> categoryNamesOneToNine{9};
inline constexpr Int32Field receiptPrinterIndex{36}; // 0 = "Default"
inline constexpr Int32ArrayField<8> bandDiscount{40};   // codes 1-8, band 1 first
inline constexpr Int32Field newBlockMarker{72};       // 99 in a new block
inline constexpr Int32Field dayOfLastUse{76};         // 0 = never used
inline constexpr Int64Field todayItemCount{160};
inline constexpr Int64Field todayTransactionCount{320};
inline constexpr Int32ArrayField<5> lastSwitchOff{480}; // minute, hour, day, month, year
inline constexpr Int32ArrayField<5> lastBackup{520};    // minute, hour, day, month, year
inline constexpr Int32Field tipsOff{544};
// Lines sold per display category 0-17: today, and this month.
inline constexpr Int32ArrayField<kCategoryCount> categoryDayCounts{604};
inline constexpr Int32ArrayField<kCategoryCount> categoryMonthCounts{676};
inline constexpr Int64Field yesterdayItemCount{880};
inline constexpr Int64Field yesterdayTransactionCount{888};
inline constexpr Int64Field drawerRepeat{912};
inline constexpr Int64Field drawerOpenCharacter{928};
inline constexpr Int64Field noNumberOnNewItem{936}; // 1 = on
inline constexpr Int64Field drawerPort{944};        // 0-7 COM1-COM8, 8 LPT1, 9 LPT2
inline constexpr Int64Field printConfirm{952};      // 1 = show the print dialog
inline constexpr Int64Field newCustomersToday{960};
inline constexpr Int64Field noNumberOnNewCustomer{968}; // 1 = on
inline constexpr Int64Field noSummaryBox{976};          // 1 = print instead of the box
// Lines per page of the list printer font, and the barcode label text size:
// one slider value 10-200, 0 = the printer's default font.
inline constexpr Int64Field listingLinesPerPage{992};
// The same value as the barcode labels' text size ("Barcode" dialog).
inline constexpr Int64Field labelTextSize = listingLinesPerPage;
inline constexpr Int64Field lastItemNumber{1000};
inline constexpr Int64Field lastCustomerNumber{1008};
inline constexpr Int64Field drawerInUse{1016}; // 1 = on
inline constexpr Int64Field customerSearchAsList{1024};
inline constexpr Int64Field listingIndent{1032}; // average character widths
inline constexpr Int64ArrayField<8> bandPeriod{1048}; // codes 1-8, band 1 first
inline constexpr Int64Field taxOneActive{1112};
inline constexpr Int64Field taxTwoActive{1128};
inline constexpr Int64Field taxOneRate{1144}; // hundredths of a percent
inline constexpr Int64Field permitShortStock{1152};
inline constexpr Int64Field taxTwoRate{1160};
inline constexpr Int64Field taxTwoCompound{1176};
inline constexpr Int64Field itemSearchAsList{1200};
inline constexpr Int64Field tradePricesOn{1216};
inline constexpr Int32Field nextTransactionNumber{1360};
inline constexpr TextField<5> currencySymbol{1368};
inline constexpr ByteField currencySymbolSet{1373}; // 2 = set
inline constexpr CodeArrayField<9, 3> categoryNamesTenToEighteen{1382};
inline constexpr TextField<6> taxOneName{1409};
inline constexpr TextField<6> taxTwoName{1415};

// Counts of today's payments by tender (floats).
inline constexpr FloatField cashSalesCount{3030};
inline constexpr FloatField chequeSalesCount{3034};
inline constexpr FloatField eftSalesCount{3038};
inline constexpr FloatField creditSalesCount{3042};
inline constexpr FloatField cashRefundsCount{3046};
inline constexpr FloatField chequeRefundsCount{3050};
inline constexpr FloatField eftRefundsCount{3054};
inline constexpr FloatField creditRefundsCount{3058};
inline constexpr FloatField cashBalancePaymentsCount{3062};
inline constexpr FloatField chequeBalancePaymentsCount{3066};
inline constexpr FloatField eftBalancePaymentsCount{3070};

inline constexpr FloatField startOfDayTill{3342};
// Row c (display category 0-17) holds 32 days, most recent first:
// index c * 32 + day (see categoryHistoryIndex).
inline constexpr DoubleArrayField<size_t { kCategoryCount } * kCategoryHistoryDays>
    categoryTakingsHistory{3346};
// Entry 0 is the most recent trading day before today.
inline constexpr DoubleArrayField<kTakingsHistoryDays> takingsHistory{7954};
// Whether each head-office report is uploaded (2) or not (0), in the order
// daily overview, daily item list, reorder list (see comms/logic/upload_config.h).
inline constexpr Int32ArrayField<3> headOfficeUpload{32400};

// Receipt printer, custom receipt, pole display and drawer.
inline constexpr TextField<200> receiptPrinterDevice{32434};
inline constexpr TextField<200> receiptPrinterDriver{32634};
inline constexpr TextField<50> customReceiptTextOne{33034};
inline constexpr TextField<50> customReceiptTextTwo{33084};
inline constexpr TextField<50> customReceiptTextThree{33134};
inline constexpr TextField<50> cutterSequence{33184};
// Line numbers 0-40 of receipt fields 0-18 (0 omits the field).
inline constexpr Int32ArrayField<19> customReceiptLines{33234};
// Passive text, switch printer on, switch printer off, clear display, cursor
// to line 1, cursor to line 2.
inline constexpr TextArrayField<6, 32> poleTexts{33314};
inline constexpr TextField<200> backupFolder{33954};
inline constexpr TextField<32> drawerSequence{34154};
inline constexpr Int64Field currentClerk{34354};

// Clerks, indexed 0 for clerk 1 (see the clerk helpers of TillConfig).
inline constexpr TextArrayField<kClerkCount, 30> clerkNames{34792};
inline constexpr TextArrayField<kClerkCount, 10> clerkPasswords{37772};
inline constexpr Int32ArrayField<kClerkCount> clerkAvailability{39350}; // 0 = available

inline constexpr FloatField tradeDiscount{38802};
inline constexpr TextField<254> receiptMessage{38842};
inline constexpr TextField<250> eftFolder{39096};
// Description, SKU 1-4, cost, trade, retail, order code, on order, order
// quantity, minimum order, reorder level, tax code, in stock, date added,
// display category, location, web URL, web image.
inline constexpr Int32ArrayField<20> inventoryPrintColumns{39830};
inline constexpr Int32ArrayField<3> historyStart{40126}; // day, month, year
inline constexpr Int32ArrayField<3> firstUseDate{40138}; // day, month, year

inline constexpr Int32Field autoReceipt{40150}; // 0-4
inline constexpr Int32Field skuOneEntry{40174};
inline constexpr Int32Field logCapacity{40182}; // index 0-8
inline constexpr Int32Field wordWrap{40190};
inline constexpr Int32Field limitDescription{40198};
inline constexpr Int32Field discountButtonRate{40210}; // percent 0-80
inline constexpr Int32Field soundOff{40214};
inline constexpr Int32Field omitMonthlyTotals{40218};
inline constexpr Int32Field quickSelectCurrent{40222}; // 0-based, 18 = all items
inline constexpr Int32Field quickSelectDefault{40226}; // 1-19
inline constexpr Int32Field receiptCopies{40230};      // 0-2 extra copies
inline constexpr Int32Field defaultItemCategory{40234}; // 1-18 (category + 1)
inline constexpr Int32Field percentageTradeDiscount{40238};
inline constexpr Int32Field printToPageWidth{40242};
inline constexpr Int32Field discountOnTotal{40262};
inline constexpr Int32Field forceTenPointFont{40286};
inline constexpr Int32Field poleInUse{40550};
inline constexpr Int32Field clearedForNewBlock{40554}; // set to 0 on first use
inline constexpr Int32Field polePort{40558}; // 0-7 COM1-COM8
inline constexpr Int32Field poleColumnsLineOne{40566};
inline constexpr Int32Field poleColumnsLineTwo{40582};
inline constexpr Int32Field drawerMode{40586}; // 0 direct, 2 through the receipt printer
inline constexpr Int32Field taxThresholdOn{40630};
inline constexpr Int32Field secondCurrencyOn{40634}; // positive = on
inline constexpr Int32Field kitchenReceipt{40638};
inline constexpr Int32Field standardReceiptLogo{40642};
inline constexpr Int32Field standardItemsCentred{40646};
inline constexpr Int32Field standardReceiptBarcode{40650};
inline constexpr Int32Field customReceiptLogoOmitted{40654}; // 0 = include the logo
inline constexpr Int32Field customReceiptBarcode{40658};
inline constexpr Int32Field customItemsCentred{40662};
inline constexpr Int32Field cartDescriptionOnly{40666};
inline constexpr Int32Field nonInventoryTaxable{40674};
inline constexpr Int32Field receiptLanguage{40694}; // 0-3
// Line positions 0-80 per InvoiceSection (0 omits the section).
inline constexpr Int32ArrayField<18> invoicePositions{40710};
inline constexpr Int32Field invoiceBarcode{40782};
inline constexpr Int32Field invoiceBoxEncased{40786};
inline constexpr Int32Field invoiceLogo{40790};
inline constexpr Int32Field invoiceHeaderFont{40794};
inline constexpr Int32Field invoiceNoteLine{40798}; // 0-80, 0 omits the note
inline constexpr Int32Field standardInvoiceLogo{40802};
inline constexpr TextField<32> invoiceFontFace{32834}; // "" = Arial
inline constexpr Int32Field invoiceFontPoints{39754}; // 0 = 10 points
inline constexpr Int32Field poleStopBits{40854}; // list index 0-2
inline constexpr Int32Field poleBaudRate{40858}; // list index 0-12
inline constexpr Int32Field poleDataBits{40862}; // list index 0-4
inline constexpr Int32Field poleParity{40866};   // list index 0-2
inline constexpr Int32ArrayField<3> customReceiptTextLines{40870};
inline constexpr Int32Field customReceiptBlankLines{40882}; // 0-19 for 1-20
inline constexpr Int32Field cutterPort{40886};              // 0-7 COM1-COM8, 8 LPT1, 9 LPT2
inline constexpr Int32Field customReceiptSecondCurrency{40890};
inline constexpr Int32Field customReceiptMarkExempt{40894};
inline constexpr Int32Field customReceiptPaymentTypeLine{40898};
inline constexpr Int32Field customReceiptExcludingTax{40902}; // 2 = excluding tax
inline constexpr Int32Field customReceiptNoteLine{40906};
inline constexpr Int32Field standardReceiptExclusiveOfTax{40910};
inline constexpr Int32Field tooltipsOff{40914};
inline constexpr Int32Field defaultItemTaxCode{40918}; // 0-3
// Customer address 1-4, then customer telephone.
inline constexpr Int32ArrayField<5> customReceiptCustomerLines{40926};
inline constexpr DoubleField taxThreshold{40950};
inline constexpr DoubleField conversionRate{40982};
// The card terminal link: 2 = on, 0 = off (see comms/logic/card_settings.h).
inline constexpr DoubleField cardLinkActive{41030};
inline constexpr DoubleField cardCashBackPermitted{41038};
inline constexpr DoubleField cardNotPresentPayments{41046};
inline constexpr DoubleField cardNotPresentRefunds{41054};
inline constexpr DoubleField cardVerbose{41062};

// Today's running totals, cleared at the first start of a new day. Refunds
// are kept as negative amounts; petty cash and cash back as positive ones.
inline constexpr DoubleField tillTakings{40958};
inline constexpr DoubleField cashSales{40966};
inline constexpr DoubleField chequeSales{40974};
inline constexpr DoubleField eftSales{41750};
inline constexpr DoubleField creditSales{41758};
inline constexpr DoubleField cashRefunds{41766};
inline constexpr DoubleField chequeRefunds{41774};
inline constexpr DoubleField eftRefunds{41782};
inline constexpr DoubleField creditRefunds{41790};
inline constexpr DoubleField cashBalancePayments{41798};
inline constexpr DoubleField chequeBalancePayments{41806};
inline constexpr DoubleField eftBalancePayments{41814};
inline constexpr DoubleField pettyCash{41822};
inline constexpr DoubleField cashBack{41830};
inline constexpr DoubleField nonTaxableSales{41838};
inline constexpr DoubleField taxableSales{41846};
inline constexpr DoubleField subtotalSales{41854};
inline constexpr DoubleField taxOneSales{41862};
inline constexpr DoubleField taxTwoSales{41870};
inline constexpr DoubleField salesTotal{41878};
inline constexpr DoubleField discounts{41886};
inline constexpr DoubleField costOfSales{41894};
// Today's sales value per display category 0-17.
inline constexpr DoubleArrayField<kCategoryCount> categoryDayValues{42070};
inline constexpr TextField<6> loanReturnTime{42240}; // "HH:MM"

// The "PASSWORD CONTROL" flags, in the order of UserControlItem; non-zero =
// the item is not available to clerks other than 1 and 2.
inline constexpr int kUserControlCount = 27;
inline constexpr Int32ArrayField<kUserControlCount> userControl{42246};
inline constexpr Int32Field tipIndex{42354};     // next tip of the day, 0-25
inline constexpr Int32Field hiResPicture{42358}; // 0 or 2; a stored toggle only
// The till's "Item description search": 2 = "Within the description" is
// offered first, anything else "Initial characters".
inline constexpr Int32Field tillSearchWithin{42538};
} // namespace cfg

// Name, offset and width of one descriptor, for checks over the whole layout.
struct TillConfigFieldSpan {
    const char *name;
    size_t offset;
    size_t width;
};

// Every named field of the block, in ascending offset order; no two overlap.
std::span<const TillConfigFieldSpan> tillConfigFields();

// Index into cfg::categoryTakingsHistory of display category 0-17 and day 0-31.
constexpr size_t categoryHistoryIndex(int category, int day)
{
    return static_cast<size_t>(category) * kCategoryHistoryDays + static_cast<size_t>(day);
}

class TillConfig {
public:
    using Bytes = std::array<unsigned char, kTillConfigSize>;

    // An all-zero block.
    TillConfig() : bytes_{} {}

    const Bytes &bytes() const { return bytes_; }
    std::string_view view() const
    {
        return {reinterpret_cast<const char *>(bytes_.data()), bytes_.size()};
    }
    // The first 42550 bytes of `data`; bytes past its end become zero.
    void assign(std::string_view data);
    // Sets `width` bytes from `offset` to zero, clipped to the block.
    void clearBytes(size_t offset, size_t width);
    // Copies `data` into the block from `offset`, clipped to the block.
    void writeBytes(size_t offset, std::string_view data);

    template <typename T>
    T get(ScalarField<T> field) const
    {
        return load<T>(field.offset);
    }
    template <typename T>
    void set(ScalarField<T> field, std::type_identity_t<T> value)
    {
        store<T>(field.offset, value);
    }

    // Entry `index` (0-based); 0 for an index outside the array.
    template <typename T, size_t Count>
    T get(ArrayField<T, Count> field, size_t index) const
    {
        return index < Count ? load<T>(field.offset + index * sizeof(T)) : T{};
    }
    // Sets entry `index` (0-based); an index outside the array changes nothing.
    template <typename T, size_t Count>
    void set(ArrayField<T, Count> field, size_t index, std::type_identity_t<T> value)
    {
        if (index < Count)
            store<T>(field.offset + index * sizeof(T), value);
    }

    // Text up to the first NUL, never more than the field's width.
    template <size_t Width>
    std::string text(TextField<Width> field) const
    {
        return readText(field.offset, Width);
    }
    // At most Width - 1 bytes of `value`, then zeros to the end of the field.
    template <size_t Width>
    void setText(TextField<Width> field, std::string_view value)
    {
        writeText(field.offset, Width, value);
    }
    // Entry `index` (0-based); "" outside the array.
    template <size_t Count, size_t Width>
    std::string text(TextArrayField<Count, Width> field, size_t index) const
    {
        return index < Count ? readText(field.offset + index * Width, Width) : std::string();
    }
    template <size_t Count, size_t Width>
    void setText(TextArrayField<Count, Width> field, size_t index, std::string_view value)
    {
        if (index < Count)
            writeText(field.offset + index * Width, Width, value);
    }
    // The Width bytes of code `index` (0-based) up to the first NUL; "" outside.
    template <size_t Count, size_t Width>
    std::string code(CodeArrayField<Count, Width> field, size_t index) const
    {
        return index < Count ? readText(field.offset + index * Width, Width) : std::string();
    }
    // The first Width bytes of `value`, zero padded; no terminator is kept.
    template <size_t Count, size_t Width>
    void setCode(CodeArrayField<Count, Width> field, size_t index, std::string_view value)
    {
        if (index >= Count)
            return;
        size_t length = value.size() < Width ? value.size() : Width;
        unsigned char *at = bytes_.data() + field.offset + index * Width;
        std::memcpy(at, value.data(), length);
        std::memset(at + length, 0, Width - length);
    }

    // Clerks 1 to 99; other numbers read as empty / 0 and change nothing.
    std::string clerkName(int clerk) const;
    void setClerkName(int clerk, std::string_view name); // keeps at most 29 bytes
    std::string clerkPassword(int clerk) const;
    void setClerkPassword(int clerk, std::string_view password); // keeps at most 9 bytes
    int32_t clerkAvailability(int clerk) const; // 0 = available, 2 = not
    void setClerkAvailability(int clerk, int32_t availability);

    // Three-character short name of category 1 to 18 ("" for other numbers).
    std::string categoryName(int category) const;
    // Takes the first three characters of `name`; a name of fewer than three
    // characters, or a category outside 1 to 18, is refused (false) and
    // changes nothing.
    bool setCategoryName(int category, std::string_view name);

private:
    static_assert(std::endian::native == std::endian::little,
                  "wr.cfg is little-endian; this build copies numbers as they lie in memory");

    template <typename T>
    T load(size_t offset) const
    {
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof(T));
        return value;
    }
    template <typename T>
    void store(size_t offset, T value)
    {
        std::memcpy(bytes_.data() + offset, &value, sizeof(T));
    }
    std::string readText(size_t offset, size_t width) const;
    void writeText(size_t offset, size_t width, std::string_view value);

    Bytes bytes_;
};

static_assert(sizeof(TillConfig) == kTillConfigSize && std::is_standard_layout_v<TillConfig>,
              "a TillConfig is exactly the bytes of wr.cfg");

// Values read from the file, clamped to what the till can use. The stored
// bytes stay as they are until something stores a new value.

// Receipt language 0-3, else 0 (English).
int receiptLanguageIndex(const TillConfig &config);
// Logged-on clerk 1-99, else 1.
int currentClerkNumber(const TillConfig &config);
// Drawer and cutter port 0-9 (COM1-COM8, LPT1, LPT2), else 0 (COM1).
int drawerPortIndex(const TillConfig &config);
int cutterPortIndex(const TillConfig &config);
// Pole display port 0-7 (COM1-COM8), else 0 (COM1).
int polePortIndex(const TillConfig &config);
// Pole line settings as list indexes: baud 0-12, parity 0-2, data bits 0-4,
// stop bits 0-2; else 0 (9600, no parity, 8 bits, 1 stop bit).
int poleBaudRateIndex(const TillConfig &config);
int poleParityIndex(const TillConfig &config);
int poleDataBitsIndex(const TillConfig &config);
int poleStopBitsIndex(const TillConfig &config);
// Receipt printer list index, 0 ("Default") when negative.
int receiptPrinterListIndex(const TillConfig &config);
// "Auto receipt" 0-4, else 0 (none); extra copies 0-2, else 0.
int autoReceiptIndex(const TillConfig &config);
int receiptCopiesIndex(const TillConfig &config);
// Custom receipt "Blank lines at end" index 0-19 (1 to 20 lines), else 0.
int customReceiptBlankLinesIndex(const TillConfig &config);
// Activity log capacity index 0-8, else 0.
int logCapacityIndex(const TillConfig &config);
// Discount and period code of customer band 1-8: 1-8, else 1 ("Nett",
// "No credit"). A band outside 1-8 reads as band 1.
int bandDiscountCode(const TillConfig &config, int band);
int bandPeriodCode(const TillConfig &config, int band);
// Current quick-select category 0-18 (18 = all items), else 14.
int quickSelectCategory(const TillConfig &config);
// Default quick-select category 1-19, else 15.
int defaultQuickSelectCategory(const TillConfig &config);
// Category given to new items, 1-18, else 15.
int defaultItemCategoryNumber(const TillConfig &config);
// Tax code offered for new items 0-3, else 0.
int defaultItemTaxCodeIndex(const TillConfig &config);

} // namespace ovix

// Reading and storing wr.cfg, and the values the till puts into the block.
#include "store/till_config_defaults.h"
#include "store/till_config_file.h"
