#pragma once

#include <QString>

// What a successful sign-in changes on the main window. The main window
// implements it; the sign-in window knows nothing else of it.
class SignInTarget {
public:
    virtual ~SignInTarget() = default;

    // Only the administrator gets the administration button and the phrase menu.
    virtual void setAdministratorCommandsEnabled(bool enabled) = 0;
    // Captions of the tree's phrase menu entries (edit, listen).
    virtual void setPhraseMenuCaptions(const QString& edit, const QString& listen) = 0;
    // The welcome line and the window title that name the learner.
    virtual void setWelcome(const QString& text) = 0;
    virtual void setTitle(const QString& title) = 0;
    // Shows the main window and starts its message ticker.
    virtual void showSignedIn() = 0;
    // Closing the sign-in window without signing in ends the program through here.
    virtual void unloadAndEnd() = 0;
};
