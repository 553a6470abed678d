#include "store/customer_lookup.h"

#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "platform/leading_number.h"

namespace ovix {

namespace {

std::string namePattern(std::string_view text)
{
    std::string pattern(text);
    if (pattern.size() == 1)
        pattern += '?';
    return pattern;
}

bool keyMatches(const std::string &pattern, std::array<char, 2> key)
{
    if (key[0] == '\0')
        return false;
    return (pattern[0] == '?' || pattern[0] == key[0])
        && (pattern[1] == '?' || pattern[1] == key[1]);
}

bool patternMatches(const std::string &pattern, const char *name, size_t width)
{
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char have = i < width ? name[i] : '\0';
        if (pattern[i] != '?' && pattern[i] != have)
            return false;
        if (have == '\0' && pattern[i] != '?')
            return false;
    }
    return true;
}

CustomerCandidate candidateOf(const CustomerRecord &record, int64_t slot)
{
    CustomerCandidate candidate;
    candidate.number = record.number;
    candidate.slot = slot;
    candidate.name = readText(record.name);
    candidate.road = readText(record.road);
    return candidate;
}

// Reads `slot` and adds it when it holds a live customer answering the
// pattern. False when the read failed (already reported).
bool tryCandidate(const CustomerIndex &customers, int64_t slot, const std::string &pattern,
    std::vector<CustomerCandidate> &found, Messages &messages)
{
    if (!keyMatches(pattern, customers.key(slot)))
        return true;
    CustomerRecord record;
    if (!customers.readRecord(slot, record, messages))
        return false;
    if (record.number > 0 && patternMatches(pattern, record.name, sizeof record.name))
        found.push_back(candidateOf(record, slot));
    return true;
}

} // namespace

bool customerNameMatches(std::string_view text, const char *name, size_t width)
{
    if (text.empty() || width == 0)
        return false;
    const std::string pattern = namePattern(text);
    return name[0] != '\0' && patternMatches(pattern, name, width);
}

CustomerLookup lookUpCustomers(const CustomerIndex &customers, std::string_view text,
    CustomerSearchOrder order, bool largeNumbersAsName, Messages &messages)
{
    CustomerLookup result;
    const LeadingNumber parsed = parseLeadingNumber(text);
    const bool positive = parsed.value > 0;
    const bool tooLarge = parsed.outOfRange || parsed.value > kMaxRecordNumber;
    if (positive && !(largeNumbersAsName && tooLarge)) {
        result.byNumber = true;
        std::optional<int64_t> slot
            = parsed.outOfRange ? std::nullopt : customers.slotOf(parsed.value);
        CustomerRecord record;
        if (slot && customers.readRecord(*slot, record, messages))
            result.candidates.push_back(candidateOf(record, *slot));
        return result;
    }
    if (text.empty())
        return result;
    const std::string pattern = namePattern(text);
    if (order == CustomerSearchOrder::BySlot) {
        for (int64_t slot = 0; slot < customers.slotCount(); ++slot) {
            if (!tryCandidate(customers, slot, pattern, result.candidates, messages))
                break;
        }
    } else {
        for (const IndexEntry &entry : customers.index().entries()) {
            if (entry.number <= 0)
                continue;
            if (!tryCandidate(customers, entry.slot, pattern, result.candidates, messages))
                break;
        }
    }
    return result;
}

} // namespace ovix
