#pragma once
// The generation parameters by meaning, and one table that gives each its
// control on the page "Parameter" (a check box or an up-down with its edit
// field), caption, range and default. The logic reads a parameter by its
// meaning; settings and windows find it by its control's name.
#include <QString>
#include <array>
#include <optional>
#include <string_view>

namespace kw {

enum class Param {
    // Extra pool entries from the statistics ("Statistisch").
    PreferFrequentNumbers,
    FrequentNumbersPercent,  // the top X % of the frequency range
    PreferRareNumbers,
    RareNumbersPercent,  // the bottom X % of the frequency range
    PreferOverdueNumbers,
    OverdueDraws,  // numbers not drawn for at least this many draws
    PreferFrequentPairs,
    PreferRarePairs,
    PreferFrequentTriples,
    PreferRareTriples,
    PreferFrequentQuadruples,
    PreferRareQuadruples,
    PreferLastDrawNeighbours,

    // The rows against each other and against the past draws ("Schein Optimierung").
    UseMaxMatches,
    MaxMatches,  // numbers a row may share with the other rows, at most
    UseMinMatches,
    MinMatches,             // ... and at least
    MatchBoundsOnEveryRow,  // both bounds hold with every other row, not with one
    CountStarNumbers,       // star numbers count as hits with the last draws
    LimitLastDraw,
    MaxFromLastDraw,  // 0 takes the last draw's numbers out of the pool
    LimitSecondLastDraw,
    MaxFromSecondLastDraw,
    LimitThirdLastDraw,
    MaxFromThirdLastDraw,
    NeverDrawnBefore,
    NeverDrawnHits,  // refused from this many hits with a draw of the analysis window
    NotInRecentDraws,
    RecentDrawsHits,  // refused from this many hits with a recent draw
    RecentDrawsSpan,  // how far back "recent" goes, in steps of 14 days

    // The row's own numbers ("Mathematisch").
    MinSum,
    MaxSum,
    UseMinPrimes,
    MinPrimes,
    UseMinEven,
    MinEven,
    UseMinOdd,
    MinOdd,
    ForcePair,
    NoRunsOfThree,

    // The run ("Allgemein" and the tip page).
    OnlyPreferredNumbers,
    AvoidMonthNumbers,
    FewerDayNumbers,
    ShowNumberSelection,
    RunsThousands,  // the attempt budget LaufMax, in thousands
    RowCount,       // rows to compute

    // The hidden page "Eurozahlen": kept in the settings, read by no operation.
    EuroBox16,
    EuroBox17,
    EuroUpDown19,
    EuroUpDown20,
};

inline constexpr int kParamCount = static_cast<int>(Param::EuroUpDown20) + 1;
inline constexpr int kUpDownCount = 20;
inline constexpr int kCheckBoxCount = 31;  // there is no CheckBox21

struct ParamSpec {
    Param param;
    const char* name;  // the control: "CheckBox<n>" or "UpDown<n>"
    const char* edit;  // the up-down's edit field; empty for a check box
    int minimum;
    int maximum;
    int defaultValue;     // a check box: 0..1, 1 = checked
    const char* caption;  // a check box's text (UTF-8); an up-down's line, its field as X
    const char* hint;     // the edit field's tool tip, may be empty

    constexpr bool isCheckBox() const { return std::string_view(name).starts_with("CheckBox"); }
    // The n of the control's name.
    constexpr int number() const
    {
        int n = 0;
        for (const char* c = name; *c; ++c)
            if (*c >= '0' && *c <= '9') n = n * 10 + (*c - '0');
        return n;
    }
};

// Every parameter, in the order of Param.
const std::array<ParamSpec, kParamCount>& paramSpecs();
const ParamSpec& paramSpec(Param param);
// The parameter of UpDown<number> (1..20; out_of_range otherwise) and of
// CheckBox<number> (none when there is no such check box).
Param upDownParam(int number);
std::optional<Param> checkBoxParam(int number);
const ParamSpec& upDownSpec(int number);

}  // namespace kw
