#include "accounts/widgets/customer_maintenance_dialogs.h"

#include "accounts/logic/customer_details.h"
#include "accounts/logic/customer_maintenance.h"
#include "accounts/logic/customer_view.h"
#include "accounts/widgets/customer_dialog.h"
#include "accounts/widgets/customer_step_dialog.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "print/logic/print_request.h"
#include "print/widgets/print_job.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "store/shop.h"

#include <QListWidget>

namespace ovix {

CustomerScreens customerScreens(QWidget *parent, const Shop &shop, Messages &messages)
{
    CustomerScreens screens;
    screens.showStep = [parent, &shop](const CustomerRecord &customer) {
        CustomerStepDialog dialog(customer, shop.config, parent);
        dialog.exec();
        return dialog.choice();
    };
    screens.pickLine
        = [parent](const std::vector<std::string> &lines) -> std::optional<size_t> {
        CustomerPickDialog dialog({}, parent);
        for (const std::string &line : lines)
            dialog.list()->addItem(toQString(line));
        if (!lines.empty())
            dialog.list()->setCurrentRow(0);
        if (dialog.exec() != QDialog::Accepted || dialog.list()->currentRow() < 0)
            return std::nullopt;
        return static_cast<size_t>(dialog.list()->currentRow());
    };
    screens.view = [parent, &shop, &messages](int64_t number) {
        runViewCustomer(parent, shop, messages, number);
    };
    return screens;
}

void runViewCustomer(QWidget *parent, const Shop &shop, Messages &messages, int64_t number)
{
    for (std::optional<int64_t> shown = number; shown;) {
        const std::optional<CustomerRecord> customer = readCustomer(shop, *shown, messages);
        if (!customer)
            return;
        CustomerDialog dialog(shop.config, customerView(*customer, shop.config), parent);
        dialog.exec();
        if (dialog.choice() != CustomerDialogChoice::Next)
            return;
        shown = nextCustomerNumber(shop, *shown);
    }
}

void runAddCustomer(QWidget *parent, Shop &shop, Messages &messages)
{
    CustomerForm form = newCustomerForm(shop);
    CustomerDialogLook look = CustomerDialogLook::New;
    for (;;) {
        CustomerDialog dialog(shop.config, form, look, parent);
        dialog.exec();
        const CustomerDialogChoice choice = dialog.choice();
        if (choice == CustomerDialogChoice::Cancel)
            return;
        // A hidden Balance box still holds what was typed before the refusal.
        form = dialog.form();
        switch (storeNewCustomer(shop, form, messages)) {
        case CustomerStoreOutcome::Refused:
            look = CustomerDialogLook::Amend;
            continue;
        case CustomerStoreOutcome::Ended:
            return;
        case CustomerStoreOutcome::Stored:
            if (choice != CustomerDialogChoice::Next)
                return;
            form = newCustomerForm(shop);
            look = CustomerDialogLook::New;
            continue;
        }
    }
}

void runAmendCustomer(QWidget *parent, Shop &shop, Messages &messages)
{
    CustomerScreens screens = customerScreens(parent, shop, messages);
    screens.view = [](int64_t) {}; // an amendment never opens the view
    const FoundCustomer found = lookUpCustomer(shop, "Amend customer", false, messages, screens);
    if (found.number <= 0)
        return;
    const std::optional<CustomerRecord> customer = readCustomer(shop, found.number, messages);
    if (!customer)
        return;
    CustomerDialog dialog(shop.config, formOfRecord(*customer), CustomerDialogLook::Amend, parent);
    dialog.exec();
    if (dialog.choice() != CustomerDialogChoice::Ok)
        return;
    storeAmendedCustomer(shop, found.number, dialog.form(), messages);
}

void runDeleteCustomer(QWidget *parent, Shop &shop, Messages &messages)
{
    const CustomerScreens screens = customerScreens(parent, shop, messages);
    const FoundCustomer found = lookUpCustomer(shop, "Delete customer", false, messages, screens);
    if (found.number <= 0)
        return;
    if (found.by == FoundBy::List) {
        const std::optional<CustomerRecord> customer = readCustomer(shop, found.number, messages);
        if (!customer)
            return;
        CustomerDialog view(shop.config, customerView(*customer, shop.config), parent);
        view.exec();
    }
    deleteCustomer(shop, found.number, messages);
}

void runPruneCustomers(QWidget *, Shop &shop, Messages &messages)
{
    pruneCustomers(shop, messages);
}

void runFindCustomer(QWidget *parent, Shop &shop, Messages &messages)
{
    findCustomer(shop, messages, customerScreens(parent, shop, messages));
}

void runFindThatContain(QWidget *parent, Shop &shop, Messages &messages)
{
    findThatContain(shop, messages, customerScreens(parent, shop, messages));
}

void runFindTelephone(QWidget *parent, Shop &shop, Messages &messages)
{
    findTelephone(shop, messages, customerScreens(parent, shop, messages));
}

void runPrintCustomerDetails(QWidget *parent, Shop &shop, Messages &messages)
{
    const FoundCustomer found = lookUpCustomer(shop, "Please enter the customer", false, messages,
        customerScreens(parent, shop, messages));
    if (found.number <= 0)
        return;
    const std::optional<CustomerRecord> customer = readCustomer(shop, found.number, messages);
    if (!customer)
        return;
    PrintRequest request = documentPrintRequest(shop.config, shop.dir, PrintDocument::Other);
    request.kind = "customer-details";
    runPrintJob(
        request,
        [&](PrintDevice &device, Messages &problems) {
            printCustomerDetails(device, *customer, shop.config, problems);
        },
        messages);
}

} // namespace ovix
