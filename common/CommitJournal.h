// The rollback journal of a result set's commit (common/ResultSet.h). Before
// the first rename, ".spanwise-journal" in the folder names every file of
// the set and whether it had an old one, kept under ".NAME.spanwise-old";
// its removal is the commit point. Whoever finds it later, under the
// folder's exclusive lock, puts the old set back.
#pragma once

#include <string>
#include <vector>

namespace spanwise {

inline constexpr const char* kTemporarySuffix = ".spanwise-tmp";
inline constexpr const char* kJournalName = ".spanwise-journal";
inline constexpr const char* kBackupSuffix = ".spanwise-old";

struct JournalEntry {
  std::string name;  // a final file's name in the folder, without '/'
  bool had_old = false;
};

// ".NAME.spanwise-old" in folder.
std::string BackupPath(const std::string& folder, const std::string& name);

// Writes the journal of entries (none empty or holding '/') into folder,
// forced to the disk when sync. Returns 0, or the errno of the fault.
int WriteJournal(const std::string& folder, const std::vector<JournalEntry>& entries, bool sync);

// Puts the old set back: a file that had an old one gets its backup back,
// one that had none is removed. Idempotent: a backup already restored is
// skipped, so it may be repeated after a crash. Returns 0, or the errno of
// the first step that failed (it goes on with the others).
int RollBack(const std::string& folder, const std::vector<JournalEntry>& entries);

// Forces folder's entries to the disk. Returns 0 or the errno.
int SyncFolder(const std::string& folder);

// For whoever holds folder's lock exclusively, before anything else: rolls
// an interrupted commit back (when a journal stands) and removes what a
// killed run left, its temporaries and backups. Returns true when it rolled
// back. Fault: WriteError when the old set could not be put back (the
// journal then stays, for the next one to try).
bool RepairFolder(const std::string& folder);

// True when a journal stands in folder.
bool JournalStands(const std::string& folder);

// The words that say RepairFolder rolled back: once, by whoever repaired.
inline std::string RolledBackNotice(const std::string& folder) {
  return "an interrupted run in " + folder + " was rolled back";
}

}  // namespace spanwise
