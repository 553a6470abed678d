// A day's ininvent.dat as the received report reads it, beside a film.dat.
// The input is a Chunks file (fuzz_folder.h) for film.dat, then the log's
// bytes. Whatever the bytes: every whole 16-byte entry is read, in order, a
// torn end left out, and the report has one line per entry, naming its item.

#include "fuzz/fuzz_folder.h"
#include "inventory/logic/received_log.h"
#include "inventory/logic/received_report.h"
#include "platform/scripted_messages.h"
#include "store/shop.h"

#include <cstring>

using namespace ovix;
using ovix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::FuzzFolder &folder = ovix::fuzz::FuzzFolder::instance();
    folder.clear();
    ovix::fuzz::Chunks input(data, size);
    const std::optional<std::string> items = input.file(std::string(kItemRecordSize, '\0'));
    const std::string log = input.rest();
    const CalendarDay day { 2026, 3, 5 };
    if (items)
        folder.write(kItemFileName, *items);
    folder.write(receivedLogName(day), log);

    Shop shop(folder.path());
    ScriptedMessages quiet;
    shop.items.load(quiet);
    const std::optional<std::vector<ReceivedEntry>> entries = readReceivedEntries(shop.dir, day);
    check(entries.has_value() && entries->size() == log.size() / kReceivedEntrySize);
    for (size_t i = 0; i < entries->size(); ++i) {
        int64_t number;
        std::memcpy(&number, log.data() + i * kReceivedEntrySize, sizeof number);
        check((*entries)[i].itemNumber == number);
    }

    const std::vector<std::string> lines
        = receivedReportLines(shop, CalendarDay { 2026, 3, 4 }, CalendarDay { 2026, 3, 6 });
    check(lines.size() == entries->size());
    for (size_t i = 0; i < lines.size(); ++i)
        check(lines[i].find(std::to_string((*entries)[i].itemNumber)) != std::string::npos);
    return 0;
}
