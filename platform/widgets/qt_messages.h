#pragma once
// Message boxes on the screen.

#include "platform/messages.h"

class QWidget;

namespace ovix {

class QtMessages : public Messages {
public:
    // Boxes are owned by `parent` (none: top-level boxes).
    explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}

    void setParent(QWidget *parent) { parent_ = parent; }

    void show(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool confirm(std::string_view text, std::string_view caption, MessageKind kind) override;
    Answer ask(std::string_view text, std::string_view caption, bool withCancel,
               Answer preferred = Answer::Yes) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view caption,
                                       std::string_view initial) override;
    void beep() override;

private:
    QWidget *parent_;
};

} // namespace ovix
