#include "activities/framework/windows/SaveScoreFront.h"

#include "activities/framework/windows/FrameworkTexts.h"
#include "activities/framework/windows/UserStoreWait.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/store/Store.h"
#include "platform/ui/Clock.h"
#include "platform/ui/MessageBox.h"

#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace activity {

namespace {

using Saver = std::function<scores::SaveOutcome(platform::Store&, const scores::ScoreEntry&, const scores::Clock&)>;

SaveScoreResult saveAndShow(const ScoreRequest& request, ScoreVariant variant, const Saver& save)
{
    if (!QFileInfo(request.userStorePath).isFile()) return SaveScoreResult::StoreMissing;

    scores::SaveOutcome outcome;
    try {
        const scores::ScoreEntry entry{request.userName, request.subject, request.activity};
        const StoreWaitOutcome waited = withUserStore(request.userStorePath, [&](platform::Store& store) {
            outcome = save(store, entry, [] { return platform::ui::activeClock().now(); });
        });
        if (waited == StoreWaitOutcome::ProgramEnded) return SaveScoreResult::ProgramEnded;
    } catch (const std::exception& error) {
        // The learner reads a plain sentence; what went wrong in the store goes to stderr.
        std::fprintf(stderr, "%s: the score could not be stored in %s: %s\n", qPrintable(request.activity),
                     qPrintable(request.userStorePath), error.what());
        platform::ui::showMessage(scoreNotStoredText(request.interfaceLanguage),
                                  platform::ui::MessageIcon::Exclamation, platform::ui::MessageButtons::Ok,
                                  request.activity);
        return SaveScoreResult::StoreFailed;
    }

    frmScores window(request.random01, request.centreWindow);
    window.setTexts(request.activity, request.subject, request.top10Caption,
                    QStringLiteral("\r\n") + request.beginCaption);
    window.setItems(scoreListItems(outcome, variant, request.numberSuffix));
    window.showModal();
    return SaveScoreResult::Shown;
}

}  // namespace

SaveScoreResult Save_Score(const ScoreRequest& request, std::int64_t score)
{
    return saveAndShow(request, ScoreVariant::Number,
                       [score](platform::Store& store, const scores::ScoreEntry& entry, const scores::Clock& clock) {
                           return scores::saveNumberScore(store, entry, score, clock);
                       });
}

SaveScoreResult Save_Score(const ScoreRequest& request, const QString& elapsed)
{
    return saveAndShow(request, ScoreVariant::Time,
                       [elapsed](platform::Store& store, const scores::ScoreEntry& entry, const scores::Clock& clock) {
                           return scores::saveTimeScore(store, entry, elapsed, clock);
                       });
}

}  // namespace activity
