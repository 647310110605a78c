#pragma once

// Table layouts of every store the suite ships. Only the content builder makes
// stores for real; tests use the same functions to make their fixtures, so the
// programs always meet the layout that ships.
#include "platform/store/Store.h"

namespace schema {

// The template "Dravolin.tpl": captions, ticker messages, tips, menu links, and the
// empty user tables with their two views (the user store is a byte copy of it).
void createTemplateStore(platform::Store& store);

// The user tables and views alone (part of the template).
void createUserTables(platform::Store& store);

// An installed subject store: tblPhrases and tblProperties (one row, the program code).
void createSubjectStore(platform::Store& store, const QString& programCode);

// "custom.tpl" and every custom subject store made from it: tblParents, tblPhrases.
void createCustomStore(platform::Store& store);

// An activity's "<program>.cfg": tblCaptions and tblImages.
void createActivityConfigStore(platform::Store& store);

// The eight program codes; tblTips has one column for each.
const QStringList& programCodes();

// The interface languages every caption table has a column for, "English" and
// "Spanish" (exact case); any other text is never used as a column name.
bool isCaptionColumn(const QString& interfaceLanguage);

}  // namespace schema
