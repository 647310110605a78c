#pragma once

#include <QString>

// A program folder as the build lays it out, made in the test's sandbox: the
// template store with every caption row the program reads ("Caption <n>" in English, "Texto <n>"
// in Spanish; rows 10 and 11 name the two subject folders), two system messages,
// three tips for every edition and three menu links; two installed subjects of
// this edition ("food": bread, cheese, apple; "Colours": ten phrases "colour 1"..),
// one custom store "Example" with the group "Meal" (bread and apple from food),
// two activity programs with their configuration stores ("01cardflip",
// "05jumbler"), and the user store "Users.dat" with the learners
// "Ada Admin" (the administrator) and "Ben Learner", neither with a password.
struct ProgramFolderFixture {
    ProgramFolderFixture();

    QString programDir;  // ends in "/"
    static QString caption(int row);  // the English text of row n
};
