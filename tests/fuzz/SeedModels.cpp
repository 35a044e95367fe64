// Writes generated beam models as seeds for the fuzz targets:
//   fuzz_seed_models FOLDER [COUNT]
// Mostly valid models of every shape the reader accepts (every load type,
// members entered right to left, quoted labels with commas, records split
// over lines, exponent notation, blank lines, each line-end style), so that
// the fuzzer starts deep inside the run rather than at its first field.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

class Model {
 public:
  explicit Model(std::uint32_t seed) : random_(seed) {}

  std::string Write() {
    end_ = Pick(3) == 0 ? "\n" : (Pick(8) == 0 ? "\r" : "\r\n");
    const int joints = 2 + Pick(6);
    Count(joints);
    double x = 0;
    for (int j = 1; j <= joints; ++j) {
      Record({Number(x)});
      x += 1 + Pick(9) + (Pick(2) ? 0.5 : 0.0);
    }
    Count(2);
    Record({"1", "1", Pick(2) ? "1" : "0"});
    Record({std::to_string(joints), "1", "0"});
    const int materials = 1 + Pick(2), sections = 1 + Pick(2);
    Count(materials);
    for (int k = 0; k < materials; ++k) Record({Pick(2) ? "2E8" : "2.1e+11"});
    Count(sections);
    for (int k = 0; k < sections; ++k) Record({Pick(2) ? "0.0004" : "8.5E-6"});
    Count(joints - 1);
    for (int m = 1; m < joints; ++m) {
      const bool leftwards = Pick(4) == 0;
      const int i = leftwards ? m + 1 : m;
      Record({std::to_string(i), std::to_string(leftwards ? m : m + 1),
              std::to_string(1 + Pick(materials)), std::to_string(1 + Pick(sections))});
    }
    const int loads = Pick(5);
    Count(loads);
    for (int k = 0; k < loads; ++k) {
      const int type = Pick(6) == 0 ? 3 : (Pick(3) == 0 ? 4 : 1 + Pick(2));
      Record({std::to_string(1 + Pick(joints - 1)), std::to_string(type), Number(Pick(20) - 5),
              Number(Pick(20) - 5), Number(Pick(3) * 0.5), Number(Pick(3) * 0.25)});
    }
    const int joint_loads = Pick(3);
    Count(joint_loads);
    for (int k = 0; k < joint_loads; ++k)
      Record({std::to_string(1 + Pick(joints)), Number(Pick(10) - 5), Number(Pick(4))});
    return text_;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

  static std::string Number(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
  }

  void Count(int n) {
    if (Pick(10) == 0) text_ += end_;  // a blank line
    text_ += std::to_string(n) + end_;
  }

  void Record(std::initializer_list<std::string> numbers) {
    // A record may be split over lines between its numbers; its label
    // (empty or not) always follows a comma on the same line.
    std::size_t left = numbers.size();
    for (const std::string& field : numbers)
      text_ += field + (--left > 0 && Pick(12) == 0 ? end_ : ", ");
    static const char* const kLabels[] = {"", "span", "\"quoted, with comma\"", "x"};
    text_ += kLabels[Pick(4)];
    text_ += end_;
  }

  std::mt19937 random_;
  std::string end_;
  std::string text_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: fuzz_seed_models FOLDER [COUNT]\n", stderr);
    return 2;
  }
  const int count = argc > 2 ? std::atoi(argv[2]) : 50;
  for (int n = 0; n < count; ++n) {
    std::ofstream file(std::string(argv[1]) + "/model-" + std::to_string(n) + ".sma",
                       std::ios::binary);
    file << Model(static_cast<std::uint32_t>(n + 1)).Write();
  }
  return 0;
}
