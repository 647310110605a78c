#pragma once

#include <QString>

// The built program folder and the source tree, from the test environment, or as
// this test program was configured when the environment lacks them.
inline QString builtProgramFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("DVL_PROGRAM_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(CONFIGURED_PROGRAM_DIR) : fromEnvironment;
}

inline QString sourceFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("DVL_SOURCE_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(CONFIGURED_SOURCE_DIR) : fromEnvironment;
}
