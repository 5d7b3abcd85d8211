// Saving a file the way each system does it best: what the program writes
// replaces the file's contents, never the file itself. Its name, links,
// owner, group, permissions and (on Linux) access control list, extended
// attributes and file flags stay; a symbolic link stays a link and the file
// it points to receives the text; and the old text is never damaged by a
// write that fails.
//
// On Linux (platform/qt/replace_file.cpp) the path is followed one name at
// a time by descriptor, a link only where the kernel's protected-symlinks
// rule would follow it. The text is written into a new file in a folder of
// the save's own beside the file (".NAME.ombrix-XXXXXX", which only this
// user can enter), given everything of the file, synced, and renamed over
// it. Where that rename would change something (other hard links, an owner,
// group, attribute or flag that a new file cannot be given, a folder that
// takes no new files, a file mounted over its name), the text is written
// into the file itself, locked, with a copy of the old text kept in that
// folder until the new one is synced. On Windows
// (platform/win32/replace_file.cpp) ReplaceFileW puts the new file in place
// keeping the old one's attributes and security.
#ifndef OMBRIX_PLATFORM_REPLACE_FILE_H
#define OMBRIX_PLATFORM_REPLACE_FILE_H

#include <cstddef>

// Makes the file at path (UTF-8, as the save dialog gives it) hold exactly the length bytes, a
// new file being made where there is none; true when the file holds them.
// A read-only file, a folder, a FIFO, a device or a link to nothing is
// refused and nothing changes. On any failure the old text stays whole and
// nothing of the save's own is left behind, except where a write into the
// file itself failed and its old text could not be written back: the copy
// then stays in the save's folder. A false result leaves the reason as the
// last error (GetLastError): ERROR_FILE_READ_ONLY, ERROR_BAD_FILE_TYPE for
// what is not a regular file, or the system's own (ERROR_ACCESS_DENIED,
// ERROR_DISK_FULL, ERROR_FILENAME_EXCED_RANGE, ...).
bool ReplaceFileContents(const char* path, const char* bytes, size_t length);

#endif
