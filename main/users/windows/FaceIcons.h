#pragma once

#include <QIcon>

namespace users {

// The icon resource of face n (kFirstFace..kLastFace): 100 + n.
constexpr int faceResourceNumber(int face) { return 100 + face; }

// Face n drawn from its SVG source, sharp at whatever size a list shows it. A
// number outside the faces shows the first face.
QIcon faceIcon(int face);

}  // namespace users
