// Writing the new text into the file itself, where a new file cannot take
// its place (other hard links, an owner, a right or a flag that a new file
// cannot be given, a folder that takes no new files).
#ifndef OMBRIX_PLATFORM_QT_WRITE_IN_PLACE_H
#define OMBRIX_PLATFORM_QT_WRITE_IN_PLACE_H

#include <cstddef>
#include <string>

class PrivateFolder;

// Writes length bytes into file (open for writing, and for reading where
// readable) so that it holds exactly them; 0 or the errno of what failed.
// The file is locked against other saves meanwhile. Where place (the save's
// private folder, or nullptr where none could be made) and reading allow,
// the old text is first copied there under name, and is written back if the
// write fails; it stays there for the user if even that fails or the program
// is killed. The room for the new text is made sure before a byte of the
// old text is overwritten.
int WriteInPlace(int file, bool readable, PrivateFolder* place, const std::string& name,
                 const char* bytes, size_t length);

#endif
