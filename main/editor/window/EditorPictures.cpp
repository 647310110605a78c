#include "main/editor/window/EditorPictures.h"

#include "main/editor/controller/EditorTree.h"
#include "platform/ui/SvgPicture.h"

#include <array>

namespace editor {

namespace {
constexpr int kDrawnSide = 32;  // drawn at 32 px, shown at the tree's icon size

const std::array<const char*, 11> kPictureNames = {
    "editor-top-closed",      "editor-top-open",   "editor-folder-closed",
    "editor-folder-open",     "editor-subject",    "editor-subject-open",
    "editor-custom-subject",  "editor-custom-subject-open",
    "editor-phrase",          "editor-custom-phrase", "editor-failed"};
}  // namespace

QIcon editorTreeIcon(int image)
{
    if (image < images::TopClosed || image > images::Failed) return {};
    return QIcon(platform::ui::pictureResource(QString::fromLatin1(kPictureNames[image - 1]),
                                               QSize(kDrawnSide, kDrawnSide)));
}

}  // namespace editor
