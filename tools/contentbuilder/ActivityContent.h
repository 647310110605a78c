#pragma once

#include "CaptionTable.h"

#include <QString>

#include <vector>

namespace contentbuilder {

// The two button pictures of one interface language, as SVG sources.
struct ButtonPictures {
    QString normal;       // the button at rest
    QString highlighted;  // the button under the pointer
};

// content/activities/<program>/: captions.json and, for each language L, the pictures
// L-normal.svg and L-highlighted.svg. Written as Activities/<program>.cfg.
struct ActivityContent {
    QString program;
    CaptionTable captions;
    ButtonPictures english;
    ButtonPictures spanish;
};

// Every folder under content/activities/ (none yet is fine), in name order.
std::vector<ActivityContent> readActivities(const QString& folder);

}  // namespace contentbuilder
