#pragma once
// The publisher's private copy of the till's item file.

#include <string>

namespace ovix {

class DataDir;

inline constexpr const char *kItemCopyFileName = "inventor.dat";

// Copies film.dat to inventor.dat in `dir` (both found whatever the case of
// their names). The till may be running and rewriting records meanwhile: it
// only ever rewrites whole records in place, so film.dat is read as it stands,
// in large chunks of whole records, up to its end; a record caught while being
// rewritten is read again until it reads the same twice. inventor.dat is
// replaced through an AtomicFileWriter with film.dat's permission bits, and
// synced with its folder. False, with `error` when given, when film.dat is
// missing or a read or write fails; any earlier inventor.dat is then left as
// it was.
bool copyItemFile(const DataDir &dir, std::string *error = nullptr);

} // namespace ovix
