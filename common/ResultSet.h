// The files of one run, written whole or not at all. Each is written to a
// temporary ".NAME.spanwise-tmp" beside it; only when every one is complete
// are they renamed over the old files, the first one opened (the report)
// last. Renaming replaces a symbolic link under a final name instead of
// writing through it. On any fault, a cancel, destruction before Commit, or
// SIGINT/SIGTERM the temporaries are removed and the old files stay as they
// were. The caller holds the folder's lock (common/FolderLock.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/OutputFile.h"

namespace spanwise {

inline constexpr const char* kTemporarySuffix = ".spanwise-tmp";

// Removes the temporaries a run that was killed left in folder: every
// ".NAME.spanwise-tmp". Only while holding the folder's lock.
void RemoveLeftoverTemporaries(const std::string& folder);

class ResultSet {
 public:
  // sync in: force every file and the folder to the disk before the renames
  // count as done.
  explicit ResultSet(bool sync) : sync_(sync) {}
  ResultSet(const ResultSet&) = delete;
  ResultSet& operator=(const ResultSet&) = delete;
  ~ResultSet();

  // path in: the final file, in an existing folder. Returns the file to
  // write, valid while the set lives. Fault: WriteError when a folder stands
  // at path or the temporary cannot be created.
  OutputFile& Open(const std::string& path);

  // Closes every file, then renames them, the first opened last.
  // Fault: WriteError; before the first rename nothing final has changed.
  void Commit();

 private:
  struct Entry {
    std::string path;
    std::string temporary;
    std::string name;  // the final file's name, for faults
    int slot = -1;     // its record for the signal handler
    std::unique_ptr<OutputFile> file;
  };
  void Discard() noexcept;

  bool sync_;
  std::vector<Entry> entries_;
};

}  // namespace spanwise
