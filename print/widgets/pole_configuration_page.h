#pragma once
// The "Pole configuration" page of the configuration sheet: the pole
// display's port and line settings, its column counts and its six texts, with
// "Preview" to show the passive text on the display at once.

#include "print/logic/device_pages.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ovix {

class PoleConfigurationPage : public QWidget {
public:
    // `preview` gets the page's controls when "Preview" is pressed.
    PoleConfigurationPage(const PoleConfigurationPageInput &shown,
        std::function<void(const PoleConfigurationPageInput &)> preview,
        QWidget *parent = nullptr);

    // The controls as they stand now.
    PoleConfigurationPageInput input() const;

    QCheckBox *useBox() const { return use_; }
    QComboBox *portList() const { return port_; }
    QComboBox *baudList() const { return baud_; }
    QComboBox *parityList() const { return parity_; }
    QComboBox *dataBitsList() const { return dataBits_; }
    QComboBox *stopBitsList() const { return stopBits_; }
    QLineEdit *textBox(PoleText text) const { return texts_[static_cast<size_t>(text)]; }
    QPushButton *previewButton() const { return preview_; }

private:
    QCheckBox *use_;
    QComboBox *port_;
    QComboBox *baud_;
    QComboBox *parity_;
    QComboBox *dataBits_;
    QComboBox *stopBits_;
    QLineEdit *columnsOne_;
    QLineEdit *columnsTwo_;
    std::array<QLineEdit *, kPoleTextCount> texts_ {};
    QPushButton *preview_;
};

} // namespace ovix
