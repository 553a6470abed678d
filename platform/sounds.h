#pragma once
// The till's short sounds: the key click, the void and the add sounds.
//
// The logic asks for a sound by its resource number; whether sound effects
// are switched on is checked by the caller (TillConfig), not here. Playing
// never blocks and never fails where the person at the counter would see it:
// a till without speakers simply stays silent.

#include <vector>

namespace ovix {

// Resource numbers of the three sounds.
constexpr int kKeySound = 8002; // item maintenance
constexpr int kVoidSound = 8003; // a voided line or an emptied basket
constexpr int kAddSound = 8004; // an item added or a sale completed

class Sounds {
public:
    virtual ~Sounds();
    // Starts the sound `resource` and returns at once; an unknown number
    // plays nothing.
    virtual void play(int resource) = 0;
};

// Plays nothing.
class SilentSounds : public Sounds {
public:
    void play(int resource) override;
};

// Keeps the numbers asked for, in order, for tests.
class RecordingSounds : public Sounds {
public:
    void play(int resource) override;

    const std::vector<int> &played() const
    {
        return played_;
    }
    void clear()
    {
        played_.clear();
    }

private:
    std::vector<int> played_;
};

} // namespace ovix
