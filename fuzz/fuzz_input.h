#pragma once
// What every harness shares: a Qt application object for the code that wants one,
// and the fuzzer's bytes as the program meets them (a file on disk, a text).
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kw::fuzz {

inline void startApplication(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
}

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A path in a folder of this run; the same name is reused for every input. In
// memory where the system has such a folder: the settings store syncs its files
// to disk, which would make a run a hundred times slower.
inline QString scratchPath(const QString& name)
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/kugelwart-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/kugelwart-fuzz-XXXXXX"));
    return folder.filePath(name);
}

// The bytes written to the file of that name, for the readers that take a path.
inline QString fileWith(const QByteArray& bytes, const QString& name = QStringLiteral("input"))
{
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) abort();
    if (file.write(bytes) != bytes.size()) abort();
    return path;
}

// Two inputs from one: the parts before and after the first line "%%".
inline std::pair<QByteArray, QByteArray> splitInput(const QByteArray& bytes)
{
    const qsizetype at = bytes.indexOf("\n%%\n");
    if (at < 0) return {bytes, {}};
    return {bytes.left(at + 1), bytes.mid(at + 4)};
}

// Stops the run with the input that broke a promise of the parser.
#define KW_FUZZ_CHECK(condition)                                                            \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                        \
        }                                                                                   \
    } while (false)

}  // namespace kw::fuzz
