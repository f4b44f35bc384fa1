#include "draws/draw_file.h"

#include <QFile>
#include <QFileInfo>

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

}  // namespace

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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, fileErrorText(file));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(error, fileErrorText(file));
        return std::nullopt;
    }
    return parse(bytes);
}

bool DrawFile::scan(const std::function<bool(const DrawRecord&)>& visit, QString* error) const
{
    const auto records = readAll(error);
    if (!records) return false;
    for (const DrawRecord& r : *records)
        if (!visit(r)) break;
    return true;
}

bool DrawFile::replace(const std::vector<DrawRecord>& records, QString* error) const
{
    return writeFileAtomically(m_path, serialise(records), error);
}

bool DrawFile::append(const std::vector<DrawRecord>& records, QString* error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite)) return fail(error, fileErrorText(file));
    const qint64 whole = file.size() - file.size() % DrawRecord::kSize;
    if (whole != file.size() && !file.resize(whole)) return fail(error, fileErrorText(file));
    if (!file.seek(whole)) return fail(error, fileErrorText(file));
    const QByteArray bytes = serialise(records);
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != whole + bytes.size())
        return fail(error, fileErrorText(file));
    file.close();
    if (file.error() != QFileDevice::NoError) return fail(error, fileErrorText(file));
    return true;
}

bool DrawFile::createEmpty(QString* error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(error, fileErrorText(file));
    return true;
}

}  // namespace kw
