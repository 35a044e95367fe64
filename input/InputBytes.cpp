#include "input/InputBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/DataError.h"

namespace spanwise {

InputBytes ReadInputFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw DataError("cannot open the input file " + path);
  std::error_code error;
  const bool regular = std::filesystem::is_regular_file(path, error);
  const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
  if (!regular || error) {
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (file.bad()) throw DataError("cannot read the input file " + path);
    return InputBytes(std::string_view(bytes));
  }
  InputBytes bytes(static_cast<std::size_t>(size));
  file.read(bytes.data(), static_cast<std::streamsize>(size));
  if (file.bad()) throw DataError("cannot read the input file " + path);
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

}  // namespace spanwise
