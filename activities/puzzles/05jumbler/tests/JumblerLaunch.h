#pragma once

// A launch of the letter scramble as the main program makes it: the study list
// and phrase sounds written by the real writer into the temporary folder, the
// shipped configuration store in the built Activities folder.
#include "activities/framework/testkit/ActivityTestKit.h"

#include <QString>
#include <QStringList>

namespace jumblertest {

// The built program folder's Activities folder (ends with "/").
QString activitiesFolder();

// Writes the main program's files for these phrase texts (translation i is
// "translation i") into tempFolder.
activitytest::Launch writeLaunch(const QString& tempFolder, const QStringList& phrases,
                                 const QString& userStorePath);

// A fresh user store in the sandbox, made from the built template.
QString makeUserStore();

}  // namespace jumblertest
