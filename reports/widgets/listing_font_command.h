#pragma once
// The File popup's "Listing font size": the lines per page of the font the
// printed lists start from.

class QWidget;

namespace ovix {

class TillConfig;

// Shows "Listing font size" over `parent`; OK keeps the choice in `config`.
void chooseListingFontSize(QWidget *parent, TillConfig &config);

} // namespace ovix
