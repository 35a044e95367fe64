// Child processes for the tests: the headless analyser, without a shell.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace spanwise::test {

// Starts the analyser with args, standard output and error appended to out
// and err (the same path: both in one file), in folder dir (empty: this one).
// Returns the child's id, -1 when it could not fork.
pid_t Spawn(const std::vector<std::string>& args, const std::filesystem::path& out = "/dev/null",
            const std::filesystem::path& err = "/dev/null", const std::filesystem::path& dir = {});

// Waits for the child; its raw wait status.
int Wait(pid_t pid);

// Runs the analyser to its end: its exit code, -1 when it did not exit.
int Analyse(const std::vector<std::string>& args, const std::filesystem::path& out = "/dev/null",
            const std::filesystem::path& err = "/dev/null", const std::filesystem::path& dir = {});

}  // namespace spanwise::test
