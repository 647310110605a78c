#pragma once

#include "main/core/startup/CaptionRows.h"

#include <QString>

#include <vector>

// The results of every learner as the administrator sees them: a two-level tree
// over two of the three dimensions learner, activity and subject, and the score
// rows of one pair. Every call opens the user store, reads and closes it again,
// since activities write scores into it meanwhile; failures throw
// platform::StoreException. Values are always bound, so apostrophes and any
// other letters in names and subjects work.
namespace scoreviews {

// The views in the order the view chooser lists them.
enum class View { Learners = 0, Activities = 1, Subjects = 2 };

// Tree images: 1..40 the faces, then the activity (closed, open) and the subject.
namespace images {
constexpr int ActivityClosed = 41;
constexpr int ActivityOpen = 42;
constexpr int Subject = 43;
}  // namespace images

struct ViewNode {
    QString text;
    int image = 0;          // 0: none
    int selectedImage = 0;
    bool administrator = false;  // the first learner, shown in blue

    bool operator==(const ViewNode&) const = default;
};

// Every root gets every child. When the dimension that gives the activities
// (views 0 and 1) or the subjects (view 2) has no value yet, noResults is set: the
// tree shows the "no results yet" node after the roots (only learners can be
// roots then) and no children.
struct ScoreView {
    std::vector<ViewNode> roots;
    std::vector<ViewNode> children;
    bool noResults = false;
};

ScoreView buildView(const QString& userStorePath, View view);

// One score row of a pair: the view's first column (the third dimension), the
// score (the text score when there is one, else the number), date and time.
struct ResultRow {
    QString text;
    QString score;
    QString date;
    QString time;

    bool operator==(const ResultRow&) const = default;
};

// The rows of root and child of the view, in the order they were stored.
std::vector<ResultRow> pairResults(const QString& userStorePath, View view, const QString& root,
                                   const QString& child);

// The caption of the result list's first column in a view.
caption::Row firstColumnCaption(View view);

}  // namespace scoreviews
