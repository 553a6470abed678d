#pragma once
// The cash drawer and the paper cutter: control bytes sent to a port, or the
// drawer kick passed raw through the receipt printer's spooler.
//
// Each action opens its port, writes and closes it at once. Failures are told
// to the clerk and otherwise ignored: the sale that asked for the drawer is
// already paid and stays so.

#include <string_view>

namespace ovix {

class DataDir;
class Messages;
class Shop;
class TillConfig;

// Opens the drawer whatever the drawer's "Use" setting says (the caller
// decides when). Through the receipt printer (drawer mode 2): nothing when
// the printer control sequence is empty or gives no bytes, else its bytes as a raw job "OVIX"
// to the receipt printer chosen on the Receipts page (the default printer when
// "Default" is chosen); a job that cannot be sent says "Unable to open
// printer for till drawer". Direct (any other mode): the open character's low
// byte, "Repeat" times (clamped to 1-10), in one write to the drawer port
// (COM1 when the index is out of range); a port that cannot be opened says
// "Unable to open port" (caption "Till drawer"), a failed write "Unable write
// to port". Only output processing is switched off on the port; its speed
// and framing stay as the system has them. True when the bytes were sent.
bool openTillDrawer(const TillConfig &config, const DataDir &dataDir, Messages &messages);

// The "Open cash till drawer" command (F8): opens the drawer as
// openTillDrawer does, then writes "No sale, drawer opened" (or "No sale,
// drawer did not open" when the bytes could not be sent) with the clerk to
// the activity log. A log that cannot be written is told; the drawer stays
// open. True when the drawer was opened.
bool openDrawerWithoutSale(const Shop &shop, Messages &messages);

// Sends the bytes of the sequence `text` in one write to port `port` (0-9,
// COM1 for any other value), as the cutter receives its sequence after each
// custom receipt. Nothing at all when `text` is empty. "Unable to open port"
// or "Unable write to port" (caption "Problem") on failure. True when the
// bytes were sent or there were none.
bool sendPortSequence(const DataDir &dataDir, int port, std::string_view text, Messages &messages);

// The custom receipt's cutter sequence to the cutter port (COM1 for an index
// outside 0-9), as sendPortSequence sends it.
bool sendCutterSequence(const TillConfig &config, const DataDir &dataDir, Messages &messages);

} // namespace ovix
