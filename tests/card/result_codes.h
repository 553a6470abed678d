#pragma once
// Every result code the card program may give that declines, with the text
// the till shows for it (caption "Not authorized").

namespace ovix::test {

struct CodeText {
    int code;
    const char *text;
};

inline constexpr CodeText kDecliningCodes[] = {
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
    { 6, "Declined" },
    { 7, "Declined" },
    { 17, "Declined" },
    { 99, "Declined" },
};

} // namespace ovix::test
