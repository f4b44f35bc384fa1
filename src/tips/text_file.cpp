#include "tips/text_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "state/atomic_write.h"
#include "state/file_error.h"

namespace kw {

namespace {
constexpr auto kCodePage = "windows-1252";
}

std::optional<QStringList> readTextLines(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = fileErrorText(file);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decode(kCodePage);
    QString text = decode.isValid() ? QString(decode(bytes)) : QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end
    return lines;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    QStringEncoder encode(kCodePage);
    const QByteArray bytes = encode.isValid() ? QByteArray(encode(text)) : text.toLatin1();
    return writeFileAtomically(path, bytes, error);
}

}  // namespace kw
