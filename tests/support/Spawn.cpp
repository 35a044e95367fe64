#include "tests/support/Spawn.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spanwise::test {

pid_t Spawn(const std::vector<std::string>& args, const std::filesystem::path& out,
            const std::filesystem::path& err, const std::filesystem::path& dir) {
  // Everything allocated before the fork: the child of a process with threads
  // may only call what is safe in a signal handler.
  std::vector<char*> argv{const_cast<char*>(SPANWISE_ANALYSE)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const bool together = err == out;
  const pid_t pid = fork();
  if (pid != 0) return pid;
  const int flags = O_WRONLY | O_CREAT | O_APPEND;
  if ((!dir.empty() && chdir(dir.c_str()) != 0) || dup2(open(out.c_str(), flags, 0600), 1) != 1 ||
      dup2(together ? 1 : open(err.c_str(), flags, 0600), 2) != 2)
    _exit(126);
  execv(argv[0], argv.data());
  _exit(127);
}

int Wait(pid_t pid) {
  int status = -1;
  return pid > 0 && waitpid(pid, &status, 0) == pid ? status : -1;
}

int Analyse(const std::vector<std::string>& args, const std::filesystem::path& out,
            const std::filesystem::path& err, const std::filesystem::path& dir) {
  const int status = Wait(Spawn(args, out, err, dir));
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace spanwise::test
