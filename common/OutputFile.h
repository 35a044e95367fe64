// An output file of the run (the report, BM.TXT, SF.TXT, Design.txt) while it
// is written: a new file written through a large buffer, lines ended with
// CR LF. Faults name the file by the name the user knows, never by the
// temporary it is written to (common/ResultSet.h).
#pragma once

#include <string>
#include <string_view>

namespace spanwise {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();  // closes without writing what is still buffered

  // path in: a file that must not exist yet (it is created, never followed
  // through a symbolic link); name in: the file's name in faults.
  // Fault: WriteError when the file cannot be created.
  void Open(const std::string& path, const std::string& name);

  // The text of the current line is appended here; EndLine ends it.
  std::string& text() { return buffer_; }
  void Line(std::string_view line) {
    buffer_ += line;
    EndLine();
  }
  void EndLine() {
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushSize) Flush();
  }

  // Writes what is buffered, forces it to the disk when sync, and closes.
  // Fault: WriteError.
  void Close(bool sync = false);

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  void Flush();
  [[noreturn]] void Fail(int error);

  int fd_ = -1;
  std::string name_;
  std::string buffer_;
};

}  // namespace spanwise
