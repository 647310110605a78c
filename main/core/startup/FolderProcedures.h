#pragma once

#include <QString>

namespace startup {

// True when a file cannot be created, written and deleted in folder. The test
// file has a name of its own, so no existing file is ever touched.
bool Folder_Is_Read_Only(const QString& folder);

// The user's local application data folder (no trailing "/"), made when
// missing; "" when there is none, after a box asking to report it.
QString Get_Application_Data_Folder();

// Copies a folder with everything in it; the copy appears only when complete.
// A failure shows the ERROR box naming "Copy_Folder" and leaves nothing behind.
void Copy_Folder(const QString& source, const QString& destination);

}  // namespace startup
