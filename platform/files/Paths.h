#pragma once

#include <QString>

namespace platform {

// True when path names an existing file (not a folder). No wildcards: "*" and
// "?" are ordinary characters of the name.
bool fileExists(const QString& path);

// True when a new file can be created, written and deleted in folder. The test
// file gets a fresh scratch name, so no existing file is ever touched.
bool folderIsWritable(const QString& folder);

// Creates one folder level, owner-writable. True when it made the folder, false
// when a folder was already there; throws FileError otherwise (a file in the
// way, a missing parent, no permission).
bool createFolder(const QString& path);

// A name the learner types or the content gives may become a file name only
// when it holds none of "/", "\", ":", "*", "?", '"', "<", ">", "|" or a control
// character, and is not "." or "..".
bool isSafeFileName(const QString& name);

// The folder as the suite writes every folder value: ending in "/".
QString withTrailingSlash(const QString& folder);

}  // namespace platform
