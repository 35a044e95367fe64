// The shared file helpers of tests/support for the window tests' strings.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "tests/support/Files.h"

// The bytes of a file; empty when there is none.
inline QByteArray ReadBytes(const QString& path) {
  return QByteArray::fromStdString(spanwise::test::Slurp(QFile::encodeName(path).toStdString()));
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ExampleBytes() { return QByteArray::fromStdString(spanwise::test::Example()); }
