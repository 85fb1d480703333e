#pragma once

#include <QFileDevice>
#include <QString>

// Where the program lives and where it keeps what it writes.
struct Paths {
    QString dataFolder;    // registry.db, logs, lock, sockets, reports, drive_c
    QString programFolder; // the executable's folder: help pages, bundled sounds

    // $TIMEWARD_HOME; else /var/lib/timeward when it exists and is writable; else
    // $XDG_DATA_HOME/timeward. programFolder is the running executable's folder.
    static Paths fromEnvironment();

    QString dataFile(const QString& name) const { return dataFolder + QLatin1Char('/') + name; }
    QString programFile(const QString& name) const { return programFolder + QLatin1Char('/') + name; }
    // Maps a stored path to this system: "C:\dir\f.txt" lies below <data folder>/drive_c/,
    // and "\" and "/" are both separators.
    QString native(const QString& storedPath) const;
};

// The files of the data folder that tie a running copy to it: the instance lock (holding the
// copy's process id) and the exit link's socket.
inline const QString kLockFileName = QStringLiteral("timeward.lock");
inline const QString kExitLinkName = QStringLiteral("timeward.dde");

// True when path names an existing plain file: its name may differ in letter case, but
// a folder, a hidden file or a path whose folder does not exist gives false.
bool FileExists(const Paths& paths, const QString& path);

// Creates the data folder when missing; false (with a reason) when it cannot be used. The
// folder and everything below it is made owner-only (folders 0700, files 0600), so that
// another account on the machine cannot read the store, even when it was made wider.
bool EnsureDataFolder(const Paths& paths, QString* why);

// From here on every file and folder this process creates is owner-only, whatever the
// umask it was started with. Programs the process starts get the umask it was started with.
void UseOwnerOnlyFileModes();
// The umask the process was started with.
unsigned StartingUmask();

// Files meant for others as well (autostart entries, a log or a report written outside the data
// folder) get 0644, and the folders made for them 0755, whatever the owner-only umask gives.
inline constexpr QFileDevice::Permissions kSharedFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                            QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                            QFileDevice::ReadGroup | QFileDevice::ReadOther;
inline constexpr QFileDevice::Permissions kSharedFolderMode =
    kSharedFileMode | QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// Writes a file meant for others, in a folder that exists, whole or not at all and with
// kSharedFileMode; false when it could not be written.
bool WriteSharedFile(const QString& file, const QByteArray& bytes);
