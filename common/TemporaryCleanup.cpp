#include "common/TemporaryCleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace spanwise {
namespace {

constexpr int kSlots = 32;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
  std::atomic<bool> used{false};  // path is complete while this is set
  std::atomic<bool> taken{false};
  char path[kPathBytes];
};

Slot slots[kSlots];
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads these flags");

extern "C" void RemoveTemporariesAndDie(int signal_number) {
  const int saved = errno;
  for (Slot& slot : slots)
    if (slot.used.load()) ::unlink(slot.path);
  // SA_RESETHAND restored the default action; the signal stays blocked until
  // this handler returns, and then ends the process as it would have.
  std::raise(signal_number);
  errno = saved;
}

void InstallOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int signal_number : {SIGINT, SIGTERM}) {
      struct sigaction old {};
      if (sigaction(signal_number, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = RemoveTemporariesAndDie;
      sigemptyset(&action.sa_mask);
      sigaddset(&action.sa_mask, SIGINT);
      sigaddset(&action.sa_mask, SIGTERM);
      action.sa_flags = SA_RESETHAND;
      sigaction(signal_number, &action, nullptr);
    }
  });
}

sigset_t Terminating() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

int RecordTemporary(const char* path) {
  InstallOnce();
  const std::size_t length = std::strlen(path);
  if (length >= kPathBytes) return -1;
  for (int i = 0; i < kSlots; ++i) {
    bool expected = false;
    if (!slots[i].taken.compare_exchange_strong(expected, true)) continue;
    std::memcpy(slots[i].path, path, length + 1);
    slots[i].used.store(true);
    return i;
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  slots[slot].used.store(false);
  slots[slot].taken.store(false);
}

SignalsHeld::SignalsHeld() {
  const sigset_t set = Terminating();
  pthread_sigmask(SIG_BLOCK, &set, &before_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

}  // namespace spanwise
