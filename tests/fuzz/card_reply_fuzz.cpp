// The card terminal's reply over any bytes, for a payment, a refund and a
// referenced transaction: the request in the folder carries the amount in
// whole cents exactly as asked (or, typed, no key the clerk did not type),
// a reply is approved only when its first "3=" code is below 4, and a reply
// that is not approved is told once.

#include "fuzz/settings_fuzz.h"

#include "comms/logic/card_exchange.h"
#include "comms/logic/card_transactions.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"

#include <vector>

namespace {

using ovix::fuzz::check;

// Plays the card program: puts the reply in place once the request is there,
// then polls a few times as the till would.
class ReplyingProgram : public ovix::CardReplyWaiter {
public:
    explicit ReplyingProgram(std::string_view reply)
        : reply_(reply)
    {
    }

    std::optional<ovix::CardReplyWatch::State> wait(ovix::CardReplyWatch &watch) override
    {
        std::optional<std::string> sent = readFile(std::string(ovix::kCardRequestName));
        check(sent.has_value());
        request = *sent;
        ovix::fuzz::putScratchFile(ovix::kCardReplyName, reply_);
        for (int look = 0; look < 3; ++look) {
            const ovix::CardReplyWatch::State state = watch.poll();
            if (state != ovix::CardReplyWatch::State::Waiting)
                return state;
        }
        gaveUp = true;
        return std::nullopt;
    }

    std::string request;
    bool gaveUp = false;

private:
    static std::optional<std::string> readFile(const std::string &name)
    {
        return ovix::readWholeFile(ovix::fuzz::scratchFolder() + "/" + name);
    }

    std::string_view reply_;
};

// The cents of the request's amount line of `key` ("3" the amount, "4" the
// cash back), which must be there.
int64_t requestedCents(const std::string &request, const std::string &key = "3")
{
    const std::string line = "\n" + key + "=";
    const size_t at = request.find(line);
    check(at != std::string::npos);
    const size_t end = request.find('\n', at + 1);
    check(end != std::string::npos);
    std::string_view amount(request.data() + at + line.size(), end - at - line.size());
    const bool negative = !amount.empty() && amount.front() == '-';
    if (negative)
        amount.remove_prefix(1);
    const size_t point = amount.find('.');
    check(point != std::string_view::npos && point > 0 && amount.size() == point + 3);
    uint64_t magnitude = 0;
    for (size_t i = 0; i < amount.size(); ++i) {
        if (i == point)
            continue;
        check(amount[i] >= '0' && amount[i] <= '9');
        magnitude = magnitude * 10 + static_cast<uint64_t>(amount[i] - '0');
    }
    return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

// What the code rule makes of the reply, read independently.
std::optional<int> expectedCode(std::string_view reply, bool &noDigit)
{
    reply = reply.substr(0, ovix::kCardReplyLimit);
    noDigit = false;
    for (size_t at = 0; at + 1 < reply.size(); ++at) {
        if (reply[at] != '3' || reply[at + 1] != '=')
            continue;
        if (at > 0 && static_cast<unsigned char>(reply[at - 1]) >= '0')
            continue;
        const auto digit
            = [&](size_t i) { return i < reply.size() && reply[i] >= '0' && reply[i] <= '9'; };
        if (!digit(at + 2)) {
            noDigit = true;
            return std::nullopt;
        }
        int code = reply[at + 2] - '0';
        if (digit(at + 3))
            code = code * 10 + (reply[at + 3] - '0');
        return code;
    }
    return std::nullopt;
}

int64_t int64From(std::string_view bytes)
{
    uint64_t value = 0;
    for (size_t i = 0; i < 8 && i < bytes.size(); ++i)
        value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<int64_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    std::string_view input = fuzz::bytesOf(data, size);
    if (input.size() < 9)
        return 0;
    const int64_t cents = int64From(input);
    const auto kind = static_cast<unsigned char>(input[8]);
    input.remove_prefix(9);
    const std::string &folder = fuzz::scratchFolder();
    fuzz::removeScratchFile(kCardRequestName);

    ScriptedMessages messages;
    CardExchangeResult result;
    std::string_view reply = input;
    std::string typedRequest;
    ReplyingProgram program(reply);
    switch (kind % 3) {
    case 0: {
        CardRequest request;
        request.type = (kind & 4) ? CardRequestType::SaleWithCashBack : CardRequestType::Sale;
        request.reference = cents / 7;
        request.amountCents = cents;
        request.cashBackCents = cents / 3;
        request.cardholderNotPresent = (kind & 8) != 0 && !(kind & 4);
        result = runCardExchange(folder, cardRequestText(request), program, messages,
            (kind & 16) != 0, ApprovalNotice::Text);
        check(program.request == cardRequestText(request));
        check(requestedCents(program.request) == cents);
        if (request.type == CardRequestType::SaleWithCashBack)
            check(requestedCents(program.request, "4") == request.cashBackCents);
        break;
    }
    case 1: {
        TillConfig config;
        config.setText(cfg::eftFolder, folder);
        config.set(cfg::cardVerbose, (kind & 16) ? 2.0 : 0.0);
        result.approved = cardRefundExchange(
            config, DataDir(folder), 42, cents, (kind & 8) != 0, program, messages);
        result.cancelled = program.gaveUp;
        check(requestedCents(program.request) == cents);
        check(program.request.find("\n2=20\n") != std::string::npos);
        break;
    }
    default: {
        // The four typed texts come first, each ended by a NUL; the rest is the reply.
        std::array<std::string, 4> typed = fuzz::typedTexts<4>(input);
        size_t used = 0;
        for (const std::string &text : typed)
            used += text.size() + 1;
        reply = input.substr(std::min(used, input.size()));
        program = ReplyingProgram(reply);
        for (const std::string &text : typed)
            messages.textReplies.push_back(text);
        TillConfig config;
        config.setText(cfg::eftFolder, folder);
        result = referencedCardTransaction(config, DataDir(folder), program, messages);
        const std::string request
            = referencedCardRequestText(typed[0], typed[1], typed[2], typed[3]);
        if (request.empty()) {
            check(!fileExists(folder + "/" + kCardRequestName));
            check(messages.lastText() == "Invalid entry");
            return 0;
        }
        // Exactly the six keys, one a line, whatever was typed.
        check(program.request == request);
        size_t lines = 0;
        for (char c : request)
            lines += c == '\n';
        check(lines == 5);
        typedRequest = request;
        break;
    }
    }

    bool noDigit = false;
    const std::optional<int> code = expectedCode(reply, noDigit);
    const bool approved = code && *code < 4;
    check(result.approved == approved);
    check(result.cancelled == program.gaveUp);
    if (result.cancelled) {
        check(reply.empty());
        check(messages.shown.size() == (kind % 3 == 2 ? 4u : 0u));
        return 0;
    }
    if (kind % 3 != 1)
        check(result.code == code);
    if (!approved) {
        const size_t asked = kind % 3 == 2 ? 4 : 0;
        check(messages.shown.size() == asked + 1);
        check(messages.shown.back().caption == (code || noDigit ? "Not authorized" : "Problem"));
    }
    return 0;
}
