#pragma once

// What an activity knows about the study it was started for: the study list's
// values, its phrases with their own sound copies, and its captions. Filled
// once at start-up and never reloaded.
#include "common/activityconfig/Captions.h"

#include <QString>

#include <array>

namespace activity {

inline constexpr int kPhraseSlots = 12;  // slots 1..12; the study list holds at most 10

struct ActivityPhrase {
    QString text1;   // the phrase in the language being learnt
    QString text2;   // its translation
    QString text3;   // the second translation, often empty
    QString sound;   // full path of the activity's own copy of its sound (may not exist)
    int number = 0;  // its position in the list, 1 to mPhraseCount

    bool operator==(const ActivityPhrase&) const = default;
};

struct ActivityStudy {
    QString mProgramCode;        // the edition's program code, e.g. "dvlfre"
    QString mProductTitle;       // first part of the window caption
    QString mInterfaceLanguage;  // "English" or "Spanish": the caption column
    QString mTargetLanguage;     // the language being learnt
    QString mUserName;           // the learner's display name, stored with scores
    QString mSubject;            // the subject's title, shown and stored with scores
    int mPhraseCount = 0;        // 1 to 10 once loaded
    QString mUserStore;          // full path of Users.dat
    // Slots 1..mPhraseCount hold the phrases in list order; slot 0 stays empty.
    std::array<ActivityPhrase, kPhraseSlots + 1> mPhrases{};
    activityconfig::Captions mCaptions;  // mCaptions(k) is caption k
};

}  // namespace activity
