#include "main/users/scores/ScoreViews.h"

#include "main/users/store/UserRecord.h"
#include "main/users/store/UserRows.h"
#include "platform/store/Store.h"

namespace scoreviews {
namespace {

using platform::Row;
using platform::Store;

// The stored views list each value once, in order, without NULLs.
std::vector<ViewNode> storedQuery(const Store& store, const QString& query, int image, int selectedImage)
{
    std::vector<ViewNode> nodes;
    for (const Row& row : store.query("SELECT * FROM " + query))
        nodes.push_back({row.at(0).toText(), image, selectedImage, false});
    return nodes;
}

std::vector<ViewNode> activities(const Store& store)
{
    return storedQuery(store, QStringLiteral("qryActivities"), images::ActivityClosed, images::ActivityOpen);
}

std::vector<ViewNode> subjects(const Store& store)
{
    return storedQuery(store, QStringLiteral("qrySubjects"), images::Subject, images::Subject);
}

std::vector<ViewNode> learners(const Store& store)
{
    std::vector<ViewNode> nodes;
    for (const users::UserRecord& user : users::readUsers(store))
        nodes.push_back({user.displayName(), user.icon, user.icon, nodes.empty()});
    return nodes;
}

// The columns a view's pair is matched on, and the one each row shows.
struct PairColumns {
    const char* root;
    const char* child;
    const char* shown;
};

PairColumns pairColumns(View view)
{
    switch (view) {
    case View::Learners: return {"tName", "tActivity", "tSubject"};
    case View::Activities: return {"tActivity", "tSubject", "tName"};
    case View::Subjects: break;
    }
    return {"tSubject", "tName", "tActivity"};
}

}  // namespace

ScoreView buildView(const QString& userStorePath, View view)
{
    const Store store = Store::open(userStorePath, platform::OpenMode::ReadWrite);
    ScoreView built;
    std::vector<ViewNode> secondDimension;
    switch (view) {
    case View::Learners: {
        built.roots = learners(store);
        secondDimension = activities(store);
        built.noResults = secondDimension.empty();
        break;
    }
    case View::Activities:
        built.roots = activities(store);
        built.noResults = built.roots.empty();
        secondDimension = subjects(store);
        break;
    case View::Subjects:
        built.roots = subjects(store);
        built.noResults = built.roots.empty();
        // Learners are children here: never bold, never blue.
        secondDimension = learners(store);
        for (ViewNode& learner : secondDimension) learner.administrator = false;
        break;
    }
    if (!built.noResults) built.children = std::move(secondDimension);
    return built;
}

std::vector<ResultRow> pairResults(const QString& userStorePath, View view, const QString& root,
                                   const QString& child)
{
    const PairColumns columns = pairColumns(view);
    const Store store = Store::open(userStorePath, platform::OpenMode::ReadWrite);
    const QString sql = QStringLiteral("SELECT %1, numberScore, textScore, nDate, nTime FROM tblScores "
                                       "WHERE %2 = ? AND %3 = ? ORDER BY pkScoreID")
                            .arg(QLatin1String(columns.shown), QLatin1String(columns.root),
                                 QLatin1String(columns.child));
    std::vector<ResultRow> rows;
    for (const Row& row : store.query(sql, {root, child})) {
        const QString textScore = row.at(QStringLiteral("textScore")).toText();
        rows.push_back({row.at(0).toText(),
                        textScore.isEmpty() ? row.at(QStringLiteral("numberScore")).toText() : textScore,
                        row.at(QStringLiteral("nDate")).toText(), row.at(QStringLiteral("nTime")).toText()});
    }
    return rows;
}

caption::Row firstColumnCaption(View view)
{
    switch (view) {
    case View::Learners: return caption::SubjectsFolderName;
    case View::Activities: return caption::Learners;
    case View::Subjects: break;
    }
    return caption::Activities;
}

}  // namespace scoreviews
