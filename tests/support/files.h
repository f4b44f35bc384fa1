#pragma once
// Whole files as bytes, for tests that lay files out or check what was written.
#include <QByteArray>
#include <QFile>
#include <QTest>

namespace kw::test {

// The file's bytes; "<missing>" when it cannot be read, so that a missing file
// never passes for an empty one.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Creates or overwrites the file with the bytes.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace kw::test
