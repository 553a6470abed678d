#pragma once
// The export itself: the records of a number range of film.dat or member.dat,
// in number order, written to a file the shop names. The records are only
// read; the output replaces an old file of that name all at once, so a failed
// or interrupted export never leaves a half-written file under the name.

#include "exchange/logic/export_choice.h"

#include <string>

namespace ovix {

class Messages;
class Shop;

// Writes the export `choice` asks for to `outputPath` (relative to the shop's
// folder unless absolute) with the permission bits 0600, and says "Complete."
// (caption "File export"). Refuses, writing nothing, with "Invalid range" or
// the empty-field message (export_choice.h); "No items in range." (caption
// "Problem") when no record lies in the range; "<path> is one of the shop's
// data files." (caption "Problem") for an output that would replace one;
// "Data file: film.dat, not present." or "... member.dat ..." (caption "Fatal
// error") when the records cannot be read; "Unable to open file." (caption
// "Problem") when the output cannot be created or written. True when the file
// is in place.
bool exportRecords(const Shop &shop, const ExportChoice &choice, const std::string &outputPath,
    Messages &messages);

// The path the export writes for the name typed: as typed when absolute,
// else inside the shop's folder.
std::string exportOutputPath(const Shop &shop, const std::string &typed);

} // namespace ovix
