#pragma once

#include <QString>

// Texts the framework shows before or without an activity's captions.
namespace activity {

// The vendor's web address named in the older-version message.
QString vendorWebAddress();

// A configuration store that cannot be read. activityName names the activity
// in place of "this activity" (one activity asks for that); empty for the rest.
QString olderVersionText(const QString& activityName = {});

// A study list that is missing or refused (the captions are not read yet, so
// the text is built in, in both interface languages).
QString studyListRefusedText(const QString& reason);

// A score that could not be stored because the user store failed, as the
// learner reads it: a plain sentence in the interface language (the technical
// reason is for the error stream, not for the learner).
QString scoreNotStoredText(const QString& interfaceLanguage);

}  // namespace activity
