#pragma once

namespace subjects {

// Pictures of the subject trees (the main window's and the editor's), by index.
namespace images {
inline constexpr int TopClosed = 1, TopOpen = 2, CustomClosed = 3, CustomOpen = 4,
                     Subject = 5, SubjectSelected = 6, Group = 7, GroupSelected = 8,
                     Phrase = 9, CustomPhrase = 10, Failed = 11;
}

}  // namespace subjects
