#pragma once

#include <QString>

namespace activity {

// A button's caption as a screen reader says it and as it is found by: the
// line breaks that place it on the face become nothing at its ends and one
// blank inside it ("\r\nOK" is "OK").
QString spokenCaption(const QString& caption);

}  // namespace activity
