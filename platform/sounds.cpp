#include "platform/sounds.h"

namespace ovix {

Sounds::~Sounds() = default;

void SilentSounds::play(int)
{
}

void RecordingSounds::play(int resource)
{
    played_.push_back(resource);
}

} // namespace ovix
