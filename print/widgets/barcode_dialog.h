#pragma once
// "Barcode": the range and source of a run of labels, the sheet format and
// its measures, the barcode type and module, what the text beside the bars
// shows, and the size of that text.

#include "print/logic/label_job.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSlider;

namespace ovix {

class BarcodeDialog : public QDialog {
public:
    // OK hands the controls to `check`; while it refuses, the dialog stays
    // open. `textSize` is the stored slider value (0 the printer's default).
    BarcodeDialog(int64_t textSize, std::function<bool(const LabelEntry &)> check,
        QWidget *parent);

    // The controls as they stand now.
    LabelEntry entry() const;

    // Tests reach the controls by object name; the ones a format or a type
    // resets are also here.
    QLineEdit *labelHeightBox() const
    {
        return labelHeight_;
    }
    QLineEdit *labelsPerSheetBox() const
    {
        return labelsPerSheet_;
    }
    QLineEdit *elementWidthBox() const
    {
        return elementWidth_;
    }
    QSlider *textSizeSlider() const
    {
        return textSize_;
    }

    void accept() override;

private:
    void chooseFormat(LabelFormat format);
    void chooseSymbology(LabelSymbology symbology);

    std::function<bool(const LabelEntry &)> check_;
    QLineEdit *start_ = nullptr;
    QLineEdit *finish_ = nullptr;
    QButtonGroup *source_ = nullptr;
    QLineEdit *quantity_ = nullptr;
    QButtonGroup *format_ = nullptr;
    QLineEdit *originX_ = nullptr;
    QLineEdit *originY_ = nullptr;
    QLineEdit *labelHeight_ = nullptr;
    QLineEdit *labelsPerSheet_ = nullptr;
    QLineEdit *fromCentre_ = nullptr;
    QButtonGroup *symbology_ = nullptr;
    QLineEdit *elementWidth_ = nullptr;
    QCheckBox *includePrice_ = nullptr;
    QButtonGroup *priceBasis_ = nullptr;
    QCheckBox *includeStore_ = nullptr;
    QCheckBox *priceBelow_ = nullptr;
    QSlider *textSize_ = nullptr;
    QCheckBox *printerDefault_ = nullptr;
};

} // namespace ovix
