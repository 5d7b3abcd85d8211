// Saving a file the way each system does it best: what the program writes
// replaces the file's contents, never the file itself. Its name, links,
// owner, group and permissions stay; a symbolic link stays a link and the
// file it points to receives the text; and the old text is never damaged by
// a write that fails.
//
// On Linux (platform/qt/replace_file.cpp) the text is written into a new
// file in a folder of the program's own beside the file (".NAME.ombrix-XXXXXX",
// which only this user can enter, so that no other user can swap what is
// written), given the file's owner, group and permissions, synced, and
// renamed over the file. Where that rename would break something (the file
// has other hard links, its owner or group cannot be given to a new file,
// the folder takes no new files but the file may be written), the text is
// written into the file itself. On Windows (platform/win32/replace_file.cpp)
// ReplaceFileW puts the new file in place keeping the old one's attributes
// and security.
#ifndef OMBRIX_PLATFORM_REPLACE_FILE_H
#define OMBRIX_PLATFORM_REPLACE_FILE_H

#include <cstddef>

// Makes the file at path (UTF-8, as the save dialog gives it) hold exactly the length bytes, a
// new file being made where there is none; true when the file holds them.
// A file that may not be written (read-only), a folder, a FIFO or a device
// is refused and nothing changes. On any other failure the old text stays
// whole, except after a failing write into the file itself, which leaves it
// incomplete; and nothing of the save's own is left behind.
bool ReplaceFileContents(const char* path, const char* bytes, size_t length);

#endif
