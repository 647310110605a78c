#include "ActivityContent.h"

#include "ContentError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace contentbuilder {

namespace {

QString requiredFile(const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!QFileInfo(path).isFile()) throw ContentError(dir.path(), "lacks the picture " + name);
    return path;
}

ButtonPictures readPictures(const QDir& dir, Language language)
{
    const QString prefix = columnName(language);
    return {requiredFile(dir, prefix + "-normal.svg"), requiredFile(dir, prefix + "-highlighted.svg")};
}

}  // namespace

std::vector<ActivityContent> readActivities(const QString& folder)
{
    std::vector<ActivityContent> activities;
    const QDir root(folder);
    if (!root.exists()) return activities;
    // Activity programs are executables without a "." in their name.
    static const QRegularExpression programName("^[A-Za-z0-9_-]+$");
    for (const QString& program : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!programName.match(program).hasMatch())
            throw ContentError(root.filePath(program), "is not an activity program name (letters, digits, _ and -)");
        const QDir dir(root.filePath(program));
        ActivityContent activity;
        activity.program = program;
        activity.captions = readCaptionTable(dir.filePath("captions.json"));
        activity.english = readPictures(dir, Language::English);
        activity.spanish = readPictures(dir, Language::Spanish);
        activities.push_back(activity);
    }
    return activities;
}

}  // namespace contentbuilder
