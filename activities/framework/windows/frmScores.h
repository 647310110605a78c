#pragma once

#include "platform/random/RandomSource.h"
#include "activities/framework/windows/FrameworkDialog.h"
#include "activities/framework/windows/ScoreList.h"
#include "activities/framework/windows/ScoreSlide.h"

#include <optional>
#include <vector>

class QLabel;
class QTreeWidget;

namespace activity {
class ShapeButton;
}
namespace platform::ui {
class Timer;
}

// The score window: the activity, the subject, a heading and the kept results
// of the group (position, name, score, date, time) with the new result
// selected. OK slides the window out in a random direction and closes it. It
// has no parent window, so it stays usable whatever the activity's window is.
// Keys do nothing to it for its first moments on the screen (EarlyKeyGuard).
class frmScores : public activity::FrameworkDialog {
    Q_OBJECT

public:
    // random01 gives values in [0, 1) for the exit direction; by default a
    // generator seeded from the clock's seconds since midnight. centre = false
    // keeps the window where the caller puts it.
    explicit frmScores(platform::RandomSource random01 = {}, bool centre = true);
    ~frmScores() override;

    void setTexts(const QString& activityName, const QString& subject, const QString& top10,
                  const QString& beginCaption);
    void setItems(const std::vector<activity::ScoreListItem>& items);

    // Modal: returns when the window has slid out and closed.
    void showModal();

    QLabel* lblActivity() const { return lblActivity_; }
    QLabel* lblSubject() const { return lblSubject_; }
    QLabel* lblTop10() const { return lblTop10_; }
    QTreeWidget* ListView1() const { return ListView1_; }
    activity::ShapeButton* lblBegin() const { return lblBegin_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    activity::ScoreSlide::Direction exitDirection() const { return direction_; }

protected:
    void reject() override;

private:
    void layOut() override;
    void startSlide();
    void slideStep();
    void fitColumns();

    QLabel* lblActivity_;
    QLabel* lblSubject_;
    QLabel* lblTop10_;
    QTreeWidget* ListView1_;
    activity::ShapeButton* lblBegin_;
    platform::ui::Timer* Timer1_;
    activity::ScoreSlide::Direction direction_;
    std::optional<activity::ScoreSlide> slide_;
    bool centre_;
};
