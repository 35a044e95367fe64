#include "ui/InputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace spanwise::ui {

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
  load.text = ToBoxText(file.readAll());
  return load;
}

QByteArray ToFileBytes(const QString& box_text) {
  QByteArray bytes = box_text.toUtf8();
  bytes.replace("\n", "\r\n");
  bytes.append("\r\n");
  return bytes;
}

QString ToBoxText(const QByteArray& file_bytes) {
  QByteArray bytes = file_bytes;
  bytes.replace("\r\n", "\n");
  bytes.replace('\r', '\n');
  return QString::fromUtf8(bytes);
}

QString SaveAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  file.write(bytes);  // a failed write makes commit() fail and keeps the old file
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace spanwise::ui
