#pragma once

#include <QObject>

namespace platform::ui {

// While it lives, the learner's clicks, keys and wheel turns reach no window of
// the program: they are dropped, not kept for later. Timers, painting and
// network events go on. When it ends, input that the system held back
// meanwhile is let through the same filter and dropped too.
class UserInputBlock : public QObject {
public:
    UserInputBlock();
    ~UserInputBlock() override;
    UserInputBlock(const UserInputBlock&) = delete;
    UserInputBlock& operator=(const UserInputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform::ui
