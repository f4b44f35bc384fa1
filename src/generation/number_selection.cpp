#include "generation/number_selection.h"

#include <QDate>
#include <algorithm>
#include <climits>
#include <optional>

#include "generation/number_pool.h"
#include "generation/random_generator.h"
#include "i18n/message_table.h"
#include "platform/dialogs.h"
#include "tips/integer_text.h"
#include "tips/text_file.h"
#include "tips/tip_sheet.h"

namespace kw {

namespace {

constexpr int kEntryCaption = 50;  // "Zahlen für Berechnung wählen"
constexpr int kEntryEditTip = 51;  // "Tipp bearbeiten"
constexpr int kEntryZufall = 52;
constexpr int kEntryStopp = 53;
constexpr int kPoolNumbers = 42;   // the numbers a pool and a tip row hold
constexpr int kStarPickRange = 8;  // star numbers drawn by the row edit: 1..8

// Boxes 1..MaxZahl, never past the last box.
int offeredCount(int maxZahl)
{
    return std::clamp(maxZahl, 0, kSelectionBoxCount);
}

// Replaces the next "%s" at or after *from by value.
void fillNext(QString& text, qsizetype* from, const QString& value)
{
    const qsizetype at = text.indexOf(QLatin1String("%s"), *from);
    if (at < 0) return;
    text.replace(at, 2, value);
    *from = at + value.size();
}

QString notAnInteger(const QString& text)
{
    return QStringLiteral("'") + text + QStringLiteral("' ist keine gültige Zahl.");
}

}  // namespace

void NumberSelection::CheckBox1MouseDown(int n, bool rightButton)
{
    Minus = rightButton;
    if (rightButton) CheckBox49Click(n);
}

void NumberSelection::userToggled(int n, bool checked)
{
    box(n).checked = checked;
    CheckBox49Click(n);
}

void NumberSelection::CheckBox49Click(int n)
{
    NumberBox& b = box(n);
    const int d = Minus ? -1 : 1;
    std::optional<int> value = parseInteger(b.weight);
    if (b.checked && value) {
        // 64 bits: a weight at the top of the range must not overflow.
        const qint64 changed = qint64(*value) + d;
        b.weight = QString::number(changed);
        value = changed >= INT_MIN && changed <= INT_MAX ? std::optional<int>(int(changed))
                                                         : std::nullopt;
    }
    if (!value || *value < 0) {
        b.weight = QStringLiteral("0");
        value = 0;
    }
    if (*value == 0) b.checked = false;
    statusText = statusFor(n);
}

void NumberSelection::CheckBox2MouseMove(int n)
{
    statusText = statusFor(n);
}

QString NumberSelection::statusFor(int n) const
{
    QString text = Panel1;
    qsizetype from = 0;
    fillNext(text, &from, QString::number(n));
    fillNext(text, &from, box(n).weight);
    return text;
}

void NumberSelection::loadPoolCounts(const NumberPool& pool, const MessageTable& messages)
{
    Zufall = messages.text(kEntryZufall);
    Stopp = messages.text(kEntryStopp);
    MaxZahl = kPoolNumbers;
    for (int n = 1; n <= kPoolNumbers; ++n) {
        const int count = pool.PoolCount(n);
        box(n).checked = count > 0;
        box(n).weight = QString::number(count);
    }
}

bool NumberSelection::rebuildPool(NumberPool& pool, QString* error) const
{
    std::array<int, kPoolNumbers + 1> weights{};
    for (int n = 1; n <= kPoolNumbers; ++n) {
        if (!box(n).checked) continue;
        const std::optional<int> w = parseInteger(box(n).weight);
        if (!w) {
            if (error) *error = notAnInteger(box(n).weight);
            return false;
        }
        weights[static_cast<std::size_t>(n)] = *w == 0 ? 1 : *w;
    }
    pool.reset();
    for (int n = 1; n <= kPoolNumbers; ++n) {
        if (!box(n).checked) continue;
        // w + 1 entries; a full pool takes no more, so a huge weight cannot run on.
        const qint64 entries = qint64(weights[static_cast<std::size_t>(n)]) + 1;
        for (qint64 i = 0; i < entries; ++i)
            if (!pool.append(n)) break;
    }
    pool.PoolEnd = pool.length() - 1;
    return true;
}

QStringList NumberSelection::weightListLines()
{
    QStringList lines;
    for (int n = 1; n <= offeredCount(MaxZahl); ++n) {
        NumberBox& b = box(n);
        if (!b.checked) {
            lines << QString();
            continue;
        }
        if (b.weight.isEmpty()) b.weight = QStringLiteral("1");
        lines << b.weight;
    }
    return lines;
}

void NumberSelection::applyWeightListLines(const QStringList& lines)
{
    for (int n = 1; n <= offeredCount(MaxZahl); ++n) {
        const QString line = n <= lines.size() ? lines.at(n - 1) : QString();
        NumberBox& b = box(n);
        b.checked = !line.isEmpty();
        b.weight = line.isEmpty() ? QStringLiteral("1") : line;
    }
}

bool NumberSelection::saveWeightList(const QString& path, QString* error)
{
    return writeTextLines(path, weightListLines(), error);
}

bool NumberSelection::loadWeightList(const QString& path, QString* error)
{
    const std::optional<QStringList> lines = readTextLines(path, error);
    if (!lines) return false;
    applyWeightListLines(*lines);
    return true;
}

QString NumberSelection::proposedFileName(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".qlw");
}

FileDialogRequest NumberSelection::weightListRequest(const QDate& today, const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Werteliste (*.qlw)");
    request.defaultExtension = QStringLiteral("qlw");
    request.proposedName = proposedFileName(today);
    return request;
}

void NumberSelection::clearBoxes(int count)
{
    for (int n = 1; n <= std::min(count, kSelectionBoxCount); ++n) {
        box(n).checked = false;
        box(n).colour = BoxColour::InfoBackground;
    }
}

void NumberSelection::BitBtn4Click()
{
    if (!Timer1Enabled) {
        Timer1Enabled = true;
        clearBoxes(50);
        Tippreihe.fill(0);
        Losgeht = 1;
    } else if (Losgeht < MaxTipp) {
        ++Losgeht;
    } else {
        Timer1Enabled = false;
        BitBtn4Caption = Zufall;
        Losgeht = 1;
    }
}

void NumberSelection::Timer1Timer(RandomGenerator& random)
{
    if (!Timer1Enabled) return;  // a tick left over from before the stop
    const int offered = offeredCount(MaxZahl);
    BitBtn4Caption = QString::number(Losgeht) + QLatin1Char(' ') + Stopp;
    clearBoxes(offered);
    const int fixedUpTo = std::min(Losgeht - 1, kTippreiheLength);
    for (int i = 1; i <= fixedUpTo; ++i) {
        const int n = Tippreihe[static_cast<std::size_t>(i)];
        // A position fixed before the first picture holds no number yet.
        if (n < 1 || n > kSelectionBoxCount) continue;
        box(n).checked = true;
        box(n).colour = BoxColour::Yellow;
    }
    const int last = std::min(MaxTipp, kTippreiheLength);
    for (int i = std::max(Losgeht, 1); i <= last; ++i) {
        // More positions than free numbers would never find a free box.
        int free = 0;
        for (int n = 1; n <= offered; ++n) free += !box(n).checked;
        if (free == 0) break;
        int a = 0;
        do {
            a = random.random(offered) + 1;
        } while (box(a).checked);
        Tippreihe[static_cast<std::size_t>(i)] = a;
        box(a).checked = true;
        box(a).colour = BoxColour::Yellow;
    }
}

void NumberSelection::FormClose()
{
    Timer1Enabled = false;
    BitBtn4Caption = Zufall;
    Losgeht = 1;
}

bool selectPoolNumbers(NumberSelection& selection, NumberPool& pool, const MessageTable& messages,
                       const ShowSelection& show, QString* error)
{
    selection.loadPoolCounts(pool, messages);
    switch (show()) {
    case SelectionOutcome::Ok: return true;
    case SelectionOutcome::Retry: return selection.rebuildPool(pool, error);
    case SelectionOutcome::Abort:
    case SelectionOutcome::Cancel: break;
    }
    return false;
}

void TippEdit(TipSheet& sheet, int row, NumberSelection& selection, const MessageTable& messages,
              RandomGenerator& random, const ShowSelection& show)
{
    if (row < 1 || row > kTipRowCount) return;
    selection.caption = QString::number(row) + QStringLiteral(". ") + messages.text(kEntryEditTip);

    selection.Zufall = messages.text(kEntryZufall);
    selection.Stopp = messages.text(kEntryStopp);
    selection.BitBtn3Visible = false;
    selection.BitBtn4Visible = true;
    selection.MaxTipp = 5;
    selection.MaxZahl = kPoolNumbers;

    selection.clearBoxes(kPoolNumbers);
    for (int column = 1; column <= 5; ++column) {
        const std::optional<int> n = parseInteger(sheet.cell(row, column));
        if (!n || *n < 1 || *n > kPoolNumbers) break;
        selection.box(*n).checked = true;
        selection.box(*n).colour = BoxColour::Yellow;
    }

    if (show() == SelectionOutcome::Ok) {
        int column = 1;
        for (int n = 1; n <= kPoolNumbers && column <= 5; ++n)
            if (selection.box(n).checked) sheet.setCell(row, column++, QString::number(n));
    }

    selection.BitBtn3Visible = true;
    selection.BitBtn4Visible = false;
    for (int n = 1; n <= kPoolNumbers; ++n) selection.box(n).colour = BoxColour::InfoBackground;
    selection.caption = messages.text(kEntryCaption);
    selection.Zufall = messages.text(kEntryZufall);
    selection.Stopp = messages.text(kEntryStopp);

    if (sheet.cell(row, 6).isEmpty() && !sheet.cell(row, 5).isEmpty()) {
        int sixth = random.random(kStarPickRange) + 1;
        int seventh = 0;
        do {
            seventh = random.random(kStarPickRange) + 1;
        } while (seventh == sixth);
        if (seventh < sixth) std::swap(sixth, seventh);
        sheet.setCell(row, 6, QString::number(sixth));
        sheet.setCell(row, 7, QString::number(seventh));
    }
}

}  // namespace kw
