#include "common/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/WriteError.h"

namespace spanwise {

OutputFile::~OutputFile() {
  if (fd_ >= 0) ::close(fd_);
}

void OutputFile::Open(const std::string& path, const std::string& name) {
  name_ = name;
  buffer_.clear();
  buffer_.reserve(kFlushSize + 4096);
  // O_EXCL: a file or link planted under this name is never written through.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) Fail(errno);
}

void OutputFile::Fail(int error) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  throw WriteError("cannot write " + name_ + ": " + std::strerror(error));
}

void OutputFile::Flush() {
  if (fd_ < 0) return;
  const char* at = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, at, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Fail(written < 0 ? errno : ENOSPC);
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  buffer_.clear();
}

void OutputFile::Close(bool sync) {
  Flush();
  if (fd_ < 0) return;
  if (sync && ::fsync(fd_) != 0) Fail(errno);
  const int result = ::close(fd_);
  fd_ = -1;
  if (result != 0 && errno != EINTR) Fail(errno);
}

}  // namespace spanwise
