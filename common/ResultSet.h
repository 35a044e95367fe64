// The files of one run, a whole new set or the old one. Each is written to a
// temporary ".NAME.spanwise-tmp" beside it; only when every one is complete
// does Commit put them in place of the old files, with a rollback journal
// (common/CommitJournal.h): the old files are kept as ".NAME.spanwise-old",
// the temporaries renamed over the finals, the first one opened (the
// report) last, and the journal's removal is the commit point. A fault
// during the renames puts every old file back. A killed process leaves the
// journal, and the next holder of the folder's exclusive lock rolls back
// (RepairFolder); with sync the promise also holds across a power cut.
// Renaming replaces a symbolic link under a final name instead of writing
// through it. On a fault, a cancel, destruction before Commit, or a
// terminating signal before the commit, the temporaries are removed; during
// the commit such a signal waits for its end. The caller holds the folder's
// lock (common/FolderLock.h); every file lies in one folder.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/CommitJournal.h"
#include "common/OutputFile.h"

namespace spanwise {

// The steps of a commit, in order, for the test seam below.
enum class CommitStep {
  kJournal,  // writing the journal
  kBackup,   // keeping one old file (once per file that has one)
  kReplace,  // renaming one temporary over its final, or removing a final
  kSync,     // forcing the folder to the disk (with sync only)
  kCommit,   // removing the journal: the commit point
  kCleanup   // removing one backup
};

// A test seam: called before each step; an errno returned makes the step
// fail with it (0: the step is done).
using CommitHook = std::function<int(CommitStep step)>;

class ResultSet {
 public:
  // sync in: force the journal, the files and the folder to the disk before
  // the renames, and the folder after them. hook in: empty but in tests.
  explicit ResultSet(bool sync, CommitHook hook = {}) : sync_(sync), hook_(std::move(hook)) {}
  ResultSet(const ResultSet&) = delete;
  ResultSet& operator=(const ResultSet&) = delete;
  ~ResultSet();

  // path in: the final file, in an existing folder, the folder of every
  // other file of the set. Returns the file to write, valid while the set
  // lives. Fault: WriteError when a folder stands at path or the temporary
  // cannot be created.
  OutputFile& Open(const std::string& path);

  // path in: a result file this run does not write (in the set's folder):
  // the commit removes it with the others, so that no old one stands
  // beside the new set. A folder at path, or a path also opened, is left.
  void Remove(const std::string& path);

  // Closes every file, then replaces the old set: on success every final
  // is new (or removed). Fault: WriteError, and then the old set stands
  // (where even putting it back failed, the journal stays for the next run
  // to finish).
  void Commit();

 private:
  struct Entry {
    std::string path;
    std::string temporary;  // empty: a final to remove
    std::string name;       // the final file's name, for faults
    int slot = -1;          // its record for the signal handler
    std::unique_ptr<OutputFile> file;
  };
  void Discard() noexcept;
  int Step(CommitStep step) const { return hook_ ? hook_(step) : 0; }
  void Replace(const std::string& folder, const std::vector<JournalEntry>& journal,
               const std::vector<const Entry*>& order);

  bool sync_;
  CommitHook hook_;
  std::vector<Entry> entries_;
  std::vector<std::string> removals_;
};

}  // namespace spanwise
