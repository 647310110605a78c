// The random mix: ten phrases drawn from random installed subjects.
#include "main/core/subjects/tree/SubjectTree.h"

#include "main/core/subjects/SubjectCheck.h"
#include "main/core/subjects/SubjectFiles.h"
#include "main/core/subjects/SubjectStore.h"
#include "main/core/subjects/tree/BusyWindow.h"

#include <vector>

namespace subjects {

namespace {
constexpr int kMixSize = 10;
constexpr int kRefusalsBeforeWaitBox = 10;
constexpr int kWaitBoxHeightTwips = 2000;
}  // namespace

// Adds one random phrase of the subject to the mix; false when the subject gives
// none (a store without rows, or one that cannot be read).
bool SubjectTree::addMixedPhrase(NodeId mix, const QString& subjectFile)
{
    try {
        const QString path = context_.installedPath(subjectFile);
        const std::int64_t count = countSubjectPhrases(path);
        if (count < 1) return false;
        // The k-th row in store order, so gaps in the keys do no harm.
        const auto phrase = readSubjectPhraseAt(path, random_.below(static_cast<int>(count)) + 1);
        if (!phrase) return false;
        addNode(mix, phrase->translation,
                NodeTag::phraseOf(NodeKind::Phrase, subjectFile, phrase->key, phrase->phrase,
                                  phrase->translation, phrase->translation2),
                images::Phrase);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void SubjectTree::Build_Mixed_Subject()
{
    const NodeId mix = selected_;
    if (!nodes_.find(mix) || nodes_.hasChildren(mix)) return;
    BusyWindow busy(context_);
    try {
        installedFiles_ = installedSubjectFiles(context_.settings());
        const int fileCount = static_cast<int>(installedFiles_.size());
        std::vector<bool> refused(fileCount, false);
        int refusedCount = 0;
        int refusals = 0;
        for (int slot = 1; slot <= kMixSize; ++slot) {
            for (;;) {
                if (refusedCount == fileCount) {
                    // No subject can give a phrase: the mix goes until the next click.
                    busy.restore();
                    context_.showBox(QString(), context_.caption(caption::NoRandomSubject), MessageIcon::None);
                    const NodeId folder = nodes_.parentOf(mix);
                    nodes_.remove(mix);
                    Collapse(folder);
                    select(folder);
                    return;
                }
                // Draw among the subjects not refused yet.
                int pick = random_.below(fileCount - refusedCount);
                int entry = 0;
                while (refused[entry] || pick-- > 0) ++entry;
                const QString& file = installedFiles_.at(entry);
                if (Check_Subject(context_, file) == kValidSubject && addMixedPhrase(mix, file)) break;
                refused[entry] = true;
                ++refusedCount;
                if (refusedCount == fileCount) continue;
                if (++refusals > kRefusalsBeforeWaitBox) {
                    const QString text = context_.caption(caption::SubjectSkipped) + "\n\n" + file;
                    if (busy.showWaitBox(context_.caption(caption::RandomPhrases), text, kWaitBoxHeightTwips))
                        context_.wait(1);
                    context_.processEvents();
                    if (!nodes_.find(mix)) return;  // the tree was rebuilt meanwhile
                }
            }
        }
    } catch (const std::exception& error) {
        busy.restore();
        context_.errorBox(QStringLiteral("Build_Mixed_Subject"), QString::fromUtf8(error.what()));
    }
    Expand(mix);
}

}  // namespace subjects
