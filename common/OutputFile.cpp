#include "common/OutputFile.h"

#include <cerrno>
#include <cstring>

#include "common/DataError.h"

namespace spanwise {

OutputFile::~OutputFile() {
  if (file_ == nullptr) return;
  std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  std::fclose(file_);
}

void OutputFile::Open(const std::string& path) {
  path_ = path;
  buffer_.clear();
  buffer_.reserve(kFlushSize + 4096);
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) throw DataError("cannot create " + path + ": " + std::strerror(errno));
}

void OutputFile::Flush() {
  if (file_ == nullptr) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    const int error = errno;
    std::fclose(file_);
    file_ = nullptr;
    throw DataError("cannot write " + path_ + ": " + std::strerror(error));
  }
  buffer_.clear();
}

void OutputFile::Close() {
  Flush();
  if (file_ == nullptr) return;
  const int result = std::fclose(file_);
  file_ = nullptr;
  if (result != 0) throw DataError("cannot write " + path_ + ": " + std::strerror(errno));
}

}  // namespace spanwise
