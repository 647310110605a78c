#include "main/core/startup/ErrorTrap.h"

#include "main/core/startup/ModMain.h"
#include "platform/ui/MessageBox.h"

#include <exception>

namespace startup {

void showProcedureError(const QString& procedure, const QString& error, QWidget* parent)
{
    platform::ui::showErrorBox(modMain.gCaptions[caption::ErrorHeading], procedure, error, QStringLiteral("ERROR"), parent);
}

bool runTrapped(const QString& procedure, const std::function<void()>& body, QWidget* parent)
{
    try {
        body();
        return true;
    } catch (const std::exception& error) {
        showProcedureError(procedure, QString::fromUtf8(error.what()), parent);
        return false;
    }
}

}  // namespace startup
