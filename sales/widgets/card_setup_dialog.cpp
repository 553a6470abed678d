#include "sales/widgets/card_setup_dialog.h"

#include "platform/widgets/wrapping_check_box.h"
#include "sales/widgets/dialog_buttons.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QCheckBox *switchBox(const char *caption, bool on, QWidget *parent, const char *name)
{
    auto *box = new WrappingCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}

} // namespace

CardSetupDialog::CardSetupDialog(const CardSettings &shown,
    std::function<bool(const CardSettings &)> accept, std::function<void()> referenced,
    QWidget *parent)
    : QDialog(parent), accept_(std::move(accept))
{
    setObjectName(QStringLiteral("CardSetupDialog"));
    setWindowTitle(QStringLiteral("Card Terminal Payment Setup "));
    auto *layout = new QVBoxLayout(this);

    layout->addWidget(new QLabel(QStringLiteral("EFT Base Directory"), this));
    auto *folderRow = new QHBoxLayout;
    folder_ = new QLineEdit(QString::fromStdString(shown.folder), this);
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setMinimumWidth(320);
    folderRow->addWidget(folder_, 1);
    QPushButton *browse = namedButton(QStringLiteral("..."), QStringLiteral("browse"), this);
    folderRow->addWidget(browse);
    layout->addLayout(folderRow);
    connect(browse, &QPushButton::clicked, this, &CardSetupDialog::chooseFolder);

    active_ = switchBox("Active", shown.active, this, "active");
    cashBack_ = switchBox("Permit cashback", shown.cashBack, this, "cashBack");
    notPresentPayments_ = switchBox("Permit cardholder not present payments",
        shown.notPresentPayments, this, "notPresentPayments");
    notPresentRefunds_ = switchBox("Permit cardholder not present refunds",
        shown.notPresentRefunds, this, "notPresentRefunds");
    verbose_ = switchBox("Verbose", shown.verbose, this, "verbose");
    for (QCheckBox *box : { active_, cashBack_, notPresentPayments_, notPresentRefunds_, verbose_ })
        layout->addWidget(box);

    auto *note = new QLabel(QStringLiteral("Do not set active unless the card-terminal software "
                                           "is available to facilitate payments."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    if (referenced) {
        QPushButton *button = namedButton(
            QStringLiteral("Referenced transaction"), QStringLiteral("referenced"), this);
        button->setEnabled(shown.active);
        connect(button, &QPushButton::clicked, this,
            [referenced = std::move(referenced)] { referenced(); });
        auto *row = new QHBoxLayout;
        row->addWidget(button);
        row->addStretch();
        layout->addLayout(row);
    }

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        if (accept_(settings()))
            QDialog::accept();
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CardSettings CardSetupDialog::settings() const
{
    CardSettings settings;
    settings.folder = folder_->text().toStdString();
    settings.active = active_->isChecked();
    settings.cashBack = cashBack_->isChecked();
    settings.notPresentPayments = notPresentPayments_->isChecked();
    settings.notPresentRefunds = notPresentRefunds_->isChecked();
    settings.verbose = verbose_->isChecked();
    return settings;
}

void CardSetupDialog::chooseFolder()
{
    const QString chosen
        = QFileDialog::getExistingDirectory(this, QStringLiteral("Choose a folder"), folder_->text());
    if (!chosen.isEmpty())
        folder_->setText(chosen);
}

} // namespace ovix
