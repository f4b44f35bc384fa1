#include "draws/draw_maintenance.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "stats/statistics.h"
#include "tips/text_file.h"

namespace kw {

namespace {

// Dates compared as whole days; a record with no usable date matches nothing read.
qint64 dayKey(DayCount day)
{
    return std::isfinite(day) && std::fabs(day) < 1e9 ? std::llround(day) : LLONG_MIN;
}

std::array<int, 5> sortedNumbers(const DrawRecord& record)
{
    std::array<int, 5> numbers{};
    for (int i = 0; i < 5; ++i) numbers[i] = record.slot(i + 1);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The kept records with the incoming ones (ascending, none of them on a kept
// record's date) placed before the first kept record on or after their date.
std::vector<DrawRecord> placedInOrder(const std::vector<DrawRecord>& kept,
                                      std::vector<DrawRecord> incoming)
{
    std::stable_sort(incoming.begin(), incoming.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.datum < b.datum; });
    std::vector<DrawRecord> result;
    result.reserve(kept.size() + incoming.size());
    size_t next = 0;
    for (const DrawRecord& record : kept) {
        while (next < incoming.size() && record.datum >= incoming[next].datum)
            result.push_back(incoming[next++]);
        result.push_back(record);
    }
    result.insert(result.end(), incoming.begin() + static_cast<std::ptrdiff_t>(next),
                  incoming.end());
    return result;
}

std::optional<std::vector<DrawRecord>> readHistory(const DrawFile& file, Services& services)
{
    // A history that is not there yet is an empty one; the rewrite creates it.
    if (!QFileInfo::exists(file.path())) return std::vector<DrawRecord>{};
    QString error;
    auto records = file.readAll(&error);
    if (!records) services.dialogs.notify(error);
    return records;
}

bool rewrite(const DrawFile& file, const std::vector<DrawRecord>& records, Services& services)
{
    QString error;
    if (file.replace(records, &error)) return true;
    services.dialogs.notify(error);
    return false;
}

// Marks the DrawFile as being worked on from the first read to the rewrite.
class MaintenanceGuard {
public:
    explicit MaintenanceGuard(MainState& state) : m_state(state)
    {
        m_state.drawMaintenanceOpen = true;
    }
    ~MaintenanceGuard() { m_state.drawMaintenanceOpen = false; }
    MaintenanceGuard(const MaintenanceGuard&) = delete;
    MaintenanceGuard& operator=(const MaintenanceGuard&) = delete;

private:
    MainState& m_state;
};

bool maintenancePossible(const MainState& state)
{
    // The tip search and the analyses read the history as it was when they began.
    return !state.run.running(Task::Download) && !state.run.running(Task::Analysis) &&
           !state.run.running(Task::Search) && !state.drawMaintenanceOpen;
}

std::optional<int> smallNumber(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    return text.toInt();
}

QDate dateOf(const QString& text, std::initializer_list<const char*> formats)
{
    for (const char* format : formats) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid()) return date;
    }
    return {};
}

enum class Match { New, Same, Differs };

Match classify(const std::map<qint64, std::vector<size_t>>& byDate,
               const std::vector<DrawRecord>& stored, const ImportedDraw& draw)
{
    const auto found = byDate.find(dayKey(draw.record.datum));
    if (found == byDate.end()) return Match::New;
    // A doubled date is made one record again, so it never counts as the same.
    if (found->second.size() != 1) return Match::Differs;
    const DrawRecord& old = stored[found->second.front()];
    if (sortedNumbers(old) != sortedNumbers(draw.record)) return Match::Differs;
    if (draw.hasStars && (old.slot(7) != draw.record.slot(7) || old.slot(8) != draw.record.slot(8)))
        return Match::Differs;
    return Match::Same;
}

std::map<qint64, std::vector<size_t>> indexByDate(const std::vector<DrawRecord>& stored)
{
    std::map<qint64, std::vector<size_t>> byDate;
    for (size_t i = 0; i < stored.size(); ++i) byDate[dayKey(stored[i].datum)].push_back(i);
    return byDate;
}

}  // namespace

DrawRecord entryProposal(const std::vector<DrawRecord>& records, DayCount date)
{
    DrawRecord buffer;
    const int preset[DrawRecord::kSlots] = {1, 2, 3, 4, 5, 6, 1, 2};
    for (int i = 1; i <= DrawRecord::kSlots; ++i) buffer.setSlot(i, preset[i - 1]);
    buffer.datum = kEmptyHistoryProposal;
    for (const DrawRecord& record : records) {
        buffer = record;
        if (dayKey(record.datum) == dayKey(date)) break;
    }
    return buffer;
}

void sortDrawNumbers(DrawRecord& record)
{
    std::sort(record.zahlen.begin(), record.zahlen.begin() + 5);
}

std::vector<DrawRecord> withDrawStored(const std::vector<DrawRecord>& records,
                                       const DrawRecord& record)
{
    return placedInOrder(withoutDate(records, record.datum), {record});
}

std::vector<DrawRecord> withoutDate(const std::vector<DrawRecord>& records, DayCount date)
{
    std::vector<DrawRecord> kept;
    kept.reserve(records.size());
    for (const DrawRecord& r : records)
        if (dayKey(r.datum) != dayKey(date)) kept.push_back(r);
    return kept;
}

QString exportLine(const DrawRecord& record)
{
    QString line = dateFromDayCount(record.datum).toString(QStringLiteral("yyyyMMdd"));
    for (int slot : {1, 2, 3, 4, 5, 7, 8})
        line += QLatin1Char(',') + QString::number(record.slot(slot));
    return line;
}

ImportedLine parseImportLine(const QString& line, int starMaximum, const MessageTable& messages)
{
    static const QRegularExpression numbered(
        QStringLiteral("^\\d+\\.\\s+(\\d{1,2}\\.\\d{1,2}\\.\\d{4})\\s+(\\S.*)$"));
    static const QRegularExpression compact(QStringLiteral("^\\d{8}$"));
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    static const QRegularExpression running(QStringLiteral("^\\d+$"));

    ImportedLine result;
    const QString text = line.trimmed();
    QDate date;
    QStringList numbers;
    QStringList stars;
    if (const auto m = numbered.match(text); m.hasMatch()) {
        date = dateOf(m.captured(1), {"dd.MM.yyyy", "d.M.yyyy"});
        numbers = m.captured(2).split(QLatin1Char(','));
    } else {
        QStringList fields = text.split(QLatin1Char(','));
        for (QString& f : fields) f = f.trimmed();
        const qsizetype n = fields.size();
        if ((n == 6 || n == 8) && compact.match(fields[0]).hasMatch()) {
            date = dateOf(fields[0], {"yyyyMMdd"});
            numbers = fields.mid(1, 5);
            stars = fields.mid(6);
        } else if (n == 6 && iso.match(fields[0]).hasMatch()) {
            date = dateOf(fields[0], {"yyyy-MM-dd"});
            numbers = fields.mid(1);
        } else if (n == 7 && running.match(fields[0]).hasMatch() &&
                   fields[1].contains(QLatin1Char('.'))) {
            date = dateOf(fields[1], {"dd.MM.yyyy", "d.M.yyyy"});
            numbers = fields.mid(2);
        } else {
            result.error = messages.text(Message::LineUnknownFormat);
            return result;
        }
    }
    if (numbers.size() != 5) {
        result.error = messages.text(Message::LineNotFiveNumbers);
        return result;
    }
    // Day counts start after 30.12.1899; a record of an earlier date is never shown.
    if (!date.isValid() || date.year() < 1900) {
        result.error = messages.text(Message::LineBadDate);
        return result;
    }
    DrawRecord record;
    record.datum = dayCountFromDate(date);
    for (int i = 0; i < 5; ++i) {
        const QString field = numbers[i].trimmed();
        const auto value = smallNumber(field);
        if (!value) {
            result.error = messages.text(Message::LineNotANumber).arg(field);
            return result;
        }
        if (*value < 1 || *value > 42) {
            result.error = messages.text(Message::LineOutOfRange).arg(*value);
            return result;
        }
        for (int j = 1; j <= i; ++j) {
            if (record.slot(j) == *value) {
                result.error = messages.text(Message::LineDouble).arg(*value);
                return result;
            }
        }
        record.setSlot(i + 1, *value);
    }
    for (int i = 0; i < stars.size(); ++i) {
        const auto value = smallNumber(stars[i]);
        if (!value || *value > starMaximum) {
            result.error = messages.text(Message::LineBadStar).arg(stars[i]).arg(starMaximum);
            return result;
        }
        record.setSlot(7 + i, *value);
    }
    result.hasStars = !stars.isEmpty();
    result.record = record;
    return result;
}

namespace {

// A rejected line as a message quotes it: a file that is no draw text may hold a
// line of megabytes or control characters, which no message or status bar shows.
QString quotedLine(const QString& line)
{
    constexpr qsizetype kShown = 80;
    QString shown = line.left(kShown);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar::ReplacementCharacter;
    if (line.size() > kShown) shown += QStringLiteral("\u2026");
    return shown;
}

}  // namespace

DrawText parseDrawText(const QStringList& lines, int starMaximum, DayCount earliest,
                       const MessageTable& messages)
{
    DrawText result;
    std::set<qint64> dates;
    bool contentSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = lines.at(i).trimmed();
        if (text.isEmpty()) continue;
        // A column header ("date,n1,...") may open the file.
        if (!contentSeen && text.front().isLetter()) {
            contentSeen = true;
            continue;
        }
        contentSeen = true;
        ImportedLine line = parseImportLine(text, starMaximum, messages);
        if (line.record && line.record->datum < earliest) continue;
        if (line.record && !dates.insert(dayKey(line.record->datum)).second)
            line.error = messages.text(Message::LineDateRepeated);
        if (!line.error.isEmpty()) {
            if (++result.rejected == 1)
                result.firstRejected = messages.text(Message::RejectedLine)
                                           .arg(i + 1)
                                           .arg(quotedLine(text), line.error);
            continue;
        }
        result.draws.push_back({*line.record, line.hasStars});
    }
    return result;
}

int countDiffering(const std::vector<DrawRecord>& stored, const std::vector<ImportedDraw>& imported)
{
    const auto byDate = indexByDate(stored);
    return static_cast<int>(std::count_if(
        imported.begin(), imported.end(),
        [&](const ImportedDraw& d) { return classify(byDate, stored, d) == Match::Differs; }));
}

ImportMerge mergeImported(const std::vector<DrawRecord>& stored,
                          const std::vector<ImportedDraw>& imported, bool replaceDiffering)
{
    const auto byDate = indexByDate(stored);
    ImportMerge merge;
    std::set<qint64> replacedDates;
    std::vector<DrawRecord> incoming;
    for (const ImportedDraw& draw : imported) {
        switch (classify(byDate, stored, draw)) {
        case Match::New:
            ++merge.added;
            incoming.push_back(draw.record);
            break;
        case Match::Same: ++merge.unchanged; break;
        case Match::Differs: {
            if (!replaceDiffering) {
                ++merge.kept;
                break;
            }
            const qint64 key = dayKey(draw.record.datum);
            DrawRecord record = stored[byDate.at(key).front()];
            for (int i = 1; i <= 5; ++i) record.setSlot(i, draw.record.slot(i));
            if (draw.hasStars) {
                record.setSlot(7, draw.record.slot(7));
                record.setSlot(8, draw.record.slot(8));
            }
            replacedDates.insert(key);
            incoming.push_back(record);
            ++merge.replaced;
            break;
        }
        }
    }
    std::vector<DrawRecord> kept;
    kept.reserve(stored.size());
    for (const DrawRecord& r : stored)
        if (!replacedDates.count(dayKey(r.datum))) kept.push_back(r);
    merge.records = placedInOrder(kept, std::move(incoming));
    return merge;
}

void enterDraw(MainState& state, Services& services, const DrawEntryDialog& edit)
{
    if (!maintenancePossible(state)) return;
    MaintenanceGuard guard(state);
    const DrawFile file(state.drawFilePath());
    std::optional<DrawRecord> entered;
    {
        const auto records = readHistory(file, services);
        if (!records) return;
        const DrawRecord proposal = entryProposal(*records, state.DateTimePicker1.date());
        state.aktDatum = proposal.datum;
        if (const auto dialog = edit(proposal)) {
            // The digits and the reserved bytes stay as the proposal held them, and so
            // do slots 6 to 8: their up-downs are not shown, and their lowest position
            // (1) would turn a downloaded draw's empty star slots into star numbers.
            entered = proposal;
            entered->datum = dialog->datum;
            for (int slot = 1; slot <= 5; ++slot) entered->setSlot(slot, dialog->slot(slot));
            sortDrawNumbers(*entered);
        }
    }
    if (entered) {
        const auto records = readHistory(file, services);
        if (!records || !rewrite(file, withDrawStored(*records, *entered), services)) return;
    }
    state.DateTimePicker1.setDate(state.aktDatum);
    selectDrawForDate(state, services);
}

void deleteShownDraw(MainState& state, Services& services)
{
    if (!maintenancePossible(state)) return;
    MaintenanceGuard guard(state);
    if (!(state.Datum1 > 0)) return;  // no draw is shown
    QString numbers;
    for (int i = 1; i <= 5; ++i)
        numbers += (i > 1 ? QStringLiteral(", ") : QString()) + QString::number(state.Zahl[i]);
    const QString date = dateFromDayCount(state.Datum1).toString(QStringLiteral("dd.MM.yyyy"));
    if (!services.dialogs.askYesNo(
            state.messages.text(Message::DeleteDrawQuestion).arg(date, numbers),
            state.messages.text(Message::DeleteDrawCaption)))
        return;
    const DrawFile file(state.drawFilePath());
    {
        BusyCursor busy(services.dialogs);
        const auto records = readHistory(file, services);
        if (!records) return;
        const auto kept = withoutDate(*records, state.Datum1);
        if (kept.size() != records->size() && !rewrite(file, kept, services)) return;
    }
    selectDrawForDate(state, services);
}

void exportDraws(MainState& state, Services& services)
{
    FileDialogRequest& dialog = state.SaveDialog1;
    dialog.proposedName = state.Home + QStringLiteral("Zahlen.txt");
    const QString path = services.dialogs.saveFileName(dialog);
    if (path.isEmpty()) return;
    dialog.proposedName = path;
    // The history is read before the export file is touched: a failed read leaves
    // no half-written export behind that looks complete.
    const DrawFile file(state.drawFilePath());
    QString error;
    const auto records = file.readAll(&error);
    if (!records) {
        services.dialogs.notify(error);
        return;
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(records->size()));
    for (const DrawRecord& r : *records) lines << exportLine(r);
    if (!writeTextLines(path, lines, &error)) services.dialogs.notify(error);
}

void importDraws(MainState& state, Services& services)
{
    if (!maintenancePossible(state)) return;
    MaintenanceGuard guard(state);
    FileDialogRequest request;
    request.title = state.messages.text(Message::ImportCaption);
    request.initialFolder = state.Home;
    request.filter = state.messages.text(Message::ImportFilter);
    request.defaultExtension = QStringLiteral("txt");
    const QString path = services.dialogs.openFileName(request);
    if (path.isEmpty()) {
        selectDrawForDate(state, services);
        return;
    }
    QString error;
    const auto lines = readTextLines(path, &error);
    if (!lines) {
        services.dialogs.notify(error);
        return;
    }
    const MessageTable& m = state.messages;
    const DrawText text = parseDrawText(*lines, state.SternenzahlMax, 0, m);

    const DrawFile file(state.drawFilePath());
    std::optional<ImportMerge> merge;
    {
        int differing = 0;
        {
            const auto stored = readHistory(file, services);
            if (!stored) return;
            differing = countDiffering(*stored, text.draws);
        }
        // Draws corrected by hand must not vanish without the user's word.
        const bool replace =
            differing > 0 && services.dialogs.askYesNo(
                                 m.text(Message::ImportDiffering).arg(differing) +
                                     QLatin1Char('\n') + m.text(Message::ImportReplaceQuestion),
                                 m.text(Message::ImportCaption));
        BusyCursor busy(services.dialogs);
        const auto stored = readHistory(file, services);
        if (!stored) return;
        merge = mergeImported(*stored, text.draws, replace);
        if (merge->added + merge->replaced > 0 && !rewrite(file, merge->records, services)) return;
    }

    QStringList report = {QDir::toNativeSeparators(path) + QLatin1Char(':'),
                          m.text(Message::ImportAdded).arg(merge->added),
                          m.text(Message::ImportReplaced).arg(merge->replaced),
                          m.text(Message::ImportUnchanged).arg(merge->unchanged),
                          m.text(Message::ImportRejected).arg(text.rejected)};
    if (merge->kept > 0) report << m.text(Message::ImportKept).arg(merge->kept);
    if (text.rejected > 0) report << m.text(Message::ImportFirstRejected) + text.firstRejected;
    services.dialogs.notify(report.join(QLatin1Char('\n')), m.text(Message::ImportCaption));
    selectNewestDraw(state, services);
    if (merge->added + merge->replaced > 0) recountFrequencyChart(state, services);
}

}  // namespace kw
