// An output file of the run (the report, BM.TXT, SF.TXT): opened for output
// (created or emptied), written through a large buffer, lines ended with
// CR LF. Destruction closes it and keeps what was written so far.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace spanwise {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // Fault: the file cannot be created.
  void Open(const std::string& path);

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

  // Writes what is buffered and closes. Fault: a write error.
  void Close();

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  void Flush();

  std::FILE* file_ = nullptr;
  std::string path_;
  std::string buffer_;
};

}  // namespace spanwise
