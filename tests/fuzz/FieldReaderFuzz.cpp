// Drives the field reader with a sequence of reads chosen by the input: the
// last bytes pick the operations, the rest is the file. Whatever the bytes,
// the reader must end every read with a value or a DataError, never read
// outside the file, never return a number that is not finite, and never
// stand still: every successful read takes something from the file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/DataError.h"
#include "input/FieldReader.h"

namespace {

constexpr spanwise::FieldName kNumber{"members", 2, "material number"};
constexpr spanwise::FieldName kCount{nullptr, 0, "joint count"};
constexpr spanwise::FieldName kLabel{"joints", 1, "label"};

void Check(bool condition) {
  if (!condition) std::abort();
}

// One operation; returns whether a field was read without an error.
bool Apply(spanwise::FieldReader& reader, std::uint8_t op) {
  try {
    switch (op % 4) {
      case 0:
        Check(std::isfinite(reader.ReadNumber(kNumber)));
        return true;
      case 1:
        Check(std::isfinite(reader.ReadNumber(kCount)));
        return true;
      case 2:
        reader.ReadLabel(kLabel);
        return true;
      default:
        reader.AtEnd();
        return false;
    }
  } catch (const spanwise::DataError& error) {
    const std::string reason = error.what();
    Check(reason.rfind("line ", 0) == 0);
    Check(error.line() >= 1);
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  std::vector<std::uint8_t> ops;
  const std::size_t op_count = provider.ConsumeIntegralInRange<std::size_t>(0, 32);
  for (std::size_t i = 0; i < op_count; ++i)
    ops.push_back(provider.ConsumeIntegral<std::uint8_t>());
  const std::string bytes = provider.ConsumeRemainingBytesAsString();

  spanwise::FieldReader reader(bytes);
  std::size_t reads = 0;
  int last_line = 1;
  for (std::uint8_t op : ops) {
    reads += Apply(reader, op) ? 1 : 0;
    Check(reader.line() >= last_line);
    last_line = reader.line();
  }
  // Then read on, alternating numbers and labels, until the file gives out.
  for (std::uint8_t op = 0; !reader.AtEnd(); op = static_cast<std::uint8_t>(2 - op)) {
    if (!Apply(reader, op)) break;
    Check(++reads <= bytes.size() + 2);
  }
  Check(reads <= bytes.size() + 2);
  return 0;
}
