#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A small content folder in the sandbox: the real template texts and offline pages,
// with a few tiny subjects (quick to speak) in place of the shipped ones.
class ContentFixture {
public:
    // The folders go under `under`, a path inside the sandbox ("" for the sandbox itself).
    explicit ContentFixture(const QString& under = {});

    QString content;  // the content folder
    QString program;  // an empty program folder to build into
    QString cache;

    struct PhraseText {
        QString phrase, translation, translation2;
    };
    // Writes content/subjects/test/<name>.json (title from the name: "tiny_words" -> "Tiny Words").
    QString writeSubject(const QString& name, const std::vector<PhraseText>& phrases) const;
    // Writes content/activities/<program>/ with two caption rows and four square pictures.
    void writeActivity(const QString& programName, int pictureSize) const;
    // Replaces one caption's text in the fixture's captions.json.
    void setCaption(int row, const QString& language, const QString& text) const;

    struct Run {
        int exitCode = -1;
        QString output;  // stdout and stderr together
    };
    // Runs the builder executable on the fixture; extraEnvironment as "NAME=value".
    Run build(const QStringList& extraEnvironment = {}, const QStringList& extraArguments = {}) const;
};

// Every file under a folder (relative path -> bytes), hidden files included.
std::vector<std::pair<QString, QByteArray>> folderSnapshot(const QString& folder);
