#include "TextRules.h"

#include "ContentError.h"
#include "JsonFile.h"
#include "platform/files/Paths.h"

namespace contentbuilder {

namespace {

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}

}  // namespace

void checkPlainText(const JsonFile& file, const QString& where, const QString& text)
{
    if (hasControlCharacter(text)) file.fail(where, "holds a control character (line break, tab, ...)");
}

void checkPhraseText(const JsonFile& file, const QString& where, const QString& text)
{
    checkPlainText(file, where, text);
    if (text.contains('*')) file.fail(where, "must not contain \"*\"");
    if (text.contains('"')) file.fail(where, "must not contain a double quote");
    if (text != text.trimmed()) file.fail(where, "must not begin or end with a blank");
    if (text.size() > kMaxPhraseTextLength)
        file.fail(where, "is " + QString::number(text.size()) + " characters long; at most " +
                             QString::number(kMaxPhraseTextLength) + " fit every activity");
}

bool isSafeFileName(const QString& name)
{
    return !name.isEmpty() && name == name.trimmed() && platform::isSafeFileName(name);
}

void checkFileName(const QString& source, const QString& what, const QString& name)
{
    if (!isSafeFileName(name))
        throw ContentError(source, what + " \"" + name +
                                       "\" cannot be a file name (empty, blanks around it, \".\", \"..\", "
                                       "or one of / \\ : * ? \" < > |)");
}

}  // namespace contentbuilder
