#include "sales/logic/basket.h"
#include "platform/leading_number.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <limits>

using namespace ovix;

TEST(BasketLayout, FieldsKeepTheArchiveOrderAndSizes)
{
    // The archive copies these field for field: their order and widths matter.
    static_assert(offsetof(Basket, transactionNumber) < offsetof(Basket, daySequence));
    static_assert(offsetof(Basket, daySequence) < offsetof(Basket, customerNumber));
    static_assert(offsetof(Basket, customerNumber) < offsetof(Basket, lineItemNumber));
    static_assert(offsetof(Basket, lineItemNumber) < offsetof(Basket, clerkNumber));
    static_assert(offsetof(Basket, clerkNumber) < offsetof(Basket, lineCount));
    static_assert(offsetof(Basket, lineCount) < offsetof(Basket, lineDescription));
    static_assert(offsetof(Basket, lineTotal) < offsetof(Basket, totals));
    static_assert(offsetof(Basket, totals) < offsetof(Basket, timeText));
    static_assert(offsetof(Basket, paymentType) < offsetof(Basket, reservedTexts394));
    static_assert(offsetof(Basket, reservedAmounts862) < offsetof(Basket, transactionNote));
    EXPECT_EQ(sizeof(Basket::lineDescription), 400u * 40u);
    EXPECT_EQ(sizeof(Basket::totals), 23u * 4u);
    EXPECT_EQ(sizeof(Basket::customerAddress), 4u * 30u);
    EXPECT_EQ(sizeof(Basket::transactionNote), 80u);
    // The texts from the time to the last reserved text lie as in the
    // archive record (offsets 124 to 853).
    EXPECT_EQ(offsetof(Basket, reservedTexts394) - offsetof(Basket, timeText), 394u - 124u);
    EXPECT_EQ(offsetof(Basket, reservedTexts774) - offsetof(Basket, timeText), 774u - 124u);
    EXPECT_EQ(static_cast<int>(BasketTotal::ChequePart), 17);
    EXPECT_EQ(static_cast<int>(BasketTotal::BalanceAfter), 21);
}

TEST(Basket, ClearingSetsEveryByteToZero)
{
    static Basket basket;
    std::memset(static_cast<void *>(&basket), 0xA5, sizeof basket);
    clearBasket(basket);
    const auto *bytes = reinterpret_cast<const unsigned char *>(&basket);
    for (size_t i = 0; i < sizeof basket; ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(Basket, LinesCopyInAndOutAndCountByItem)
{
    static Basket basket;
    clearBasket(basket);
    BasketLine line;
    line.itemNumber = 42;
    line.description = std::string(60, 'D'); // longer than the field
    line.taxable = 1.99f;
    line.taxOne = 0.35f;
    line.cost = 0.5f;
    line.total = 2.34f;
    setBasketLine(basket, 0, line);
    setBasketLine(basket, 1, line);
    basket.lineCount = 2;

    const BasketLine back = basketLine(basket, 1);
    EXPECT_EQ(back.itemNumber, 42);
    EXPECT_EQ(back.description, std::string(39, 'D'));
    EXPECT_EQ(basket.lineDescription[1][39], '\0');
    EXPECT_FLOAT_EQ(back.total, 2.34f);
    EXPECT_EQ(countLinesOf(basket, 42), 2);
    EXPECT_EQ(countLinesOf(basket, 7), 0);

    // Lines past the count, and positions outside the basket, read as empty.
    EXPECT_EQ(basketLine(basket, 2).itemNumber, 0);
    EXPECT_EQ(basketLine(basket, -1).itemNumber, 0);
    setBasketLine(basket, 400, line); // ignored, no write past the end
    clearBasketLine(basket, 0);
    EXPECT_EQ(basket.lineItemNumber[0], 0);
    EXPECT_EQ(lineDescriptionText(basket, 0), "");
}

TEST(Basket, RunningTotalsStayAtWholeCents)
{
    static Basket basket;
    clearBasket(basket);
    // A thousand cents added one by one drift in float arithmetic; re-rounded
    // each time they make exactly 10.00.
    float drifting = 0;
    for (int i = 0; i < 1000; ++i) {
        addToRunningTotal(basket, BasketTotal::Total, 0.01f);
        drifting += 0.01f;
    }
    EXPECT_EQ(basket.total(BasketTotal::Total), 10.0f);
    EXPECT_NE(drifting, 10.0f);
    addToRunningTotal(basket, BasketTotal::Total, -9.99);
    EXPECT_EQ(basket.total(BasketTotal::Total), 0.01f);
}

TEST(LeadingNumber, ReadsTheLeadingDigitsAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(parseLeadingNumber("123").value, 123);
    EXPECT_EQ(parseLeadingNumber("  12ABC").value, 12);
    EXPECT_EQ(parseLeadingNumber("-5\n").value, -5);
    EXPECT_EQ(parseLeadingNumber("+7").value, 7);
    EXPECT_EQ(parseLeadingNumber("ABC").value, 0);
    EXPECT_EQ(parseLeadingNumber("").value, 0);
    EXPECT_FALSE(parseLeadingNumber("9223372036854775807").outOfRange);
    const int64_t largest = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(parseLeadingNumber("9223372036854775807").value, largest);
    EXPECT_EQ(
        parseLeadingNumber("-9223372036854775808").value, std::numeric_limits<int64_t>::min());
    // One more, or twenty digits, would wrap onto some other number.
    EXPECT_TRUE(parseLeadingNumber("9223372036854775808").outOfRange);
    EXPECT_TRUE(parseLeadingNumber("18446744073709551621").outOfRange); // 2^64 + 5
    EXPECT_TRUE(parseLeadingNumber("-9223372036854775809").outOfRange);
}
