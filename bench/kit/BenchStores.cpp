#include "bench/kit/BenchStores.h"

#include "common/schema/Schema.h"
#include "platform/store/Store.h"

#include <QDir>

#include <cstdio>

namespace benchkit {

namespace {

void makeInstalled(const QString& path, int number)
{
    platform::Store store = platform::Store::create(path);
    schema::createSubjectStore(store, QStringLiteral("dvlfre"));
    platform::Transaction transaction(store);
    const QByteArray sound(8000, 'w');
    for (int key = 1; key <= 10; ++key)
        store.execute("INSERT INTO tblPhrases (pkPhraseNo, tPhrase, tTranslation, tTranslation2, bsound) "
                      "VALUES (?, ?, ?, ?, ?)",
                      {key, QString("phrase %1 of %2").arg(key).arg(number),
                       QString("translation %1").arg(key), QString(), sound});
    transaction.commit();
}

void makeCustom(const QString& path)
{
    platform::Store store = platform::Store::create(path);
    schema::createCustomStore(store);
    platform::Transaction transaction(store);
    for (int group = 1; group <= 10; ++group) {
        store.execute("INSERT INTO tblParents (tName) VALUES (?)", {QString("Group %1").arg(group)});
        const std::int64_t key = store.lastInsertId();
        for (int phrase = 1; phrase <= 10; ++phrase)
            store.execute("INSERT INTO tblPhrases (fkParent, tfilename, nPhraseNo, tPhrase, tTranslation, "
                          "tTranslation2) VALUES (?, ?, ?, ?, ?, ?)",
                          {key, QString("subject_%1.fre").arg(phrase), phrase, QString("p %1").arg(phrase),
                           QString("t %1").arg(phrase), QString()});
    }
    transaction.commit();
}

}  // namespace

void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void makeBenchFolders(const QString& folder, int installed, int custom)
{
    const QString subjects = folder + "/Subjects/";
    const QString customs = folder + "/Custom/";
    QDir(folder).removeRecursively();
    QDir().mkpath(subjects);
    QDir().mkpath(customs);
    for (int n = 1; n <= installed; ++n) makeInstalled(subjects + QString("subject_%1.fre").arg(n, 4, 10, QChar('0')), n);
    for (int n = 1; n <= custom; ++n) makeCustom(customs + QString("Folder %1.vfre").arg(n, 3, 10, QChar('0')));
    std::printf("made %d installed and %d custom stores in %s\n", installed, custom, qPrintable(folder));
}

}  // namespace benchkit
