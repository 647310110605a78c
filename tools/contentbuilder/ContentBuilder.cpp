#include "ContentBuilder.h"

#include "ActivityContent.h"
#include "ContentError.h"
#include "CustomContent.h"
#include "OutputFolder.h"
#include "RequiredCaptions.h"
#include "Speech.h"
#include "StoreWriters.h"
#include "SubjectContent.h"
#include "SvgPicture.h"
#include "TemplateContent.h"
#include "TextRules.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <set>

namespace contentbuilder {

namespace {

const QString kTemplateStore = QStringLiteral("Dravolin.tpl");
const QString kCustomTemplate = QStringLiteral("custom.tpl");
const QString kActivitiesFolder = QStringLiteral("Activities");

// Everything read from content/, checked before anything is written.
struct Content {
    TemplateContent templateContent;
    std::vector<SubjectSet> subjectSets;
    std::vector<CustomStoreContent> customStores;
    std::vector<ActivityContent> activities;
    QString offlinePageSource;
    QString subjectsFolder;  // caption 10
    QString customFolder;    // caption 11
    QString offlinePage;     // caption 95
};

QString dataCaption(const CaptionTable& captions, int row, Language language, const QString& what)
{
    const QString name = captions.row(row).text(language);
    checkFileName(captions.source, "caption " + QString::number(row) + " (" + what + ")", name);
    return name;
}

std::vector<SubjectSet> readSubjectSets(const QString& folder)
{
    std::vector<SubjectSet> sets;
    const QDir dir(folder);
    std::set<QString> fileNames;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        sets.push_back(readSubjectSet(dir.filePath(name)));
        for (const Subject& subject : sets.back().subjects)
            if (!fileNames.insert(subject.fileName.toLower()).second)
                throw ContentError(subject.source, "makes the store " + subject.fileName + ", as another subject does");
    }
    return sets;
}

Content readContent(const BuildOptions& options)
{
    const QDir root(options.contentFolder);
    if (!root.exists()) throw ContentError(options.contentFolder, "the content folder does not exist");
    Content content;
    content.templateContent = readTemplateContent(root.filePath("template"));

    const CaptionTable& captions = content.templateContent.captions;
    content.subjectsFolder = dataCaption(captions, kSubjectsFolderRow, options.language, "subjects folder");
    content.customFolder = dataCaption(captions, kCustomSubjectsFolderRow, options.language, "custom-subjects folder");
    content.offlinePage = dataCaption(captions, kOfflinePageRow, options.language, "offline page");

    content.subjectSets = readSubjectSets(root.filePath("subjects"));
    content.customStores = readCustomStores(root.filePath("custom"), content.subjectSets);
    content.activities = readActivities(root.filePath("activities"));

    content.offlinePageSource = root.filePath("offline/" + columnName(options.language) + ".htm");
    if (!QFileInfo(content.offlinePageSource).isFile())
        throw ContentError(content.offlinePageSource, "the offline page of this interface language is missing");
    return content;
}

// Changes to the builder itself (a table layout, the recording recipe) make every
// file again.
QString builderFingerprint()
{
    QFile self(QCoreApplication::applicationFilePath());
    if (!self.open(QIODevice::ReadOnly)) return QCoreApplication::applicationFilePath();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&self);
    return hash.result().toHex();
}

QString manifestPath(const BuildOptions& options)
{
    const QByteArray folder = QFileInfo(options.programFolder).absoluteFilePath().toUtf8();
    return options.cacheFolder + "/made-" +
           QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16) + ".json";
}

using Recordings = std::map<const Subject*, std::vector<QByteArray>>;

Recordings recordSubjects(const Content& content, const BuildOptions& options, BuildReport& report)
{
    Recordings recordings;
    if (content.subjectSets.empty()) return recordings;
    SpeechRecorder recorder(findSpeechTools(options.toolPaths), options.cacheFolder + "/recordings");
    for (const SubjectSet& set : content.subjectSets)
        for (const Subject& subject : set.subjects)
            for (const Phrase& phrase : subject.phrases)
                recordings[&subject].push_back(recorder.record(phrase.phrase, set.voice));
    report.recordingsMade = recorder.made();
    report.recordingsReused = recorder.reused();
    return recordings;
}

void writeTemplates(OutputFolder& out, const Content& content)
{
    out.make(kTemplateStore, content.templateContent.sources, [&](const QString& path) {
        buildStore(path, [&](platform::Store& store) { fillTemplateStore(store, content.templateContent); });
    });
    out.make(kCustomTemplate, {}, [](const QString& path) {
        buildStore(path, [](platform::Store& store) { fillCustomStore(store, {}); });
    });
    out.make(content.offlinePage, {content.offlinePageSource}, [&](const QString& path) {
        QFile source(content.offlinePageSource);
        QFile page(path);
        if (!source.open(QIODevice::ReadOnly) || !page.open(QIODevice::WriteOnly) ||
            page.write(source.readAll()) != source.size() || !page.flush())
            throw ContentError(content.offlinePageSource, "cannot be copied into the program folder");
    });
}

void writeSubjects(OutputFolder& out, const Content& content, const Recordings& recordings)
{
    out.prepareFolder(content.subjectsFolder);
    for (const SubjectSet& set : content.subjectSets)
        for (const Subject& subject : set.subjects)
            out.make(content.subjectsFolder + "/" + subject.fileName, {set.editionSource, subject.source},
                     [&](const QString& path) {
                         buildStore(path, [&](platform::Store& store) {
                             fillSubjectStore(store, set, subject, recordings.at(&subject));
                         });
                     });
}

void writeCustomStores(OutputFolder& out, const Content& content)
{
    out.prepareFolder(content.customFolder);
    for (const CustomStoreContent& custom : content.customStores)
        out.makeIfMissing(content.customFolder + "/" + custom.fileName(), [&](const QString& path) {
            buildStore(path, [&](platform::Store& store) { fillCustomStore(store, custom); });
        });
}

void writeActivities(OutputFolder& out, const Content& content)
{
    out.prepareFolder(kActivitiesFolder);
    for (const ActivityContent& activity : content.activities) {
        const QStringList inputs{activity.captions.source,     activity.english.normal, activity.english.highlighted,
                                 activity.spanish.normal, activity.spanish.highlighted};
        out.make(kActivitiesFolder + "/" + activity.program + ".cfg", inputs, [&](const QString& path) {
            const ButtonImages images{renderSvgToPng(activity.english.normal), renderSvgToPng(activity.english.highlighted),
                                      renderSvgToPng(activity.spanish.normal), renderSvgToPng(activity.spanish.highlighted)};
            buildStore(path, [&](platform::Store& store) { fillActivityConfigStore(store, activity.captions, images); });
        });
    }
}

}  // namespace

BuildReport buildContent(const BuildOptions& options)
{
    BuildReport report;
    const Content content = readContent(options);
    const Recordings recordings = recordSubjects(content, options, report);

    OutputFolder out(options.programFolder, manifestPath(options), builderFingerprint());
    writeTemplates(out, content);
    writeSubjects(out, content, recordings);
    writeCustomStores(out, content);
    writeActivities(out, content);
    out.finish();

    report.filesMade = out.made();
    report.filesUpToDate = out.upToDate();
    report.filesRemoved = out.removed();
    return report;
}

}  // namespace contentbuilder
