// What tells one version of a file from another without reading it: its
// inode (a save by rename gives a new one), size and modification time.
#pragma once

#include <QString>

namespace spanwise::ui {

struct FileStamp {
  bool exists = false;
  unsigned long long inode = 0;
  long long size = 0;
  long long modified_ns = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now; exists is false when there is no
// plain file there.
FileStamp StampOf(const QString& path);

}  // namespace spanwise::ui
