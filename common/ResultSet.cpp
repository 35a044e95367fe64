#include "common/ResultSet.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/InternalError.h"
#include "common/PathParts.h"
#include "common/TemporaryCleanup.h"
#include "common/WriteError.h"

namespace spanwise {
namespace {

[[noreturn]] void Fail(const std::string& name, int error) {
  throw WriteError("cannot write " + name + ": " + std::strerror(error));
}

// 0 when nothing stands at path, else its mode.
mode_t ModeAt(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 ? status.st_mode : 0;
}

// A folder under the final name would stop its rename.
void CheckNotFolder(const std::string& path, const std::string& name) {
  if (S_ISDIR(ModeAt(path))) Fail(name, EISDIR);
}

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

// Keeps the old file under its backup name: a second link, so the final
// never goes missing; where links are refused, the file itself moved aside.
int KeepOld(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name, backup = BackupPath(folder, name);
  if (::link(path.c_str(), backup.c_str()) == 0) return 0;
  return ErrorOf(std::rename(path.c_str(), backup.c_str()));
}

}  // namespace

ResultSet::~ResultSet() { Discard(); }

void ResultSet::Discard() noexcept {
  for (Entry& entry : entries_) {
    entry.file.reset();
    if (!entry.temporary.empty()) ::unlink(entry.temporary.c_str());
    ForgetTemporary(entry.slot);
  }
  entries_.clear();
}

void ResultSet::Remove(const std::string& path) {
  if (!entries_.empty() && FolderOf(path) != FolderOf(entries_.front().path))
    throw InternalError("the result files " + path + " and " + entries_.front().path +
                        " lie in two folders");
  Entry entry;
  entry.path = path;
  entry.name = NameOf(path);
  entries_.push_back(std::move(entry));
}

OutputFile& ResultSet::Open(const std::string& path) {
  CheckNotFolder(path, NameOf(path));
  Remove(path);
  Entry& entry = entries_.back();
  entry.temporary = FolderOf(path) + "/." + entry.name + kTemporarySuffix;
  entry.file = std::make_unique<OutputFile>();
  // Recorded before it exists, so that no signal can leave it behind.
  entry.slot = RecordTemporary(entry.temporary.c_str());
  entry.file->Open(entry.temporary, entry.name);
  return *entry.file;
}

void ResultSet::Commit() {
  try {
    for (Entry& entry : entries_)
      if (entry.file) entry.file->Close(sync_);
    for (const Entry& entry : entries_)
      if (entry.file) CheckNotFolder(entry.path, entry.name);
  } catch (...) {
    Discard();
    throw;
  }
  // The order of the replacements: the finals to remove, then the files
  // written, the first opened (the report, which says a set is whole) last.
  std::vector<const Entry*> order;
  const auto written = [&](const std::string& name) {
    for (const Entry& entry : entries_)
      if (entry.file && entry.name == name) return true;
    return false;
  };
  for (const Entry& entry : entries_) {
    const mode_t mode = ModeAt(entry.path);
    if (!entry.file && mode != 0 && !S_ISDIR(mode) && !written(entry.name)) order.push_back(&entry);
  }
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
    if (entry->file) order.push_back(&*entry);
  if (order.empty()) return;
  const std::string folder = FolderOf(order.front()->path);
  std::vector<JournalEntry> journal;
  for (const Entry* entry : order) journal.push_back({entry->name, ModeAt(entry->path) != 0});
  Replace(folder, journal, order);
  for (Entry& entry : entries_) ForgetTemporary(entry.slot);
  entries_.clear();
}

void ResultSet::Replace(const std::string& folder, const std::vector<JournalEntry>& journal,
                        const std::vector<const Entry*>& order) {
  // A signal now would leave the journal for the next run to roll back:
  // it waits until the set is whole, new or old.
  const SignalsDeferred deferred;
  int error = 0;
  std::string failed;  // the name of the file whose step failed
  const auto Do = [&](CommitStep step, const std::string& name, const auto& action) {
    if (error == 0) error = Step(step);
    if (error == 0) error = action();
    if (error != 0 && failed.empty()) failed = name;
  };
  // A backup left by someone else would be restored in place of the old file.
  for (const JournalEntry& entry : journal) ::unlink(BackupPath(folder, entry.name).c_str());
  Do(CommitStep::kJournal, kJournalName, [&] { return WriteJournal(folder, journal, sync_); });
  for (const JournalEntry& entry : journal)
    if (entry.had_old)
      Do(CommitStep::kBackup, entry.name, [&] { return KeepOld(folder, entry.name); });
  if (sync_) Do(CommitStep::kSync, folder, [&] { return SyncFolder(folder); });
  for (const Entry* entry : order)
    Do(CommitStep::kReplace, entry->name, [&] {
      return ErrorOf(entry->file ? std::rename(entry->temporary.c_str(), entry->path.c_str())
                                 : ::unlink(entry->path.c_str()));
    });
  if (sync_) Do(CommitStep::kSync, folder, [&] { return SyncFolder(folder); });
  const std::string journal_path = folder + "/" + kJournalName;
  Do(CommitStep::kCommit, kJournalName, [&] { return ErrorOf(::unlink(journal_path.c_str())); });
  if (error != 0) {
    const int undone = RollBack(folder, journal);
    if (sync_) SyncFolder(folder);
    if (undone == 0) ::unlink(journal_path.c_str());
    Discard();
    throw WriteError("cannot write " + failed + ": " + std::strerror(error) +
                     (undone == 0 ? "" : "; the next run puts the old files back"));
  }
  // The commit point on the disk too; a fault here leaves a whole new set.
  if (sync_) SyncFolder(folder);
  for (const JournalEntry& entry : journal)
    if (entry.had_old && Step(CommitStep::kCleanup) == 0)
      ::unlink(BackupPath(folder, entry.name).c_str());
}

}  // namespace spanwise
