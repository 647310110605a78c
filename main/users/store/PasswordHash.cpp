#include "main/users/store/PasswordHash.h"

#include "platform/ui/TextCase.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

#include <optional>

namespace users {
namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
// A hand-edited store must not make a sign-in run for minutes.
constexpr int kMaxIterations = 10000000;

struct ParsedHash {
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

QByteArray deriveKey(const QString& typed, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256,
                                              normalizedPassword(typed).toUtf8(), salt, iterations,
                                              kKeyBytes);
}

QByteArray decodeBase64(const QString& text)
{
    const auto result = QByteArray::fromBase64Encoding(text.toLatin1(),
                                                       QByteArray::AbortOnBase64DecodingErrors);
    return result ? *result : QByteArray();
}

std::optional<ParsedHash> parseHash(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != kScheme) return std::nullopt;
    bool numeric = false;
    ParsedHash parsed;
    parsed.iterations = parts[1].toInt(&numeric);
    if (!numeric || parsed.iterations < 1 || parsed.iterations > kMaxIterations) return std::nullopt;
    parsed.salt = decodeBase64(parts[2]);
    parsed.key = decodeBase64(parts[3]);
    if (parsed.salt.isEmpty() || parsed.key.size() != kKeyBytes) return std::nullopt;
    return parsed;
}

// Takes as long for a near miss as for a far one.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace

QString normalizedPassword(const QString& typed) { return platform::ui::ucase(typed.trimmed()); }

QString hashPassword(const QString& typed, int iterations)
{
    if (normalizedPassword(typed).isEmpty()) return QString();
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray key = deriveKey(typed, salt, iterations);
    return QStringList{kScheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(key.toBase64())}
        .join(QLatin1Char('$'));
}

bool passwordMatches(const QString& stored, const QString& typed)
{
    if (stored.isEmpty()) return true;
    const std::optional<ParsedHash> parsed = parseHash(stored);
    if (!parsed) return false;
    return sameBytes(deriveKey(typed, parsed->salt, parsed->iterations), parsed->key);
}

}  // namespace users
