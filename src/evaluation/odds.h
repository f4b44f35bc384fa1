#pragma once
// The exact odds of the shown tips over all 850,668 draws of 5 out of 42: how often
// the best row reaches each prize class, how often anything is won, the expected
// winning rows and payout against the stake, how much of the number space the rows
// cover, and the same figures as the exact mean over as many random rows.
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace kw {

class MainState;
class MessageTable;

inline constexpr int kAllDraws = 850668;   // C(42, 5)
inline constexpr int kAllTriples = 11480;  // C(42, 3)
inline constexpr int kAllPairs = 861;      // C(42, 2)

using TipRow = std::array<int, 5>;  // five different numbers 1..42

// The shown tips as rows; a line without five different numbers 1..42 in its first
// five places is passed over and counted in skipped.
std::vector<TipRow> shownTipRows(const MainState& state, int* skipped = nullptr);

// Draws with exactly k hits for one row: C(5, k) * C(37, 5 - k).
double drawsWithHits(int k);

// The quotas of the prize classes 3, 4 and 5 hits (index = hits).
using HitQuotas = std::array<double, 6>;
// The quotas the win calculation shows: the texts of its twelve rows, top row
// first; a class whose quota cannot be read gets the class's average quota.
HitQuotas hitQuotas(const std::array<QString, 12>& quotaTexts);
HitQuotas averageHitQuotas();

// The figures of one column of the table. Counts of draws are whole numbers for the
// tips, exact expectations (with fractions) for the random rows.
struct OddsFigures {
    int rows = 0;
    int distinctRows = 0;
    std::array<double, 6> bestClassDraws{};      // index 3..5: the best row has exactly k hits
    double winningDraws = 0;                     // some row has 3 hits or more
    double drawsBelowTwo = 0;                    // no row has 2 hits or more
    std::array<double, 6> winningRowsPerDraw{};  // index 3..5
    double payoutPerDraw = 0;
    double stakePerDraw = 0;
    double triplesCovered = 0;  // of kAllTriples
    double pairsCovered = 0;    // of kAllPairs
    double returnPercent() const
    {
        return stakePerDraw > 0 ? 100 * payoutPerDraw / stakePerDraw : 0;
    }
};

struct OddsProgress {
    // Whether to report now; report(done draws) returns false to cancel.
    std::function<bool()> due = [] { return false; };
    std::function<bool(int drawsDone)> report = [](int) { return true; };
};

// Every draw counted once against all rows; nullopt when cancelled. A row played
// twice wins twice (winning rows, payout and stake count it twice); the best row of
// a draw and the covered combinations count it once.
std::optional<OddsFigures> tipOdds(const std::vector<TipRow>& rows, const HitQuotas& quotas,
                                   double stakePerRow, OddsProgress progress = {});
// The exact mean over rowCount rows drawn independently and uniformly.
OddsFigures randomOdds(int rowCount, const HitQuotas& quotas, double stakePerRow);

// The table as text lines: the six lines scripts read ("Ziehungen: 850668",
// "5 Richtige: N", "4 Richtige: N", "3 Richtige: N", "Gewinn: N", "unter 2 Richtigen: N"),
// then the table in the messages' language, the tips beside the random rows.
QStringList oddsReportLines(const OddsFigures& tips, const OddsFigures& random, int skipped,
                            bool averageQuotas, const MessageTable& messages);

// One row of the dialog's table: its label and the two columns' texts.
struct OddsTableRow {
    QString label;
    QString tips;
    QString random;
};
std::vector<OddsTableRow> oddsTable(const OddsFigures& tips, const OddsFigures& random,
                                    const MessageTable& messages);
// The notes under the table: duplicates, skipped lines, the quotas, the random column.
QStringList oddsNotes(const OddsFigures& tips, int skipped, bool averageQuotas,
                      const MessageTable& messages);

}  // namespace kw
