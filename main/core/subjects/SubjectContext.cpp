#include "main/core/subjects/SubjectContext.h"

namespace subjects {

QString SubjectContext::caption(caption::Row row) const
{
    return settings_.caption ? settings_.caption(row) : QString();
}

QString SubjectContext::installedPath(const QString& subjectFile) const
{
    return settings_.installedSubjectsDir + subjectFile;
}

QString SubjectContext::customPath(const QString& storeFile) const
{
    return settings_.virtualSubjectsDir + storeFile;
}

MessageAnswer SubjectContext::showBox(const QString& title, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) const
{
    if (hooks_.messageBox) return hooks_.messageBox(MessageRequest{title, text, icon, buttons});
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void SubjectContext::errorBox(const QString& procedure, const QString& error) const
{
    if (hooks_.errorBox) hooks_.errorBox(procedure, error);
}

void SubjectContext::openWebPage(const QString& page) const
{
    if (hooks_.openWebPage) hooks_.openWebPage(page);
}

void SubjectContext::splashLine(const QString& line) const
{
    if (hooks_.splashLine) hooks_.splashLine(line);
}

void SubjectContext::messageWindowText(const QString& text) const
{
    if (hooks_.messageWindowText) hooks_.messageWindowText(text);
}

void SubjectContext::processEvents() const
{
    if (hooks_.processEvents) hooks_.processEvents();
}

void SubjectContext::setMainWindowEnabled(bool enabled) const
{
    if (hooks_.setMainWindowEnabled) hooks_.setMainWindowEnabled(enabled);
}

void SubjectContext::showWaitBox(const QString& title, const QString& text, int heightTwips) const
{
    if (hooks_.showWaitBox) hooks_.showWaitBox(title, text, heightTwips);
}

void SubjectContext::setWaitBoxText(const QString& text) const
{
    if (hooks_.setWaitBoxText) hooks_.setWaitBoxText(text);
}

void SubjectContext::closeWaitBox() const
{
    if (hooks_.closeWaitBox) hooks_.closeWaitBox();
}

void SubjectContext::wait(int seconds) const
{
    if (hooks_.wait) hooks_.wait(seconds);
}

}  // namespace subjects
