#pragma once
// Transaction numbers that are never handed out twice.
//
// The next number lives in wr.cfg, but a wr.cfg put back from an old copy,
// damaged or edited by hand can offer a number the archive already holds, and
// a refund or a look-up would then find two sales under one number. So the
// number is checked against the archive it is going into - the year index
// Y/base.dat and the day's saleslog.dat - at start and before each sale.
//
// ArchivedNumbers remembers the highest number those two files hold together
// with their sizes. It reads them again only when a size is not the one it
// last saw (another day, a copy put back, a torn tail cut off); the sales
// archived through it are noted as they are made. So a sale costs a few file
// look-ups however large the year's index grows, with the same result as
// reading the whole index every time.

#include <cstdint>
#include <optional>
#include <string>

namespace ovix {

class DataDir;
class TillState;
struct LocalTime;

class ArchivedNumbers {
public:
    // The number to use for a transaction archived on the day of `day` when
    // wr.cfg offers `wanted` (below 1 counts as 1):
    // - `wanted` itself when it is above every number the files hold;
    // - else one more than the highest held;
    // - else, when the highest is 2147483647 (which no number can follow; only
    //   a damaged file holds it), the first number from `wanted` on, or failing
    //   that from 1, that the files do not hold.
    // Numbers below 1 in the files are no transaction numbers and are passed
    // over. Nothing when one of the files exists but cannot be read.
    std::optional<int32_t> firstFree(const DataDir &dir, const LocalTime &day, int32_t wanted);

    // Notes `number` as just archived on the day of `day`, with the files as
    // the archiving left them.
    void noteArchived(const DataDir &dir, const LocalTime &day, int32_t number);

    // The highest number held, as last read or noted; 0 when none.
    int32_t highest() const
    {
        return highest_;
    }

private:
    struct Sizes {
        int64_t yearIndex = -1; // -1: no such file
        int64_t salesLog = -1;
        bool operator==(const Sizes &) const = default;
    };
    static std::optional<Sizes> sizesOf(const DataDir &dir, const LocalTime &day);
    bool isFor(const LocalTime &day) const;

    bool known_ = false;
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    Sizes sizes_;
    int32_t highest_ = 0;
};

// The activity log's note that wr.cfg offered `offered`, a number the archive
// already holds (up to `highest`), and `next` is used instead; house format
// with the time prefix of `now`, CR LF line ends.
std::string numberMovedOnLogText(
    const LocalTime &now, int32_t offered, int32_t highest, int32_t next);

// At start, after the fix-ups of wr.cfg and before it is stored: moves the
// next transaction number of `state.config` past every number the archive of
// `now` holds. `stored` is the number wr.cfg held before the fix-ups. Returns
// the log note to write once (numberMovedOnLogText), or "" when the number
// used is the stored one or the archive could not be read (the sale then
// tells about the archive).
std::string moveNextNumberPastArchive(TillState &state, const LocalTime &now, int32_t stored);

} // namespace ovix
