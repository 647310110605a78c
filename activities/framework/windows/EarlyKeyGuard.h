#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QtGlobal>

class QWidget;

namespace activity {

// Keeps a key the learner is still pressing for the game from acting on a
// window that has just come up over it (the end message, the score window):
// for the first kSettleMs after the window shows, on platform::ui::activeClock(),
// a key pressed in it does nothing, nor does its release; a key held down never
// does anything to it by repeating. The mouse is not held back.
class EarlyKeyGuard : public QObject {
public:
    static constexpr qint64 kSettleMs = 750;
    // A press that follows the release of its key sooner than this is the key
    // repeating, not a finger pressing it again.
    static constexpr qint64 kRepeatGapMs = 30;

    // Guards `window` and every control on it; owned by the window.
    explicit EarlyKeyGuard(QWidget& window);
    ~EarlyKeyGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    qint64 shownAtMs_ = 0;
    QSet<int> heldBack_;             // keys whose press was held back; their release is too
    QHash<int, qint64> releasedAt_;  // when each key was last let go
};

}  // namespace activity
