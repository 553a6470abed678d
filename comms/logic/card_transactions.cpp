#include "comms/logic/card_transactions.h"

#include "comms/logic/card_settings.h"
#include "platform/messages.h"
#include "store/till_config.h"

#include <array>
#include <optional>
#include <string>

namespace ovix {

bool cardRefundExchange(const TillConfig &config, const DataDir &shop, int64_t reference,
    int64_t totalCents, bool cardholderNotPresent, CardReplyWaiter &waiter, Messages &messages)
{
    CardRequest request;
    request.type = CardRequestType::Refund;
    request.reference = reference;
    request.amountCents = totalCents;
    request.cardholderNotPresent = cardholderNotPresent;
    const CardSettings settings = loadCardSettings(config, shop);
    return runCardExchange(settings.folder, cardRequestText(request), waiter, messages,
        settings.verbose, ApprovalNotice::Digits)
        .approved;
}

CardExchangeResult referencedCardTransaction(
    const TillConfig &config, const DataDir &shop, CardReplyWaiter &waiter, Messages &messages)
{
    constexpr std::array<const char *, 4> prompts = {
        "Please enter a transaction reference",
        "Please enter the card number",
        "Please enter the card expiry (MMYY)",
        "Please enter the original card transaction reference",
    };
    std::array<std::string, 4> typed;
    for (size_t index = 0; index < prompts.size(); ++index) {
        const std::optional<std::string> answer
            = messages.askText(prompts[index], "Referenced transaction");
        if (!answer)
            return {};
        typed[index] = *answer;
    }
    const std::string request
        = referencedCardRequestText(typed[0], typed[1], typed[2], typed[3]);
    if (request.empty()) {
        reportProblem(messages, "Invalid entry");
        return {};
    }
    const CardSettings settings = loadCardSettings(config, shop);
    return runCardExchange(
        settings.folder, request, waiter, messages, settings.verbose, ApprovalNotice::Digits);
}

} // namespace ovix
