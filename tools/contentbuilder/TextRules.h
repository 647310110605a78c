#pragma once

#include <QString>

namespace contentbuilder {

class JsonFile;

// Texts that reach the phrase tables and the subject tree: no "*" (it joins the
// fields of a tree node), no double quote (it ends a value of the study list file),
// no control character, no blanks around it, and short enough for every activity
// (the typing drill refuses texts over 36 characters).
constexpr int kMaxPhraseTextLength = 36;
void checkPhraseText(const JsonFile& file, const QString& where, const QString& text);

// Any shipped text: no control character (a line break would split a study list line
// or a menu entry).
void checkPlainText(const JsonFile& file, const QString& where, const QString& text);

// Texts that become a file or folder name in the program folder: a safe file
// name, not empty and without blanks around it.
bool isSafeFileName(const QString& name);
void checkFileName(const QString& source, const QString& what, const QString& name);

}  // namespace contentbuilder
