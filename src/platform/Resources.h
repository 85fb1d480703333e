#pragma once

#include "platform/Paths.h"

// The folder holding help/ and the bundled sounds for an executable in programFolder: that
// folder itself when help/ sits beside it (the build tree), else the installed share/timeward
// relative to it, else the program's folder.
QString ResourceFolder(const QString& programFolder);

inline QString ResourceFile(const Paths& paths, const QString& name) {
    return ResourceFolder(paths.programFolder) + QLatin1Char('/') + name;
}
