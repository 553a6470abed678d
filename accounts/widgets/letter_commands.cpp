#include "accounts/widgets/letter_commands.h"

#include "accounts/logic/customer_find.h"
#include "accounts/logic/customer_maintenance.h"
#include "accounts/widgets/customer_maintenance_dialogs.h"
#include "platform/clock.h"
#include "print/logic/invoice.h"
#include "print/widgets/print_job.h"
#include "store/customer_record.h"
#include "store/shop.h"

namespace ovix {

void runDebtorLetter(QWidget *parent, Shop &shop, Messages &messages, DebtorLetter letter)
{
    const FoundCustomer found = lookUpCustomer(shop, "Please enter the customer", false, messages,
        customerScreens(parent, shop, messages));
    if (found.number <= 0)
        return;
    const std::optional<CustomerRecord> customer = readCustomer(shop, found.number, messages);
    if (!customer || !owesForDebtorLetter(*customer, messages))
        return;
    const DebtorLetterPrint print { shop.heading, *customer, loadInvoiceLogo(shop.dir),
        localNow() };
    runPrintJob(letterPrintRequest(shop, "debtor-letter"),
        [&print, letter](PrintDevice &device, Messages &) {
            printDebtorLetter(device, letter, print);
        },
        messages);
}

void runMailmerge(
    QWidget *parent, Shop &shop, Messages &messages, MailmergeFileChooser chooseFile)
{
    MailmergeDialog dialog(mailmergePresets(shop), messages, std::move(chooseFile), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<MailmergeRange> range
        = mailmergeRange(dialog.startText(), dialog.endText());
    if (!range)
        return;
    const LocalTime today = localNow();
    const std::optional<std::vector<CustomerRecord>> customers
        = mailmergeCustomers(shop, *range, dialog.selection(), today.year, messages);
    if (!customers || customers->empty())
        return;
    const MailmergePrint print { shop.heading, dialog.text(), today };
    runPrintJob(letterPrintRequest(shop, "mailmerge"),
        [&print, &customers](PrintDevice &device, Messages &) {
            printMailmerge(device, print, *customers);
        },
        messages);
}

} // namespace ovix
