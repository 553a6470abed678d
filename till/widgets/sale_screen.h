#pragma once
// The sale area of the till window: the item box, the basket list, the
// totals panel, the sale buttons and the keypad. It is the basket's view on
// the screen and owns the ItemEntry that rings items up. Its buttons run the
// window's commands; what they do is connected with the other commands
// (till/widgets/sale_screen_commands.h for those not on the menu).
//
// The TillState, the baskets and the Messages must outlive the screen; the
// window takes the screen over as its central area.

#include "sales/logic/basket_view.h"
#include "till/logic/commands.h"
#include "sales/logic/item_entry.h"

#include <QWidget>

#include <map>
#include <memory>

class QAbstractButton;
class QListWidget;
class QPlainTextEdit;

namespace ovix {

class MainWindow;
class PictureButton;
class QuickSelectPanel;
class Sounds;
class TotalsPanel;

class SaleScreen final : public QWidget, public BasketView {
public:
    // Builds the screen into `window` and makes the window's basket emptying
    // clear `basket`. The buttons stay disabled until refreshButtons() finds
    // their commands connected.
    SaleScreen(MainWindow &window, TillState &state, Basket &basket, Basket &savedBasket,
        Messages &messages);
    ~SaleScreen() override;

    ItemEntry &itemEntry()
    {
        return entry_;
    }
    Basket &basket()
    {
        return basket_;
    }
    QPlainTextEdit *itemBox() const
    {
        return itemBox_;
    }
    QListWidget *basketList() const
    {
        return basketList_;
    }
    // The sale button that runs `command` (also the scroll and category-step
    // buttons), or null.
    QAbstractButton *saleButton(Command command) const;
    // The keypad button captioned "0".."9", "CA" or "CE", or null.
    QAbstractButton *keypadButton(const QString &caption) const;
    QuickSelectPanel &quickSelect() const
    {
        return *quick_;
    }
    TotalsPanel *totalsPanel() const
    {
        return totalsPanel_;
    }
    // True while the large layout is shown.
    bool largeLayout() const
    {
        return large_;
    }
    // Sounds of the till (none until set); they play only when sounds are on.
    void setSounds(Sounds *sounds)
    {
        sounds_ = sounds;
    }
    // The totals panel's texts as shown: captions, then amounts, one a line.
    QString totalsCaptions() const;
    QString totalsAmounts() const;

    // Enables the sale buttons whose commands have work registered.
    void refreshButtons();
    // The find that an Enter in the empty item box opens; the item chosen
    // is rung up.
    void findAndAddItem();

    // BasketView
    void lineAdded(std::string_view listText) override;
    void lineRemoved(int index) override;
    void listCleared() override;
    void totalsChanged() override;
    void clearItemBox() override;
    void poleShowPassive() override;
    void poleShowItem(std::string_view description, double priceWithTax) override;
    void playSound(int resource) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildButtons();
    void buildKeypad();
    void itemBoxChanged();
    void keypadPressed(const QString &caption);
    void layOut();
    // Shows or hides what only the large layout has and refills the
    // quick-select buttons for the new number of slots.
    void layoutChanged();
    void abandonSale();
    void parkSale();

    MainWindow &window_;
    TillState &state_;
    Basket &basket_;
    Messages &messages_;
    ItemEntry entry_;
    QPlainTextEdit *itemBox_ = nullptr;
    QListWidget *basketList_ = nullptr;
    TotalsPanel *totalsPanel_ = nullptr;
    std::unique_ptr<QuickSelectPanel> quick_;
    Sounds *sounds_ = nullptr;
    std::map<Command, PictureButton *> buttons_;
    std::map<QString, PictureButton *> keypad_;
    bool clearingBox_ = false;
    bool large_ = false;
    bool laidOut_ = false;
};

} // namespace ovix
