#include "accounts/widgets/mailmerge_dialog.h"

#include "accounts/logic/mailmerge_text.h"
#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace ovix {

namespace {

// The number boxes keep what a customer number field holds.
constexpr int kNumberBoxLength = 19;
// The text box shows about 64 characters on 10 lines.
constexpr int kTextColumns = 64;
constexpr int kTextLines = 10;

// The text as the letter keeps it: each line break two bytes, CR LF.
std::string storedText(const QString &shown)
{
    std::string text;
    for (char c : fromQString(shown)) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

QString shownText(const std::string &stored)
{
    QString text = toQString(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::optional<std::string> askForFile(QWidget *parent, bool forSaving)
{
    const QString filter = QStringLiteral("Text files (*.txt);;All files (*)");
    const QString path = forSaving
        ? QFileDialog::getSaveFileName(parent, QStringLiteral("Save"), QString(), filter)
        : QFileDialog::getOpenFileName(parent, QStringLiteral("Load"), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

MailmergeDialog::MailmergeDialog(const MailmergeRange &presets, Messages &messages,
    MailmergeFileChooser chooseFile, QWidget *parent)
    : QDialog(parent)
    , messages_(messages)
    , chooseFile_(std::move(chooseFile))
    , limit_(kMailmergeTypedLength)
{
    setWindowTitle(QStringLiteral("Mailmerge"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    start_ = new QLineEdit(QString::number(presets.start), this);
    start_->setObjectName(QStringLiteral("start"));
    end_ = new QLineEdit(QString::number(presets.end), this);
    end_->setObjectName(QStringLiteral("end"));
    for (QLineEdit *box : { start_, end_ })
        box->setMaxLength(kNumberBoxLength);
    selection_ = new QComboBox(this);
    selection_->setObjectName(QStringLiteral("selection"));
    selection_->addItem(QStringLiteral("All"), static_cast<int>(MailmergeSelection::All));
    selection_->addItem(
        QStringLiteral("Owe money"), static_cast<int>(MailmergeSelection::OweMoney));
    selection_->addItem(QStringLiteral("Not active this year"),
        static_cast<int>(MailmergeSelection::NotActiveThisYear));
    grid->addWidget(new QLabel(QStringLiteral("Start customer"), this), 0, 0);
    grid->addWidget(start_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("End customer"), this), 1, 0);
    grid->addWidget(end_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Selection"), this), 2, 0);
    grid->addWidget(selection_, 2, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    layout->addWidget(
        new QLabel(QStringLiteral("Type text to go between 'Dear .. Yours sincerely'"), this));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    const QFontMetrics metrics = text_->fontMetrics();
    text_->setMinimumSize(
        metrics.averageCharWidth() * kTextColumns, metrics.lineSpacing() * kTextLines);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { keepWithinLimit(); });
    layout->addWidget(text_, 1);

    auto *files = new QHBoxLayout;
    load_ = namedButton(QStringLiteral("Load"), QStringLiteral("load"), this);
    save_ = namedButton(QStringLiteral("Save"), QStringLiteral("save"), this);
    connect(load_, &QPushButton::clicked, this, [this] { load(); });
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    files->addWidget(load_);
    files->addWidget(save_);
    files->addStretch(1);
    layout->addLayout(files);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MailmergeSelection MailmergeDialog::selection() const
{
    return static_cast<MailmergeSelection>(selection_->currentData().toInt());
}

std::string MailmergeDialog::text() const
{
    return storedText(text_->toPlainText());
}

std::string MailmergeDialog::startText() const
{
    return fromQString(start_->text());
}

std::string MailmergeDialog::endText() const
{
    return fromQString(end_->text());
}

void MailmergeDialog::load()
{
    const std::optional<std::string> path
        = chooseFile_ ? chooseFile_(false) : askForFile(this, false);
    if (!path)
        return;
    const std::optional<std::string> loaded = loadMailmergeText(*path, messages_);
    if (!loaded)
        return;
    const QString shown = shownText(*loaded);
    limit_ = std::max(kMailmergeTypedLength, storedText(shown).size());
    text_->setPlainText(shown);
}

void MailmergeDialog::save()
{
    const std::optional<std::string> path
        = chooseFile_ ? chooseFile_(true) : askForFile(this, true);
    if (path)
        saveMailmergeText(*path, text(), messages_);
}

void MailmergeDialog::keepWithinLimit()
{
    QString shown = text_->toPlainText();
    if (storedText(shown).size() <= limit_)
        return;
    while (!shown.isEmpty() && storedText(shown).size() > limit_)
        shown.chop(1);
    const QSignalBlocker quiet(text_);
    text_->setPlainText(shown);
    text_->moveCursor(QTextCursor::End);
}

} // namespace ovix
