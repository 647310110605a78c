#include "main/core/shared/SubjectConnection.h"

namespace shared {

SubjectConnection Subject_Connection_String(const QString& path, SubjectStoreKind kind)
{
    return {path, kind == SubjectStoreKind::Installed ? platform::OpenMode::ReadOnly
                                                      : platform::OpenMode::ReadWrite};
}

}  // namespace shared
