#include "till/widgets/configuration_sheet.h"

#include "platform/clock.h"
#include "platform/widgets/qt_messages.h"
#include "platform/widgets/window_size.h"
#include "print/logic/pole_display.h"
#include "till/logic/configuration_pages.h"
#include "print/logic/device_pages.h"
#include "print/logic/receipt_logo_choice.h"
#include "sales/logic/till_state.h"
#include "till/widgets/general_page.h"
#include "print/widgets/pole_configuration_page.h"
#include "print/widgets/receipts_page.h"
#include "till/widgets/terms_page.h"
#include "print/widgets/till_configuration_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Narrow edges, so that the pages get the most of a small screen.
constexpr int kSheetMargin = 6;

} // namespace

ConfigurationSheet::ConfigurationSheet(TillState &state, QWidget *parent, Messages *messages)
    : QDialog(parent)
    , state_(state)
    , ownMessages_(messages ? nullptr : std::make_unique<QtMessages>(this))
    , messages_(messages ? messages : ownMessages_.get())
{
    setWindowTitle(QStringLiteral("Configuration"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSheetMargin, kSheetMargin, kSheetMargin, kSheetMargin);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    applyButton_ = buttons->button(QDialogButtonBox::Apply);
    applyButton_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(applyButton_, &QPushButton::clicked, this, [this] { applyPages(); });
    layout->addWidget(buttons);

    const LocalTime today = localNow();
    std::array<std::string, kCategoryNameBoxes> names;
    for (int category = 1; category <= kCategoryNameBoxes; ++category)
        names[static_cast<size_t>(category - 1)] = state_.config.categoryName(category);
    general_ = new GeneralPage(loadGeneralPage(state_.config), names,
        historyFirstYear(state_.config, today), today.year, tabs_);
    addPage(general_, QStringLiteral("General"),
        [this] { applyGeneralPage(state_.config, general_->input(), localNow()); });
    terms_ = new TermsPage(loadTermsPage(state_.config), tabs_);
    addPage(terms_, QStringLiteral("Terms"),
        [this] { applyTermsPage(state_.config, terms_->input()); });

    std::vector<PrinterChoice> printers = installedPrinters();
    receipts_ = new ReceiptsPage(loadReceiptsPage(state_.config, printers), printers,
        [this] { chooseLogo(); }, tabs_);
    addPage(receipts_, QStringLiteral("Receipts"), [this, printers] {
        applyReceiptsPage(state_.config, receipts_->input(), printers);
    });
    tillPage_ = new TillConfigurationPage(loadTillConfigurationPage(state_.config), tabs_);
    addPage(tillPage_, QStringLiteral("Till configuration"),
        [this] { applyTillConfigurationPage(state_.config, tillPage_->input()); });
    pole_ = new PoleConfigurationPage(loadPoleConfigurationPage(state_.config),
        [this](const PoleConfigurationPageInput &shown) {
            applyPolePreviewSettings(state_.config, shown);
            poleShowPassive(state_.config, state_.dir, *messages_);
        },
        tabs_);
    addPage(pole_, QStringLiteral("Pole configuration"),
        [this] { applyPoleConfigurationPage(state_.config, pole_->input()); });
    openAtPreferredSize(this);
}

ConfigurationSheet::~ConfigurationSheet() = default;

void ConfigurationSheet::chooseLogo()
{
    const QString chosen = QFileDialog::getOpenFileName(this,
        QStringLiteral("Select logo bitmap file"), QString::fromStdString(state_.dir.root()),
        QStringLiteral("Bitmap files (*.bmp)"));
    if (!chosen.isEmpty())
        takeReceiptLogo(state_.dir, QFile::encodeName(chosen).toStdString(), *messages_);
}

void ConfigurationSheet::addPage(QWidget *page, const QString &title, std::function<void()> apply)
{
    tabs_->addTab(page, title);
    appliers_.push_back(std::move(apply));
    watchForChanges(page);
}

void ConfigurationSheet::watchForChanges(QWidget *page)
{
    auto changed = [this] { applyButton_->setEnabled(true); };
    for (QLineEdit *box : page->findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textEdited, this, changed);
    for (QAbstractButton *box : page->findChildren<QAbstractButton *>())
        if (box->isCheckable())
            connect(box, &QAbstractButton::toggled, this, changed);
    for (QComboBox *list : page->findChildren<QComboBox *>())
        connect(list, &QComboBox::activated, this, changed);
    for (QSpinBox *box : page->findChildren<QSpinBox *>())
        connect(box, &QSpinBox::valueChanged, this, changed);
}

void ConfigurationSheet::applyPages()
{
    for (const std::function<void()> &apply : appliers_)
        apply();
    applied_ = true;
    applyButton_->setEnabled(false);
}

void ConfigurationSheet::accept()
{
    applyPages();
    QDialog::accept();
}

bool runConfigurationSheet(QWidget *parent, TillState &state, Messages *messages)
{
    ConfigurationSheet sheet(state, parent, messages);
    sheet.exec();
    return sheet.wasApplied();
}

} // namespace ovix
