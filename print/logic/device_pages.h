#pragma once
// What the "Receipts", "Till configuration" and "Pole configuration" pages of
// the configuration sheet show, and how each stores its controls into the
// configuration block.
//
// As with the other pages: typed text as typed (Windows-1252), list positions
// as 0-based indexes (-1 = nothing chosen), check boxes as bool. load*()
// fills an input from the stored values, clamped to what the lists offer;
// apply*() copies it back field by field, taking only values that pass the
// field's rule and leaving the stored value alone otherwise. None of them
// shows a message or touches a file or a device.

#include <array>
#include <string>
#include <vector>

namespace ovix {

class TillConfig;

// "Auto receipt" and copies choices, in list order.
inline constexpr std::array<const char *, 5> kAutoReceiptChoices
    = { "None", "Till receipt", "Standard invoice", "Invoice 2", "Custom receipt" };
inline constexpr std::array<const char *, 3> kReceiptCopiesChoices = { "1 copy", "2", "3" };
// The footer text keeps at most this many characters.
inline constexpr size_t kFooterTextLength = 252;

// Drawer ports as the list shows them; the pole offers the first eight.
inline constexpr std::array<const char *, 10> kDevicePortChoices = { "COM1:", "COM2:", "COM3:",
    "COM4:", "COM5:", "COM6:", "COM7:", "COM8:", "LPT1:", "LPT2:" };
inline constexpr int kPolePortChoices = 8;
inline constexpr std::array<const char *, 13> kBaudRateChoices = { "9600", "300", "600", "1200",
    "2400", "4800", "14400", "19200", "38400", "57600", "115200", "128000", "256000" };
inline constexpr std::array<const char *, 3> kParityChoices
    = { "No parity", "Even parity", "Odd parity" };
inline constexpr std::array<const char *, 5> kDataBitsChoices = { "8", "4", "5", "6", "7" };
inline constexpr std::array<const char *, 3> kStopBitsChoices = { "1", "1.5", "2" };

// A receipt printer model and the sequence that kicks its drawer open. The
// list is only shown for the clerk to copy from.
struct DrawerPrinterModel {
    const char *model;
    const char *sequence;
};
inline constexpr std::array<DrawerPrinterModel, 17> kDrawerPrinterModels = { {
    { "Citizen 230", "27,112,0,50,250" },
    { "Epson TM T88 III", "27,112,0,25,250" },
    { "Epson TM T88 IIIP", "27,112,0,64,240" },
    { "Epson TM T88 IV", "27,112,48,55,121" },
    { "Epson TM T88 V", "27,112,48,55,121" },
    { "Epson TM U950P", "27,112,0,50,250" },
    { "Epson TM U200", "27,112,0,25,250" },
    { "Epson TM U200B", "27,112,48,25,250" },
    { "Epson TM U200D", "27,112,0,64,240" },
    { "Epson TM T60", "27,112,0,32,25" },
    { "Epson TM T70", "27,112,48,55,121" },
    { "Epson TM T80P", "27,112,0,25,250" },
    { "Epson TM H6000", "27,112,48,55,121" },
    { "Ithaca POSjet", "27,112,0,25,250" },
    { "IBM 4610", "7" },
    { "IBM 4610", "27,112,0,25,250" },
    { "Samsung SRP 270", "27,112,0,60,240" },
} };
// "Epson TM T88 III: 27,112,0,25,250" for each model, in list order.
std::vector<std::string> drawerPrinterModelEntries();

// One installed printer as the Receipts page lists it after "Default".
struct PrinterChoice {
    std::string name;   // as the spooler knows it (Windows-1252)
    std::string driver; // make and model, may be empty
};

struct ReceiptsPageInput {
    int printerIndex = -1; // 0 "Default", 1.. the installed printers in list order
    bool omitPrintConfirm = false;
    int autoReceiptIndex = -1; // into kAutoReceiptChoices
    int copiesIndex = -1;      // into kReceiptCopiesChoices
    bool kitchenReceipt = false;
    bool itemsCentred = false;
    bool barcode = false;
    bool logo = false;
    bool exclusiveOfTax = false;
    bool printToPageWidth = false;
    bool wordWrap = false;
    bool limitDescription = false;
    bool forceTenPointFont = false;
    std::string footer;
};

struct TillConfigurationPageInput {
    bool use = false;
    int portIndex = -1; // into kDevicePortChoices
    std::string openCharacter; // "Open character (0-255)"
    std::string repeat;        // "Repeat (1-10)"
    std::string sequence;      // "Printer control sequence"
    bool receiptPrinterConnect = false; // else "Direct connect"
};

// The six pole texts in stored order.
enum PoleText {
    polePassiveText,
    poleSwitchPrinterOn,
    poleSwitchPrinterOff,
    poleClearDisplay,
    poleCursorFirstLine,
    poleCursorSecondLine,
    kPoleTextCount
};

struct PoleConfigurationPageInput {
    bool use = false;
    int portIndex = -1; // 0-7 COM1-COM8
    int baudIndex = -1; // into kBaudRateChoices
    int parityIndex = -1;
    int dataBitsIndex = -1;
    int stopBitsIndex = -1;
    std::string columnsLineOne;
    std::string columnsLineTwo;
    std::array<std::string, kPoleTextCount> texts;
};

// `printers` are the installed printers in list order. The stored printer is
// found by its name; one no longer installed leaves the list with nothing
// chosen (-1), so applying the page keeps it.
ReceiptsPageInput loadReceiptsPage(const TillConfig &config,
                                   const std::vector<PrinterChoice> &printers);
// Printer: index 0 stores 0 and clears the name and driver; 1.. stores the
// index with that printer's name and driver; anything else changes nothing.
// "Omit print confirm" stores 0 when ticked, 1 otherwise; "Auto receipt" 0-4
// and copies 0-2 as their index; the other boxes 2 or 0; the footer keeps
// at most 252 characters.
void applyReceiptsPage(TillConfig &config, const ReceiptsPageInput &input,
                       const std::vector<PrinterChoice> &printers);

TillConfigurationPageInput loadTillConfigurationPage(const TillConfig &config);
// "Use" stores 1 or 0; the port 0-9; the open character only when a whole
// number 0 to 255, "Repeat" only when 1 to 10; the sequence keeps 31
// characters; the connection 2 (receipt printer) or 0 (direct).
void applyTillConfigurationPage(TillConfig &config, const TillConfigurationPageInput &input);

PoleConfigurationPageInput loadPoleConfigurationPage(const TillConfig &config);
// "Use" stores 2 or 0; each list only when its index is in range; the
// column counts only when whole numbers 0 to 999; each text keeps 31 characters.
void applyPoleConfigurationPage(TillConfig &config, const PoleConfigurationPageInput &input);
// What "Preview" stores before it shows the passive text: the six texts, the
// port and the line settings, by the rules above; "Use" and the column
// counts are left alone.
void applyPolePreviewSettings(TillConfig &config, const PoleConfigurationPageInput &input);

} // namespace ovix
