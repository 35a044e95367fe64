// Runs in one folder take turns: each holds an exclusive flock on the
// folder's ".spanwise.lock" from start to end. Readers of the results take
// it shared while they read, so they never see a set half replaced. Who
// takes it exclusively repairs first (common/CommitJournal.h).
#pragma once

#include <atomic>
#include <functional>
#include <string>

namespace spanwise {

inline constexpr const char* kLockName = ".spanwise.lock";

class FolderLock {
 public:
  FolderLock() = default;
  FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();  // lets the lock go

  // For a run writing into folder: waits until no other run or reader holds
  // the lock. waiting (may be empty) is called once when that takes longer
  // than half a second. cancel (may be null) stops the wait: RunCancelled.
  // Fault: WriteError when the lock file can be neither created nor opened.
  static FolderLock ForRun(const std::string& folder, const std::function<void()>& waiting,
                           const std::atomic<bool>* cancel);

  // For reading the results in folder: waits while a run holds the lock.
  // Where a killed run left its commit half done, first takes the lock
  // exclusively and rolls the old set back (RepairFolder); rolled_back (may
  // be null) out: whether it did, so that the caller says so. Never fails:
  // without a lock file (no run has been there) it holds none, and a
  // rollback that fails leaves its journal for the next run.
  static FolderLock ForReading(const std::string& folder, bool* rolled_back = nullptr);

 private:
  int fd_ = -1;
};

}  // namespace spanwise
