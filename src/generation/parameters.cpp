#include "generation/parameters.h"

#include <stdexcept>

namespace kw {

namespace {

using enum Param;

constexpr const char* kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";

// clang-format off
constexpr std::array<ParamSpec, kParamCount> kSpecs{{
    // param                  control       edit      range      default
    {PreferFrequentNumbers,    "CheckBox2",  "",       0, 1,      0,
     "Zahlen die besonders oft gezogen wurden bevorzugen", ""},
    {FrequentNumbersPercent,   "UpDown12",   "Edit85", 5, 75,     30,
     "Zahlen die besonders oft gezogen wurden bevorzugen X %", kPercentHint},
    {PreferRareNumbers,        "CheckBox14", "",       0, 1,      0,
     "Zahlen die besonders selten gezogen wurden bevorzugen", ""},
    {RareNumbersPercent,       "UpDown14",   "Edit87", 5, 75,     20,
     "Zahlen die besonders selten gezogen wurden bevorzugen X %", kPercentHint},
    {PreferOverdueNumbers,     "CheckBox10", "",       0, 1,      1,
     "Zahlen die länger überfällig sind als X Ziehungen", ""},
    {OverdueDraws,             "UpDown13",   "Edit86", 5, 75,     34,
     "Zahlen die länger überfällig sind als X Ziehungen", ""},
    {PreferFrequentPairs,      "CheckBox1",  "",       0, 1,      0,
     "Zahlen mit einer häufigen Paarebildung bevorzugen", ""},
    {PreferRarePairs,          "CheckBox11", "",       0, 1,      0, "seltensten", ""},
    {PreferFrequentTriples,    "CheckBox6",  "",       0, 1,      0,
     "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", ""},
    {PreferRareTriples,        "CheckBox12", "",       0, 1,      0, "seltensten", ""},
    {PreferFrequentQuadruples, "CheckBox7",  "",       0, 1,      0,
     "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", ""},
    {PreferRareQuadruples,     "CheckBox13", "",       0, 1,      0, "seltensten", ""},
    {PreferLastDrawNeighbours, "CheckBox19", "",       0, 1,      0,
     "benachbarte Zahlen der letzten Ziehung bevorzugen", ""},

    {UseMaxMatches,            "CheckBox3",  "",       0, 1,      1,
     "maximale Übereinstimmungen mit anderen Tipps zulassen", ""},
    {MaxMatches,               "UpDown3",    "Edit39", 0, 5,      2,
     "maximale Übereinstimmungen mit anderen Tipps zulassen X", ""},
    {UseMinMatches,            "CheckBox24", "",       0, 1,      1,
     "minimale Übereinstimmungen mit anderen Tipps zulassen", ""},
    {MinMatches,               "UpDown9",    "Edit88", 0, 5,      0,
     "minimale Übereinstimmungen mit anderen Tipps zulassen X", ""},
    {MatchBoundsOnEveryRow,    "CheckBox27", "",       0, 1,      1,
     "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", ""},
    {CountStarNumbers,         "CheckBox31", "",       0, 1,      0,
     "Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!", ""},
    {LimitLastDraw,            "CheckBox4",  "",       0, 1,      1,
     "maximal zu verwendente Zahlen der letzten Ziehung", ""},
    {MaxFromLastDraw,          "UpDown4",    "Edit40", 0, 5,      0,
     "maximal zu verwendente Zahlen der letzten Ziehung X", ""},
    {LimitSecondLastDraw,      "CheckBox5",  "",       0, 1,      1,
     "maximal zu verwendente Zahlen der vorletzten Ziehung", ""},
    {MaxFromSecondLastDraw,    "UpDown5",    "Edit41", 0, 5,      1,
     "maximal zu verwendente Zahlen der vorletzten Ziehung X", ""},
    {LimitThirdLastDraw,       "CheckBox23", "",       0, 1,      1,
     "maximal zu verwendente Zahlen der vorvorletzten Ziehung", ""},
    {MaxFromThirdLastDraw,     "UpDown11",   "Edit84", 0, 5,      2,
     "maximal zu verwendente Zahlen der vorvorletzten Ziehung X", ""},
    {NeverDrawnBefore,         "CheckBox9",  "",       0, 1,      1, "Tipp darf noch keinen ", ""},
    {NeverDrawnHits,           "UpDown6",    "Edit42", 3, 5,      5,
     "Tipp darf noch keinen X er aus der Datenbank entsprechen",
     "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"},
    {NotInRecentDraws,         "CheckBox28", "",       0, 1,      1, "Tipp darf keinen   ", ""},
    {RecentDrawsHits,          "UpDown17",   "Edit91", 2, 6,      4,
     "Tipp darf keinen X er aus den letzten … Ziehungen sein",
     "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"},
    {RecentDrawsSpan,          "UpDown18",   "Edit92", 4, 128,    50,
     "Tipp darf keinen … er aus den letzten X Ziehungen sein",
     "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"},

    {MinSum,                   "UpDown1",    "Edit37", 21, 279,   50,
     "Quersummen von X bis … im Tipp zulassen", ""},
    {MaxSum,                   "UpDown2",    "Edit38", 21, 239,   200,
     "Quersummen von … bis X im Tipp zulassen", ""},
    {UseMinPrimes,             "CheckBox22", "",       0, 1,      0,
     "mindest Anzahl von Primzahlen in jedem Tipp erzwingen", ""},
    {MinPrimes,                "UpDown10",   "Edit83", 0, 6,      2,
     "mindest Anzahl von Primzahlen in jedem Tipp erzwingen X", ""},
    {UseMinEven,               "CheckBox25", "",       0, 1,      0,
     "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen", ""},
    {MinEven,                  "UpDown15",   "Edit89", 0, 6,      2,
     "mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen X", ""},
    {UseMinOdd,                "CheckBox26", "",       0, 1,      0,
     "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen", ""},
    {MinOdd,                   "UpDown16",   "Edit90", 0, 6,      2,
     "mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen X", ""},
    {ForcePair,                "CheckBox8",  "",       0, 1,      0,
     "eine Paarbildung pro Tipp erzwingen", ""},
    {NoRunsOfThree,            "CheckBox18", "",       0, 1,      1,
     "keine Dreier, Vierer... Gruppen", ""},

    {OnlyPreferredNumbers,     "CheckBox15", "",       0, 1,      0,
     "für den Tipp nur bevorzugte Zahlen verwenden!", ""},
    {AvoidMonthNumbers,        "CheckBox29", "",       0, 1,      0,
     "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", ""},
    {FewerDayNumbers,          "CheckBox30", "",       0, 1,      0,
     "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten", ""},
    {ShowNumberSelection,      "CheckBox20", "",       0, 1,      0,
     "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", ""},
    {RunsThousands,            "UpDown7",    "Edit55", 1, 30000,  50,
     "Max. Berechnungsläufe X Tausend", ""},
    {RowCount,                 "UpDown8",    "Edit80", 1, 12,     5, "Anzahl Tipps: X", ""},

    {EuroBox16,                "CheckBox16", "",       0, 1,      0, "16", ""},
    {EuroBox17,                "CheckBox17", "",       0, 1,      0, "17", ""},
    {EuroUpDown19,             "UpDown19",   "Edit105", 1, 3,     1, "", ""},
    {EuroUpDown20,             "UpDown20",   "Edit106", 1, 3,     1, "", ""},
}};
// clang-format on

// The table lists the parameters in their order and every control once.
constexpr bool wellFormed()
{
    std::array<int, kCheckBoxCount + 1> boxes{};
    std::array<int, kUpDownCount + 1> upDowns{};
    for (int i = 0; i < kParamCount; ++i) {
        const ParamSpec& spec = kSpecs[i];
        if (spec.param != static_cast<Param>(i)) return false;
        const int n = spec.number();
        if (spec.isCheckBox() ? n < 1 || n > kCheckBoxCount || n == 21 : n < 1 || n > kUpDownCount)
            return false;
        ++(spec.isCheckBox() ? boxes[n] : upDowns[n]);
        if (spec.minimum > spec.defaultValue || spec.defaultValue > spec.maximum) return false;
    }
    for (int n = 1; n <= kCheckBoxCount; ++n)
        if (boxes[n] != (n == 21 ? 0 : 1)) return false;
    for (int n = 1; n <= kUpDownCount; ++n)
        if (upDowns[n] != 1) return false;
    return true;
}
static_assert(wellFormed());

std::optional<Param> find(bool checkBox, int number)
{
    for (const ParamSpec& spec : kSpecs)
        if (spec.isCheckBox() == checkBox && spec.number() == number) return spec.param;
    return std::nullopt;
}

}  // namespace

const std::array<ParamSpec, kParamCount>& paramSpecs()
{
    return kSpecs;
}

const ParamSpec& paramSpec(Param param)
{
    return kSpecs.at(static_cast<std::size_t>(param));
}

Param upDownParam(int number)
{
    const std::optional<Param> param = find(false, number);
    if (!param) throw std::out_of_range("UpDown number");
    return *param;
}

std::optional<Param> checkBoxParam(int number)
{
    return find(true, number);
}

const ParamSpec& upDownSpec(int number)
{
    return paramSpec(upDownParam(number));
}

}  // namespace kw
