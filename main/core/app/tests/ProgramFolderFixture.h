#pragma once

#include <QString>

// A program folder as the build lays it out, made in the test's sandbox: the
// template store with caption rows 1..150 ("Caption <n>" in English, "Texto <n>"
// in Spanish; rows 10 and 11 name the two subject folders), two installed
// subjects and one custom store of this edition, and one activity program.
struct ProgramFolderFixture {
    ProgramFolderFixture();

    QString programDir;  // ends in "/"
    static QString caption(int row);  // the English text of row n
};
