#pragma once
// The indexed table of every text the program composes at run time. An index
// names a position: a language file replaces the whole table line by line.
#include <QString>
#include <QStringList>

namespace kw {

class MessageTable {
public:
    static constexpr int kMaxEntryLength = 4096;

    MessageTable();  // the built-in German table

    // Entry n; the empty text at or beyond the end (or below 0), cut to 4096 characters.
    QString text(int index) const;
    int size() const { return static_cast<int>(m_entries.size()); }
    void replaceAll(const QStringList& lines) { m_entries = lines; }

    static QStringList builtIn();

private:
    QStringList m_entries;
};

}  // namespace kw
