#pragma once
// The sales archive's folders: Y, Y/M and Y/M/D of a day (decimal, no
// leading zeros), each with its base.dat. Y/base.dat is the year index and
// starts with a 4-byte int32 0 header; Y/M/base.dat and Y/M/D/base.dat are
// markers holding the five characters "HH:MM" of the time they were made.

#include <string>

namespace ovix {

class DataDir;
class Messages;
struct LocalTime;

// The folder of a day relative to the data folder, e.g. "2014/10/7".
std::string dayFolderName(int year, int month, int day);

// Makes the archive folders of the day of `now` and their base.dat files
// where they are missing; existing folders and files (found whatever the
// case of their names) are left untouched. Every level is checked, so a
// year index lost under an existing day folder is made again with its
// header. True when the day folder and its base.dat exist at the end.
// Failures are told: "Unable to create year log directory" (also month,
// day; caption "Fatal error") and "Unable to open base.dat in year log."
// (also month, day; caption "Problem"). A year or month base.dat that
// cannot be written does not stop the folders below it.
bool ensureArchiveFolders(const DataDir &dir, const LocalTime &now, Messages &messages);

// The same, telling nobody.
bool ensureArchiveFolders(const DataDir &dir, const LocalTime &now);

} // namespace ovix
