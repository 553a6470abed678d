#pragma once
// The publisher's pictures, drawn at run time: the faces of the four square
// buttons (normal and pressed), the small mark at the bottom right of the log
// pane and the window icon.

#include <QIcon>
#include <QPixmap>

namespace ovix {

enum class ButtonPicture { Upload, FieldSelection, TagNames, Configuration };

// An 80 × 80 button face; `pressed` draws it sunken.
QPixmap buttonPicture(ButtonPicture which, bool pressed);
// The small mark of the log pane (48 × 24).
QPixmap paneMark();
QIcon syncWindowIcon();

} // namespace ovix
