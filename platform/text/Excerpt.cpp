#include "platform/text/Excerpt.h"

#include <algorithm>

namespace platform::text {

QString excerpt(const QString& value, qsizetype maxChars)
{
    if (value.size() <= maxChars) return value;
    qsizetype cut = std::max<qsizetype>(maxChars, 0);
    if (cut > 0 && value[cut - 1].isHighSurrogate()) --cut;
    return value.left(cut) + QStringLiteral("...");
}

}  // namespace platform::text
