#pragma once

// The gunfight's pictures (LEFTY, RIGHTY, CACTUS, LBULLET, RBULLET, RIP), drawn
// from the program's resources at the sizes the desert shows them.
#include <QPixmap>

namespace popper {

struct PopperPictures {
    QPixmap lefty;    // the learner
    QPixmap righty;   // the computer
    QPixmap cactus;
    QPixmap lbullet;  // the learner's bullet
    QPixmap rbullet;  // the computer's bullet
    QPixmap rip;      // a shot gunslinger

    static PopperPictures load();
};

}  // namespace popper
