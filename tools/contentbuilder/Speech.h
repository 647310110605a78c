#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace contentbuilder {

// The programs that make the phrase recordings: espeak-ng speaks, sox trims the
// silence around the voice and sets a moderate level.
struct SpeechTools {
    QString espeak;
    QString sox;
};

// Looks both up in the given folders (the PATH when empty); throws ContentError
// naming the Debian package when one is missing.
SpeechTools findSpeechTools(const QStringList& searchPaths = {});

// Makes recordings and keeps each one in a cache folder under a name derived from
// its text, voice and recipe, so a rebuild speaks only new or changed phrases.
class SpeechRecorder {
public:
    SpeechRecorder(SpeechTools tools, QString cacheFolder);

    // The whole WAV file of the text spoken by the voice. Throws ContentError when a
    // tool fails or gives no valid recording.
    QByteArray record(const QString& text, const QString& voice);

    int made() const { return made_; }
    int reused() const { return reused_; }

private:
    QByteArray speak(const QString& text, const QString& voice, const QString& workName) const;

    SpeechTools tools_;
    QString cacheFolder_;
    int made_ = 0;
    int reused_ = 0;
};

}  // namespace contentbuilder
