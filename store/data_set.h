#pragma once
// Setting up and repairing a shop's data set: the record files film.dat,
// member.dat and mans.dat, the configuration wr.cfg and the reminders resn.dat
// in one data folder. Every function tells the user itself (through
// `messages`) what went wrong or that it has finished, and returns false when
// it did not complete.

#include <string_view>

namespace ovix {

class DataDir;
class Messages;
struct LocalTime;

// Writes a new, empty data set: film.dat and member.dat with one free record
// each, mans.dat with one free supplier record, wr.cfg with the default block
// stamped with `now` and the shop's currency symbol (Windows-1252, first three
// bytes kept), and resn.dat with 30 empty days. Refuses, changing nothing,
// when any of those files is already there under any letter case. Each file
// is written whole and atomically; when one cannot be written, the files this
// call already wrote are removed again, so the folder is left as it was.
bool createDataSet(const DataDir &dir, const LocalTime &now,
                   std::string_view currencySymbolCp1252, Messages &messages);

// Repairs the record files in place: in slot order, a record whose number is
// 0 or less, or repeats the number of an earlier record, becomes a free record
// (number -1, description or name zeroed); loan details are cleared on every
// item and customer. Only records that change are written, each at its own
// slot. Every file (and resn.dat) is checked before anything is written: a
// missing, empty or wrongly sized file stops the rebuild with nothing changed.
// A write failure part-way stops at once; records already written are sound,
// and running the rebuild again finishes the work. Ends with "Complete.".
bool rebuildDataSet(const DataDir &dir, Messages &messages);

// Fills a freshly created data set with a small sample shop (items over all
// display categories, a bundle, customers, suppliers, a store heading), written
// through the record indexes as the till itself would add them, and records
// the last item and customer numbers issued in wr.cfg. Stops at the first
// failure, which has already been reported.
bool addDemoShop(const DataDir &dir, const LocalTime &now, Messages &messages);

} // namespace ovix
