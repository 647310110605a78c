#pragma once

#include <QString>

namespace benchkit {

// The benchmarks' windows need no display: the offscreen platform unless one is chosen.
void preferOffscreen();

// Fills <folder>/Subjects with `installed` subject stores of ten phrases
// (subject_0001.fre ...) and <folder>/Custom with `custom` custom stores of ten
// groups of ten phrases each ("Folder 001.vfre" ...), replacing what was there.
void makeBenchFolders(const QString& folder, int installed, int custom);

}  // namespace benchkit
