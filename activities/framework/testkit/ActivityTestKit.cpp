#include "activities/framework/testkit/ActivityTestKit.h"

#include "common/activityconfig/ActivityConfig.h"
#include "common/studylist/HandoffFiles.h"
#include "common/studylist/StudyListFile.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include "TestEnvironment.h"

#include <QDataStream>
#include <QImage>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <stdexcept>

namespace activitytest {

QStringList numberedCaptions(int count, const QString& prefix)
{
    QStringList rows;
    for (int k = 1; k <= count; ++k) rows << QStringLiteral("%1 %2").arg(prefix).arg(k);
    return rows;
}

QString makeConfigStore(const QString& appFolder, const QString& program, const QStringList& english,
                        QStringList spanish)
{
    if (spanish.isEmpty()) spanish = english;
    const QString path = appFolder + program + QStringLiteral(".cfg");
    QFile::remove(path);
    platform::Store store = platform::Store::create(path);
    schema::createActivityConfigStore(store);
    for (qsizetype k = 0; k < english.size(); ++k) {
        store.execute(QStringLiteral("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)"),
                      {english[k], k < spanish.size() ? platform::Value(spanish[k]) : platform::Value()});
    }
    for (const char* picture : {"normal", "highlighted"}) {
        store.execute(QStringLiteral("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)"),
                      {QByteArray("EN-") + picture, QByteArray("ES-") + picture});
    }
    return path;
}

QByteArray tinyWav(int slot)
{
    // 16-bit mono PCM at 8000 Hz, a few samples long.
    const QByteArray samples(16 * (slot + 1), char(slot));
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), static_cast<int>(samples.size()));
    return wav;
}

namespace {

void writeStudyList(const Launch& launch)
{
    if (!studylist::write(launch.studyListPath, launch.list).ok())
        throw std::runtime_error("the study list could not be written to " + launch.studyListPath.toStdString());
}

}  // namespace

Launch writeLaunch(const QString& tempFolder, int phraseCount, const QString& userStorePath,
                   const std::set<int>& silentSlots, const QString& interfaceLanguage)
{
    Launch launch;
    studylist::StudyList& list = launch.list;
    list.instanceHandle = QString::number(kMainPid);
    list.programCode = QStringLiteral("dvlfre");
    list.productTitle = QStringLiteral("Lessondesk French");
    list.interfaceLanguage = interfaceLanguage;
    list.targetLanguage = QStringLiteral("French");
    list.userName = QStringLiteral("Ana Diaz");
    list.subjectTitle = QStringLiteral("Colours");
    list.userStorePath = userStorePath;
    for (int slot = 1; slot <= phraseCount; ++slot) {
        studylist::StudyPhrase phrase;
        phrase.number = slot;
        phrase.phrase = QStringLiteral("phrase %1, with a comma").arg(slot);
        phrase.translation = QStringLiteral("translation %1").arg(slot);
        phrase.soundPath = tempFolder + studylist::soundFileName(kMainPid, slot);
        if (!silentSlots.count(slot)) studylist::writeSoundFile(phrase.soundPath, tinyWav(slot));
        list.phrases.push_back(phrase);
    }
    launch.studyListName = studylist::studyListFileName(kMainPid);
    launch.studyListPath = tempFolder + launch.studyListName;
    writeStudyList(launch);
    return launch;
}

Launch writeLaunch(const QString& tempFolder, const QStringList& phrases, const QString& userStorePath)
{
    Launch launch = writeLaunch(tempFolder, static_cast<int>(phrases.size()), userStorePath);
    for (qsizetype i = 0; i < phrases.size(); ++i) launch.list.phrases[static_cast<std::size_t>(i)].phrase = phrases[i];
    writeStudyList(launch);
    return launch;
}

QString makeUserStore(const QString& folder)
{
    const QString path = folder + QStringLiteral("Users.dat");
    QFile::remove(path);
    if (!QFile::copy(testsupport::programDir() + QStringLiteral("/Dravolin.tpl"), path))
        throw std::runtime_error("the built template could not be copied to " + path.toStdString());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

QStringList shippedConfigStoreProblems(const QString& storePath, int lastRow)
{
    QStringList problems;
    for (const QString& language : {QStringLiteral("English"), QStringLiteral("Spanish")}) {
        try {
            const activityconfig::Captions captions = activityconfig::readCaptions(storePath, language);
            for (int row = 2; row <= lastRow; ++row) {
                if (captions(row).trimmed().isEmpty())
                    problems << QStringLiteral("%1 caption row %2 is empty").arg(language).arg(row);
            }
            const activityconfig::ButtonPictures pictures = activityconfig::readButtonPictures(storePath, language);
            for (const QByteArray& bytes : {pictures.normal, pictures.highlighted}) {
                const QImage picture = QImage::fromData(bytes);
                if (picture.isNull())
                    problems << QStringLiteral("a %1 button picture is no picture").arg(language);
                else if (picture.width() > 160 || picture.height() > 40)
                    problems << QStringLiteral("a %1 button picture is larger than 160 x 40").arg(language);
            }
        } catch (const activityconfig::ConfigError& error) {
            problems << error.text();
        }
    }
    return problems;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

std::map<QString, QByteArray> fileContents(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : filesIn(folder)) {
        QFile file(folder + name);
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return files;
}

}  // namespace activitytest
