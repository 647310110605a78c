#pragma once

#include "main/core/subjects/NodeTag.h"
#include "main/core/subjects/SubjectContext.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace subjects {

// "VALID" when the installed subject store opens and belongs to this edition,
// "WRONG_LANGUAGE*" + its program code when it belongs to another one, otherwise
// the text of what went wrong. Shows nothing.
QString Check_Subject(const SubjectContext& context, const QString& fileName);

inline const QString kValidSubject = QStringLiteral("VALID");

// Tells the learner what is wrong with a subject whose check was not "VALID".
void Report_Subject_Problem(const SubjectContext& context, const QString& fileName,
                            const QString& result);

// What the check of a custom group or of the random mix found.
struct VirtualSubjectCheck {
    int validCount = 0;
    QStringList missingPhrases;   // translations of phrases whose subject store is missing
    QStringList missingSubjects;  // those stores' file names, upper case
    bool ok() const { return validCount > 0; }
};

// Checks the children of a subject whose phrases come from several subject stores:
// counts those whose store is present and valid, gathers those whose store is
// missing (each phrase and file once) and, when any is missing, offers the
// subjects page. The placeholder of an empty group makes the count 0.
VirtualSubjectCheck checkVirtualSubject(const SubjectContext& context,
                                        const std::vector<NodeTag>& children);

}  // namespace subjects
