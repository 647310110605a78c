#include "main/core/windows/PhraseListening.h"

#include "common/studylist/HandoffFiles.h"
#include "main/core/shared/FileExists.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TempPath.h"
#include "main/core/shared/Wait.h"
#include "main/core/subjects/SubjectStore.h"
#include "main/core/windows/frmMsgBox.h"

#include <QCoreApplication>
#include <QPointer>

#include <stdexcept>

namespace windows {

namespace {
constexpr int kPhraseBoxTwips = 1500;
bool listening = false;

// Clears the flag however the listening ends.
struct ListeningGuard {
    ListeningGuard() { listening = true; }
    ~ListeningGuard() { listening = false; }
};
}  // namespace

QString listeningFile()
{
    return shared::Get_Temp_Path() + QStringLiteral("~selectedphrase%1.wav").arg(QCoreApplication::applicationPid());
}

void listenToPhrase(const QString& installedSubjectsDir, const subjects::NodeTag& phrase, const QString& title)
{
    if (listening) return;
    const ListeningGuard guard;
    const QString store = installedSubjectsDir + phrase.file;
    if (!shared::File_Exists(store)) return;
    const subjects::SubjectPhrase row = subjects::requireSubjectPhrase(store, phrase.key, subjects::WithSound::Yes);
    const QString file = listeningFile();
    const studylist::WriteResult written = studylist::writeSoundFile(file, row.sound);
    if (!written.ok()) throw std::runtime_error(written.error.toStdString());

    QPointer<frmMsgBox> box = new frmMsgBox;
    box->setWindowTitle(title);
    box->setMessage(phrase.phrase);
    box->setHeightTwips(kPhraseBoxTwips);
    box->showModeless();
    shared::Wait(1);
    if (box && box->isVisible()) shared::Play_Sound_File(file, shared::kSoundSync);
    if (box) box->close();
}

}  // namespace windows
