#include "main/users/store/UserRecord.h"

namespace users {

QString displayName(const QString& firstName, const QString& lastName)
{
    return firstName + QLatin1Char(' ') + lastName;
}

QString UserRecord::displayName() const { return users::displayName(firstName, lastName); }

int faceOrDefault(std::int64_t storedIcon)
{
    if (storedIcon < kFirstFace || storedIcon > kLastFace) return kFirstFace;
    return static_cast<int>(storedIcon);
}

}  // namespace users
