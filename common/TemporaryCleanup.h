// Temporaries that SIGINT or SIGTERM must not leave behind. The handler,
// installed on first use where the signal's disposition is the default one,
// only unlinks the paths recorded beforehand and then dies of the signal as
// it would have without it: it calls nothing that is not async-signal-safe.
#pragma once

#include <csignal>

namespace spanwise {

// Records path (copied) for removal on a signal. Returns its slot, or -1
// when every slot is taken or the path is too long (then it is simply not
// removed on a signal).
int RecordTemporary(const char* path);

// Forgets the path of slot (from RecordTemporary; -1 is ignored).
void ForgetTemporary(int slot);

// Holds SIGINT and SIGTERM back in this thread while it lives: a signal
// that comes meanwhile takes effect when it ends.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

}  // namespace spanwise
