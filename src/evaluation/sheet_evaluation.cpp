#include "evaluation/sheet_evaluation.h"

#include <algorithm>
#include <vector>

#include "platform/sound.h"
#include "state/main_state.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

void countClass(MainState& state, int hits)
{
    // A draw with a number twice lets a row reach more than five hits.
    if (hits >= 0 && hits < static_cast<int>(state.Statistik.size())) ++state.Statistik[hits][0];
}

// The lines of the list as last evaluated (sharing their texts) with the draw
// they were compared with and their hit counts.
struct ListResults {
    QStringList lines;
    std::array<int, 5> draw{};
    std::vector<int> hits;
    QStringList texts;
};

}  // namespace

void Zettelcheck(MainState& state, const RowEntries& entries)
{
    state.Gewinn = 0;
    state.Zusatz = false;
    state.Super = false;
    state.Treffer.fill(false);
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            const auto value = parseInteger(entries[j - 1]);
            if (!value) return;
            if (*value == state.Zahl[i]) {
                state.Treffer[j] = true;
                ++state.Gewinn;
            }
        }
    }
}

int Komplettcheck(MainState& state, Sound& sound)
{
    for (auto& row : state.Statistik) row.fill(0);
    if (!state.sortieren) return 0;
    int best = 0;
    bool success = false;
    TipSheet& sheet = state.sheet;
    for (int r = 1; r <= kTipRowCount; ++r) {
        std::array<int, 5> numbers{};
        bool complete = true;
        for (int c = 0; c < 5 && complete; ++c) {
            const auto value = parseInteger(sheet.cell(r, c + 1));
            complete = value.has_value();
            if (complete) numbers[c] = *value;
        }
        if (!complete) {
            TipSheet::RowResult result = sheet.result(r);
            result.hits.clear();
            result.red = false;
            sheet.setResult(r, result);
            for (int c = 1; c <= 7; ++c) sheet.setHit(TipSheet::editNumber(r, c), false);
            continue;
        }
        int sum = 0;
        for (int n : numbers) sum += n;
        for (int i = 0; i < 5; ++i)
            for (int j = i; j < 5; ++j)
                if (numbers[i] > numbers[j]) std::swap(numbers[i], numbers[j]);
        for (int c = 0; c < 5; ++c) sheet.setCell(r, c + 1, QString::number(numbers[c]));

        const QString cells[7] = {sheet.cell(r, 1), sheet.cell(r, 2), sheet.cell(r, 3),
                                  sheet.cell(r, 4), sheet.cell(r, 5), sheet.cell(r, 6),
                                  sheet.cell(r, 7)};
        Zettelcheck(state, {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6]});
        for (int c = 1; c <= 5; ++c) sheet.setHit(TipSheet::editNumber(r, c), state.Treffer[c]);
        sheet.setResult(r,
                        {QString::number(state.Gewinn), state.Gewinn >= 2, QString::number(sum)});
        countClass(state, state.Gewinn);
        success = success || state.Gewinn >= 2;
        best = std::max(best, 100 * state.Gewinn);
        sheet.setHit(TipSheet::editNumber(r, 6), false);
        sheet.setHit(TipSheet::editNumber(r, 7), false);
    }
    // One request per sheet: each one would replace the last anyway.
    if (success) sound.play(state.SoundName);
    return best;
}

RowEntries splitListLine(const QString& line, QString& collapsed)
{
    collapsed = line;
    collapsed.replace(QStringLiteral("\t\t\t"), QStringLiteral("\t"));
    RowEntries fields{};
    const QStringView rest(collapsed);
    qsizetype start = 0;
    for (int f = 0; f < 6; ++f) {
        const qsizetype tab = collapsed.indexOf(QLatin1Char('\t'), start);
        if (tab < 0) {
            fields[f] = rest.mid(start);
            start = collapsed.size();
            for (int g = f + 1; g < 7; ++g) fields[g] = QStringView();
            return fields;
        }
        fields[f] = rest.mid(start, tab - start);
        start = tab + 1;
    }
    fields[6] = rest.mid(start);
    return fields;
}

int Listengewinncheck(MainState& state, Sound& sound)
{
    // The results of the last evaluation hold for the lines that are still the
    // same (they share their text) against the same draw: a long list filled a
    // few lines at a time is evaluated once for every line added, not once for
    // every line in every step.
    static ListResults kept;
    const std::array<int, 5> draw{state.Zahl[1], state.Zahl[2], state.Zahl[3], state.Zahl[4],
                                  state.Zahl[5]};
    const QStringList& lines = state.Gewinnzahlen;
    qsizetype same = 0;
    if (kept.draw == draw)
        while (same < kept.lines.size() && same < lines.size() &&
               lines[same].constData() == kept.lines[same].constData() &&
               lines[same].size() == kept.lines[same].size())
            ++same;
    // Kept lists are appended to, never shared with the state's: the list's next
    // line, or the next result, is then added without copying all before it.
    state.Gewinne = QStringList();
    kept.lines.resize(same);
    kept.lines.append(lines.mid(same));
    kept.draw = draw;
    kept.hits.resize(static_cast<std::size_t>(same));
    kept.texts.resize(same);

    for (int h = 1; h <= 5; ++h) state.Statistik[h].fill(0);
    QString collapsed;
    for (qsizetype i = same; i < lines.size(); ++i) {
        Zettelcheck(state, splitListLine(lines[i], collapsed));
        kept.hits.push_back(state.Gewinn);
        kept.texts.append(QString::number(state.Gewinn));
    }
    // Gewinn, Treffer, Zusatz and Super as the last line leaves them.
    if (same > 0 && same == lines.size())
        Zettelcheck(state, splitListLine(lines.last(), collapsed));
    state.Gewinne = kept.texts;
    int best = 0;
    bool success = false;
    for (const int hits : kept.hits) {
        countClass(state, hits);
        success = success || hits >= 2;
        best = std::max(best, 100 * hits);
    }
    state.setStatusText(0, QString::number(state.Gewinnzahlen.size()) + QStringLiteral(" Rows  ") +
                               QString::number(best / 100) + QLatin1Char('+') +
                               QString::number(best % 100) + QStringLiteral(" max win"));
    if (success) sound.play(state.SoundName);
    state.notifyListChanged();
    return best;
}

}  // namespace kw
