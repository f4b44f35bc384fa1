#include "draws/draw_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "state/atomic_write.h"
#include "state/file_error.h"

namespace kw {

namespace {

QByteArray serialise(const std::vector<DrawRecord>& records)
{
    QByteArray bytes(static_cast<qsizetype>(records.size()) * DrawRecord::kSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        records[i].writeTo(bytes.data() + i * DrawRecord::kSize);
    return bytes;
}

bool fail(QString* error, const QString& text)
{
    if (error) *error = text;
    return false;
}

constexpr qint64 kSettledMsecs = 2000;

// What tells one state of a file from another: any write of the file changes it.
using FileIdentity = std::array<qint64, 7>;

FileIdentity identityOf(QFile& file)
{
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::fstat(file.handle(), &st) == 0)
        return {qint64(st.st_dev),         qint64(st.st_ino),          qint64(st.st_size),
                qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec),
                qint64(st.st_ctim.tv_nsec)};
#endif
    const QFileInfo info(file);
    return {0,
            0,
            info.size(),
            info.lastModified().toMSecsSinceEpoch(),
            info.metadataChangeTime().toMSecsSinceEpoch(),
            0,
            0};
}

// The records of the file read last, with the identity they were read at.
struct LastRead {
    QMutex mutex;
    QString path;
    FileIdentity identity{};
    DrawHistory records;
};

LastRead& lastRead()
{
    static LastRead last;
    return last;
}

void forget(const QString& path)
{
    LastRead& last = lastRead();
    const QMutexLocker lock(&last.mutex);
    if (last.path == path) last.records.reset();
}

}  // namespace

bool inDateOrder(const DrawHistory& records)
{
    static QMutex mutex;
    static std::weak_ptr<const std::vector<DrawRecord>> checked;
    static bool ordered = false;
    const QMutexLocker lock(&mutex);
    if (checked.lock() != records) {
        ordered = std::all_of(records->begin(), records->end(),
                              [](const DrawRecord& r) { return !std::isnan(r.datum); }) &&
                  std::is_sorted(
                      records->begin(), records->end(),
                      [](const DrawRecord& a, const DrawRecord& b) { return a.datum < b.datum; });
        checked = records;
    }
    return ordered;
}

bool DrawFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::vector<DrawRecord> DrawFile::parse(const QByteArray& bytes)
{
    std::vector<DrawRecord> records;
    const qsizetype count = bytes.size() / DrawRecord::kSize;
    records.reserve(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        records.push_back(DrawRecord::readFrom(bytes.constData() + i * DrawRecord::kSize));
    return records;
}

std::optional<std::vector<DrawRecord>> DrawFile::readAll(QString* error) const
{
    const DrawHistory records = readShared(error);
    if (!records) return std::nullopt;
    return *records;
}

DrawHistory DrawFile::readShared(QString* error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, fileErrorText(file));
        return nullptr;
    }
    const FileIdentity identity = identityOf(file);
    LastRead& last = lastRead();
    {
        const QMutexLocker lock(&last.mutex);
        if (last.records && last.path == m_path && last.identity == identity) return last.records;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(error, fileErrorText(file));
        return nullptr;
    }
    auto records = std::make_shared<const std::vector<DrawRecord>>(parse(bytes));
    // File times are coarse: a file changed within the last moments could change
    // again without its identity showing it, so only a settled file is kept.
    const bool settled =
        QFileInfo(file).lastModified().msecsTo(QDateTime::currentDateTime()) > kSettledMsecs;
    const QMutexLocker lock(&last.mutex);
    last.path = m_path;
    last.identity = identity;
    last.records = settled ? records : nullptr;
    return records;
}

bool DrawFile::scan(const std::function<bool(const DrawRecord&)>& visit, QString* error) const
{
    const DrawHistory records = readShared(error);
    if (!records) return false;
    for (const DrawRecord& r : *records)
        if (!visit(r)) break;
    return true;
}

bool DrawFile::replace(const std::vector<DrawRecord>& records, QString* error) const
{
    forget(m_path);
    return writeFileAtomically(m_path, serialise(records), error);
}

bool DrawFile::append(const std::vector<DrawRecord>& records, QString* error) const
{
    forget(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite)) return fail(error, fileErrorText(file));
    const qint64 whole = file.size() - file.size() % DrawRecord::kSize;
    if (whole != file.size() && !file.resize(whole)) return fail(error, fileErrorText(file));
    if (!file.seek(whole)) return fail(error, fileErrorText(file));
    const QByteArray bytes = serialise(records);
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != whole + bytes.size())
        return fail(error, fileErrorText(file));
#ifdef Q_OS_UNIX
    // On the disk before the download goes on to the next day, as a rewrite's copy
    // is before it takes the file's name: a power cut keeps what was reported stored.
    if (::fdatasync(file.handle()) != 0)
        return fail(error, fileErrorText(m_path, QString::fromLocal8Bit(std::strerror(errno))));
#endif
    file.close();
    if (file.error() != QFileDevice::NoError) return fail(error, fileErrorText(file));
    return true;
}

bool DrawFile::createEmpty(QString* error) const
{
    forget(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(error, fileErrorText(file));
    return true;
}

}  // namespace kw
