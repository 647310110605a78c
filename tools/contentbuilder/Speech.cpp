#include "Speech.h"

#include "AtomicFile.h"
#include "ContentError.h"
#include "WaveFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace contentbuilder {

namespace {

constexpr int kToolTimeoutMs = 60000;

// Spoken a little slower than the voice's default, which suits learners.
QStringList voiceArguments(const QString& voice)
{
    return {"-b", "1", "-s", "140", "-v", voice};
}

// espeak-ng writes the recording to its standard output: it cuts a file name given
// to -w at 199 characters, which a cache folder in a deep path exceeds.
QStringList espeakArguments(const QString& voice)
{
    return voiceArguments(voice) + QStringList{"--stdin", "--stdout"};
}

// Trims the silence at both ends, leaves a short pause around the voice and brings
// the peak to -4 dBFS (a moderate level), without dither so the output repeats.
QStringList soxArguments(const QString& in, const QString& out)
{
    return {"-D", in, "-b", "16", "-c", "1", out,
            "silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%", "reverse",
            "pad", "0.08", "0.12", "norm", "-4"};
}

QString findTool(const QString& name, const QString& package, const QStringList& searchPaths)
{
    const QString path = QStandardPaths::findExecutable(name, searchPaths);
    if (path.isEmpty())
        throw ContentError(name + " is missing: the phrase recordings are made with it. Install the Debian package " +
                           package + " (scripts/setup.sh does).");
    return path;
}

// Runs a tool on input; returns what it wrote to its standard output.
QByteArray run(const QString& program, const QStringList& arguments, const QByteArray& input, const QString& what)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(kToolTimeoutMs)) throw ContentError(program + " could not be started for " + what);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        throw ContentError(program + " did not finish for " + what);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw ContentError(program + " failed for " + what + ": " +
                           QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return process.readAllStandardOutput();
}

}  // namespace

SpeechTools findSpeechTools(const QStringList& searchPaths)
{
    return {findTool("espeak-ng", "espeak-ng", searchPaths), findTool("sox", "sox", searchPaths)};
}

SpeechRecorder::SpeechRecorder(SpeechTools tools, QString cacheFolder)
    : tools_(std::move(tools)), cacheFolder_(std::move(cacheFolder))
{
    if (!QDir().mkpath(cacheFolder_)) throw ContentError(cacheFolder_, "the recording cache cannot be created");
    removeLeftoverTemporaries(cacheFolder_);
}

QByteArray SpeechRecorder::record(const QString& text, const QString& voice)
{
    // The recipe is part of the name: changing the voice settings makes new recordings.
    const QString recipe = voiceArguments(voice).join(' ') + "|" + soxArguments("", "").join(' ') + "|" + text;
    const QString key = QCryptographicHash::hash(recipe.toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString cached = cacheFolder_ + "/" + key + ".wav";

    QFile file(cached);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (isWaveFile(bytes)) {
            ++reused_;
            return bytes;
        }
    }
    const QByteArray bytes = speak(text, voice, key);
    writeFileAtomically(cached, bytes);
    ++made_;
    return bytes;
}

QByteArray SpeechRecorder::speak(const QString& text, const QString& voice, const QString& workName) const
{
    const QString what = "\"" + text + "\"";
    const QString spoken = cacheFolder_ + "/" + kTemporaryPrefix + "spoken-" + workName + ".wav";
    const QString shaped = cacheFolder_ + "/" + kTemporaryPrefix + "shaped-" + workName + ".wav";
    struct Cleanup {
        QStringList files;
        ~Cleanup()
        {
            for (const QString& f : files) QFile::remove(f);
        }
    } cleanup{{spoken, shaped}};

    const QByteArray speech = run(tools_.espeak, espeakArguments(voice), text.toUtf8(), what);
    QFile spokenFile(spoken);
    if (!spokenFile.open(QIODevice::WriteOnly) || spokenFile.write(speech) != speech.size())
        throw ContentError(spoken, "the recording of " + what + " cannot be written: " + spokenFile.errorString());
    spokenFile.close();
    run(tools_.sox, soxArguments(spoken, shaped), {}, what);

    QFile file(shaped);
    if (!file.open(QIODevice::ReadOnly)) throw ContentError(tools_.sox + " wrote no recording for " + what);
    const QByteArray bytes = file.readAll();
    QString problem;
    if (!isWaveFile(bytes, &problem)) throw ContentError("the recording of " + what + " is not usable: " + problem);
    return bytes;
}

}  // namespace contentbuilder
