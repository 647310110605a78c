#pragma once

#include <QIcon>

namespace editor {

// Picture `image` (1..11, editor::images) of the editor's trees; a null icon otherwise.
QIcon editorTreeIcon(int image);

}  // namespace editor
