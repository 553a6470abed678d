#include "print/widgets/till_configuration_page.h"

#include "platform/cp1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ovix {

TillConfigurationPage::TillConfigurationPage(const TillConfigurationPageInput &shown,
    QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    use_ = new QCheckBox(QStringLiteral("Use"), this);
    use_->setChecked(shown.use);
    layout->addWidget(use_);

    direct_ = new QRadioButton(QStringLiteral("Direct connect"), this);
    printer_ = new QRadioButton(QStringLiteral("Receipt printer connect"), this);
    direct_->setChecked(!shown.receiptPrinterConnect);
    printer_->setChecked(shown.receiptPrinterConnect);
    layout->addWidget(direct_);
    layout->addWidget(printer_);

    auto *form = new QFormLayout;
    port_ = new QComboBox(this);
    for (const char *name : kDevicePortChoices)
        port_->addItem(QString::fromLatin1(name));
    port_->setCurrentIndex(shown.portIndex);
    form->addRow(QStringLiteral("Port"), port_);
    openCharacter_ = new QLineEdit(toQString(shown.openCharacter), this);
    form->addRow(QStringLiteral("Open character (0-255)"), openCharacter_);
    repeat_ = new QLineEdit(toQString(shown.repeat), this);
    form->addRow(QStringLiteral("Repeat (1-10)"), repeat_);
    sequence_ = new QLineEdit(toQString(shown.sequence), this);
    sequence_->setMaxLength(31);
    form->addRow(QStringLiteral("Printer control sequence"), sequence_);
    layout->addLayout(form);

    models_ = new QListWidget(this);
    for (const std::string &entry : drawerPrinterModelEntries())
        models_->addItem(QString::fromLatin1(entry.c_str()));
    layout->addWidget(models_, 1);
}

TillConfigurationPageInput TillConfigurationPage::input() const
{
    TillConfigurationPageInput input;
    input.use = use_->isChecked();
    input.portIndex = port_->currentIndex();
    input.openCharacter = fromQString(openCharacter_->text());
    input.repeat = fromQString(repeat_->text());
    input.sequence = fromQString(sequence_->text());
    input.receiptPrinterConnect = printer_->isChecked();
    return input;
}

} // namespace ovix
