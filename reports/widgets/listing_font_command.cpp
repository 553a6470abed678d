#include "reports/widgets/listing_font_command.h"

#include "platform/widgets/window_size.h"
#include "reports/widgets/listing_dialogs.h"
#include "store/till_config.h"

namespace ovix {

void chooseListingFontSize(QWidget *parent, TillConfig &config)
{
    ListingFontDialog dialog(config.get(cfg::listingLinesPerPage), parent);
    openAtPreferredSize(&dialog);
    if (dialog.exec() == QDialog::Accepted)
        config.set(cfg::listingLinesPerPage, dialog.linesPerPage());
}

} // namespace ovix
