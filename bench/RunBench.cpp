// make bench: generates the N-span beams, analyses each with
// spanwise-analyse --no-design and prints what it costs against the plain
// copy of the three files it writes, then what Design.txt adds (the run
// without the option), then times the example model from start to exit.
//   spanwise-bench-run BUILD_DIR WORK_DIR [N ...]
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Child {
  double seconds = 0;
  double cpu = 0;  // user and system time of the child
  long peak_kb = 0;
  int status = -1;
};

// Runs argv with its output discarded; wall time from fork to exit and the
// child's peak resident memory.
Child Run(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::fflush(stdout);  // else the child would write the buffered text again
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stdout);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Child child;
  child.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  child.peak_kb = usage.ru_maxrss;
  child.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  child.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return child;
}

// A plain buffered copy: read and write in blocks of 128 KiB, as cp does.
double CopyFiles(const std::vector<fs::path>& files, const fs::path& folder) {
  static std::vector<char> buffer(128 * 1024);
  const auto start = Clock::now();
  for (const fs::path& file : files) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    std::FILE* out = std::fopen((folder / ("copy-" + file.filename().string())).c_str(), "wb");
    if (in == nullptr || out == nullptr) std::exit(1);
    std::setvbuf(in, nullptr, _IONBF, 0);
    std::setvbuf(out, nullptr, _IONBF, 0);
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0)
      std::fwrite(buffer.data(), 1, n, out);
    std::fclose(in);
    std::fclose(out);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

fs::path TemporaryOf(const fs::path& path) {
  std::string name(1, '.');
  name.append(path.filename().string()).append(".tmp");
  return path.parent_path() / name;
}

// Writes the bytes of the results as the run does: in place (each file
// emptied and written), or whole (the lock, the search for leftovers, a
// temporary each, then the renames). Seconds taken.
double WriteSet(const std::vector<std::pair<fs::path, std::string>>& set, bool whole) {
  const auto start = Clock::now();
  int lock = -1;
  if (whole) {
    lock =
        open((set.front().first.parent_path() / ".spanwise.lock").c_str(), O_RDWR | O_CREAT, 0666);
    flock(lock, LOCK_EX);
    DIR* dir = opendir(set.front().first.parent_path().c_str());
    while (readdir(dir) != nullptr) {
    }
    closedir(dir);
  }
  for (const auto& [path, bytes] : set) {
    const fs::path target = whole ? TemporaryOf(path) : path;
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    for (std::size_t at = 0; at < bytes.size(); at += 1 << 16)
      if (write(fd, bytes.data() + at, std::min<std::size_t>(1 << 16, bytes.size() - at)) < 0)
        std::exit(1);
    close(fd);
  }
  for (auto it = set.rbegin(); whole && it != set.rend(); ++it)
    std::rename(TemporaryOf(it->first).c_str(), it->first.c_str());
  if (lock >= 0) close(lock);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<std::pair<fs::path, std::string>> ReadSet(const std::vector<fs::path>& files) {
  std::vector<std::pair<fs::path, std::string>> set;
  for (const fs::path& file : files) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    std::string bytes(fs::file_size(file), '\0');
    if (in == nullptr || std::fread(bytes.data(), 1, bytes.size(), in) != bytes.size())
      std::exit(1);
    std::fclose(in);
    set.emplace_back(file, std::move(bytes));
  }
  return set;
}

std::string Thousands(long n) {
  const std::string digits = std::to_string(n);
  std::string s;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) s += ',';
    s += digits[i];
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: spanwise-bench-run BUILD_DIR WORK_DIR [N ...]\n", stderr);
    return 2;
  }
  const fs::path build = fs::absolute(argv[1]);
  const fs::path work = fs::absolute(argv[2]);
  std::vector<long> sizes;
  for (int i = 3; i < argc; ++i) sizes.push_back(std::atol(argv[i]));
  if (sizes.empty()) sizes = {1000, 10000, 100000, 1000000};
  const std::string analyse = (build / "spanwise-analyse").string();

  std::printf(
      "Wall time is the best of several runs; cpu s is that run's user + system time,\n"
      "which a busy machine does not stretch.\n\n");
  std::printf(
      "| N spans | wall s | cpu s | us/member | peak RSS B/member | Beam.txt B | BM.TXT B | SF.TXT "
      "B | plain copy s | wall/copy | with Design.txt s | its cpu s | Design.txt B | design + |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  struct Row {
    long n;
    double wall, copy, design;
    long rss_kb;
    double whole_cost, sync_wall;
  };
  std::vector<Row> rows;
  for (long n : sizes) {
    const fs::path folder = work / std::to_string(n);
    fs::create_directories(folder);
    const fs::path input = folder / "Beam.sma";
    if (Run({(build / "spanwise-bench-beam").string(), std::to_string(n), input.string()}).status !=
        0)
      return 1;
    const int repeats = n >= 1000000 ? 2 : n >= 100000 ? 3 : 7;
    // The best of the repeats, the runs with and without Design.txt taking turns.
    Child best, with_design;
    best.seconds = with_design.seconds = 1e9;
    Run({analyse, input.string()});  // warm: the input in the page cache, the outputs exist
    for (int r = 0; r < repeats; ++r) {
      for (Child* kept : {&best, &with_design}) {
        const Child c = kept == &best ? Run({analyse, "--no-design", input.string()})
                                      : Run({analyse, input.string()});
        if (c.status != 0) {
          std::fprintf(stderr, "spanwise-analyse failed on %ld spans\n", n);
          return 1;
        }
        if (c.seconds < kept->seconds) kept->seconds = c.seconds, kept->cpu = c.cpu;
        kept->peak_kb = std::max(kept->peak_kb, c.peak_kb);
      }
    }
    // The peak of either run: the default run writes Design.txt.
    best.peak_kb = std::max(best.peak_kb, with_design.peak_kb);
    const std::vector<fs::path> files = {folder / "Beam.txt", folder / "BM.TXT", folder / "SF.TXT"};
    double copy = CopyFiles(files, folder);  // warm: the copies exist as the outputs do
    for (int r = 0; r < repeats; ++r) copy = std::min(copy, CopyFiles(files, folder));
    for (const fs::path& f : files) fs::remove(folder / ("copy-" + f.filename().string()));
    // What writing whole sets adds to a run: the same bytes written whole
    // against written in place, best of the repeats each.
    const auto set = ReadSet(files);
    double in_place = 1e9, whole = 1e9, sync_wall = 1e9;
    for (int r = 0; r < repeats; ++r) {
      in_place = std::min(in_place, WriteSet(set, false));
      whole = std::min(whole, WriteSet(set, true));
    }
    for (int r = 0; r < std::min(repeats, 3); ++r)
      sync_wall = std::min(sync_wall, Run({analyse, "--sync", input.string()}).seconds);
    std::printf(
        "| %s | %.3f | %.3f | %.2f | %.0f | %s | %s | %s | %.3f | %.2f | %.3f | %.3f | %s | "
        "%+.0f%% "
        "|\n",
        Thousands(n).c_str(), best.seconds, best.cpu, best.seconds / static_cast<double>(n) * 1e6,
        best.peak_kb * 1024.0 / static_cast<double>(n),
        Thousands(static_cast<long>(fs::file_size(files[0]))).c_str(),
        Thousands(static_cast<long>(fs::file_size(files[1]))).c_str(),
        Thousands(static_cast<long>(fs::file_size(files[2]))).c_str(), copy, best.seconds / copy,
        with_design.seconds, with_design.cpu,
        Thousands(static_cast<long>(fs::file_size(folder / "Design.txt"))).c_str(),
        (with_design.seconds / best.seconds - 1) * 100);
    std::fflush(stdout);
    rows.push_back({n, best.seconds, copy, with_design.seconds, best.peak_kb,
                    (whole - in_place) / best.seconds, sync_wall});
    fs::remove(input);
  }

  // The example model of the README, process start to exit.
  const fs::path example_folder = work / "example";
  fs::create_directories(example_folder);
  fs::copy_file(fs::path(SPANWISE_SOURCE_DIR) / "examples/Beam.sma", example_folder / "Beam.sma",
                fs::copy_options::overwrite_existing);
  std::vector<double> times;
  for (int r = 0; r < 51; ++r)
    times.push_back(Run({analyse, (example_folder / "Beam.sma").string()}).seconds);
  std::sort(times.begin(), times.end());
  std::printf("\nexample model, start to exit: median %.2f ms, best %.2f ms (51 runs)\n",
              times[times.size() / 2] * 1e3, times.front() * 1e3);

  // The envelopes of two combinations with a variable load on every span,
  // against the plain run of the same beam (Design.txt, no load cases).
  const fs::path cases_folder = work / "cases";
  fs::create_directories(cases_folder);
  const fs::path cases_input = cases_folder / "Beam.sma";
  const auto best_of = [&](const std::string& kind, long n, int repeats, Child& best) {
    if (Run({(build / "spanwise-bench-beam").string(), std::to_string(n), cases_input.string(),
             kind})
            .status != 0)
      return false;
    best.seconds = 1e9;
    for (int r = 0; r < repeats; ++r) {
      const Child c = Run({analyse, cases_input.string()});
      if (c.status != 0) return false;
      if (c.seconds < best.seconds) best.seconds = c.seconds, best.cpu = c.cpu;
      best.peak_kb = std::max(best.peak_kb, c.peak_kb);
    }
    return true;
  };
  struct EnvelopeRow {
    long n;
    Child plain, envelope;
  };
  std::vector<EnvelopeRow> envelopes;
  std::printf("\nenvelopes, variable load on every span, 2 combinations, against the plain run:\n");
  std::printf("| N spans | plain s | envelopes s | cpu s | x plain | peak RSS B/member |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|\n");
  for (long n : {1000L, 10000L, 100000L}) {
    EnvelopeRow row{n, {}, {}};
    const int repeats = n >= 100000 ? 1 : 3;
    if (!best_of("--plain", n, repeats, row.plain) || !best_of("--cases", n, repeats, row.envelope))
      return 1;
    std::printf("| %s | %.3f | %.3f | %.3f | %.1f | %.0f |\n", Thousands(n).c_str(),
                row.plain.seconds, row.envelope.seconds, row.envelope.cpu,
                row.envelope.seconds / row.plain.seconds,
                row.envelope.peak_kb * 1024.0 / static_cast<double>(n));
    std::fflush(stdout);
    envelopes.push_back(row);
  }
  // Random spans, a variable uniform and a variable point load on every
  // span, three combinations.
  Child random;
  if (!best_of("--random", 2000, 3, random)) return 1;
  const double random_design = static_cast<double>(fs::file_size(cases_folder / "Design.txt"));
  std::printf(
      "\nenvelopes of 2,000 random spans, 3 cases, 3 combinations: %.3f s, peak %.0f MB, "
      "Design.txt %.2f MB\n",
      random.seconds, static_cast<double>(random.peak_kb) / 1024, random_design / 1e6);
  const double envelope = envelopes.front().envelope.seconds;

  // Springs at every joint and a hinge in every third span against the
  // plain beam of as many spans, best of three each, taking turns.
  const fs::path supports_folder = work / "supports";
  fs::create_directories(supports_folder);
  const fs::path plain_input = supports_folder / "plain.sma";
  const fs::path supports_input = supports_folder / "Beam.sma";
  if (Run({(build / "spanwise-bench-beam").string(), "100000", plain_input.string()}).status != 0 ||
      Run({(build / "spanwise-bench-beam").string(), "100000", supports_input.string(),
           "--supports"})
              .status != 0)
    return 1;
  double plain = 1e9, springs = 1e9;
  for (int r = 0; r < 3; ++r) {
    const Child p = Run({analyse, "--no-design", plain_input.string()});
    const Child s = Run({analyse, "--no-design", supports_input.string()});
    if (p.status != 0 || s.status != 0) return 1;
    plain = std::min(plain, p.seconds);
    springs = std::min(springs, s.seconds);
  }
  std::printf("\nsprings and hinges, 100,000 spans: %.3f s against %.3f s plain (%+.0f%%)\n",
              springs, plain, (springs / plain - 1) * 100);

  // A moving case (six axles and a lane load) on 100, 1,000 and 10,000 spans.
  std::vector<std::pair<long, Child>> moving;
  std::printf("\nmoving case, six axles and a lane load:\n");
  for (long n : {100L, 1000L, 10000L}) {
    Child best;
    if (!best_of("--moving", n, n >= 10000 ? 1 : 3, best)) return 1;
    std::printf("  %s spans: %.3f s, %.3f s cpu, peak %.0f MB\n", Thousands(n).c_str(),
                best.seconds, best.cpu, static_cast<double>(best.peak_kb) / 1024);
    std::fflush(stdout);
    moving.push_back({n, best});
  }

  // The targets.
  std::printf("\ntargets:\n");
  std::printf("  moving case, 100 spans <= 1 s: %s (%.3f s)\n",
              moving[0].second.seconds <= 1 ? "met" : "MISSED", moving[0].second.seconds);
  std::printf("  moving case, 1,000 spans <= 10 s: %s (%.3f s)\n",
              moving[1].second.seconds <= 10 ? "met" : "MISSED", moving[1].second.seconds);
  std::printf("  springs and hinges within 20%% of the plain run: %s (%+.0f%%)\n",
              springs <= 1.2 * plain ? "met" : "MISSED", (springs / plain - 1) * 100);
  std::printf("  envelopes of 1,000 spans <= 2 s: %s (%.3f s)\n", envelope <= 2 ? "met" : "MISSED",
              envelope);
  for (const EnvelopeRow& r : envelopes)
    if (r.n == 10000)
      std::printf("  envelopes of 10,000 spans <= 10 x the plain run: %s (%.1f x)\n",
                  r.envelope.seconds <= 10 * r.plain.seconds ? "met" : "MISSED",
                  r.envelope.seconds / r.plain.seconds);
  const auto per_member = [](const EnvelopeRow& r) {
    return r.envelope.peak_kb * 1024.0 / static_cast<double>(r.n);
  };
  std::printf(
      "  envelopes' peak memory per member flat within 25%% from 10,000 to 100,000 spans: "
      "%s (%.0f B, %.0f B)\n",
      std::abs(per_member(envelopes.back()) / per_member(envelopes[1]) - 1) < 0.25 ? "met"
                                                                                   : "MISSED",
      per_member(envelopes[1]), per_member(envelopes.back()));
  std::printf("  2,000 random spans <= 2 s, <= 300 MB, Design.txt <= 5 MiB: %s\n",
              random.seconds <= 2 && random.peak_kb <= 300 * 1024 && random_design <= 5 * 1048576.0
                  ? "met"
                  : "MISSED");
  for (const Row& r : rows) {
    if (r.n == 100000) {
      std::printf("  100,000 spans <= 1 s: %s (%.3f s)\n", r.wall <= 1 ? "met" : "MISSED", r.wall);
      std::printf("  100,000 spans with Design.txt <= 1.3 x without: %s (%.2f x)\n",
                  r.design <= 1.3 * r.wall ? "met" : "MISSED", r.design / r.wall);
    }
    if (r.n == 1000000) {
      std::printf("  1,000,000 spans <= 10 s: %s (%.3f s)\n", r.wall <= 10 ? "met" : "MISSED",
                  r.wall);
      std::printf("  1,000,000 spans <= 3 x plain copy: %s (%.2f x)\n",
                  r.wall <= 3 * r.copy ? "met" : "MISSED", r.wall / r.copy);
    }
  }
  if (rows.size() >= 2) {
    const double first = rows.front().wall / static_cast<double>(rows.front().n);
    const double last = rows.back().wall / static_cast<double>(rows.back().n);
    double low = 1e9, high = 0;
    for (const Row& r : rows) {
      const double per = r.wall / static_cast<double>(r.n);
      low = std::min(low, per), high = std::max(high, per);
    }
    std::printf(
        "  time per member flat within 25%%: %s (%s to %s spans: %+.0f%%; widest spread %.0f%%)\n",
        std::abs(last / first - 1) < 0.25 && high / low - 1 < 0.25 ? "met" : "MISSED",
        Thousands(rows.front().n).c_str(), Thousands(rows.back().n).c_str(),
        (last / first - 1) * 100, (high / low - 1) * 100);
  }
  for (const Row& r : rows) {
    std::printf("  whole result sets cost <= 5%% of the run at %s spans: %s (%+.2f%%)\n",
                Thousands(r.n).c_str(), r.whole_cost <= 0.05 ? "met" : "MISSED",
                r.whole_cost * 100);
    std::printf("    with --sync the run takes %.3f s against %.3f s\n", r.sync_wall, r.wall);
  }
  for (const Row& r : rows)
    std::printf("  peak memory <= 2 KB per member at %s spans: %s (%.0f B)\n",
                Thousands(r.n).c_str(),
                r.rss_kb * 1024.0 / static_cast<double>(r.n) <= 2048 ? "met" : "MISSED",
                r.rss_kb * 1024.0 / static_cast<double>(r.n));
  std::printf("  example under 10 ms: %s (median %.2f ms)\n",
              times[times.size() / 2] < 0.010 ? "met" : "MISSED", times[times.size() / 2] * 1e3);
  return 0;
}
