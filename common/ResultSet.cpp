#include "common/ResultSet.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "common/TemporaryCleanup.h"
#include "common/WriteError.h"

namespace spanwise {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void Fail(const std::string& name, int error) {
  throw WriteError("cannot write " + name + ": " + std::strerror(error));
}

// A folder under the final name would stop its rename after others were done.
void CheckNotFolder(const std::string& path, const std::string& name) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) Fail(name, EISDIR);
}

}  // namespace

void RemoveLeftoverTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string_view suffix = kTemporarySuffix;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() > suffix.size() + 1 && name.front() == '.' && name.ends_with(suffix))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

ResultSet::~ResultSet() { Discard(); }

void ResultSet::Discard() noexcept {
  for (Entry& entry : entries_) {
    entry.file.reset();
    if (entry.slot != -2) ::unlink(entry.temporary.c_str());
    ForgetTemporary(entry.slot);
  }
  entries_.clear();
}

OutputFile& ResultSet::Open(const std::string& path) {
  Entry entry;
  entry.path = path;
  entry.name = NameOf(path);
  entry.temporary = FolderOf(path) + "/." + entry.name + kTemporarySuffix;
  CheckNotFolder(path, entry.name);
  entry.file = std::make_unique<OutputFile>();
  // Recorded before it exists, so that no signal can leave it behind.
  entry.slot = RecordTemporary(entry.temporary.c_str());
  entries_.push_back(std::move(entry));
  Entry& added = entries_.back();
  added.file->Open(added.temporary, added.name);
  return *added.file;
}

void ResultSet::Commit() {
  try {
    for (Entry& entry : entries_) entry.file->Close(sync_);
    for (const Entry& entry : entries_) CheckNotFolder(entry.path, entry.name);
  } catch (...) {
    Discard();
    throw;
  }
  {
    // A signal now would leave some files new and some old: it waits.
    const SignalsHeld held;
    for (std::size_t i = entries_.size(); i-- > 0;) {
      Entry& entry = entries_[i];
      if (std::rename(entry.temporary.c_str(), entry.path.c_str()) != 0) {
        const int error = errno;
        Discard();
        Fail(entry.name, error);
      }
      ForgetTemporary(entry.slot);
      entry.slot = -2;  // renamed: nothing left to remove
    }
  }
  if (sync_ && !entries_.empty()) {
    const int dir = ::open(FolderOf(entries_.front().path).c_str(), O_RDONLY | O_DIRECTORY);
    const bool synced = dir >= 0 && ::fsync(dir) == 0;
    const int error = errno;
    if (dir >= 0) ::close(dir);
    if (!synced) Fail(entries_.front().name, error);
  }
  entries_.clear();
}

}  // namespace spanwise
