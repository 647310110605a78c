#include "main/core/subjects/SubjectCheck.h"

#include "main/core/subjects/SubjectStore.h"
#include "platform/files/Paths.h"
#include "platform/store/Store.h"
#include "platform/ui/TextCase.h"

namespace subjects {

namespace {

const QString kWrongLanguage = QStringLiteral("WRONG_LANGUAGE");
const QString kSubjectsPage = QStringLiteral("subjects.htm");

// Adds a line to a list unless the list holds that very line already.
void addOnce(QStringList& list, const QString& line)
{
    if (!list.contains(line)) list.append(line);
}

QString lines(const QStringList& list)
{
    QString text;
    for (const QString& line : list) text += line + '\n';
    return text;
}

}  // namespace

QString Check_Subject(const SubjectContext& context, const QString& fileName)
{
    try {
        const QString code = readProgramCode(context.installedPath(fileName));
        if (code == context.settings().programCode) return kValidSubject;
        return kWrongLanguage + '*' + code;
    } catch (const platform::StoreException& error) {
        return error.text();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
}

void Report_Subject_Problem(const SubjectContext& context, const QString& fileName,
                            const QString& result)
{
    const QString title = context.caption(caption::SubjectProblem);
    if (tagField(result, 0) == kWrongLanguage) {
        context.showBox(title,
                        fileName + context.caption(caption::OtherEdition) + ' ' + context.settings().productTitle,
                        MessageIcon::Exclamation);
        return;
    }
    const QString text = result + "\n\n" + fileName + context.caption(caption::CouldNotOpen) + "\n\n" + context.caption(caption::VisitWebSite);
    if (context.showBox(title, text, MessageIcon::None, MessageButtons::YesNo) == MessageAnswer::Yes)
        context.openWebPage(kSubjectsPage);
}

VirtualSubjectCheck checkVirtualSubject(const SubjectContext& context,
                                        const std::vector<NodeTag>& children)
{
    VirtualSubjectCheck check;
    for (const NodeTag& child : children) {
        if (child.kind == NodeKind::Placeholder) {
            check.validCount = 0;
            break;
        }
        if (platform::fileExists(context.installedPath(child.file))) {
            if (Check_Subject(context, child.file) == kValidSubject) ++check.validCount;
        } else {
            addOnce(check.missingPhrases, child.translation);
            addOnce(check.missingSubjects, platform::ui::ucase(child.file));
        }
    }
    if (!check.missingSubjects.isEmpty()) {
        const QString text = context.caption(caption::PhrasesCannotBeStudied) + "\n\n" + lines(check.missingPhrases) + '\n' +
                             context.caption(caption::SubjectsNotInstalled) + "\n\n" + lines(check.missingSubjects) + '\n' +
                             context.caption(caption::VisitWebSite);
        if (context.showBox(context.caption(caption::MissingSubjects), text, MessageIcon::None, MessageButtons::YesNo) ==
            MessageAnswer::Yes)
            context.openWebPage(kSubjectsPage);
    }
    return check;
}

}  // namespace subjects
