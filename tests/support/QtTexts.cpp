#include "QtTexts.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>

namespace testsupport {

std::string standardButtonText(QDialogButtonBox::StandardButton button)
{
    QDialogButtonBox box(button);
    return box.button(button)->text().remove('&').toStdString();
}

::testing::AssertionResult qtSpanishInstalled()
{
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm";
    if (QFileInfo(file).isReadable()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << file.toStdString()
                                         << " is missing: install the Debian package qt6-translations-l10n"
                                            " (scripts/setup.sh lists it)";
}

}  // namespace testsupport
