#include "ScoreFixture.h"

#include "TestEnvironment.h"
#include "common/schema/Schema.h"

namespace scorestest {

namespace {

template <class T>
std::vector<std::int64_t> addRows(platform::Store& store, const scores::ScoreEntry& group, const QString& column,
                                  const std::vector<std::optional<T>>& values)
{
    std::vector<std::int64_t> keys;
    platform::Transaction transaction(store);
    for (const std::optional<T>& value : values) {
        store.execute("INSERT INTO tblScores (tName, " + column +
                          ", nDate, nTime, tSubject, tActivity) VALUES (?, ?, '2023-01-02', '08:00:00', ?, ?)",
                      {QString("earlier learner"), value ? platform::Value(*value) : platform::Value(),
                       group.subject, group.activity});
        keys.push_back(store.lastInsertId());
    }
    transaction.commit();
    return keys;
}

}  // namespace

QString makeUserStore(const QString& name)
{
    const QString path = testsupport::makeFolder("data") + name;
    platform::Store store = platform::Store::create(path);
    schema::createUserTables(store);
    return path;
}

std::vector<std::int64_t> addNumberRows(platform::Store& store, const scores::ScoreEntry& group,
                                        const std::vector<std::optional<std::int64_t>>& scores)
{
    return addRows(store, group, "numberScore", scores);
}

std::vector<std::int64_t> addTimeRows(platform::Store& store, const scores::ScoreEntry& group,
                                      const std::vector<std::optional<QString>>& times)
{
    return addRows(store, group, "textScore", times);
}

}  // namespace scorestest
