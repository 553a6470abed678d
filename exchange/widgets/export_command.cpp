#include "exchange/widgets/export_command.h"

#include "exchange/logic/export_file.h"
#include "exchange/widgets/export_dialogs.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/number_text.h"
#include "store/shop.h"

#include <optional>
#include <string>
#include <vector>

namespace ovix {

void runExport(QWidget *parent, const Shop &shop, Messages &messages)
{
    std::vector<std::string> categories;
    for (int category = 1; category <= 18; ++category)
        categories.push_back(shop.config.categoryName(category));
    ExportDialog settings(categories, highestExportNumber(shop, ExportSubject::Items),
        highestExportNumber(shop, ExportSubject::Customers),
        [&messages](ExportChoice &choice, const std::string &start, const std::string &finish) {
            return setExportRange(choice, start, finish, messages);
        },
        parent);
    if (settings.exec() != QDialog::Accepted)
        return;
    ExportChoice choice = settings.choice();

    const std::optional<std::string> typed = messages.askText(exportFilePrompt(choice.subject),
        "Export", defaultExportFileName(choice.subject, choice.format));
    if (!typed || trimBlanks(*typed).empty())
        return;
    const std::string name = fromUtf8(trimBlanks(*typed));

    if (choice.format != ExportFormat::Xml) {
        ExportFieldDialog fields(choice,
            [&messages](const ExportChoice &chosen) {
                return exportFieldsChosen(chosen, messages);
            },
            parent);
        if (fields.exec() != QDialog::Accepted)
            return;
        choice = fields.choice();
    }
    exportRecords(shop, choice, exportOutputPath(shop, name), messages);
}

} // namespace ovix
