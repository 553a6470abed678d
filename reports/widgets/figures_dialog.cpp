#include "reports/widgets/figures_dialog.h"

#include "platform/widgets/window_size.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ovix {

namespace {

// Rows shown without scrolling; a longer list scrolls.
constexpr int kVisibleRows = 18;

} // namespace

FiguresDialog::FiguresDialog(const QString &title,
    const std::vector<std::pair<std::string, std::string>> &rows,
    const std::vector<std::string> &notes, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("figures"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto &[caption, value] : rows)
        new QTreeWidgetItem(list_, { QString::fromStdString(caption), QString::fromStdString(value) });
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    const QFontMetrics metrics = list_->fontMetrics();
    const int width = list_->columnWidth(0) + list_->columnWidth(1) + metrics.averageCharWidth() * 4;
    const int shown = std::clamp(static_cast<int>(rows.size()), 4, kVisibleRows);
    list_->setMinimumSize(std::min(width, metrics.averageCharWidth() * 90),
        (metrics.lineSpacing() + 4) * shown);
    layout->addWidget(list_, 1);
    for (const std::string &note : notes) {
        auto *label = new QLabel(QString::fromStdString(note), this);
        layout->addWidget(label);
    }
    buttons_ = new QDialogButtonBox(this);
    layout->addWidget(buttons_);
}

QPushButton *FiguresDialog::addAction(const QString &caption, std::function<bool()> action,
    int result)
{
    QPushButton *button = buttons_->addButton(caption, QDialogButtonBox::ActionRole);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action), result] {
        if (!action || action())
            done(result);
    });
    if (buttons_->buttons().size() == 1)
        button->setDefault(true);
    return button;
}

} // namespace ovix
