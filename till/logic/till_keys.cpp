#include "till/logic/till_keys.h"

#include <Qt>

namespace ovix {

std::optional<Command> commandForKey(int key, bool control)
{
    if (!control) {
        switch (key) {
        case Qt::Key_F1:
            return Command::HelpContents;
        case Qt::Key_F2:
            return Command::InventoryFind;
        case Qt::Key_F3:
            return Command::InventoryAmend;
        case Qt::Key_F4:
            return Command::InventoryNewLine;
        case Qt::Key_F5:
            return Command::PayCash;
        case Qt::Key_F6:
            return Command::PayByCustomer;
        case Qt::Key_F7:
            return Command::PayCard;
        case Qt::Key_F8:
            return Command::OpenDrawer;
        case Qt::Key_F9:
            return Command::LogOff;
        case Qt::Key_F11:
            return Command::DisplayTransaction;
        case Qt::Key_F12:
            return Command::ActivitySummary;
        case Qt::Key_Left:
            return Command::PreviousCategory;
        case Qt::Key_Right:
            return Command::NextCategory;
        case Qt::Key_Up:
            return Command::ScrollBack;
        case Qt::Key_Down:
            return Command::ScrollForwards;
        default:
            return std::nullopt;
        }
    }
    switch (key) {
    case Qt::Key_A:
        return Command::CustomerAdd;
    case Qt::Key_B:
        return Command::CustomerAmend;
    case Qt::Key_C:
        return Command::Configuration;
    case Qt::Key_D:
        return Command::CustomerPrintDebtors;
    case Qt::Key_E:
        return Command::CustomerFindTelephone;
    case Qt::Key_F:
        return Command::InventoryFindAdvanced;
    case Qt::Key_I:
        return Command::InventoryListFromNumber;
    case Qt::Key_J:
        return Command::CustomerFind;
    case Qt::Key_K:
        return Command::NonInventorySale;
    case Qt::Key_L:
        return Command::DebtorLetterOne;
    case Qt::Key_M:
        return Command::CustomerListFromNumber;
    case Qt::Key_N:
        return Command::InventoryFindByDescription;
    case Qt::Key_P:
        return Command::UserControl;
    case Qt::Key_R:
        return Command::ReminderAddToday;
    case Qt::Key_S:
        return Command::InventoryFindInSkus;
    case Qt::Key_T:
        return Command::ReminderPrint;
    case Qt::Key_V:
        return Command::InventoryReceived;
    case Qt::Key_W:
        return Command::SaveBasket;
    case Qt::Key_X:
        return Command::ReloadBasket;
    default:
        return std::nullopt;
    }
}

} // namespace ovix
