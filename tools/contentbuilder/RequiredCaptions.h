#pragma once

#include "CaptionTable.h"

#include <vector>

namespace contentbuilder {

// The caption rows the main program reads from its template store. Each must hold a
// text in both languages; the rows between them stay empty so the numbering holds.
// The last one is the refusal text for a typed name that cannot become a file name.
const std::vector<int>& mainProgramCaptionRows();

// Rows that are data rather than wording.
constexpr int kSubjectsFolderRow = 10;
constexpr int kCustomSubjectsFolderRow = 11;
constexpr int kOfflinePageRow = 95;

// Throws ContentError naming every required row that is missing or empty.
void checkMainProgramCaptions(const CaptionTable& table);

}  // namespace contentbuilder
