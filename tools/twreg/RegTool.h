#pragma once

#include <QStringList>

class SqliteRegistry;
class QTextStream;

// The command-line tool over the store: query, add, delete, export and import, with the
// reg tool's layout so that scripts written for it read ours. Returns the exit status.
int RunRegTool(const QStringList& args, SqliteRegistry& registry, QTextStream& out, QTextStream& err);

// "HKLM\Software\TimeWard" into its root and path; false for an unknown root.
bool SplitRegKey(const QString& key, quint32& root, QString& path);

inline const char* kRegToolUsage =
    "usage: twreg query KEY [/v NAME]\n"
    "       twreg add KEY [/v NAME] [/t REG_SZ|REG_DWORD] [/d DATA] [/f]\n"
    "       twreg delete KEY [/v NAME] [/f]\n"
    "       twreg export KEY FILE\n"
    "       twreg import FILE\n"
    "KEY is a full path such as HKLM\\Software\\TimeWard\\Config (roots long or short).\n"
    "The store is registry.db in the data folder ($TIMEWARD_HOME when set).\n";
