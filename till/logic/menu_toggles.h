#pragma once
// The menu items that switch a stored setting on and off and carry a check
// mark while it is on: "Sound effects", "Button tips", "Hi res picture" and
// "Indent listings".

#include "till/logic/commands.h"

namespace ovix {

class Messages;
class TillConfig;

// Whether the check mark of a check-mark command is on; false for others.
bool commandChecked(Command command, const TillConfig &config);

// "Sound effects": the "sound off" word goes from non-zero to 0, or from 0 to 2.
void toggleSoundEffects(TillConfig &config);
// "Button tips": the same with the "tooltips off" word.
void toggleButtonTips(TillConfig &config);
// "Hi res picture": 2 when it was 0 (or anything but 2), else 0.
void toggleHiResPicture(TillConfig &config);

// "Indent listings": when an indent is set it is switched off (0) without a
// question. Otherwise asks "Indent (in characters, 0-40)" (default "10"); a
// whole number 0 to 40 is stored and shown with caption "Indent set to",
// anything else gets "Outside range" and changes nothing; Cancel changes nothing.
void chooseListingIndent(TillConfig &config, Messages &messages);

} // namespace ovix
