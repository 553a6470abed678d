#include "print/widgets/pole_configuration_page.h"

#include "platform/cp1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <span>

namespace ovix {

namespace {

constexpr std::array<const char *, kPoleTextCount> kTextCaptions = { "Passive text",
    "Switch printer on", "Switch printer off", "Clear display message", "Set cursor first line",
    "Set cursor second line" };

QComboBox *listOf(QWidget *parent, std::span<const char *const> choices, int current)
{
    auto *list = new QComboBox(parent);
    for (const char *choice : choices)
        list->addItem(QString::fromLatin1(choice));
    list->setCurrentIndex(current);
    return list;
}

} // namespace

PoleConfigurationPage::PoleConfigurationPage(const PoleConfigurationPageInput &shown,
    std::function<void(const PoleConfigurationPageInput &)> preview, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    use_ = new QCheckBox(QStringLiteral("Use"), this);
    use_->setChecked(shown.use);
    layout->addWidget(use_);

    auto *form = new QFormLayout;
    port_ = listOf(this, std::span(kDevicePortChoices).first(kPolePortChoices), shown.portIndex);
    form->addRow(QStringLiteral("Port"), port_);
    baud_ = listOf(this, kBaudRateChoices, shown.baudIndex);
    form->addRow(QStringLiteral("Baud rate"), baud_);
    parity_ = listOf(this, kParityChoices, shown.parityIndex);
    form->addRow(QStringLiteral("Parity"), parity_);
    dataBits_ = listOf(this, kDataBitsChoices, shown.dataBitsIndex);
    form->addRow(QStringLiteral("Data bits"), dataBits_);
    stopBits_ = listOf(this, kStopBitsChoices, shown.stopBitsIndex);
    form->addRow(QStringLiteral("Stop bits"), stopBits_);
    columnsOne_ = new QLineEdit(toQString(shown.columnsLineOne), this);
    form->addRow(QStringLiteral("Columns in line 1"), columnsOne_);
    columnsTwo_ = new QLineEdit(toQString(shown.columnsLineTwo), this);
    form->addRow(QStringLiteral("Columns in line 2"), columnsTwo_);
    for (size_t text = 0; text < kPoleTextCount; ++text) {
        texts_[text] = new QLineEdit(toQString(shown.texts[text]), this);
        texts_[text]->setMaxLength(31);
        form->addRow(QString::fromLatin1(kTextCaptions[text]), texts_[text]);
    }
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("A standard ESC/POS display uses 27,64 to clear "
                                                "the display, 11 for the first line and 11,10 "
                                                "for the second."),
        this));

    preview_ = new QPushButton(QStringLiteral("Preview"), this);
    preview_->setObjectName(QStringLiteral("preview"));
    connect(preview_, &QPushButton::clicked, this, [this, preview = std::move(preview)] {
        if (preview)
            preview(input());
    });
    layout->addWidget(preview_);
    layout->addStretch(1);
}

PoleConfigurationPageInput PoleConfigurationPage::input() const
{
    PoleConfigurationPageInput input;
    input.use = use_->isChecked();
    input.portIndex = port_->currentIndex();
    input.baudIndex = baud_->currentIndex();
    input.parityIndex = parity_->currentIndex();
    input.dataBitsIndex = dataBits_->currentIndex();
    input.stopBitsIndex = stopBits_->currentIndex();
    input.columnsLineOne = fromQString(columnsOne_->text());
    input.columnsLineTwo = fromQString(columnsTwo_->text());
    for (size_t text = 0; text < kPoleTextCount; ++text)
        input.texts[text] = fromQString(texts_[text]->text());
    return input;
}

} // namespace ovix
