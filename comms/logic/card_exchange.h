#pragma once
// The exchange with the card terminal program through two files in its
// exchange folder: the till writes a request, input.txt, and waits for the
// reply, output.txt, which the card program writes.
//
// A request is lines "key=value", each ended by a line feed alone, the last
// one "99=0" with nothing after it; amounts are written with two decimals
// from whole cents. It is put in place whole: written to a temporary file in
// the exchange folder, synced and renamed to input.txt, so the card program
// never reads half a request. The reply of the exchange before is deleted
// first, so it is never taken for the new one.
//
// The reply carries the result code after "3=" (see cardReplyCode). It is read
// only once its size has stayed the same across two polls, so a reply still
// being written ("3=1" of "3=16") is never taken for a whole one. The wait has
// no time limit of its own; the CardReplyWaiter decides when to give up (the
// till shows a Cancel button), and giving up counts as not approved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;

inline constexpr const char *kCardRequestName = "input.txt";
inline constexpr const char *kCardReplyName = "output.txt";
// How much of a reply is read and searched.
inline constexpr size_t kCardReplyLimit = 1999;
// How often the reply file is looked at.
inline constexpr int kCardPollMilliseconds = 200;

enum class CardRequestType {
    Sale,             // 2=0
    SaleWithCashBack, // 2=9
    Refund,           // 2=20
};

struct CardRequest {
    CardRequestType type = CardRequestType::Sale;
    int64_t reference = 0;     // the till's transaction number
    int64_t amountCents = 0;   // with cash back: the total plus the cash back
    int64_t cashBackCents = 0; // only with SaleWithCashBack
    bool cardholderNotPresent = false; // key 12; not with cash back
};

// The request text, byte for byte.
std::string cardRequestText(const CardRequest &request);

// A transaction on an original card transaction reference (2=3). Each text is
// as the clerk typed it; empty when one of them holds a line break, '=' or
// another control character (which would add keys of its own to the request).
std::string referencedCardRequestText(std::string_view reference, std::string_view cardNumber,
    std::string_view expiry, std::string_view originalReference);

// What the first 1999 bytes of a reply say. The code follows the first "3="
// that starts the reply or follows a character below '0' (so "13=" does not
// count); it is one digit, or two when the second character is a digit too.
struct CardReplyCode {
    enum class Status {
        Code,    // `code` holds the result code; `digits` its characters
        NoCode,  // no "3=" in the reply
        NoDigit, // "3=" with no digit after it: declined
    };
    Status status = Status::NoCode;
    int code = 0;
    std::string digits;
};
CardReplyCode cardReplyCode(std::string_view reply);

// Codes 0-3 approve; everything else declines.
bool cardCodeApproved(int code);
// The text of a result code: "Approved online" ... "Declined".
const char *cardResultText(int code);

// Watches the reply file of one exchange, one look per poll.
class CardReplyWatch {
public:
    enum class State {
        Waiting,     // no reply yet, or one still growing
        Ready,       // reply() holds the reply
        ReadFailed,  // the reply could not be read
        CloseFailed, // the reply could not be closed after reading
    };

    explicit CardReplyWatch(std::string replyPath);

    // Looks at the reply file once. A reply is taken when it is not empty and
    // has the size it had at the look before; an empty one is being written.
    State poll();
    const std::string &reply() const { return reply_; }

private:
    std::string path_;
    int64_t lastSize_ = -1;
    std::string reply_;
};

// Waits for a watched reply; the till shows a window with a Cancel button,
// tests poll for a bounded time.
class CardReplyWaiter {
public:
    virtual ~CardReplyWaiter() = default;
    // Polls `watch` every kCardPollMilliseconds (or as the waiter chooses)
    // until it is no longer Waiting; returns that state, or nothing when the
    // wait was given up (the clerk's Cancel).
    virtual std::optional<CardReplyWatch::State> wait(CardReplyWatch &watch) = 0;
};

// How an approval is told when the link is verbose.
enum class ApprovalNotice {
    Text,   // the result's text ("Approved online"): card payments
    Digits, // the code's digits: refunds and referenced transactions
};

struct CardExchangeResult {
    bool approved = false;
    bool cancelled = false;   // the clerk gave up waiting
    std::optional<int> code;  // the result code, when the reply held one
};

// One exchange in `folder` (created, owner only, when missing): deletes the
// old reply, puts `requestText` in place, waits for the reply through
// `waiter` and tells the result: a failure to write ("Unable to create EVT
// file", "Unable to do EVT file", "Unable to close EVT input file"), to read
// ("Unable to retrieve EVT file", "Unable to close EVT output file") or a
// reply without "3=" ("Unable to retrieve authorization code"), each with the
// caption "Problem"; a decline with its text and the caption "Not authorized";
// an approval only when `verbose`, caption "Authorized". Cancel tells nothing.
CardExchangeResult runCardExchange(const std::string &folder, std::string_view requestText,
    CardReplyWaiter &waiter, Messages &messages, bool verbose, ApprovalNotice notice);

} // namespace ovix
