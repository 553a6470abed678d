#include "inventory/widgets/stock_picture_dialog.h"

#include "inventory/logic/stock_picture.h"
#include "platform/data_dir.h"
#include "platform/widgets/artwork.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QVBoxLayout>

namespace ovix {

StockPictureDialog::StockPictureDialog(const DataDir &dir, QWidget *parent)
    : QDialog(parent)
    , list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Change inbuilt stock picture"));
    list_->setIconSize(QSize(kItemPictureSide, kItemPictureSide));
    for (int number = 1; number <= kStockPictureCount; ++number) {
        const std::string fileName = "STOCK" + std::to_string(number) + ".bmp";
        list_->addItem(new QListWidgetItem(
            QIcon(itemPicture(dir, fileName)), QStringLiteral("Inbuilt %1").arg(number)));
    }
    list_->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(260, 420);
}

int StockPictureDialog::chosenNumber() const
{
    const int row = list_->currentRow();
    return row >= 0 && row < kStockPictureCount ? row + 1 : 0;
}

void changeStockPicture(
    QWidget *parent, const DataDir &dir, Messages &messages,
    const std::function<QString()> &chooseFile)
{
    StockPictureDialog dialog(dir, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenNumber() == 0)
        return;
    const QString chosen = chooseFile
        ? chooseFile()
        : QFileDialog::getOpenFileName(parent, QStringLiteral("Change inbuilt stock picture"),
            QString::fromStdString(dir.root()), QStringLiteral("Bitmap files (*.bmp)"));
    if (chosen.isEmpty())
        return;
    replaceStockPicture(
        dir, dialog.chosenNumber(), QFile::encodeName(chosen).toStdString(), messages);
}

} // namespace ovix
