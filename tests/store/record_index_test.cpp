#include "store/record_index.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace ovix;

namespace {

// The index as the shop has always kept it: a terminated array walked from the
// front, loaded with an insertion sort, entries shifted one by one.
class LiteralIndex {
public:
    void load(const std::vector<int64_t> &numbers)
    {
        entries_.clear();
        live_ = free_ = 0;
        for (size_t slot = 0; slot < numbers.size(); ++slot) {
            int64_t number = numbers[slot];
            if (number <= 0 && number != -1)
                number = -1;
            entries_.push_back({ number, static_cast<int64_t>(slot) });
            (number < 0 ? free_ : live_) += 1;
        }
        for (size_t i = 1; i < entries_.size(); ++i) {
            IndexEntry key = entries_[i];
            size_t j = i;
            while (j > 0 && entries_[j - 1].number > key.number) {
                entries_[j] = entries_[j - 1];
                --j;
            }
            entries_[j] = key;
        }
        slots_ = static_cast<int64_t>(numbers.size());
        entries_.push_back({ 0, 0 });
    }

    size_t find(int64_t key) const
    {
        size_t p = 0;
        while (entries_[p].number != 0 && entries_[p].number < key)
            ++p;
        return p;
    }

    void insert(int64_t number)
    {
        size_t p = find(number);
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(p), IndexEntry {});
        if (free_ > 0) {
            entries_[p] = { number, entries_[0].slot };
            entries_.erase(entries_.begin());
            --free_;
        } else {
            entries_[p] = { number, slots_++ };
        }
        ++live_;
    }

    void remove(size_t d)
    {
        size_t f = 0;
        while (entries_[f].number == -1)
            ++f;
        const int64_t slot = entries_[d].slot;
        for (size_t i = d; i > f; --i)
            entries_[i] = entries_[i - 1];
        entries_[f] = { -1, slot };
        ++free_;
        --live_;
    }

    int64_t offer(int64_t last) const
    {
        int64_t number = last + 1 > 0 ? last + 1 : 1;
        size_t p = find(number);
        while (entries_[p].number == number) {
            ++p;
            ++number;
        }
        return number;
    }

    // Entries without the terminator.
    std::vector<IndexEntry> entries() const
    {
        return { entries_.begin(), entries_.end() - 1 };
    }
    int64_t slots_ = 0;
    int64_t live_ = 0;
    int64_t free_ = 0;

private:
    std::vector<IndexEntry> entries_;
};

void expectSame(const RecordIndex &index, const LiteralIndex &literal, int step)
{
    const std::vector<IndexEntry> expected = literal.entries();
    ASSERT_EQ(index.size(), expected.size()) << "step " << step;
    for (size_t p = 0; p < expected.size(); ++p) {
        ASSERT_EQ(index[p].number, expected[p].number) << "step " << step << " position " << p;
        ASSERT_EQ(index[p].slot, expected[p].slot) << "step " << step << " position " << p;
    }
    ASSERT_EQ(index.slotCount(), literal.slots_);
    ASSERT_EQ(index.liveCount(), literal.live_);
    ASSERT_EQ(index.freeCount(), literal.free_);
}

} // namespace

TEST(RecordIndex, GivesTheSameResultsAsTheLiteralAlgorithms)
{
    std::mt19937 random(1874);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 20; ++round) {
        std::vector<int64_t> numbers;
        std::set<int64_t> used;
        const int slots = 1 + pick(60);
        for (int i = 0; i < slots; ++i) {
            int64_t number = pick(3) == 0 ? -pick(4) : 1 + pick(150);
            if (number > 0 && !used.insert(number).second)
                number = -1;
            numbers.push_back(number);
        }
        RecordIndex index;
        LiteralIndex literal;
        index.assign(numbers);
        literal.load(numbers);
        expectSame(index, literal, -1);

        for (int step = 0; step < 200; ++step) {
            if (pick(2) == 0 || index.liveCount() == 0) {
                const int64_t number = 1 + pick(150);
                if (index.contains(number))
                    continue;
                ASSERT_EQ(index.slotForNewEntry(),
                    literal.free_ > 0 ? literal.entries()[0].slot : literal.slots_);
                index.insert(number);
                literal.insert(number);
            } else {
                const size_t position
                    = static_cast<size_t>(index.freeCount() + pick(int(index.liveCount())));
                index.markFree(position);
                literal.remove(position);
            }
            expectSame(index, literal, step);
            const int64_t key = pick(160) - 5;
            ASSERT_EQ(index.find(key), literal.find(key)) << key;
            const int64_t last = pick(160) - 5;
            ASSERT_EQ(index.offerNumber(last), literal.offer(last)) << last;
        }
    }
}

TEST(RecordIndex, EqualNumbersKeepSlotOrder)
{
    RecordIndex index;
    index.assign({ 9, 0, 4, 9, -1, 4, -8 });
    const std::vector<std::pair<int64_t, int64_t>> expected
        = { { -1, 1 }, { -1, 4 }, { -1, 6 }, { 4, 2 }, { 4, 5 }, { 9, 0 }, { 9, 3 } };
    ASSERT_EQ(index.size(), expected.size());
    for (size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(index[p].number, expected[p].first);
        EXPECT_EQ(index[p].slot, expected[p].second);
    }
    EXPECT_EQ(index.find(4), 3u);
    EXPECT_EQ(index.find(10), index.size());
    EXPECT_EQ(index.offerNumber(3), 5); // both copies of 4 are skipped
}
