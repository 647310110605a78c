#include "ContentFixture.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>

namespace {

QString sourceContent(const QString& relative)
{
    return testsupport::sourceDir() + "/content/" + relative;
}

void copySource(const QString& relative, const QString& contentFolder)
{
    testsupport::writeFile(contentFolder + relative, testsupport::readFile(sourceContent(relative)));
}

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson();
}

QString titleOf(const QString& name)
{
    QStringList words = name.split('_');
    for (QString& word : words) word[0] = word[0].toUpper();
    return words.join(' ');
}

}  // namespace

ContentFixture::ContentFixture(const QString& under)
    : content(testsupport::makeFolder(under + "content")), program(testsupport::makeFolder(under + "program")),
      cache(testsupport::makeFolder(under + "cache"))
{
    for (const char* file : {"template/captions.json", "template/messages.json", "template/tips.json",
                             "template/menu.json", "offline/English.htm", "offline/Spanish.htm"})
        copySource(file, content);
    testsupport::writeFile(content + "subjects/test/edition.json",
                           json({{"programCode", "dvlfre"}, {"extension", "fre"}, {"voice", "fr"}}));
    writeSubject("tiny_words", {{"oui", "yes", ""}, {"non", "no", "not at all"}});
    writeSubject("small_talk", {{"Ça va ?", "How are you?", ""}});
    testsupport::writeFile(
        content + "custom/sample.json",
        json({{"name", "Sample"},
              {"subjects", "test"},
              {"groups", QJsonArray{QJsonObject{{"name", "Mixed"},
                                                {"phrases", QJsonArray{QJsonObject{{"subject", "small_talk"}, {"key", 1}},
                                                                       QJsonObject{{"subject", "tiny_words"}, {"key", 2}}}}}}}}));
}

QString ContentFixture::writeSubject(const QString& name, const std::vector<PhraseText>& phrases) const
{
    QJsonArray list;
    for (const PhraseText& p : phrases)
        list.append(QJsonObject{{"phrase", p.phrase}, {"translation", p.translation}, {"translation2", p.translation2}});
    return testsupport::writeFile(content + "subjects/test/" + name + ".json",
                                  json({{"title", titleOf(name)}, {"phrases", list}}));
}

void ContentFixture::writeActivity(const QString& programName, int pictureSize) const
{
    const QString folder = content + "activities/" + programName + "/";
    testsupport::writeFile(folder + "captions.json",
                           json({{"captions", QJsonArray{QJsonObject{{"row", 1}, {"English", "Play"}, {"Spanish", "Jugar"}},
                                                         QJsonObject{{"row", 3}, {"English", "Demo"}, {"Spanish", "Demostración"}}}}}));
    const QString size = QString::number(pictureSize);
    int shade = 0;
    for (const char* name : {"English-normal", "English-highlighted", "Spanish-normal", "Spanish-highlighted"}) {
        const QString colour = QString("#%1%1%1").arg(0x30 + 0x30 * shade++, 2, 16, QChar('0'));
        testsupport::writeFile(folder + name + ".svg",
                               QString("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'>"
                                       "<rect width='%1' height='%1' fill='%2'/></svg>")
                                   .arg(size, colour)
                                   .toUtf8());
    }
}

void ContentFixture::setCaption(int row, const QString& language, const QString& text) const
{
    const QString path = content + "template/captions.json";
    QJsonObject root = QJsonDocument::fromJson(testsupport::readFile(path)).object();
    QJsonArray rows = root.value("captions").toArray();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QJsonObject entry = rows[i].toObject();
        if (entry.value("row").toInt() != row) continue;
        entry.insert(language, text);
        rows[i] = entry;
    }
    root.insert("captions", rows);
    testsupport::writeFile(path, json(root));
}

ContentFixture::Run ContentFixture::build(const QStringList& extraEnvironment, const QStringList& extraArguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : extraEnvironment)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(CONTENTBUILDER_EXE, QStringList{content, program, "--cache", cache} + extraArguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.output = "the builder did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

std::vector<std::pair<QString, QByteArray>> folderSnapshot(const QString& folder)
{
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.emplace_back(root.relativeFilePath(path), testsupport::readFile(path));
    }
    std::sort(files.begin(), files.end());
    return files;
}
