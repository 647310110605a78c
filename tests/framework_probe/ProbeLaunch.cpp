#include "ProbeLaunch.h"

#include "main/core/shared/TempPath.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

ProbeLaunch::ProbeLaunch(const QString& probeExecutable, const QString& root)
    : appFolder_(root + QStringLiteral("/Activities/")),
      tempFolder_(shared::Get_Temp_Path()),
      userStore_(root + QStringLiteral("/data/Users.dat")),
      probe_(appFolder_ + QStringLiteral("framework_probe")),
      process_(std::make_unique<QProcess>())
{
    QDir().mkpath(appFolder_);
    QDir().mkpath(root + QStringLiteral("/data"));
    QFile::remove(probe_);
    QFile::copy(probeExecutable, probe_);
    QFile::setPermissions(probe_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList captions = activitytest::numberedCaptions(20, QStringLiteral("caption"));
    captions[1] = QStringLiteral("Probe");
    captions[2] = QStringLiteral("Read the phrases, then press PLAY.");
    captions[4] = QStringLiteral("points");
    captions[12] = QStringLiteral("How to play");
    captions[13] = QStringLiteral("PLAY");
    activitytest::makeConfigStore(appFolder_, QStringLiteral("framework_probe"), captions);
    QFile::remove(userStore_);
    platform::Store store = platform::Store::create(userStore_);
    schema::createUserTables(store);
}

ProbeLaunch::~ProbeLaunch()
{
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

activitytest::Launch ProbeLaunch::writeLaunch(int phraseCount, const std::set<int>& silentSlots)
{
    return activitytest::writeLaunch(tempFolder_, phraseCount, userStore_, silentSlots);
}

bool ProbeLaunch::start(const QString& argument, const QStringList& environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment) {
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    }
    process_->setProcessEnvironment(env);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pending_.clear();
    lines_.clear();
    process_->start(probe_, {argument});
    return process_->waitForStarted(10000);
}

void ProbeLaunch::readLines()
{
    pending_ += process_->readAllStandardOutput();
    qsizetype end = 0;
    while ((end = pending_.indexOf('\n')) >= 0) {
        lines_ << QString::fromUtf8(pending_.left(end));
        pending_.remove(0, end + 1);
    }
}

QString ProbeLaunch::waitForLine(const QString& prefix, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype checked = 0;
    while (true) {
        readLines();
        for (; checked < lines_.size(); ++checked) {
            if (lines_[checked].startsWith(prefix)) return lines_[checked];
        }
        if (deadline.hasExpired() || process_->state() == QProcess::NotRunning) return {};
        process_->waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
}
