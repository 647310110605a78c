#include "StoreWriters.h"

#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QStringList>

namespace contentbuilder {

namespace {

void insertCaptions(platform::Store& store, const CaptionTable& captions)
{
    for (const CaptionRow& row : captions.rows)
        store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)", {row.english, row.spanish});
}

void insertLinkedTexts(platform::Store& store, const QString& table, const std::vector<LinkedText>& list)
{
    // The table name is one of two fixed names, never data.
    for (const LinkedText& item : list)
        store.execute("INSERT INTO " + table + " (English, Spanish, link) VALUES (?, ?, ?)",
                      {item.english, item.spanish, item.link});
}

void insertTips(platform::Store& store, const QMap<QString, QStringList>& tips)
{
    const QStringList& codes = schema::programCodes();
    QStringList marks;
    for (qsizetype i = 0; i < codes.size(); ++i) marks << "?";
    const QString sql = "INSERT INTO tblTips (" + codes.join(", ") + ") VALUES (" + marks.join(", ") + ")";
    const qsizetype rows = tips.value(codes.first()).size();
    for (qsizetype r = 0; r < rows; ++r) {
        platform::Params values;
        for (const QString& code : codes) values.emplace_back(tips.value(code).value(r));
        store.execute(sql, values);
    }
}

}  // namespace

void buildStore(const QString& path, const std::function<void(platform::Store&)>& fill)
{
    platform::Store store = platform::Store::create(path);
    platform::Transaction transaction(store);
    fill(store);
    transaction.commit();
    store.close();
}

void fillTemplateStore(platform::Store& store, const TemplateContent& content)
{
    schema::createTemplateStore(store);
    insertCaptions(store, content.captions);
    insertLinkedTexts(store, "tblSystemMessages", content.messages);
    insertTips(store, content.tips);
    insertLinkedTexts(store, "tblMenu", content.menu);
}

void fillSubjectStore(platform::Store& store, const SubjectSet& set, const Subject& subject,
                      const std::vector<QByteArray>& recordings)
{
    schema::createSubjectStore(store, set.programCode);
    for (size_t k = 0; k < subject.phrases.size(); ++k) {
        const Phrase& phrase = subject.phrases[k];
        store.execute(
            "INSERT INTO tblPhrases (pkPhraseNo, tPhrase, tTranslation, tTranslation2, bsound) VALUES (?, ?, ?, ?, ?)",
            {static_cast<int>(k + 1), phrase.phrase, phrase.translation, phrase.translation2, recordings.at(k)});
    }
}

void fillCustomStore(platform::Store& store, const CustomStoreContent& content)
{
    schema::createCustomStore(store);
    for (const CustomGroup& group : content.groups) {
        store.execute("INSERT INTO tblParents (tName) VALUES (?)", {group.name});
        const std::int64_t parent = store.lastInsertId();
        for (const CustomPhrase& item : group.phrases) {
            const Phrase& phrase = item.phrase();
            store.execute("INSERT INTO tblPhrases (fkParent, tfilename, nPhraseNo, tPhrase, tTranslation, tTranslation2) "
                          "VALUES (?, ?, ?, ?, ?, ?)",
                          {parent, item.subject->fileName, item.key, phrase.phrase, phrase.translation,
                           phrase.translation2});
        }
    }
}

void fillActivityConfigStore(platform::Store& store, const CaptionTable& captions, const ButtonImages& images)
{
    schema::createActivityConfigStore(store);
    insertCaptions(store, captions);
    store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)", {images.englishNormal, images.spanishNormal});
    store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)",
                  {images.englishHighlighted, images.spanishHighlighted});
}

}  // namespace contentbuilder
