#pragma once
// The real draw history for benchmarks: ../shared/data/minilotto-history.csv
// beside the checkout (or KUGELWART_SHARED_DATA), written as a draw file.
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <cstdio>
#include <optional>
#include <vector>

#include "draws/draw_file.h"

namespace kw::bench {

inline QString historyCsvPath()
{
    const QString dir = qEnvironmentVariable(
        "KUGELWART_SHARED_DATA", QStringLiteral(KUGELWART_SOURCE_DIR "/../shared/data"));
    return dir + QStringLiteral("/minilotto-history.csv");
}

// The draws of "date,n1,n2,n3,n4,n5" lines; nullopt (with a message) when missing.
inline std::optional<std::vector<DrawRecord>> loadHistory()
{
    QFile file(historyCsvPath());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no draw history at %s\n", qPrintable(historyCsvPath()));
        return std::nullopt;
    }
    std::vector<DrawRecord> draws;
    file.readLine();  // header
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(',');
        if (fields.size() != 6) continue;
        DrawRecord r;
        r.datum = dayCountFromDate(QDate::fromString(QString::fromLatin1(fields[0]), Qt::ISODate));
        for (int i = 1; i <= 5; ++i) r.setSlot(i, fields[i].toInt());
        draws.push_back(r);
    }
    return draws;
}

// Writes the draws as the DrawFile of folder (with trailing separator), dated as a
// user's history last written long before the operation measured.
inline void writeHistory(const QString& folder, const std::vector<DrawRecord>& draws)
{
    const QString path = folder + QStringLiteral("ZahlenKK.dat");
    DrawFile(path).replace(draws, nullptr);
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                         QFileDevice::FileModificationTime);
}

}  // namespace kw::bench
