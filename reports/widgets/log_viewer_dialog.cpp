#include "reports/widgets/log_viewer_dialog.h"

#include "platform/cp1252.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

LogViewerDialog::LogViewerDialog(LogPager pager, QWidget *parent)
    : QDialog(parent), pager_(std::move(pager))
{
    setWindowTitle(QStringLiteral("OVIX log"));
    build();
    connect(next_, &QPushButton::clicked, this, [this] {
        if (pager_->next())
            showPage();
    });
    connect(previous_, &QPushButton::clicked, this, [this] {
        if (pager_->previous())
            showPage();
    });
    showPage();
}

LogViewerDialog::LogViewerDialog(const std::string &text, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Activity report"));
    build();
    next_->hide();
    previous_->hide();
    text_->setPlainText(toQString(text));
}

void LogViewerDialog::build()
{
    setObjectName(QStringLiteral("logViewer"));
    auto *frame = new QGroupBox(QStringLiteral(" Detail:"), this);
    text_ = new QPlainTextEdit(frame);
    text_->setObjectName(QStringLiteral("logText"));
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(text_);

    next_ = new QPushButton(QStringLiteral("Next"), this);
    next_->setObjectName(QStringLiteral("next"));
    previous_ = new QPushButton(QStringLiteral("Previous"), this);
    previous_->setObjectName(QStringLiteral("previous"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(previous_);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    resize(720, 520);
}

void LogViewerDialog::showPage()
{
    text_->setPlainText(toQString(pager_->text()));
    next_->setEnabled(pager_->nextEnabled());
    previous_->setEnabled(pager_->previousEnabled());
}

} // namespace ovix
