// Finding the file that a save of a path may write, one name at a time by
// descriptor, so that no swap of a name between two steps can send the save
// anywhere else. Symbolic links are followed only where the kernel's
// protected-symlinks rule would follow them, whatever the machine's setting:
// in a folder that is sticky and writable by everyone (/tmp), only a link
// owned by the user or by the folder's owner; elsewhere any link.
#ifndef OMBRIX_PLATFORM_QT_RESOLVE_PATH_H
#define OMBRIX_PLATFORM_QT_RESOLVE_PATH_H

#include <string>

#include "platform/qt/file_descriptor.h"

struct ResolvedPath {
  Descriptor folder;         // the folder that holds the name (O_PATH)
  std::string name;          // the last name, never a link
  Descriptor file;           // what the name holds (O_PATH), closed where it holds nothing
  bool throughLink = false;  // the name was reached through a link
};

// Resolves path; 0, or the errno of the step that failed (EACCES for a link
// that the rule refuses, ELOOP for more than 40 links, EISDIR for a path that
// ends in a folder's name such as "/" or "..").
int ResolvePath(const char* path, ResolvedPath* resolved);

#endif
