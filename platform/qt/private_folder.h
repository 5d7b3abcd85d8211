// A folder that one save makes beside the file (".NAME.ombrix-XXXXXX"),
// which only its user may enter: there the new text is written before it is
// renamed over the file, or the old text is kept while the file itself is
// written. No other user can swap what is in it. It goes, with what the save
// made in it, when the save ends, unless the save keeps it for the user.
#ifndef OMBRIX_PLATFORM_QT_PRIVATE_FOLDER_H
#define OMBRIX_PLATFORM_QT_PRIVATE_FOLDER_H

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/qt/file_descriptor.h"

class PrivateFolder {
 public:
  // Makes the folder beside name in folder; error() says why it could not.
  PrivateFolder(int folder, const std::string& name);
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  ~PrivateFolder();

  explicit operator bool() const { return static_cast<bool>(fd_); }
  int error() const { return error_; }

  // A new file in the folder, open for reading and writing.
  Descriptor Create(const std::string& entry, mode_t mode);

  // Removes a file made with Create.
  void Remove(const std::string& entry);

  // Moves entry over the same name in the folder beside; 0 or errno. A
  // new file (replace false) never replaces one that appeared meanwhile.
  int MoveOver(const std::string& entry, bool replace);

  // Puts the folder's list of names on the disk.
  int Sync() const;

  // Leaves the folder and what is in it for the user.
  void Keep() { kept_ = true; }

 private:
  int folder_;
  std::string name_;
  Descriptor fd_;
  std::vector<std::string> entries_;
  int error_ = 0;
  bool kept_ = false;
};

#endif
