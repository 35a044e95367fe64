// Writes the input file of an N-span benchmark beam: spans of 5, E = 2E8,
// I = 0.0004, joint 1 fixed and every other joint propped, a uniform load
// of 6 on every span and a point load of 10 at 2.0 on every odd span. With
// --cases, a variable load case of 10 on every span and two combinations.
// With --supports, joint 1 is held vertically with a rotational spring, every
// other joint rests on a vertical spring, and every third span has a hinge
// at its end j. With --random, spans of 3 to 9 and loads drawn from a fixed
// seed, two variable cases (a uniform load and a point load on every span)
// and three combinations. With --moving, a moving case: six axles of 100 at
// 1.2 to 4 apart and a lane load of 9. --plain is the same as no option.
//   spanwise-bench-beam N PATH/Beam.sma [--plain | --cases | --supports | --random | --moving]
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Number(std::string& out, long v) {
  char buf[24];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

}  // namespace

int main(int argc, char** argv) {
  const bool cases = argc == 4 && std::string(argv[3]) == "--cases";
  const bool supports = argc == 4 && std::string(argv[3]) == "--supports";
  const bool random = argc == 4 && std::string(argv[3]) == "--random";
  const bool plain = argc == 4 && std::string(argv[3]) == "--plain";
  const bool moving = argc == 4 && std::string(argv[3]) == "--moving";
  if (argc != 3 && !cases && !supports && !random && !plain && !moving) {
    std::fputs(
        "usage: spanwise-bench-beam N PATH/Beam.sma [--plain | --cases | --supports | "
        "--random | --moving]\n",
        stderr);
    return 2;
  }
  const long N = std::strtol(argv[1], nullptr, 10);
  if (N < 1) return 2;
  std::string out;
  out.reserve(static_cast<std::size_t>(N) * 120);
  const auto line = [&](auto&&... parts) {
    (out.append(parts), ...);
    out += "\r\n";
  };
  auto num = [](long v) {
    std::string s;
    Number(s, v);
    return s;
  };

  unsigned long seed = 12345;  // a linear congruential draw: the same beam on every machine
  const auto draw = [&seed](long lo, long hi) {
    seed = seed * 6364136223846793005UL + 1442695040888963407UL;
    return lo + static_cast<long>((seed >> 33) % static_cast<unsigned long>(hi - lo + 1));
  };
  std::vector<long> x(1, 0);  // joint positions in tenths
  for (long m = 1; m <= N; ++m) x.push_back(x.back() + (random ? draw(30, 90) : 50));
  const auto tenths = [&](long v) { return num(v / 10) + "." + num(v % 10); };
  line(num(N + 1));
  for (long j = 1; j <= N + 1; ++j) line(tenths(x[j - 1]), ", joint ", num(j));
  line(num(supports ? 1 : N + 1));
  line(supports ? "1, 1, 0, pinned end" : "1, 1, 1, fixed end");
  for (long j = 2; j <= N + 1 && !supports; ++j) line(num(j), ", 1, 0, prop");
  line("1");
  line("2E8, steel");
  line("1");
  line("0.0004, beam section");
  line(num(N));
  for (long m = 1; m <= N; ++m) line(num(m), ", ", num(m + 1), ", 1, 1, span ", num(m));
  line(num(N + (N + 1) / 2));
  for (long m = 1; m <= N; ++m) {
    line(num(m), ", 2, 6, 6, 0, 0, uniform load");
    if (m % 2 == 1) line(num(m), ", 1, 10, 0, 2.0, 0, point load");
  }
  line("0");
  if (supports) {
    line("SPRINGS, ", num(N + 1));
    line("1, 0, 1E5, wall");
    for (long j = 2; j <= N + 1; ++j) line(num(j), ", 1E5, 0, bearing");
    line("RELEASES, ", num(N / 3));
    for (long m = 3; m <= N; m += 3) line(num(m), ", j, hinge");
  }
  if (cases) {
    line("CASES, 1");
    line("variable, office load");
    line(num(N));
    for (long m = 1; m <= N; ++m) line(num(m), ", 2, 10, 10, 0, 0, office load");
    line("0");
    line("COMBINATIONS, 2");
    line("1.35, 1.0, 1.5, 0, ULS");
    line("1, 1, 1, 0, SLS");
  }
  if (moving) {
    line("CASES, 1");
    line("moving, lorry");
    line("6, 9, six axles and a lane load");
    for (const char* axle :
         {"100, 0, 1", "100, 1.2, 2", "100, 4, 3", "100, 1.2, 4", "100, 1.2, 5", "100, 1.2, 6"})
      line(axle);
  }
  if (random) {
    line("CASES, 2");
    line("variable, office load");
    line(num(N));
    for (long m = 1; m <= N; ++m)
      line(num(m), ", 2, ", num(draw(5, 15)), ", ", num(draw(5, 15)), ", 0, 0, office");
    line("0");
    line("variable, crane");
    line(num(N));
    for (long m = 1; m <= N; ++m)
      line(num(m), ", 1, ", num(draw(10, 40)), ", 0, ", tenths(draw(0, x[m] - x[m - 1])),
           ", 0, crane");
    line("0");
    line("COMBINATIONS, 3");
    line("1.35, 1.0, 1.5, 0, 1.5, 0, ULS");
    line("1, 1, 1, 0, 1, 0, SLS");
    line("1, 1, 0.5, 0, 1, 0, crane");
  }

  std::FILE* file = std::fopen(argv[2], "wb");
  if (file == nullptr || std::fwrite(out.data(), 1, out.size(), file) != out.size() ||
      std::fclose(file) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
