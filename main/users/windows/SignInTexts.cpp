#include "main/users/windows/SignInTexts.h"

namespace users {

QString signInTitle(const startup::CaptionTable& captions, const QString& productTitle)
{
    return captions[caption::SignInTitle] + QLatin1Char(' ') + productTitle;
}

QString welcomeLine(const startup::CaptionTable& captions, const QString& productTitle,
                    const QString& userName)
{
    return captions[caption::Welcome] + QLatin1Char(' ') + productTitle + QLatin1Char(' ') + userName;
}

QString signedInTitle(const QString& productTitle, const QString& userName)
{
    return productTitle + QStringLiteral("  [") + userName + QLatin1Char(']');
}

QString storeFailureText(const LoadResult& result, const startup::CaptionTable& captions,
                         const QString& productTitle)
{
    if (result.outcome == LoadOutcome::CannotCreate)
        return result.errorText + QStringLiteral("\n\n") + captions[caption::CannotCreateUserList] +
               QLatin1Char('\n') + result.storePath;
    QString error = result.errorText;
    // The damaged file is kept, renamed; the learner is told where it went.
    if (result.outcome == LoadOutcome::SetAside)
        error += QLatin1Char('\n') + captions[caption::DamagedFileKeptAs] + QLatin1Char(' ') + result.setAsidePath;
    return captions[caption::UserListUnreadable] + QStringLiteral(" Error#001 ") + error +
           QStringLiteral("\n\n") + productTitle + QLatin1Char(' ') + captions[caption::WillCloseNow];
}

}  // namespace users
