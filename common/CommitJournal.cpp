#include "common/CommitJournal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "common/WriteError.h"

namespace spanwise {
namespace {

// The journal: per file 'o' (had an old one) or 'n', its name and a NUL
// (a name may hold any other byte); then "e" and a NUL, so that a journal
// cut short by a kill is known as one (nothing was touched yet then).
constexpr char kHadOld = 'o', kHadNone = 'n', kEnd = 'e';

std::string JournalPath(const std::string& folder) { return folder + "/" + kJournalName; }

int WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : ENOSPC;
    done += static_cast<std::size_t>(written);
  }
  return 0;
}

// The entries of a complete journal; false when it is cut short or not one
// of ours (then nothing is rolled back by it).
bool ReadJournal(const std::string& folder, std::vector<JournalEntry>& entries) {
  const int fd = ::open(JournalPath(folder).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  std::string bytes;
  char buffer[4096];
  ssize_t got = 0;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
    if (got > 0) bytes.append(buffer, static_cast<std::size_t>(got));
  ::close(fd);
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) return false;
    const std::string_view record = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    if (record == std::string_view(&kEnd, 1)) return rest.empty();
    const std::string_view name = record.substr(record.empty() ? 0 : 1);
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
        (record[0] != kHadOld && record[0] != kHadNone))
      return false;
    entries.push_back({std::string(name), record[0] == kHadOld});
  }
  return false;
}

// Removes every ".NAME" + suffix in folder.
void RemoveLeftovers(const std::string& folder, std::string_view suffix) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() > suffix.size() + 1 && name.front() == '.' && name.ends_with(suffix))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

}  // namespace

std::string BackupPath(const std::string& folder, const std::string& name) {
  return folder + "/." + name + kBackupSuffix;
}

int WriteJournal(const std::string& folder, const std::vector<JournalEntry>& entries, bool sync) {
  std::string bytes;
  for (const JournalEntry& entry : entries) {
    bytes += entry.had_old ? kHadOld : kHadNone;
    bytes += entry.name;
    bytes += '\0';
  }
  bytes += kEnd;
  bytes += '\0';
  const int fd = ::open(JournalPath(folder).c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return errno;
  int error = WriteAll(fd, bytes);
  if (error == 0 && sync && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  return error;
}

int RollBack(const std::string& folder, const std::vector<JournalEntry>& entries) {
  int first = 0;
  for (const JournalEntry& entry : entries) {
    const std::string path = folder + "/" + entry.name;
    if (entry.had_old) {
      const std::string backup = BackupPath(folder, entry.name);
      // A backup linked to the file it backs up is left by rename: unlinked.
      if (std::rename(backup.c_str(), path.c_str()) == 0 || errno == ENOENT)
        ::unlink(backup.c_str());
      else if (first == 0)
        first = errno;
    } else if (::unlink(path.c_str()) != 0 && errno != ENOENT && first == 0) {
      first = errno;
    }
  }
  return first;
}

int SyncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return errno;
  const int error = ::fsync(dir) == 0 ? 0 : errno;
  ::close(dir);
  return error;
}

bool JournalStands(const std::string& folder) {
  struct stat status {};
  return ::lstat(JournalPath(folder).c_str(), &status) == 0;
}

bool RepairFolder(const std::string& folder) {
  const bool found = JournalStands(folder);
  if (found) {
    std::vector<JournalEntry> entries;
    if (ReadJournal(folder, entries)) {
      const int error = RollBack(folder, entries);
      SyncFolder(folder);  // at best: a folder that cannot be synced must not stop every run
      if (error != 0)
        throw WriteError("cannot roll back the interrupted run in " + folder + ": " +
                         std::strerror(error));
    }
    if (::unlink(JournalPath(folder).c_str()) != 0 && errno != ENOENT)
      throw WriteError("cannot remove " + JournalPath(folder) + ": " + std::strerror(errno));
  }
  RemoveLeftovers(folder, kTemporarySuffix);
  RemoveLeftovers(folder, kBackupSuffix);
  return found;
}

}  // namespace spanwise
