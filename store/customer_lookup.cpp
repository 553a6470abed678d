#include "store/customer_lookup.h"

#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "platform/file.h"

#include <algorithm>

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

// The name search. The key table in memory says which slots can answer; when
// they are a few, only their records are read, one by one through one open
// file; when they are many (a pattern starting "?"), the whole file is read in
// large blocks instead. Either way the matches are exactly those of reading
// slot after slot, and a record that cannot be read ends the search with the
// matches of the slots before it ("Member.dat", caption "Problem").
std::vector<CustomerCandidate> searchByName(
    const CustomerIndex &customers, const std::string &pattern, Messages &messages)
{
    std::vector<CustomerCandidate> found;
    std::vector<int64_t> slots;
    for (int64_t slot = 0; slot < customers.slotCount(); ++slot) {
        if (keyMatches(pattern, customers.key(slot)))
            slots.push_back(slot);
    }
    if (slots.empty())
        return found;
    const auto take = [&](int64_t slot, const CustomerRecord &record) {
        if (record.number > 0 && keyMatches(pattern, customers.key(slot))
            && patternMatches(pattern, record.name, sizeof record.name))
            found.push_back(candidateOf(record, slot));
    };
    // Reading a slot on its own costs about what reading eight in a block does.
    constexpr int64_t kSlotsPerBlockRead = 8;
    int64_t resumeAt = 0;
    if (static_cast<int64_t>(slots.size()) * kSlotsPerBlockRead >= customers.slotCount()) {
        const ScanResult scan = customers.forEachRecord(take);
        if (scan.status == ScanResult::Status::NotOpened) {
            reportFatal(messages, "Data file: member.dat, not present.");
            return found;
        }
        if (scan.status != ScanResult::Status::ReadFailed)
            return found;
        // A block that cannot be read is read again record by record, up to
        // the record that fails.
        resumeAt = scan.slotsRead;
    }
    File file = File::open(customers.filePath(), File::Mode::Read);
    if (!file.isOpen()) {
        reportFatal(messages, "Data file: member.dat, not present.");
        return found;
    }
    CustomerRecord record {};
    for (const int64_t slot : slots) {
        if (slot < resumeAt)
            continue;
        if (!file.readAt(slot * static_cast<int64_t>(sizeof record), &record, sizeof record)) {
            reportProblem(messages, "Member.dat");
            return found;
        }
        take(slot, record);
    }
    return found;
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
        CustomerRecord record {};
        if (slot && customers.readRecord(*slot, record, messages))
            result.candidates.push_back(candidateOf(record, *slot));
        return result;
    }
    if (text.empty())
        return result;
    const std::string pattern = namePattern(text);
    result.candidates = searchByName(customers, pattern, messages);
    if (order == CustomerSearchOrder::ByNumber) {
        // The index's order: by number, equal numbers of a damaged file in slot order.
        std::stable_sort(result.candidates.begin(), result.candidates.end(),
            [](const CustomerCandidate &a, const CustomerCandidate &b) {
                return a.number < b.number;
            });
    }
    return result;
}

} // namespace ovix
