// Giving a new file everything of an existing one that decides who may do
// what with it: owner, group, permissions, access control list, the other
// extended attributes, and the file flags that chattr sets.
#ifndef OMBRIX_PLATFORM_QT_FILE_ATTRIBUTES_H
#define OMBRIX_PLATFORM_QT_FILE_ATTRIBUTES_H

#include <sys/stat.h>

// Makes the file to carry exactly the attributes of from (whose fstat is
// existing); false when any of them cannot be given exactly, the new file
// then carrying no right that from lacks beyond those of a new file of
// mode 0600.
bool TakeOverAttributes(int from, const struct stat& existing, int to);

#endif
