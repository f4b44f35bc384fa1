#pragma once
// The draw history on disk: a headerless sequence of 32-byte DrawRecords in
// ascending date order. Every call reads the file as it is now: the records of
// the last file read are kept only for as long as the file on disk is the very
// same (device, inode, size, modification and change times) and only when it
// was last changed more than two seconds before it was read, so an unchanged
// file is not parsed again. Failures return false and put "file: reason" into *error.
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "draws/draw_record.h"

namespace kw {

// The records of a draw file as read; shared, never changed.
using DrawHistory = std::shared_ptr<const std::vector<DrawRecord>>;

// Whether no date is earlier than the one before it (and every date is a
// number): the draws of a date range then form one stretch that a binary search
// finds. Remembered for the history asked about last.
bool inDateOrder(const DrawHistory& records);

class DrawFile {
public:
    explicit DrawFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    bool exists() const;

    // Whole records of the bytes, in order; trailing bytes short of a record are ignored.
    static std::vector<DrawRecord> parse(const QByteArray& bytes);

    // Reads every record from the first one on.
    std::optional<std::vector<DrawRecord>> readAll(QString* error) const;
    // The same records without a copy; null on failure.
    DrawHistory readShared(QString* error) const;
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
