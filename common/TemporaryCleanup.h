// Temporaries that SIGINT, SIGTERM, SIGHUP or SIGQUIT must not leave behind.
// The handler, installed on first use where the signal's disposition is the
// default one, only unlinks the paths recorded beforehand and then dies of
// the signal as it would have without it: it calls nothing that is not
// async-signal-safe. While a commit runs (SignalsDeferred) it only notes the
// signal instead. Fault signals (SIGSEGV, SIGBUS, ...) are never handled.
#pragma once

namespace spanwise {

// Records path (copied) for removal on a signal. Returns its slot, or -1
// when every slot is taken or the path is too long (then it is simply not
// removed on a signal).
int RecordTemporary(const char* path);

// Forgets the path of slot (from RecordTemporary; -1 is ignored).
void ForgetTemporary(int slot);

// While one lives, in any thread, the four signals above are only noted:
// the last one to end raises the first noted signal again, which then ends
// the process. Process-wide, not a thread's mask: the desktop program
// commits on a thread of its own while a signal may reach any other.
class SignalsDeferred {
 public:
  SignalsDeferred();
  ~SignalsDeferred();
  SignalsDeferred(const SignalsDeferred&) = delete;
  SignalsDeferred& operator=(const SignalsDeferred&) = delete;
};

}  // namespace spanwise
