#include "comms/logic/card_exchange.h"

#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/messages.h"

#include <cerrno>
#include <cinttypes>

namespace ovix {

namespace {

constexpr const char *kProblem = "Problem";

std::string amountText(int64_t cents)
{
    const char *sign = cents < 0 ? "-" : "";
    const uint64_t magnitude
        = cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    return cformat("%s%" PRIu64 ".%02" PRIu64, sign, magnitude / 100, magnitude % 100);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A typed text that cannot add lines or keys to a request.
bool plainValue(std::string_view text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || c == '=')
            return false;
    }
    return true;
}

struct ResultText {
    int code;
    const char *text;
};

constexpr ResultText kResultTexts[] = {
    { 0, "Approved online" },
    { 1, "Approved online" },
    { 2, "Approved offline" },
    { 3, "Approved Manual (Referral)" },
    { 4, "Declined Online" },
    { 5, "Declined Offline" },
    { 9, "Cancelled" },
    { 16, "Capture Card, declined online" },
    { 19, "Transaction Aborted" },
    { 20, "Pre sales completed" },
    { 21, "Pre sales rejected" },
    { 22, "Card number not matched" },
    { 23, "Expiry date not matched" },
    { 24, "Invalid transaction state" },
    { 25, "Transaction not valid for requested operation" },
    { 26, "Invalid PGTR" },
    { 27, "Invalid Merchant" },
    { 28, "Invalid Terminal" },
    { 29, "Merchant status is not valid" },
    { 30, "Invalid card number" },
    { 31, "Expired Card" },
    { 32, "Pre valid card" },
    { 33, "Invalid issue number" },
    { 34, "Invalid card expiry date" },
    { 35, "Invalid start date" },
    { 36, "Card not accepted" },
    { 37, "Transaction not allowed" },
    { 38, "Cash back not allowed" },
    { 42, "Status Busy" },
    { 43, "Status Not Busy" },
    { 50, "AVS details required" },
    { 60, "Card activated (Gift card activation)" },
    { 61, "Card already activated (Gift card activation)" },
    { 62, "Card not activated (For Gift Card)" },
    { 63, "Hot Listed Card (for Gift Card)" },
    { 64, "Insufficient Balance ( for Gift Card)" },
    { 65, "Invalid Security Code ( for Gift Card)" },
};

// Puts the request in place whole; false, told, when it cannot be.
bool writeRequest(const std::string &path, std::string_view text, Messages &messages)
{
    AtomicFileWriter writer(path, kOwnerOnlyFileMode);
    if (!writer.isOpen()) {
        reportProblem(messages, "Unable to create EVT file");
        return false;
    }
    if (!writer.write(text)) {
        reportProblem(messages, "Unable to do EVT file");
        return false;
    }
    if (!writer.commit()) {
        reportProblem(messages, "Unable to close EVT input file");
        return false;
    }
    return true;
}

} // namespace

std::string cardRequestText(const CardRequest &request)
{
    const std::string reference = cformat("1=%" PRId64 "\n", request.reference);
    const std::string amount = "3=" + amountText(request.amountCents) + "\n";
    const char *notPresent = request.cardholderNotPresent ? "12=1\n" : "";
    switch (request.type) {
    case CardRequestType::SaleWithCashBack:
        return reference + "2=9\n" + amount + "4=" + amountText(request.cashBackCents)
            + "\n99=0";
    case CardRequestType::Refund:
        return reference + "2=20\n" + amount + notPresent + "99=0";
    case CardRequestType::Sale:
        break;
    }
    return reference + "2=0\n" + amount + notPresent + "99=0";
}

std::string referencedCardRequestText(std::string_view reference, std::string_view cardNumber,
    std::string_view expiry, std::string_view originalReference)
{
    for (std::string_view value : { reference, cardNumber, expiry, originalReference }) {
        if (!plainValue(value))
            return {};
    }
    std::string text;
    text.append("1=").append(reference).append("\n2=3\n5=").append(cardNumber);
    text.append("\n6=").append(expiry).append("\n13=").append(originalReference);
    text.append("\n99=0");
    return text;
}

CardReplyCode cardReplyCode(std::string_view reply)
{
    CardReplyCode result;
    const std::string_view searched = reply.substr(0, kCardReplyLimit);
    for (size_t at = searched.find("3="); at != std::string_view::npos;
         at = searched.find("3=", at + 1)) {
        if (at > 0 && static_cast<unsigned char>(searched[at - 1]) >= '0')
            continue;
        const size_t first = at + 2;
        if (first >= searched.size() || !isDigit(searched[first])) {
            result.status = CardReplyCode::Status::NoDigit;
            return result;
        }
        size_t end = first + 1;
        if (end < searched.size() && isDigit(searched[end]))
            ++end;
        result.status = CardReplyCode::Status::Code;
        result.digits = std::string(searched.substr(first, end - first));
        result.code = 0;
        for (char c : result.digits)
            result.code = result.code * 10 + (c - '0');
        return result;
    }
    return result;
}

bool cardCodeApproved(int code)
{
    return code >= 0 && code < 4;
}

const char *cardResultText(int code)
{
    for (const ResultText &entry : kResultTexts) {
        if (entry.code == code)
            return entry.text;
    }
    return "Declined";
}

CardReplyWatch::CardReplyWatch(std::string replyPath) : path_(std::move(replyPath)) { }

CardReplyWatch::State CardReplyWatch::poll()
{
    const int64_t size = fileSize(path_);
    const int64_t seenBefore = lastSize_;
    lastSize_ = size;
    if (size <= 0 || size != seenBefore)
        return State::Waiting;
    File file = File::open(path_, File::Mode::Read);
    if (!file.isOpen()) {
        if (file.error() == ENOENT) {
            lastSize_ = -1;
            return State::Waiting;
        }
        return State::ReadFailed;
    }
    const auto wanted = static_cast<size_t>(size < int64_t(kCardReplyLimit) ? size
                                                                            : kCardReplyLimit);
    std::string bytes(wanted, '\0');
    size_t got = 0;
    while (got < wanted) {
        const int64_t count = file.readSomeAt(static_cast<int64_t>(got), bytes.data() + got,
            wanted - got);
        if (count < 0)
            return State::ReadFailed;
        if (count == 0)
            break;
        got += static_cast<size_t>(count);
    }
    if (!file.close())
        return State::CloseFailed;
    if (got < wanted) {
        // Cut short while it was read: the card program is writing it anew.
        lastSize_ = -1;
        return State::Waiting;
    }
    reply_ = std::move(bytes);
    return State::Ready;
}

CardExchangeResult runCardExchange(const std::string &folder, std::string_view requestText,
    CardReplyWaiter &waiter, Messages &messages, bool verbose, ApprovalNotice notice)
{
    CardExchangeResult result;
    const std::string replyPath = folder + "/" + kCardReplyName;
    if (!makeFolders(folder)) {
        reportProblem(messages, "Unable to create EVT file");
        return result;
    }
    if (fileAccess().unlink(replyPath) != 0 && errno != ENOENT) {
        // An old reply left in place would be read as the answer to this request.
        reportProblem(messages, "Unable to delete the old EVT output file");
        return result;
    }
    if (!writeRequest(folder + "/" + kCardRequestName, requestText, messages))
        return result;

    CardReplyWatch watch(replyPath);
    const std::optional<CardReplyWatch::State> state = waiter.wait(watch);
    if (!state) {
        result.cancelled = true;
        return result;
    }
    if (*state == CardReplyWatch::State::CloseFailed) {
        reportProblem(messages, "Unable to close EVT output file");
        return result;
    }
    if (*state != CardReplyWatch::State::Ready) {
        reportProblem(messages, "Unable to retrieve EVT file");
        return result;
    }
    const CardReplyCode reply = cardReplyCode(watch.reply());
    if (reply.status == CardReplyCode::Status::NoCode) {
        reportProblem(messages, "Unable to retrieve authorization code");
        return result;
    }
    if (reply.status == CardReplyCode::Status::NoDigit) {
        messages.show("Declined", "Not authorized", MessageKind::Warning);
        return result;
    }
    result.code = reply.code;
    if (!cardCodeApproved(reply.code)) {
        messages.show(cardResultText(reply.code), "Not authorized", MessageKind::Warning);
        return result;
    }
    result.approved = true;
    if (verbose) {
        const std::string text
            = notice == ApprovalNotice::Text ? std::string(cardResultText(reply.code)) : reply.digits;
        messages.show(text, "Authorized", MessageKind::Information);
    }
    return result;
}

} // namespace ovix
