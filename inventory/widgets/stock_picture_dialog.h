#pragma once
// "Change inbuilt stock picture": the clerk picks one of the 24 built-in
// pictures, then a bitmap file to put in its place (inventory/stock_picture.h
// does the copy).

#include <QDialog>

#include <functional>

class QListWidget;

namespace ovix {

class DataDir;
class Messages;

// The list "Inbuilt 1" .. "Inbuilt 24", each with the picture shown today.
class StockPictureDialog : public QDialog {
public:
    StockPictureDialog(const DataDir &dir, QWidget *parent = nullptr);

    // 1..24 for the picture chosen, 0 when none is.
    int chosenNumber() const;
    QListWidget *list() const
    {
        return list_;
    }

private:
    QListWidget *list_;
};

// Asks for the picture to replace and the bitmap file to use; Cancel at
// either step changes nothing. `chooseFile` gives the file (empty when
// cancelled); by default a file dialog filtered on "Bitmap files (*.bmp)".
void changeStockPicture(QWidget *parent, const DataDir &dir, Messages &messages,
    const std::function<QString()> &chooseFile = {});

} // namespace ovix
