#include "main/core/subjects/NodeTag.h"

#include <QStringList>

namespace subjects {

NodeTag NodeTag::topFolder(NodeKind kind)
{
    NodeTag tag;
    tag.kind = kind;
    return tag;
}

NodeTag NodeTag::customFolder(const QString& storeFile)
{
    NodeTag tag;
    tag.kind = NodeKind::CustomFolder;
    tag.file = storeFile;
    return tag;
}

NodeTag NodeTag::subject(NodeKind kind, const QString& subjectFile)
{
    NodeTag tag;
    tag.kind = kind;
    tag.file = subjectFile;
    return tag;
}

NodeTag NodeTag::randomMix()
{
    NodeTag tag;
    tag.kind = NodeKind::RandomMix;
    return tag;
}

NodeTag NodeTag::customGroup(std::int64_t groupKey)
{
    NodeTag tag;
    tag.kind = NodeKind::CustomGroup;
    tag.groupKey = groupKey;
    return tag;
}

NodeTag NodeTag::phraseOf(NodeKind kind, const QString& subjectFile, std::int64_t key,
                          const QString& phrase, const QString& translation,
                          const QString& translation2)
{
    NodeTag tag;
    tag.kind = kind;
    tag.file = subjectFile;
    tag.key = key;
    tag.phrase = phrase;
    tag.translation = translation;
    tag.translation2 = translation2;
    return tag;
}

NodeTag NodeTag::placeholder()
{
    return NodeTag{};
}

bool NodeTag::isFolder() const
{
    switch (kind) {
    case NodeKind::InstalledFolder:
    case NodeKind::RandomSubjectFolder:
    case NodeKind::RandomPhrasesFolder:
    case NodeKind::CustomFolder:
        return true;
    default:
        return false;
    }
}

bool NodeTag::isSubject() const
{
    switch (kind) {
    case NodeKind::InstalledSubject:
    case NodeKind::RandomSubject:
    case NodeKind::RandomMix:
    case NodeKind::CustomGroup:
        return true;
    default:
        return false;
    }
}

bool NodeTag::isPhrase() const
{
    return kind == NodeKind::Phrase || kind == NodeKind::CustomPhrase;
}

bool NodeTag::isVirtual() const
{
    return kind == NodeKind::RandomMix || kind == NodeKind::CustomGroup;
}

QString NodeTag::joined() const
{
    switch (kind) {
    case NodeKind::InstalledFolder:
        return QStringLiteral("FOLDER*INSTALLED_SUBJECTS");
    case NodeKind::RandomSubjectFolder:
        return QStringLiteral("FOLDER*RANDOM_SUBJECT");
    case NodeKind::RandomPhrasesFolder:
        return QStringLiteral("FOLDER*RANDOM_PHRASES");
    case NodeKind::CustomFolder:
        return QStringLiteral("FOLDER*") + file;
    case NodeKind::InstalledSubject:
    case NodeKind::RandomSubject:
        return QStringLiteral("SUBJECT*") + file;
    case NodeKind::RandomMix:
        return QStringLiteral("SUBJECT*VIRTUALSUBJECT");
    case NodeKind::CustomGroup:
        return QStringLiteral("SUBJECT*VIRTUALSUBJECT*") + QString::number(groupKey);
    case NodeKind::Phrase:
    case NodeKind::CustomPhrase:
        return QStringList{file, QString::number(key), phrase, translation, translation2}.join('*');
    case NodeKind::Placeholder:
        break;
    }
    return QStringLiteral("IGNORE");
}

std::optional<QString> tagField(const QString& joinedTag, int part)
{
    const QStringList fields = joinedTag.split('*');
    if (part < 0 || part >= fields.size()) return std::nullopt;
    return fields.at(part);
}

}  // namespace subjects
