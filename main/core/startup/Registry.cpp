#include "main/core/startup/Registry.h"

#include "platform/settings/Settings.h"
#include "platform/ui/TextCase.h"

namespace startup {

QString programKey(const QString& programCode)
{
    return QStringLiteral("Software\\Dravolin\\") + programCode;
}

QString Get_Reg_String(const QString& subKey, const QString& valueName, const QString& defaultValue)
{
    return platform::readSetting(subKey, valueName, defaultValue);
}

void Save_Reg_String(const QString& subKey, const QString& valueName, const QString& data)
{
    platform::writeSetting(subKey, valueName, data);
}

bool Record_Folder(const QString& subKey, const QString& valueName, const QString& folder)
{
    const QString stored = Get_Reg_String(subKey, valueName);
    if (platform::ui::ucase(stored) == platform::ui::ucase(folder)) return false;
    Save_Reg_String(subKey, valueName, folder);
    return true;
}

}  // namespace startup
