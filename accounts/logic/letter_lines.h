#pragma once
// Customer letters are laid out in text lines of the printer's font: a
// cursor down the page whose line takes the next text, at the left edge, the
// centre or the right edge of the printable area. Empty texts draw nothing.

#include "print/logic/print_device.h"

#include <algorithm>
#include <string>

namespace ovix {

// `row` is the line the next text goes on, at y = row x line height.
class LetterLines {
public:
    explicit LetterLines(PrintDevice &device)
        : device_(device)
        , line_(std::max(1, device.lineHeight()))
    {
    }
    void left(const std::string &text)
    {
        at(0, text);
    }
    void at(int x, const std::string &text)
    {
        if (!text.empty())
            device_.drawText(x, y(), text, TextAlign::Left);
    }
    void centred(const std::string &text)
    {
        if (!text.empty())
            device_.drawText(device_.printableWidth() / 2, y(), text, TextAlign::Centre);
    }
    void right(const std::string &text)
    {
        if (!text.empty())
            device_.drawText(device_.printableWidth(), y(), text, TextAlign::Right);
    }
    void down(int lines)
    {
        row_ += lines;
    }
    void moveTo(int row)
    {
        row_ = row;
    }
    int row() const
    {
        return row_;
    }
    int y() const
    {
        return row_ * line_;
    }

private:
    PrintDevice &device_;
    int line_;
    int row_ = 0;
};

} // namespace ovix
