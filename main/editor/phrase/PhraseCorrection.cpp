#include "main/editor/phrase/PhraseCorrection.h"

#include "main/core/shared/SubjectConnection.h"
#include "platform/store/Store.h"

#include <QStringList>

namespace phraseedit {

namespace {

CorrectionResult failed(CorrectionFailure failure, const QString& error = {})
{
    CorrectionResult result;
    result.failure = failure;
    result.error = error;
    return result;
}

}  // namespace

CorrectionResult correctPhrase(const QString& subjectsDir, const subjects::NodeTag& phrase,
                               const TypedTexts& typed)
{
    try {
        platform::Store store =
            shared::Subject_Connection_String(subjectsDir + phrase.file, shared::SubjectStoreKind::InstalledForEditing)
                .open();
        if (store.isReadOnly()) return failed(CorrectionFailure::ReadOnly);

        platform::Transaction transaction(store, platform::TransactionKind::Immediate);
        const auto rows = store.query(
            QStringLiteral("SELECT tPhrase, tTranslation, tTranslation2 FROM tblPhrases WHERE pkPhraseNo = ?"),
            {phrase.key});
        if (rows.size() != 1) return failed(CorrectionFailure::NoPhrase);

        struct Column {
            const char* name;
            QString typed;
            QString stored;
        };
        Column columns[] = {
            {"tPhrase", typed.phrase.trimmed(), rows[0].at(QStringLiteral("tPhrase")).toText()},
            {"tTranslation", typed.translation.trimmed(), rows[0].at(QStringLiteral("tTranslation")).toText()},
            {"tTranslation2", typed.translation2.trimmed(), rows[0].at(QStringLiteral("tTranslation2")).toText()},
        };
        QStringList assignments;
        platform::Params params;
        for (Column& column : columns) {
            if (column.typed.isEmpty()) continue;
            assignments << QString::fromLatin1(column.name) + QStringLiteral(" = ?");
            params.push_back(column.typed);
            column.stored = column.typed;
        }
        if (!assignments.isEmpty()) {
            params.push_back(phrase.key);
            const std::int64_t changed = store.execute(
                QStringLiteral("UPDATE tblPhrases SET ") + assignments.join(QStringLiteral(", ")) +
                    QStringLiteral(" WHERE pkPhraseNo = ?"),
                params);
            if (changed != 1)
                return failed(CorrectionFailure::Other,
                              QStringLiteral("%1 rows would have changed instead of one.").arg(changed));
        }
        transaction.commit();

        CorrectionResult result;
        result.stored = subjects::NodeTag::phraseOf(phrase.kind, phrase.file, phrase.key, columns[0].stored,
                                                    columns[1].stored, columns[2].stored);
        return result;
    } catch (const platform::StoreException& error) {
        if (error.code() == platform::StoreError::ReadOnly) return failed(CorrectionFailure::ReadOnly);
        return failed(CorrectionFailure::Other, QString::fromUtf8(error.what()));
    }
}

}  // namespace phraseedit
