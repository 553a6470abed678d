#include "inventory/widgets/capital_boxes.h"

#include "platform/cp1252.h"

#include <QLineEdit>

namespace ovix {

void forceCapitals(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        const QString upper = toQString(toUpperCp1252(fromQString(text)));
        if (upper != text) {
            const int cursor = box->cursorPosition();
            box->setText(upper);
            box->setCursorPosition(cursor);
        }
    });
}

} // namespace ovix
