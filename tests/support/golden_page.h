#pragma once
// Golden pages: every printed document (receipts, invoices, reports, lists,
// labels, letters) is checked against a reviewed transcript kept in the data/
// folder beside its tests, e.g. tests/print/data/standard_receipt.txt.
//
//     RecordingPrintDevice device;
//     printReceipt(device, ReceiptKind::Standard, data, messages);
//     EXPECT_TRUE(test::matchesGoldenPage(device.transcript(),
//         "print/data/standard_receipt.txt"));
//
// When the drawn page differs, the check fails with the golden file's path and
// the lines that differ (- golden, + drawn), and writes the drawn transcript
// beside the golden file as NAME.actual for a closer look (diff NAME NAME.actual).
//
// After a deliberate change of a layout, or for a new document, regenerate:
//     OVIX_UPDATE_GOLDEN=1 build/tests/print_tests
// (any test program, any --gtest_filter). Every golden file a check reaches is
// then rewritten from the drawn page and the check passes. Review the change
// with `git diff tests/` line by line against the layout rules before
// committing: the committed files are the reference.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ovix::test {

// The environment variable that turns checks into rewrites.
inline constexpr const char *kUpdateGoldenVariable = "OVIX_UPDATE_GOLDEN";

// `relativePath` below the tests/ folder of the source tree, as an absolute
// path; an absolute path stays as it is.
std::string goldenPagePath(std::string_view relativePath);

// Success when `transcript` equals the golden file at `relativePath` (as
// goldenPagePath makes it) byte for byte; a stale NAME.actual is then removed. Otherwise a
// failure that names the file and shows the differing lines, with the drawn
// transcript written to NAME.actual; a missing golden file fails the same way.
// With OVIX_UPDATE_GOLDEN set (and not "0") the golden file is written instead.
::testing::AssertionResult matchesGoldenPage(
    std::string_view transcript, std::string_view relativePath);

// The differing lines of two texts, as a short listing: each run of changes
// with up to two unchanged lines around it, golden lines marked "-", drawn
// ones "+", at most `maxLines` lines (then "..."). "" when they are equal.
std::string lineDifferences(std::string_view golden, std::string_view drawn, int maxLines = 60);

} // namespace ovix::test
