#pragma once

#include <QString>

// Initialisation files ("[Section]" lines, "key=value" lines) read and written with the
// system's rules: section and key names match without regard to letter case, every other
// line (comments, blank lines, unknown sections) is kept as it stands, and a missing file,
// section or key reads as the default. The path is a native path (see Paths::native); the
// file name itself may differ in letter case.
namespace ProfileFile {

// The value of key in section, spaces around it removed and one pair of matching quotes
// taken off; def when the file, the section or the key is missing.
QString read(const QString& path, const QString& section, const QString& key, const QString& def = QString());

// Sets key in section to value: the key's line is replaced in place, a new key goes after the
// last entry of its section, a new section at the end of the file. A missing file is created
// when its folder exists. Returns false, leaving the file untouched, when the file cannot be
// written (read-only, folder missing or not writable).
bool write(const QString& path, const QString& section, const QString& key, const QString& value);

} // namespace ProfileFile
