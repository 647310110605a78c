#pragma once

#include "main/core/startup/CaptionRows.h"
#include "platform/ui/MessageBox.h"

#include <QString>

#include <functional>

namespace subjects {

using platform::ui::MessageAnswer;
using platform::ui::MessageButtons;
using platform::ui::MessageIcon;
using platform::ui::MessageRequest;

// The edition, folders and texts the subject code works with. Folders end in "/".
struct SubjectSettings {
    QString programCode;           // e.g. "dvlfre"
    QString productTitle;
    QString languageCode;          // three-letter subject extension, e.g. "fre"
    QString installedSubjectsDir;  // installed subject stores
    QString virtualSubjectsDir;    // custom subject stores
    std::function<QString(caption::Row row)> caption;  // the main program's caption table
};

// What the subject code asks of the windows around it. Every hook may stay empty:
// boxes then answer OK / No and everything else does nothing.
struct SubjectHooks {
    // A box with an empty title carries the program's own title.
    std::function<MessageAnswer(const MessageRequest&)> messageBox;
    // The "ERROR" box: caption 149, a blank line, "<procedure>: <error>".
    std::function<void(const QString& procedure, const QString& error)> errorBox;
    std::function<void(const QString& page)> openWebPage;
    // One progress line for the splash window (it puts the line on top of its log).
    std::function<void(const QString& line)> splashLine;
    // The label of the message window, when one is showing.
    std::function<void(const QString& text)> messageWindowText;
    std::function<void()> processEvents;
    std::function<void(bool enabled)> setMainWindowEnabled;
    // The message window used as a modeless wait box.
    std::function<void(const QString& title, const QString& text, int heightTwips)> showWaitBox;
    std::function<void(const QString& text)> setWaitBoxText;
    std::function<void()> closeWaitBox;
    std::function<void(int seconds)> wait;
};

// Settings and hooks together, with calls that are safe when a hook is empty.
class SubjectContext {
public:
    SubjectContext() = default;
    SubjectContext(SubjectSettings settings, SubjectHooks hooks)
        : settings_(std::move(settings)), hooks_(std::move(hooks)) {}

    const SubjectSettings& settings() const { return settings_; }
    SubjectHooks& hooks() { return hooks_; }
    const SubjectHooks& hooks() const { return hooks_; }

    QString caption(caption::Row row) const;
    QString installedPath(const QString& subjectFile) const;
    QString customPath(const QString& storeFile) const;

    MessageAnswer showBox(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok) const;
    void errorBox(const QString& procedure, const QString& error) const;
    void openWebPage(const QString& page) const;
    void splashLine(const QString& line) const;
    void messageWindowText(const QString& text) const;
    void processEvents() const;
    void setMainWindowEnabled(bool enabled) const;
    void showWaitBox(const QString& title, const QString& text, int heightTwips) const;
    void setWaitBoxText(const QString& text) const;
    void closeWaitBox() const;
    void wait(int seconds) const;

private:
    SubjectSettings settings_;
    SubjectHooks hooks_;
};

}  // namespace subjects
