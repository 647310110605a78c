#pragma once

// Starting the probe activity as the main program starts an activity: a program
// folder holding a copy of the probe and its configuration store, the main
// program's study list and sounds in the private temporary folder, one argument.
#include "activities/framework/testkit/ActivityTestKit.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class ProbeLaunch {
public:
    // Lays out <root>/Activities/ (the probe and framework_probe.cfg) and an
    // empty user store <root>/data/Users.dat.
    ProbeLaunch(const QString& probeExecutable, const QString& root);
    ~ProbeLaunch();

    // The main program's side of a launch of phraseCount phrases.
    activitytest::Launch writeLaunch(int phraseCount, const std::set<int>& silentSlots = {});

    // Starts the probe with the one argument; extra "NAME=value" entries join its environment.
    bool start(const QString& argument, const QStringList& environment = {});
    // Waits until the probe has written a line starting with prefix; the line, or "" on timeout.
    QString waitForLine(const QString& prefix, int timeoutMs = 20000);
    QStringList lines() const { return lines_; }

    QProcess& process() { return *process_; }
    QString appFolder() const { return appFolder_; }
    QString tempFolder() const { return tempFolder_; }
    QString userStore() const { return userStore_; }

private:
    void readLines();

    QString appFolder_;
    QString tempFolder_;
    QString userStore_;
    QString probe_;
    std::unique_ptr<QProcess> process_;
    QByteArray pending_;
    QStringList lines_;
};
