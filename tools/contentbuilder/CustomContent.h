#pragma once

#include "SubjectContent.h"

#include <QString>

#include <vector>

namespace contentbuilder {

// One phrase of a shipped custom subject: a reference to an installed phrase, with a
// copy of its texts taken from that subject (so the copy always matches).
struct CustomPhrase {
    const Subject* subject = nullptr;
    int key = 0;  // the phrase's key in that subject store
    const Phrase& phrase() const { return subject->phrases[static_cast<size_t>(key - 1)]; }
};

struct CustomGroup {
    QString name;
    std::vector<CustomPhrase> phrases;
};

// A custom subject store shipped in the custom-subjects folder.
struct CustomStoreContent {
    QString name;       // the folder name the tree shows; the file is name + ".v" + extension
    QString extension;  // of the installed subjects it refers to
    std::vector<CustomGroup> groups;

    QString fileName() const { return name + ".v" + extension; }
};

// Reads every *.json of content/custom/, resolving the references against the
// installed subject sets already read.
std::vector<CustomStoreContent> readCustomStores(const QString& folder, const std::vector<SubjectSet>& subjectSets);

}  // namespace contentbuilder
