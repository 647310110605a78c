#pragma once

#include "activities/framework/startup/ActivityWindow.h"

class frmScores;

// A stand-in activity for tests and the launch benchmark: it runs the common
// start-up and has no game of its own. It writes one line to standard output
// when its instruction window is on the screen ("INSTRUCTIONS <window caption>")
// and, when started with DVL_PROBE_SCORE=<n> in its environment, presses PLAY
// itself, writes "SAVING", hands n to Save_Score and, whenever the score window
// shows (at once, or after a wait for a locked store), writes its lines
// ("SCORE <position>|<name>|<score>[|*]" with * on the selected line) and
// presses OK.
class ProbeWindow : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit ProbeWindow(QWidget* parent = nullptr);

    static activity::ActivitySetup probeSetup();

protected:
    void startGame() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onInstructionsShown();
    static void reportAndClose(frmScores& scores);
};
