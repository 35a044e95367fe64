#include "common/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "common/CommitJournal.h"
#include "common/WriteError.h"

namespace spanwise {
namespace {

int OpenLockFile(const std::string& folder, bool create) {
  const std::string path = folder + "/" + kLockName;
  int fd = create ? ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666) : -1;
  const int first_error = errno;
  // A read-only folder where the lock file exists: a read-only descriptor
  // takes the lock as well. Else the first reason counts (a read-only file
  // system, not the missing file the second open finds).
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0 && create) errno = first_error;
  return fd;
}

void FlockWaiting(int fd, int operation) {
  while (::flock(fd, operation) != 0 && errno == EINTR) {
  }
}

}  // namespace

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

FolderLock FolderLock::ForRun(const std::string& folder, const std::function<void()>& waiting,
                              const std::atomic<bool>* cancel) {
  FolderLock lock;
  lock.fd_ = OpenLockFile(folder, true);
  if (lock.fd_ < 0)
    throw WriteError("cannot create " + std::string(kLockName) + " in " + folder + ": " +
                     std::strerror(errno));
  const auto start = std::chrono::steady_clock::now();
  bool told = false;
  // Polled rather than blocking, so that a cancel ends the wait.
  while (::flock(lock.fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR)
      throw WriteError("cannot lock " + folder + "/" + kLockName + ": " + std::strerror(errno));
    if (cancel != nullptr && cancel->load()) throw RunCancelled();
    if (!told && std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(500)) {
      told = true;
      if (waiting) waiting();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return lock;
}

FolderLock FolderLock::ForReading(const std::string& folder, bool* rolled_back) {
  FolderLock lock;
  lock.fd_ = OpenLockFile(folder, false);
  if (rolled_back != nullptr) *rolled_back = false;
  if (lock.fd_ < 0) return lock;
  FlockWaiting(lock.fd_, LOCK_SH);
  if (!JournalStands(folder)) return lock;
  // Converting the lock lets it go for a moment: the journal is looked for
  // again under the exclusive one.
  FlockWaiting(lock.fd_, LOCK_EX);
  try {
    const bool repaired = RepairFolder(folder);
    if (rolled_back != nullptr) *rolled_back = repaired;
  } catch (const WriteError&) {
  }
  FlockWaiting(lock.fd_, LOCK_SH);
  return lock;
}

}  // namespace spanwise
