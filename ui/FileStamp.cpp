#include "ui/FileStamp.h"

#include <sys/stat.h>

#include <QFile>

namespace spanwise::ui {

FileStamp StampOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
  if (!S_ISREG(status.st_mode)) return {};  // a folder in the way holds no text
  return {true, static_cast<unsigned long long>(status.st_ino),
          static_cast<long long>(status.st_size),
          static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec};
}

}  // namespace spanwise::ui
