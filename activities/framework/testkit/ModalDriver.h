#pragma once

// Answers the framework's modal windows as a learner would while a test plays
// an activity: the instruction window (PLAY), the message window (OK) and the
// score window (OK, then its slide-out ticked to the end). It notes what each
// showed. A hook set for a kind of window runs first, while that window is up
// and the activity waits under it.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class frmInstructions;
class frmMsg;
class frmScores;

namespace activitytest {

struct ShownMessage {
    QString heading;  // lblMsg
    QString line2;    // lblmsg2
    QString answer;   // lblAnswer
    QString button;   // lblOK's caption as set
};

struct ShownScores {
    QString top10;                  // the heading above the list
    std::vector<QStringList> rows;  // every cell of every row
    int selected = -1;              // the selected row, -1 for none
};

class ModalDriver : public QObject {
public:
    ModalDriver();
    ~ModalDriver() override;
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    QStringList instructions;  // title, body, button text of the last one shown
    std::vector<ShownMessage> messages;
    std::vector<ShownScores> scores;

    std::function<void(frmInstructions&)> onInstructions;
    std::function<void(frmMsg&)> onMessage;
    std::function<void(frmScores&)> onScores;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QWidget* window);
};

// With DVL_SNAPSHOT_DIR set, saves a picture of the window there as
// "<name>.png" to look at; does nothing otherwise.
void snapshot(QWidget* window, const QString& name);

}  // namespace activitytest
