#pragma once
// The win calculation: the twelve prize classes with the class counts of the last
// evaluation, the winnings per class from the quotas and their total, and the
// quotas of a draw date loaded from the quota server.
#include <QLocale>
#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "draws/day_count.h"

namespace kw {

class HttpCall;
class HttpClient;
class MainState;
struct HttpResponse;

inline constexpr int kPrizeClasses = 12;
// One text per row of the dialog, top row first.
using RowTexts = std::array<QString, kPrizeClasses>;

// 10 October 2014: from this draw on, the classes "3 + E" and "2 + E + E" take the
// fourth and fifth row; before it "2 + S + S" and "3 + S" stood there.
inline const DayCount kExtraClassesSwapDay = 41922.0;

// One row of the dialog, top to bottom.
struct PrizeClass {
    QString label;
    int hits;         // the Statistik cell counted in this class:
    int extraClass;   // [hits][extraClass]
    QString odds;     // the quota edit's hint
    QString average;  // the quota the average button writes
};

// The twelve rows for a draw on date (its time of day is not looked at).
std::array<PrizeClass, kPrizeClasses> prizeClasses(DayCount date);

using ClassCounts = std::array<std::array<int, 3>, 7>;  // MainState::Statistik
// The count texts of the twelve rows for a draw on date.
RowTexts classCountTexts(const ClassCounts& counts, DayCount date);

// A decimal number as the dialog writes it: rounded to precision significant digits,
// in fixed notation with the given decimals and the locale's decimal separator, no
// thousands separators; from 10^precision on in scientific notation.
QString decimalText(double value, int precision, int decimals, const QLocale& locale);
// A decimal number as the dialog reads it with the locale (no thousands
// separators); nullopt for anything else, infinity and NaN included.
std::optional<double> readDecimal(const QString& text, const QLocale& locale);

// What the recomputation shows. A row whose count or quota cannot be read shows
// "-" as its sum; the other rows are computed all the same. The total adds the
// sums as shown; it is "-" only when a row that has (or may have) winners shows
// "-", because then the winnings of that class are unknown.
struct Winnings {
    std::array<bool, kPrizeClasses> quotaEnabled{};  // the count is above 0
    RowTexts sums;
    QString total;
};
Winnings computeWinnings(const RowTexts& counts, const RowTexts& quotas, const QLocale& locale);

// The request for the quotas of a draw: server (with its scheme; "http://" when it
// has none) + "/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=yyyymmdd".
QString quotaRequestUrl(const QString& server, DayCount date);

// The texts of a quota load. The dialog keeps them as its controls' hints, where a
// language file can replace them.
struct QuotaTexts {
    QString noWarranty = QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!");
    QString notLoaded = QStringLiteral("konnte Quote nicht laden");
    QString stakeUnknown = QStringLiteral("Spieleinsatz: noch nicht verfügbar!");
    QString stake = QStringLiteral("Spieleinsatz: %s  EUR");  // %s: the stake
    QString withoutWarranty = QStringLiteral("Angabe ohne Gewähr");
    QString loaded = QStringLiteral("Quote für den %s geladen");  // %s: the date dd.mm.yy
};

// A quota answer read: the caption with the stake and the quota texts of the
// twelve rows, top row first ("-" where a field could not be read).
struct QuotaTable {
    QString caption;
    RowTexts quotas;
};
// nullopt when the body holds no ";" or not one quota can be read. The fields: everything up to the
// first "," dropped, one field skipped, the stake, then the quotas from the top class down. A quota
// field loses up to three "." and whatever follows a blank; "unbesetzt" (no winner) is 0. A last
// field without its ";" reaches to the end of the body.
std::optional<QuotaTable> parseQuotaBody(const QString& body, const QuotaTexts& texts,
                                         const QLocale& locale);

// Loads the quotas for one draw date, in the background of the event loop. The
// status texts come as the load goes on; the quotas only when the answer could
// be read.
class QuotaLoad : public QObject {
    Q_OBJECT
public:
    explicit QuotaLoad(QObject* parent = nullptr);
    // Cancels a request under way: nothing of it arrives.
    ~QuotaLoad() override;

    // With no quota server set, or a proxy port that is no number, it ends at once
    // with the reason in the status. Does nothing while a load runs.
    void start(HttpClient* http, const MainState& state, DayCount date, const QuotaTexts& texts,
               const QLocale& locale);
    // Abandons the request under way; finished() follows at once.
    void cancel();
    bool running() const { return m_call != nullptr; }

signals:
    void statusChanged(int panel, const QString& text);
    void captionChanged(const QString& caption);
    void quotasLoaded(const kw::RowTexts& quotas);
    void finished();

private:
    void answered(const HttpResponse& response);
    void fail(const QString& status);

    std::unique_ptr<HttpCall> m_call;
    DayCount m_date = 0;
    QuotaTexts m_texts;
    QLocale m_locale;
};

}  // namespace kw
