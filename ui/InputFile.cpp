#include "ui/InputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace spanwise::ui {
namespace {

constexpr char kMark[] = "\xEF\xBB\xBF";

}  // namespace

InputLoad LoadInputFile(const QString& path) {
  InputLoad load;
  if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return load;
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
    load.state = InputLoad::State::kUnreadable;
    load.error = QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : file.errorString();
    return load;
  }
  load.state = InputLoad::State::kLoaded;
  const QByteArray bytes = file.readAll();
  load.encoding = EncodingOf(bytes);
  load.text = ToBoxText(bytes, load.encoding);
  return load;
}

Encoding EncodingOf(const QByteArray& file_bytes) {
  const QByteArrayView bytes(file_bytes);
  if (bytes.startsWith(kMark) && bytes.sliced(3).isValidUtf8()) {
    return Encoding::kUtf8WithMark;
  }
  // A mark followed by bytes that are not UTF-8 is no mark: as Latin-1 its
  // three bytes are three characters, saved back as they were.
  return bytes.isValidUtf8() ? Encoding::kUtf8 : Encoding::kLatin1;
}

QByteArray ToFileBytes(const QString& box_text, Encoding encoding) {
  QByteArray bytes;
  switch (encoding) {
    case Encoding::kUtf8:
      bytes = box_text.toUtf8();
      break;
    case Encoding::kUtf8WithMark:
      bytes = kMark + box_text.toUtf8();
      break;
    case Encoding::kLatin1:
      // toLatin1() writes a '?' for each half of a surrogate pair: one will do.
      bytes = box_text.toLatin1();
      for (qsizetype i = box_text.size() - 1; i > 0; --i) {
        if (box_text.at(i).isLowSurrogate() && box_text.at(i - 1).isHighSurrogate()) {
          bytes.remove(i--, 1);
        }
      }
      break;
  }
  bytes.replace("\n", "\r\n");
  bytes.append("\r\n");
  return bytes;
}

QString LostInLatin1(const QString& box_text) {
  for (qsizetype i = 0; i < box_text.size(); ++i) {
    if (box_text.at(i).unicode() <= 0xFF) continue;
    const bool pair = box_text.at(i).isHighSurrogate() && i + 1 < box_text.size() &&
                      box_text.at(i + 1).isLowSurrogate();
    return box_text.mid(i, pair ? 2 : 1);
  }
  return {};
}

QString ToBoxText(const QByteArray& file_bytes, Encoding encoding) {
  QByteArray bytes = file_bytes;
  if (encoding == Encoding::kUtf8WithMark) bytes.remove(0, 3);
  bytes.replace("\r\n", "\n");
  bytes.replace('\r', '\n');
  if (encoding == Encoding::kLatin1) return QString::fromLatin1(bytes);
  // A mark left at the start (a second one, or one in a report) is a
  // character like any other and must be saved again.
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder.decode(bytes);
}

QString SaveAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered, so that write() reports what reached the file: a write cut
  // short by a full disk or a file size limit can end without an error that
  // commit() would see, and would then replace the file with a truncated one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error.isEmpty() || error == QStringLiteral("Unknown error")
               ? QStringLiteral("the file could not be written in full")
               : error;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace spanwise::ui
