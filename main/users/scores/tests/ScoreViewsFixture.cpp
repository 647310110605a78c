#include "ScoreViewsFixture.h"

#include "UserStoreFixture.h"
#include "main/users/store/UserStore.h"
#include "platform/store/Store.h"

namespace scoreviews::testing {

using platform::Value;

void addScores(const QString& userStorePath, const std::vector<ScoreRow>& rows)
{
    platform::Store store = platform::Store::open(userStorePath, platform::OpenMode::ReadWrite);
    platform::Transaction transaction(store, platform::TransactionKind::Immediate);
    for (const ScoreRow& row : rows)
        store.execute("INSERT INTO tblScores (tName, numberScore, textScore, nDate, nTime, tSubject, tActivity) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?)",
                      {row.name, row.number ? Value(*row.number) : Value(), row.text.isNull() ? Value() : Value(row.text),
                       row.date, row.time, row.subject, row.activity});
    transaction.commit();
}

void addLearners(const QString& userStorePath, const std::vector<Learner>& learners)
{
    users::UserStore store(userStorePath);
    for (const Learner& learner : learners) {
        users::ProfileForm form = users::testing::profile(learner.first, learner.last);
        form.icon = learner.face;
        store.addUser(form);
    }
}

}  // namespace scoreviews::testing
