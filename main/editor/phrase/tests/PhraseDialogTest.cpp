#include "main/editor/phrase/frmEdit.h"

#include "OtherUser.h"
#include "SubjectFixtures.h"
#include "TestEnvironment.h"
#include "main/core/subjects/SubjectStore.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using subjects::NodeKind;
using subjects::NodeTag;
using subjects::SubjectPhrase;
using subjects::testing::PhraseRow;

namespace {

startup::CaptionTable captionTable()
{
    std::vector<QString> rows;
    for (int row = 1; row <= 160; ++row) rows.push_back(subjects::testing::fakeCaption(row));
    return startup::CaptionTable(std::move(rows));
}

const QString kLong70 = QString(70, QChar(u'é'));

// An installed store "animals.fre" whose phrase 7 has a 70-character translation 2,
// phrase 8 a NULL one and phrase 9 three short texts.
class PhraseDialog : public ::testing::Test {
protected:
    // A fresh subjects folder each time, so a table of cases starts each case anew.
    void SetUp() override
    {
        static int made = 0;
        dir = testsupport::makeFolder(QString("Subjects%1").arg(++made));
        subjects::testing::makeSubjectStore(dir + "animals.fre",
                                            {{7, "le chat", "the cat", kLong70},
                                             {8, "le chien", "the dog", std::nullopt},
                                             {9, "noir", "black", "dark"}});
    }

    NodeTag tagOf(std::int64_t key, NodeKind kind = NodeKind::Phrase) const
    {
        const SubjectPhrase row = *subjects::readSubjectPhrase(dir + "animals.fre", key);
        return NodeTag::phraseOf(kind, "animals.fre", key, row.phrase, row.translation, row.translation2);
    }

    SubjectPhrase stored(std::int64_t key) const { return *subjects::readSubjectPhrase(dir + "animals.fre", key); }

    QString dir;
};

TEST_F(PhraseDialog, OkStoresEachNonBlankBoxTrimmedAndGivesTheStoredTag)
{
    struct Case {
        const char* what;
        std::int64_t key;
        QString phrase, translation, translation2;  // typed over what was loaded; null: left as loaded
        QString wantPhrase, wantTranslation, wantTranslation2;
    };
    const Case cases[] = {
        {"all three trimmed", 8, "  le petit chien ", "\tthe puppy ", " a young dog", "le petit chien", "the puppy",
         "a young dog"},
        {"blank boxes keep their columns", 8, "   ", "", "un chiot", "le chien", "the dog", "un chiot"},
        {"a longer loaded text is written back whole", 7, {}, "the kitten", {}, "le chat", "the kitten", kLong70},
        {"quotes, stars and apostrophes stay as typed", 8, "l'*\"chien\"", {}, {}, "l'*\"chien\"", "the dog", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        const NodeTag loaded = tagOf(c.key, NodeKind::CustomPhrase);
        frmEdit dialog({dir, captionTable(), loaded});
        if (!c.phrase.isNull()) dialog.txtPhrase()->setText(c.phrase);
        if (!c.translation.isNull()) dialog.txtTranslation()->setText(c.translation);
        if (!c.translation2.isNull()) dialog.txtTranslation2()->setText(c.translation2);
        QTest::mouseClick(dialog.btnOK(), Qt::LeftButton);

        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const SubjectPhrase row = stored(c.key);
        EXPECT_EQ(row.phrase, c.wantPhrase);
        EXPECT_EQ(row.translation, c.wantTranslation);
        EXPECT_EQ(row.translation2, c.wantTranslation2);
        ASSERT_TRUE(dialog.stored());
        EXPECT_EQ(*dialog.stored(), NodeTag::phraseOf(NodeKind::CustomPhrase, "animals.fre", c.key, c.wantPhrase,
                                                      c.wantTranslation, c.wantTranslation2));
    }
}

TEST_F(PhraseDialog, CancelAndClosingWriteNothing)
{
    const QByteArray before = [&] {
        QFile file(dir + "animals.fre");
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    for (const bool cancel : {true, false}) {
        frmEdit dialog({dir, captionTable(), tagOf(8)});
        dialog.txtTranslation()->setText("changed");
        if (cancel)
            QTest::mouseClick(dialog.btnCancel(), Qt::LeftButton);
        else
            dialog.close();
        EXPECT_FALSE(dialog.stored());
    }
    QFile file(dir + "animals.fre");
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), before);
}

// Types each character as its own key press.
void typeKeys(QLineEdit* box, const QString& keys)
{
    for (const QChar key : keys) QTest::keyClick(box, key.toLatin1());
}

void paste(QLineEdit* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(PhraseDialog, NoKeysOrPasteGetPastSixtyFiveCharactersAndOkStoresWhatTheBoxHolds)
{
    using Box = QLineEdit* (frmEdit::*)() const;
    using Column = QString SubjectPhrase::*;
    struct Target {
        const char* what;
        Box box;
        Column column;
    };
    const Target targets[] = {{"txtPhrase", &frmEdit::txtPhrase, &SubjectPhrase::phrase},
                              {"txtTranslation", &frmEdit::txtTranslation, &SubjectPhrase::translation},
                              {"txtTranslation2", &frmEdit::txtTranslation2, &SubjectPhrase::translation2}};
    const QString hundred = QString(100, 'x');
    struct Action {
        const char* what;
        int cursor;  // where the cursor stands; -1: at the end
        std::function<void(QLineEdit*)> act;
    };
    const Action actions[] = {
        {"100 keys one at a time", -1, [&](QLineEdit* box) { typeKeys(box, hundred); }},
        {"a paste of 100 characters", -1, [&](QLineEdit* box) { paste(box, hundred); }},
        {"a paste inside the text", 2, [&](QLineEdit* box) { paste(box, hundred); }},
    };
    for (const Target& target : targets) {
        for (const Action& action : actions) {
            SCOPED_TRACE(std::string(target.what) + ", " + action.what);
            SetUp();
            frmEdit dialog({dir, captionTable(), tagOf(9)});
            dialog.show();
            QLineEdit* box = (dialog.*target.box)();
            const QString loaded = box->text();
            const int cursor = action.cursor < 0 ? loaded.size() : action.cursor;
            box->setFocus();
            box->setCursorPosition(cursor);
            action.act(box);

            const QString want = loaded.left(cursor) + hundred.left(65 - loaded.size()) + loaded.mid(cursor);
            EXPECT_EQ(box->text(), want);
            EXPECT_EQ(box->cursorPosition(), cursor + 65 - loaded.size());
            typeKeys(box, "yy");
            EXPECT_EQ(box->text(), want);
            QTest::mouseClick(dialog.btnOK(), Qt::LeftButton);
            EXPECT_EQ(stored(9).*target.column, want);
        }
    }
}

TEST_F(PhraseDialog, ALongerLoadedTextIsEditedWithinItsLengthUntilItFitsTheLimit)
{
    frmEdit dialog({dir, captionTable(), tagOf(7)});
    dialog.show();
    QLineEdit* box = dialog.txtTranslation2();
    EXPECT_EQ(box->text(), kLong70);
    box->setFocus();
    box->end(false);
    typeKeys(box, "x");
    paste(box, "yz");
    EXPECT_EQ(box->text(), kLong70);
    QTest::keyClick(box, Qt::Key_Backspace);
    typeKeys(box, "xy");
    EXPECT_EQ(box->text(), kLong70.left(69) + "x");

    // Cut down to the limit, it keeps to the limit.
    box->setCursorPosition(3);
    for (int key = 0; key < 5; ++key) QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text().size(), 65);
    EXPECT_EQ(box->cursorPosition(), 3);
    typeKeys(box, "ab");
    paste(box, "cd");
    EXPECT_EQ(box->text().size(), 65);
    box->selectAll();
    typeKeys(box, QString(100, 'w'));
    EXPECT_EQ(box->text(), QString(65, 'w'));
}

TEST_F(PhraseDialog, APhraseNoLongerInItsStoreIsReportedAndTheDialogStaysOpen)
{
    NodeTag gone = tagOf(8);
    gone.key = 99;
    platform::ui::MessageBoxRecorder boxes;
    frmEdit dialog({dir, captionTable(), gone});
    dialog.show();
    dialog.txtTranslation()->setText("changed");
    QTest::mouseClick(dialog.btnOK(), Qt::LeftButton);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.stored());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith("#153")) << boxes.shown()[0].text.toStdString();
    EXPECT_EQ(stored(8).translation, "the dog");
}

// Root writes anywhere, so the store is corrected by another user, who may
// not write the file or not its folder.
TEST_F(PhraseDialog, AStoreThatRefusesWritesIsReportedAndLeftUnchanged)
{
    struct Case {
        const char* what;
        bool fileBelongsToWriter;
    };
    for (const Case& c : {Case{"read-only file", false}, Case{"read-only folder", true}}) {
        SCOPED_TRACE(c.what);
        SetUp();
        const QByteArray path = QFile::encodeName(dir + "animals.fre");
        ::chmod(path.constData(), c.fileBelongsToWriter ? 0644 : 0444);
        if (c.fileBelongsToWriter && ::geteuid() == 0) {
            ASSERT_EQ(::chown(path.constData(), 65534, 65534), 0);
        }
        ::chmod(QFile::encodeName(dir).constData(), 0755);
        platform::testutil::openToOtherUsers(dir);

        const auto run = platform::testutil::runAsOtherUser(
            PHRASE_CORRECTION_PROBE, {dir, "animals.fre", "8", "le chiot", "the puppy", ""});
        ASSERT_TRUE(run.finished) << run.err.toStdString();
        EXPECT_EQ(run.out.trimmed(), "read-only");
        EXPECT_EQ(stored(8).phrase, "le chien");
        EXPECT_FALSE(QFile::exists(dir + "animals.fre-journal"));
    }
}

}  // namespace
