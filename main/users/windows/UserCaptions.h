#pragma once

namespace users {

// Caption rows the sign-in window and the profile dialog show (the profile
// dialog's messages are in ProfileValidation.h).
enum UserCaption {
    kCaptionOk = 8,
    kCaptionCancel = 9,
    kCaptionInstructions = 26,
    kCaptionNewUser = 27,
    kCaptionSignIn = 28,
    kCaptionSignInTitle = 29,
    kCaptionNewUserTitle = 30,
    kCaptionFirstName = 31,
    kCaptionLastName = 32,
    kCaptionChooseFace = 33,
    kCaptionUsePassword = 35,
    kCaptionPassword = 37,
    kCaptionPasswordAgain = 38,
    kCaptionWrongPassword = 39,
    kCaptionListUnreadable = 40,
    kCaptionWillClose = 41,
    kCaptionEditUser = 44,
    kCaptionEditTitle = 45,
    kCaptionWelcome = 62,
    kCaptionCannotCreateList = 88,
    kCaptionEditPhrase = 111,
    kCaptionListenToPhrase = 112,
    kCaptionErrorHeading = 149,
    kCaptionKeptAs = 151,
};

}  // namespace users
