// Every settings page and dialog on the two screens a shop's till has, 800 x
// 600 and 1024 x 768: the window fits the screen with a title bar above it,
// no control lies outside the widget that holds it or is squeezed below the
// size its text needs, and no page needs a scroll bar.

#include "accounts/logic/customer_maintenance.h"
#include "accounts/widgets/account_payment_dialog.h"
#include "accounts/widgets/customer_dialog.h"
#include "accounts/widgets/customer_step_dialog.h"
#include "accounts/widgets/mailmerge_dialog.h"
#include "accounts/widgets/reminder_dialogs.h"
#include "accounts/widgets/statement_dialogs.h"
#include "exchange/widgets/export_dialogs.h"
#include "exchange/widgets/import_dialogs.h"
#include "inventory/logic/bundle_form.h"
#include "inventory/logic/supplier_form.h"
#include "inventory/widgets/advanced_search_dialog.h"
#include "inventory/widgets/bundle_dialog.h"
#include "inventory/widgets/receive_dialog.h"
#include "inventory/widgets/received_report_dialogs.h"
#include "inventory/widgets/supplier_dialog.h"
#include "inventory/widgets/find_inventory_dialog.h"
#include "inventory/logic/item_form.h"
#include "inventory/widgets/item_dialog.h"
#include "inventory/widgets/item_list_dialog.h"
#include "inventory/widgets/stock_picture_dialog.h"
#include "inventory/widgets/till_search_dialog.h"
#include "platform/scripted_messages.h"
#include "platform/widgets/wrapping_check_box.h"
#include "print/logic/custom_receipt_settings.h"
#include "print/logic/language_customization.h"
#include "print/widgets/barcode_dialog.h"
#include "print/widgets/custom_receipt_dialog.h"
#include "print/widgets/invoice_design_dialog.h"
#include "print/widgets/language_dialog.h"
#include "print/widgets/summary_dialog.h"
#include "reports/logic/closeout.h"
#include "reports/logic/status_report.h"
#include "reports/logic/stock_summary.h"
#include "reports/widgets/browse_window.h"
#include "reports/widgets/closeout_dialogs.h"
#include "reports/widgets/takings_chart_dialog.h"
#include "reports/widgets/listing_dialogs.h"
#include "reports/widgets/log_viewer_dialog.h"
#include "reports/widgets/stock_list_dialog.h"
#include "sales/logic/basket.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "sales/logic/payment.h"
#include "comms/logic/card_settings.h"
#include "sales/widgets/card_setup_dialog.h"
#include "sales/widgets/mail_setup_dialog.h"
#include "sales/widgets/card_wait_dialog.h"
#include "sales/widgets/cash_box.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/customer_transaction_dialog.h"
#include "sales/widgets/non_inventory_dialog.h"
#include "sales/widgets/refund_dialog.h"
#include "sales/widgets/split_dialog.h"
#include "sales/widgets/transaction_dialog.h"
#include "sales/widgets/transaction_list_dialog.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "sync/logic/sync_config.h"
#include "sync/widgets/configuration_dialog.h"
#include "sync/widgets/field_selection_dialog.h"
#include "reports/widgets/report_dialogs.h"
#include "sync/widgets/tag_names_dialog.h"
#include "till/logic/clerks.h"
#include "till/logic/configuration_pages.h"
#include "till/widgets/calendar_dialog.h"
#include "till/widgets/configuration_sheet.h"
#include "till/widgets/log_on_dialog.h"
#include "till/widgets/operator_setup_dialog.h"
#include "till/widgets/print_heading_dialog.h"
#include "till/widgets/tax_control_dialog.h"
#include "till/widgets/tips_dialog.h"
#include "till/widgets/upload_config_dialog.h"
#include "till/widgets/user_control_dialog.h"
#include "widgets/test_screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace ovix;

namespace {

// Room for the title bar a desktop puts above a dialog: the offscreen
// platform draws none.
constexpr int kTitleBarHeight = 32;
// A line edit's frame and the margins around its text, both sides together.
constexpr int kLineEditPadding = 8;

// How the widget is named in a failure: its class, object name and text.
QString describe(const QWidget *widget)
{
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        text += QStringLiteral(" '%1'").arg(widget->objectName());
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text += QStringLiteral(" \"%1\"").arg(button->text());
    else if (auto *label = qobject_cast<const QLabel *>(widget))
        text += QStringLiteral(" \"%1\"").arg(label->text().left(40));
    return text;
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The size a control needs to show its text whole, or an invalid size for a
// widget that holds no text of its own.
QSize neededSize(const QWidget *widget)
{
    // A push button's own hint asks for a standard width; its caption needs less.
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return QSize(text.width() + 4, text.height());
    }
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLabel *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget))
        return widget->minimumSizeHint();
    return {};
}

// What does not fit inside `parent`, its visible children first, then theirs.
void collectMisfits(const QWidget *parent, QStringList &problems)
{
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        if (!parent->rect().contains(child->geometry())) {
            problems << QStringLiteral("%1 at (%2, %3) %4 lies outside %5 of %6")
                            .arg(describe(child))
                            .arg(child->x())
                            .arg(child->y())
                            .arg(sizeText(child->size()), describe(parent),
                                sizeText(parent->size()));
        }
        const QSize needed = neededSize(child);
        if (needed.isValid()
            && (child->width() < needed.width() || child->height() < needed.height())) {
            problems << QStringLiteral("%1 is %2, its text needs %3")
                            .arg(describe(child), sizeText(child->size()), sizeText(needed));
        }
        // A box the clerk cannot type into cannot be scrolled either: its whole
        // text must show.
        if (auto *box = qobject_cast<QLineEdit *>(child); box && box->isReadOnly()) {
            const int textWidth = box->fontMetrics().horizontalAdvance(box->text());
            if (textWidth > box->width() - kLineEditPadding) {
                problems << QStringLiteral("%1 shows \"%2\" in %3 pixels, the text needs %4")
                                .arg(describe(child), box->text())
                                .arg(box->width() - kLineEditPadding)
                                .arg(textWidth);
            }
        }
        // Nor can a text that the clerk only reads be scrolled.
        if (auto *text = qobject_cast<QPlainTextEdit *>(child); text && text->isReadOnly()
            && (text->verticalScrollBar()->isVisible() || text->horizontalScrollBar()->isVisible()))
            problems << describe(child) + QStringLiteral(" needs a scroll bar for its text");
        // A caption that wraps needs the height of all its lines.
        if (needed.isValid() && child->hasHeightForWidth()
            && child->height() < child->heightForWidth(child->width())) {
            problems << QStringLiteral("%1 is %2, its wrapped text needs %3 in height")
                            .arg(describe(child), sizeText(child->size()))
                            .arg(child->heightForWidth(child->width()));
        }
        if (auto *area = qobject_cast<QScrollArea *>(child)) {
            if (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible())
                problems << describe(child) + QStringLiteral(" shows a scroll bar");
        }
        // The parts a line edit, list or spin box is made of are the style's.
        if (!qobject_cast<QComboBox *>(child) && !qobject_cast<QAbstractSpinBox *>(child))
            collectMisfits(child, problems);
    }
}

// Everything about `window`, as it is shown now, that does not fit `screen`.
QStringList misfits(const QWidget *window, const QScreen *screen)
{
    QStringList problems;
    const QSize room = screen->availableGeometry().size() - QSize(0, kTitleBarHeight);
    const QSize frame = window->frameGeometry().size();
    if (frame.width() > room.width() || frame.height() > room.height()) {
        problems << QStringLiteral("the window is %1 with its frame, the screen has room for %2")
                        .arg(sizeText(frame), sizeText(room));
    }
    collectMisfits(window, problems);
    return problems;
}

// What the dialogs are built from: a new shop with a sale in its basket.
struct Counter {
    test::NewShop shop;
    Basket basket {}; // a plain block: zeroed, as the till starts it
    Basket saved {};
    NullBasketView view;
    ItemEntry entry { shop.state, basket, saved, view, shop.messages };
    SyncConfig sync;
    CustomerTransactionView customer;

    Counter()
    {
        shop.state.config.set(cfg::currentClerk, 1);
        customer.transactionNumber = 1042;
        customer.date = "Sun 15 Mar 26";
        customer.time = "09:30";
        customer.clerk = "1, Administrator";
        customer.subtotal = 1234.56;
        customer.total = 1481.47;
        customer.customerNumber = 100000000000;
        // Each text as long as the customer file holds it.
        customer.fullName = "MRS. MARGARE WOODWARD-WORTHINGTON MOWBRAYS";
        customer.address = "MOUNTWOOD HOUSE, WEMBLEY ROAD";
        customer.telephone = "0123 456 7890 X 123";
        customer.commentOne = "WANTS MONTHLY WHOLESALE MEMOS";
        customer.commentTwo = "ASK FOR THE ACCOUNT NUMBER AT THE DESK.";
        customer.notes = "DELIVERIES TO THE BACK DOOR OF THE WAREHOUSE ON WEDNESDAYS ONLY. THE "
                         "MANAGER SIGNS FOR EVERY DELIVERY; ORDERS ABOVE FIVE HUNDRED POUNDS "
                         "NEED A PURCHASE ORDER NUMBER ON THE INVOICE. CLOSED IN AUGUST.";
        customer.creditLimit = 5000;
        customer.previousBalance = 1234.5;
        customer.thisTransaction = 1481.47;
        customer.balanceAfter = 2715.97;
        customer.transactions = 42;
        customer.lastTransaction = "17:45 14/03/2026";
    }
};

// A customer with every box filled to its limit with wide letters, in words.
CustomerForm widestCustomer()
{
    CustomerForm form;
    for (const CustomerTextField &field : customerTextFields()) {
        std::string text;
        while (text.size() < field.maxChars)
            text += text.size() % 8 == 7 ? ' ' : 'W';
        form.*field.text = text;
    }
    form.number = "100000000000000000";
    form.group = "2000";
    form.transactions = "2147483647";
    form.totalPurchases = "9999999.99";
    form.balance = "-9999999.99";
    form.creditLimit = "9999999.99";
    form.termsIndex = 7;
    return form;
}

// Thirteen rows as wide as the browse window's columns hold them.
class WidestRows : public BrowseSource {
public:
    std::optional<Page> fill(size_t position, Messages &) const override
    {
        Page page;
        for (size_t row = 0; row < kBrowseRows; ++row) {
            page.rows.push_back({ 100000000000000000, "-9999999.99, WOODWARD WORTHINGTON MOW",
                "MOUNTWOOD HOUSE, WEMBLEY ROAD", "0123 456 7890 X 123 WORTHING" });
        }
        page.next = position + kBrowseRows;
        return page;
    }
};

std::unique_ptr<QWidget> widestBrowseWindow(Counter &c, QWidget *parent, bool customers)
{
    BrowseList list({ "Customers with non zero credit", BrowseOpens::Customer, customers, true },
        std::make_unique<WidestRows>(), 0);
    list.open(c.shop.messages);
    list.more(c.shop.messages); // Back shows too
    return std::make_unique<BrowseWindow>(std::move(list), c.shop.messages,
        [](QWidget *, int64_t) {}, parent);
}

struct Window {
    const char *name;
    std::function<std::unique_ptr<QWidget>(Counter &, QWidget *)> make;
};

template <typename Dialog, typename... Arguments>
std::unique_ptr<QWidget> make(Arguments &&...arguments)
{
    return std::make_unique<Dialog>(std::forward<Arguments>(arguments)...);
}

// The language dialog with `language`'s words, whose length sets the boxes' width.
std::function<std::unique_ptr<QWidget>(Counter &, QWidget *)> languageDialog(int language)
{
    return [language](Counter &c, QWidget *parent) {
        c.shop.state.config.set(cfg::receiptLanguage, language);
        LanguageCustomization shown
            = openLanguageCustomization(c.shop.state.config, c.shop.state.receiptWords);
        chooseLanguage(shown, language);
        return make<LanguageDialog>(shown, parent);
    };
}

const std::vector<Window> &windows()
{
    static const std::vector<Window> all = {
        { "ConfigurationSheet",
            [](Counter &c, QWidget *parent) {
                return make<ConfigurationSheet>(c.shop.state, parent, &c.shop.messages);
            } },
        { "OperatorSetupDialog",
            [](Counter &c, QWidget *parent) {
                return make<OperatorSetupDialog>(c.shop.state.config, 3, c.shop.messages, parent);
            } },
        { "TaxControlDialog",
            [](Counter &c, QWidget *parent) {
                return make<TaxControlDialog>(loadTaxControl(c.shop.state.config),
                    QStringLiteral("GST 1"), QStringLiteral("GST 2"), parent);
            } },
        { "UploadConfigDialog",
            [](Counter &c, QWidget *parent) {
                return make<UploadConfigDialog>(
                    uploadSettingsForm(c.shop.state.config, UploadConfig()), parent);
            } },
        { "PrintHeadingDialog",
            [](Counter &c, QWidget *parent) {
                return make<PrintHeadingDialog>(loadPrintHeading(c.shop.state.heading), parent);
            } },
        { "UserControlDialog",
            [](Counter &c, QWidget *parent) {
                return make<UserControlDialog>(userControlChoices(c.shop.state.config), parent);
            } },
        { "LogOnDialog",
            [](Counter &c, QWidget *parent) {
                return make<LogOnDialog>(c.shop.state.config, parent);
            } },
        { "TipsDialog",
            [](Counter &c, QWidget *parent) {
                return make<TipsDialog>(c.shop.state.config, parent);
            } },
        { "CalendarDialog",
            [](Counter &, QWidget *parent) { return make<CalendarDialog>(parent); } },
        { "CustomReceiptDialog",
            [](Counter &c, QWidget *parent) {
                return make<CustomReceiptDialog>(loadCustomReceiptSettings(c.shop.state.config),
                    std::function<bool(const CustomReceiptSettings &)>(),
                    std::function<void(const CustomReceiptSettings &)>(), parent);
            } },
        { "InvoiceDesignDialog",
            [](Counter &c, QWidget *parent) {
                return make<InvoiceDesignDialog>(loadInvoiceDesign(c.shop.state.config),
                    InvoiceDesignDialog::FontChoice(), parent);
            } },
        { "LanguageDialog", languageDialog(0) },
        { "LanguageDialogItaliano", languageDialog(1) },
        { "LanguageDialogEspanol", languageDialog(2) },
        { "LanguageDialogNederlands", languageDialog(3) },
        { "SummaryDialog",
            [](Counter &c, QWidget *parent) {
                return make<SummaryDialog>(c.basket, Tender { 100, 6.13 }, parent,
                    std::function<void(PrintDocument)>([](PrintDocument) {}));
            } },
        { "CashBox",
            [](Counter &, QWidget *parent) {
                return make<CashBox>(
                    1481.47, quickButtonAmounts(1481.47), CashBox::Actions {}, parent);
            } },
        { "CardSetupDialog",
            [](Counter &c, QWidget *parent) {
                CardSettings shown = loadCardSettings(c.shop.state.config, c.shop.state.dir);
                shown.folder = "/home/shop/a rather long folder name/for the card terminal/cardeft";
                return make<CardSetupDialog>(
                    shown, [](const CardSettings &) { return true; }, [] {}, parent);
            } },
        { "MailSetupDialog",
            [](Counter &, QWidget *parent) {
                MailSettings shown;
                shown.server = std::string(79, 'm');
                shown.target = std::string(79, 't');
                shown.sender = std::string(79, 's');
                shown.encryption = MailEncryption::StartTls;
                return make<MailSetupDialog>(
                    shown, [](const MailSettings &) { return true; }, parent);
            } },
        { "CardWaitDialog",
            [](Counter &, QWidget *parent) {
                static CardReplyWatch watch("/nonexistent/output.txt");
                return make<CardWaitDialog>(watch, parent);
            } },
        { "SplitDialog",
            [](Counter &, QWidget *parent) {
                SplitDialog::Actions actions;
                actions.remainder = [](const QString &) { return std::string("1481.47"); };
                return make<SplitDialog>(1481.47, actions, parent);
            } },
        { "RefundDialog",
            [](Counter &, QWidget *parent) {
                RefundView view;
                view.transactionNumber = 200000000;
                view.date = "D:31 M:12 Y:2026";
                // The longest customer name the customer file holds.
                view.customer = "100000000000000000 MRS. MARGARE WOODWARD-WORTHIN";
                view.lines = 400;
                view.nonTaxable = view.taxable = view.subtotal = view.total = 99999.99;
                view.taxOne = view.taxTwo = 99999.99;
                return make<RefundDialog>(view, parent);
            } },
        { "TransactionDialog",
            [](Counter &, QWidget *parent) {
                TransactionView view;
                view.number = 200000000;
                view.date = "D:31 M:12 Y:2026";
                view.time = "23:59";
                view.clerk = "99: WWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
                view.lines = 400;
                view.customer = 100000000000000000;
                view.discount = view.nonTaxable = view.taxable = view.subtotal = view.total
                    = "-99999.99";
                view.taxOne = view.taxTwo = view.cashBack = "-99999.99";
                view.payment = "Split  Cash: -99999.99  CH: -99999.99  EFT: -99999.99";
                view.type = "Payment (cash)";
                for (int i = 0; i < 400; ++i)
                    view.lineTexts.push_back(
                        "100000000000000000 WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW  99999.99");
                view.note = std::string(79, 'W');
                return make<TransactionDialog>(view, TransactionDialog::Actions {}, false, parent);
            } },
        { "TransactionListDialog",
            [](Counter &, QWidget *parent) {
                TransactionList list;
                list.invoiceList = true;
                for (int i = 0; i < 31000; ++i)
                    list.lines.push_back("200000000 on day 31 of month 12, 2026");
                return make<TransactionListDialog>(list, parent);
            } },
        { "NonInventoryDialog",
            [](Counter &c, QWidget *parent) {
                return make<NonInventoryDialog>(c.entry, c.shop.state.config, parent);
            } },
        { "CustomerTransactionDialog",
            [](Counter &c, QWidget *parent) {
                return make<CustomerTransactionDialog>(c.customer, c.shop.messages, parent);
            } },
        { "CustomerPickDialog",
            [](Counter &, QWidget *parent) {
                std::vector<CustomerCandidate> candidates;
                for (int64_t number = 1; number <= 40; ++number)
                    candidates.push_back({ number * 1000000, number, "FOTHERINGHAM-SMYTHE",
                        "THE OLD BREWERY, 145 HIGH STREET NORTH" });
                return make<CustomerPickDialog>(candidates, parent);
            } },
        { "LogViewerDialog",
            [](Counter &c, QWidget *parent) {
                LogPager pager(c.shop.state.dir.path("bun4.dat"));
                pager.first();
                return make<LogViewerDialog>(std::move(pager), parent);
            } },
        { "LogViewerDialogActivityReport",
            [](Counter &, QWidget *parent) {
                return make<LogViewerDialog>(std::string("Today's till takings: 0.00"), parent);
            } },
        { "CustomerDialogNew",
            [](Counter &c, QWidget *parent) {
                return make<CustomerDialog>(c.shop.state.config, widestCustomer(),
                    CustomerDialogLook::New, parent);
            } },
        { "CustomerDialogAmend",
            [](Counter &c, QWidget *parent) {
                return make<CustomerDialog>(c.shop.state.config, widestCustomer(),
                    CustomerDialogLook::Amend, parent);
            } },
        { "CustomerView",
            [](Counter &c, QWidget *parent) {
                CustomerRecord customer {};
                applyForm(widestCustomer(), customer, true);
                writeText(customer.customer_last_used, "23:5928/02/2026");
                writeText(customer.last_payment, "23:5928/02/2026");
                return make<CustomerDialog>(
                    c.shop.state.config, customerView(customer, c.shop.state.config), parent);
            } },
        { "CustomerStepDialog",
            [](Counter &c, QWidget *parent) {
                CustomerRecord customer {};
                applyForm(widestCustomer(), customer, true);
                return make<CustomerStepDialog>(customer, c.shop.state.config, parent);
            } },
        { "AccountPaymentDialog",
            [](Counter &, QWidget *parent) {
                AccountPaymentView view;
                view.number = 100000000000;
                view.name = "MRS. MARGARE WOODWARD-WORTHINGTON MOWBRAYS";
                view.lastPurchase = "17:45 Sat 14 Mar 26";
                view.lastPayment = "09:30 Wed 30 Dec 26";
                view.terms = "180 days, 50% disc";
                view.balance = "-1234567.89";
                for (int i = 0; i < 400; ++i)
                    view.transactions.push_back("Wed 30 Dec 26,  2000000000, 99999.99");
                return make<AccountPaymentDialog>(view, AccountPaymentDialog::Pay(), parent);
            } },
        { "InvoiceListDialog",
            [](Counter &, QWidget *parent) {
                std::vector<std::string> lines;
                for (int i = 0; i < 31000; ++i)
                    lines.push_back("200000000 on day 31 of month 12, 2026");
                return make<InvoiceListDialog>(lines, parent);
            } },
        { "StatementDialog",
            [](Counter &, QWidget *parent) {
                std::vector<std::string> lines;
                for (int i = 0; i < 60; ++i)
                    lines.push_back("Payment (cash) sale: Wed 30 Dec 26,  Transaction: 2000000000, "
                                    "Total: 99999.99");
                lines.push_back("Balance: -1234567.89");
                return make<StatementDialog>(QStringLiteral("Statement"),
                    std::string("CUSTOMER: 100000000000  MRS. MARGARE WOODWARD-WORTHINGTON MOWBRAYS"),
                    lines, QStringLiteral("Print statement"), std::function<void()>(), parent);
            } },
        { "MailmergeDialog",
            [](Counter &c, QWidget *parent) {
                auto dialog = std::make_unique<MailmergeDialog>(
                    MailmergeRange { 100000000000000000, 100000000000000000 }, c.shop.messages,
                    MailmergeFileChooser(), parent);
                dialog->textBox()->setPlainText(QString(990, QLatin1Char('W')));
                return std::unique_ptr<QWidget>(std::move(dialog));
            } },
        { "ItemSummaryDialog",
            [](Counter &, QWidget *parent) {
                return make<ItemSummaryDialog>(ItemPeriod::Range, std::vector<int> { 2026, 2018 },
                    CalendarDay { 2026, 12, 30 }, std::vector<std::string>(18, "WWW"), parent);
            } },
        { "ItemReportDialog",
            [](Counter &, QWidget *parent) {
                ItemReport report;
                report.items = 2000000;
                report.cost = 99999999999;
                report.retail = -99999999999;
                for (int i = 0; i < 400; ++i)
                    report.entries.push_back({ 100000000000000000, 17,
                        "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", true, 1, 9999999, 9999999,
                        9999999, 0, 9999999, 0, 9999999 });
                return make<ItemReportDialog>(
                    "Item report D:31 M:12 Y:2026  to  D:31 M:12 Y:2026", report,
                    std::function<void()>(), std::function<void()>(), parent);
            } },
        { "SalesPeriodDialog",
            [](Counter &, QWidget *parent) {
                return make<SalesPeriodDialog>(std::vector<int> { 2026, 2018 },
                    CalendarDay { 2026, 12, 30 },
                    std::vector<std::string>(99, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), parent);
            } },
        { "SalesReportDialog",
            [](Counter &, QWidget *parent) {
                SalesReport report;
                for (int i = 0; i < 400; ++i)
                    report.days.push_back({ "Wednesday 30 December 2026",
                        { 99999999999, 99999999999, 99999999999, 99999999999, 99999999999 } });
                report.months.push_back({ "12 of 2026", {} });
                report.years.push_back({ "2026", {} });
                return make<SalesReportDialog>(
                    "Staff sales report: Wednesday 30 December 2026 to Wednesday 30 December 2026",
                    report, std::function<void()>(), parent);
            } },
        { "CategoryUnitsDialog",
            [](Counter &, QWidget *parent) {
                return make<CategoryUnitsDialog>(true,
                    std::vector<CategoryUnits>(18, CategoryUnits { "WWW", 2000000000, 99999999999 }),
                    std::function<void()>(), parent);
            } },
        { "PeriodDialog",
            [](Counter &c, QWidget *parent) {
                return make<PeriodDialog>(std::vector<int> { 2002, 2026 },
                    LocalTime { 2026, 12, 30, 9, 0, 0 }, c.shop.messages, parent);
            } },
        { "TillCloseoutDialog",
            [](Counter &c, QWidget *parent) {
                c.shop.state.config.set(cfg::cashSales, -9999999.99);
                c.shop.state.config.set(cfg::startOfDayTill, 9999999.0f);
                return std::unique_ptr<QWidget>(closeoutDialog(
                    closeoutFigures(c.shop.state.config), {}, {}, parent));
            } },
        { "TillReconciliationDialog",
            [](Counter &c, QWidget *parent) {
                return std::unique_ptr<QWidget>(
                    reconciliationDialog(closeoutFigures(c.shop.state.config), parent));
            } },
        { "StatusScreen",
            [](Counter &c, QWidget *parent) {
                StatusFacts facts;
                facts.itemsOnFile = 2000000000;
                facts.highestItem = 100000000000000000;
                facts.highestCustomer = 100000000000000000;
                c.shop.state.config.set(cfg::cashSales, -9999999.99);
                c.shop.state.config.set(cfg::cashSalesCount, 2000000000.0f);
                return std::unique_ptr<QWidget>(statusDialog(c.shop.state.config, facts,
                    LocalTime { 2026, 9, 30, 23, 59, 0, 0 }, parent));
            } },
        { "StockSummaryDialog",
            [](Counter &, QWidget *parent) {
                StockSummary summary { 2000000000, 999999999999, 1 };
                return std::unique_ptr<QWidget>(stockSummaryDialog(summary, parent));
            } },
        { "AddReminderDialog",
            [](Counter &, QWidget *parent) {
                std::vector<ReminderEntry> entries(200,
                    ReminderEntry { "WWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWWWWWWWWWWWWWWW" });
                return make<AddReminderDialog>("Wed 30 Dec 26", entries,
                    AddReminderDialog::Actions {}, parent);
            } },
        { "ReminderListDialog",
            [](Counter &, QWidget *parent) {
                return make<ReminderListDialog>(QStringLiteral("Select day:"),
                    std::vector<std::string>(28, "Wed 30 Dec 26 (200)"), std::function<void()>(),
                    parent);
            } },
        { "BrowseWindow",
            [](Counter &c, QWidget *parent) { return widestBrowseWindow(c, parent, false); } },
        { "BrowseWindowCustomers",
            [](Counter &c, QWidget *parent) { return widestBrowseWindow(c, parent, true); } },
        { "TakingsChartDialog",
            [](Counter &c, QWidget *parent) {
                for (size_t entry = 0; entry < 400; ++entry)
                    c.shop.state.config.set(cfg::takingsHistory, entry, 9999999.99);
                return make<TakingsChartDialog>(
                    c.shop.state.config, LocalTime { 2026, 12, 31, 9, 0, 0, 0 }, parent);
            } },
        { "StockListDialog",
            [](Counter &, QWidget *parent) {
                StockList list;
                list.title = "Order code, Item, Reorder level, In stock, On order, Order qty";
                list.headingRow = "Reorder level, In stock, On order, Order qty, Code";
                for (int64_t number = 1; number <= 60; ++number)
                    list.lines.push_back("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW, "
                        + std::to_string(number * 1000000000000)
                        + ", WOODWARD WORTHINGTON MOWBRAY WALLPAPER, -2000000000,0,0,0");
                return make<StockListDialog>(list, nullptr, parent);
            } },
        { "ListingPrintDialog",
            [](Counter &, QWidget *parent) {
                return make<ListingPrintDialog>("100000000000000000", 200, nullptr, parent);
            } },
        { "ListingFontDialog",
            [](Counter &, QWidget *parent) { return make<ListingFontDialog>(0, parent); } },
        { "BarcodeDialog",
            [](Counter &, QWidget *parent) {
                return make<BarcodeDialog>(100, std::function<bool(const LabelEntry &)>(), parent);
            } },
        { "CategoryChoiceDialog",
            [](Counter &c, QWidget *parent) {
                std::vector<std::string> names;
                for (int category = 1; category <= kCategoryCount; ++category)
                    names.push_back(c.shop.state.config.categoryName(category));
                return make<CategoryChoiceDialog>(names, parent);
            } },
        { "CustomColumnsDialog",
            [](Counter &, QWidget *parent) {
                return make<CustomColumnsDialog>(
                    std::array<bool, CustomColumnsDialog::kColumns> {}, parent);
            } },
        { "ItemDialogNew",
            [](Counter &c, QWidget *parent) {
                const ItemForm form = newItemForm(
                    c.shop.state.config, c.shop.state.items, LocalTime { 2026, 12, 30, 9, 0, 0 });
                return make<ItemDialog>(c.shop.state, form, ItemDialogForm::New, parent);
            } },
        { "ItemDialogAmend",
            [](Counter &c, QWidget *parent) {
                const ItemForm form = newItemForm(
                    c.shop.state.config, c.shop.state.items, LocalTime { 2026, 12, 30, 9, 0, 0 });
                return make<ItemDialog>(c.shop.state, form, ItemDialogForm::Amend, parent);
            } },
        { "SupplierDialog",
            [](Counter &, QWidget *parent) {
                // Every box as full as it takes.
                SupplierForm form;
                form.number = "2000000000000000";
                const auto fields = supplierFields();
                for (size_t i = 0; i < fields.size(); ++i)
                    form.texts[i] = std::string(fields[i].entered, 'W');
                return make<SupplierDialog>(form, SupplierDialogLook::Amend, parent);
            } },
        { "BundleDialog",
            [](Counter &c, QWidget *parent) {
                BundleForm form = newBundleForm(
                    c.shop.state.config, c.shop.state.items, LocalTime { 2026, 12, 30, 9, 0, 0 });
                form.number = "100000000000000000";
                form.description = std::string(38, 'W');
                for (BundleComponent &row : form.components)
                    row = { "100000000000000000", std::string(38, 'W'), 50, true };
                return make<BundleDialog>(
                    c.shop.state, form, BundleDialogLook::New, c.shop.messages, parent);
            } },
        { "ReceiveDialog",
            [](Counter &, QWidget *parent) {
                ReceiptView view;
                view.number = 100000000000000000;
                view.description = std::string(38, 'W');
                view.held = -2000000000;
                view.form.sellByYear = 69;
                return make<ReceiveDialog>(view, parent);
            } },
        { "ReceivedPeriodDialog",
            [](Counter &, QWidget *parent) {
                return make<ReceivedPeriodDialog>(std::vector<int> { 2026, 2025, 2024, 2023,
                                                      2022, 2021, 2020, 2019, 2018 },
                    CalendarDay { 2026, 12, 31 }, parent);
            } },
        { "ReceivedReportDialog",
            [](Counter &, QWidget *parent) {
                std::vector<std::string> lines(200,
                    "Wed 30 Dec 26         100000000000000000 " + std::string(38, 'W')
                        + "        Quantity: 2147483647");
                return make<ReceivedReportDialog>(
                    "Inventory received: Wed 30 Dec 26 to Thu 31 Dec 26", lines, nullptr, parent);
            } },
        { "StockPictureDialog",
            [](Counter &c, QWidget *parent) {
                return make<StockPictureDialog>(c.shop.state.dir, parent);
            } },
        { "FindInventoryDialog",
            [](Counter &c, QWidget *parent) {
                // Each text as long as the item dialog takes it.
                ItemRecord item {};
                item.number = 100000000000000000;
                writeText(item.description, "WOODWARD WORTHINGTON MOWBRAY WALLPAPER");
                for (char *sku : { item.sku1, item.sku2, item.sku3 })
                    writeFixedText(sku, 40, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
                writeText(item.sku4, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
                item.cost_price = 19999.99f;
                item.retail_price = 19999.99f;
                item.quantity = -2000000000;
                item.tax = 1;
                item.display_category = 14;
                writeText(item.date_added, "28/12/2026");
                return make<FindInventoryDialog>(item, c.shop.state.config, false, parent);
            } },
        { "ItemListDialog",
            [](Counter &, QWidget *parent) {
                std::vector<std::string> lines;
                for (int64_t number = 1; number <= 40; ++number)
                    lines.push_back(std::to_string(number * 1000000000000)
                        + ", WOODWARD WORTHINGTON MOWBRAY WALLPAPER (-2000000000) 19999.99");
                return make<ItemListDialog>(QStringLiteral("Please select"), lines, parent);
            } },
        { "AdvancedSearchDialog",
            [](Counter &, QWidget *parent) { return make<AdvancedSearchDialog>(parent); } },
        { "TillSearchDialog",
            [](Counter &, QWidget *parent) {
                return make<TillSearchDialog>(TillSearchType::InitialCharacters, parent);
            } },
        { "SyncConfigurationDialog",
            [](Counter &c, QWidget *parent) { return make<ConfigurationDialog>(c.sync, parent); } },
        { "FieldSelectionDialog",
            [](Counter &c, QWidget *parent) {
                return make<FieldSelectionDialog>(c.sync, parent);
            } },
        { "TagNamesDialog",
            [](Counter &c, QWidget *parent) { return make<TagNamesDialog>(c.sync, parent); } },
        { "ExportDialog",
            [](Counter &c, QWidget *parent) {
                std::vector<std::string> names;
                for (int category = 1; category <= kCategoryCount; ++category)
                    names.push_back(c.shop.state.config.categoryName(category));
                return make<ExportDialog>(names, 100000000000000000, 100000000000000000,
                    ExportDialog::Check(), parent);
            } },
        { "ExportFieldDialog",
            [](Counter &, QWidget *parent) {
                return make<ExportFieldDialog>(ExportChoice {}, ExportFieldDialog::Check(), parent);
            } },
        { "ImportMappingDialogItems",
            [](Counter &, QWidget *parent) {
                return make<ImportMappingDialog>(ImportSubject::Items, 24,
                    std::string(300, 'W') + ",SKU", parent);
            } },
        { "ImportMappingDialogCustomers",
            [](Counter &, QWidget *parent) {
                return make<ImportMappingDialog>(ImportSubject::Customers, 18, "1,SMITH", parent);
            } },
        { "ImportReportDialog",
            [](Counter &, QWidget *parent) {
                std::string report = "Import of /home/shop/SUPPLIER.TXT\r\n";
                for (int line = 1; line <= 200; ++line)
                    report += "Line " + std::to_string(line) + ", column 2: " + std::string(150, 'r')
                        + "\r\n";
                return make<ImportReportDialog>(report,
                    "Saved as /home/shop/SUPPLIER.TXT.rejected.txt", parent);
            } },
    };
    return all;
}

struct FitCase {
    size_t window;
    QSize screen;
};

std::string caseName(const FitCase &fit, int page = -1)
{
    return std::string(windows()[fit.window].name) + (page > 0 ? std::to_string(page) : "") + "At"
        + std::to_string(fit.screen.width()) + "x" + std::to_string(fit.screen.height());
}

std::string testName(const ::testing::TestParamInfo<FitCase> &info)
{
    return caseName(info.param);
}

// Saves what the window shows to <dir>/<name>.png when OVIX_DIALOG_SHOT_DIR
// names a folder, for a person to look at.
void saveShot(QWidget *window, const std::string &name)
{
    const char *dir = std::getenv("OVIX_DIALOG_SHOT_DIR");
    if (dir && *dir)
        window->grab().save(QDir(QString::fromLocal8Bit(dir))
                                .filePath(QString::fromStdString(name) + QStringLiteral(".png")));
}

std::vector<FitCase> allCases()
{
    std::vector<FitCase> cases;
    for (size_t window = 0; window < windows().size(); ++window)
        for (QSize screen : { test::kSmallScreen, test::kLargeScreen })
            cases.push_back({ window, screen });
    return cases;
}

class ScreenFit : public ::testing::TestWithParam<FitCase> { };

TEST_P(ScreenFit, EveryFieldShowsWholeOnTheScreen)
{
    QScreen *screen = test::testScreen(GetParam().screen);
    ASSERT_NE(screen, nullptr) << "the offscreen platform has no screen of that size";
    Counter counter;
    // The till's window on that screen, the dialog opened over it.
    QWidget till;
    till.setScreen(screen);
    till.setGeometry(QRect(screen->geometry().topLeft(), screen->size()));
    std::unique_ptr<QWidget> window = windows()[GetParam().window].make(counter, &till);
    window->move(screen->geometry().topLeft());
    window->show();
    QApplication::processEvents();
    ASSERT_EQ(window->screen(), screen);

    // Each page of a sheet is looked at in turn.
    auto *tabs = window->findChild<QTabWidget *>();
    const int pages = tabs ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
        if (tabs) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
        }
        const QString where = tabs ? QStringLiteral("page \"%1\"").arg(tabs->tabText(page))
                                   : QStringLiteral("the dialog");
        for (const QString &problem : misfits(window.get(), screen))
            ADD_FAILURE() << where.toStdString() << ": " << problem.toStdString();
        saveShot(window.get(), caseName(GetParam(), page));
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ScreenFit, ::testing::ValuesIn(allCases()), testName);

// The check itself finds each kind of misfit in a small window laid out badly.
TEST(ScreenFitCheck, FindsEachKindOfMisfit)
{
    const struct {
        const char *misfit;
        std::function<void(QWidget &)> build;
        const char *told;
    } cases[] = {
        { "a box past the edge",
            [](QWidget &window) { (new QLineEdit(&window))->setGeometry(150, 10, 100, 22); },
            "lies outside" },
        { "a squeezed caption",
            [](QWidget &window) {
                (new QLabel(QStringLiteral("Default start of day till total"), &window))
                    ->setGeometry(10, 10, 40, 20);
            },
            "its text needs" },
        { "a cut-off read-only amount",
            [](QWidget &window) {
                auto *box = new QLineEdit(QStringLiteral("1234567.89 1234567.89"), &window);
                box->setReadOnly(true);
                box->setGeometry(10, 10, 40, 22);
            },
            "the text needs" },
        { "a caption wrapped into too little height",
            [](QWidget &window) {
                (new WrappingCheckBox(QStringLiteral("Display summary box after each transaction "
                                                     "(with receipt and invoice print buttons)."),
                     &window))
                    ->setGeometry(10, 10, 150, 20);
            },
            "wrapped text needs" },
        { "a page that scrolls",
            [](QWidget &window) {
                auto *area = new QScrollArea(&window);
                area->setGeometry(0, 0, 200, 100);
                auto *page = new QWidget;
                page->setMinimumSize(180, 400);
                area->setWidget(page);
            },
            "shows a scroll bar" },
        { "a window taller than the screen", [](QWidget &window) { window.resize(200, 700); },
            "the screen has room" },
    };
    QScreen *screen = test::testScreen(test::kSmallScreen);
    ASSERT_NE(screen, nullptr);
    for (const auto &kind : cases) {
        QWidget window;
        window.resize(200, 100);
        kind.build(window);
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(
            misfits(&window, screen).join(QLatin1Char('\n')).contains(QLatin1String(kind.told)))
            << kind.misfit;
    }
    QWidget tidy;
    tidy.resize(200, 100);
    (new QLineEdit(&tidy))->setGeometry(10, 10, 100, 22);
    tidy.show();
    QApplication::processEvents();
    EXPECT_EQ(misfits(&tidy, screen), QStringList());
}

} // namespace
