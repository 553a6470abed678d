// The typed byte notation of drawer kicks, cutters and pole display codes over
// any text: never more bytes than the 32 characters read can hold (33, a run
// of commas), one byte per item read, and a cutter sequence the dialog
// accepts reaches the device exactly as typed.

#include "fuzz/settings_fuzz.h"

#include "print/logic/byte_sequence.h"
#include "print/logic/custom_receipt_settings.h"

#include <algorithm>
#include <charconv>

namespace {

using ovix::fuzz::check;

constexpr size_t kReadLimit = 32;

std::string_view withoutBlanks(std::string_view item)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!item.empty() && blank(item.front()))
        item.remove_prefix(1);
    while (!item.empty() && blank(item.back()))
        item.remove_suffix(1);
    return item;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    const std::string_view text = fuzz::bytesOf(data, size);
    const std::string bytes = parseByteSequence(text);
    check(bytes.size() <= kReadLimit + 1);
    const std::string_view read = text.substr(0, kReadLimit);
    const auto commas = static_cast<size_t>(std::count(read.begin(), read.end(), ','));
    if (text.empty())
        check(bytes.empty());
    else if (text.size() <= kReadLimit)
        check(bytes.size() == commas + 1);
    else
        check(bytes.size() == commas);

    // Items of plain decimal digits 0-255 give their own value.
    size_t start = 0;
    for (size_t item = 0; item < bytes.size(); ++item) {
        const size_t comma = std::min(read.find(',', start), read.size());
        const std::string_view digits = read.substr(start, comma - start);
        unsigned value = 0;
        const auto [end, error]
            = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (!digits.empty() && error == std::errc() && end == digits.data() + digits.size()
            && value < 256)
            check(static_cast<unsigned char>(bytes[item]) == value);
        if (digits.empty())
            check(bytes[item] == '\0');
        start = comma + 1;
    }

    if (!cutterSequenceProblem(text)) {
        check(text.size() <= kReadLimit);
        std::string typed;
        size_t from = 0;
        for (;;) {
            const size_t comma = text.find(',', from);
            const std::string_view item = withoutBlanks(
                text.substr(from, comma == std::string_view::npos ? text.npos : comma - from));
            int64_t value = 0;
            if (!item.empty()) {
                const auto [end, error]
                    = std::from_chars(item.data(), item.data() + item.size(), value);
                check(error == std::errc() && end == item.data() + item.size());
                check(value >= 0 && value < 256);
            }
            typed.push_back(static_cast<char>(value));
            if (comma == std::string_view::npos)
                break;
            from = comma + 1;
        }
        check(text.empty() ? bytes.empty() : bytes == typed);
    }
    return 0;
}
