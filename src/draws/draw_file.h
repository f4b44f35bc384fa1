#pragma once
// The draw history on disk: a headerless sequence of 32-byte DrawRecords in
// ascending date order. Nothing is cached: every call reads the file as it is now.
// Failures return false and put "file: reason" into *error.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "draws/draw_record.h"

namespace kw {

class DrawFile {
public:
    explicit DrawFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    bool exists() const;

    // Whole records of the bytes, in order; trailing bytes short of a record are ignored.
    static std::vector<DrawRecord> parse(const QByteArray& bytes);

    // Reads every record from the first one on.
    std::optional<std::vector<DrawRecord>> readAll(QString* error) const;
    // Visits the records in order until visit returns false.
    bool scan(const std::function<bool(const DrawRecord&)>& visit, QString* error) const;

    // Writes records as the new content through a completed temporary copy that
    // atomically takes the file's name; on failure the old file is unchanged.
    bool replace(const std::vector<DrawRecord>& records, QString* error) const;
    // Appends at the end, creating the file when missing. A trailing partial record
    // is cut off first so that appended records stay aligned.
    bool append(const std::vector<DrawRecord>& records, QString* error) const;
    // Creates an empty file (used when a reader finds none).
    bool createEmpty(QString* error) const;

private:
    QString m_path;
};

}  // namespace kw
