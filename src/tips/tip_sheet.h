#pragma once
// The twelve tip rows as the window shows them: every value is the text of its
// cell (Edit1..Edit104), validated on every write, plus the lock flag, the hit
// marks and the two result texts of each row.
#include <QObject>
#include <QString>
#include <array>

namespace kw {

inline constexpr int kTipRowCount = 12;
inline constexpr int kHighestNumber = 42;

// Why a cell did not keep a text: no whole number at all, or one outside 1..maximum.
enum class CellRefusal { None, NotANumber, OutOfRange };

// Where one row's cells and labels are: the designer numbers.
struct TipRowLayout {
    int firstNumberEdit;  // Edit<first> .. Edit<first + 4>
    int starEdit6;        // column 6
    int starEdit7;        // column 7
    int rowLabel;         // Label<n>, caption "<row>. Tipp"
    int resultA;          // hits
    int resultB;          // digit sum
};
extern const std::array<TipRowLayout, kTipRowCount> kTipRows;

class TipSheet : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEdit = 104;

    // Cell n of row (1..12), column (1..7); 0 for a position outside the sheet.
    static int editNumber(int row, int column);
    // The row (1..12) a cell belongs to, or 0; its column through *column.
    static int rowOfEdit(int edit, int* column = nullptr);
    static bool isNumberCell(int edit);
    static bool isStarCell(int edit);

    // The text a cell keeps after validation: the integer without leading zeros,
    // or empty when it is no integer or outside 1..maximum.
    static QString validated(const QString& text, int maximum);
    // Why validated() keeps nothing of a text that is not blank; None when it keeps it.
    static CellRefusal refusal(const QString& text, int maximum);
    // The largest number a cell takes: 42, or the star maximum in columns 6 and 7.
    int maximumOf(int edit) const { return isStarCell(edit) ? m_starMaximum : kHighestNumber; }

    int starMaximum() const { return m_starMaximum; }
    void setStarMaximum(int maximum) { m_starMaximum = maximum; }

    QString cell(int edit) const;
    QString cell(int row, int column) const { return cell(editNumber(row, column)); }
    // Writes through the validation; emits cellChanged when the stored text changes
    // or differs from what was written. Says why a text that is not blank was refused.
    CellRefusal setCell(int edit, const QString& text);
    void setCell(int row, int column, const QString& text)
    {
        setCell(editNumber(row, column), text);
    }

    bool isHit(int edit) const;  // lime background
    void setHit(int edit, bool hit);

    bool isLocked(int row) const { return m_locked.at(row - 1); }
    void toggleLock(int row);

    struct RowResult {
        QString hits;      // result A
        bool red = false;  // two or more hits
        QString sum;       // result B
    };
    const RowResult& result(int row) const { return m_results.at(row - 1); }
    void setResult(int row, const RowResult& result);

signals:
    void cellChanged(int edit);
    void lockChanged(int row);
    void resultChanged(int row);

private:
    std::array<QString, kMaxEdit + 1> m_cells;
    std::array<bool, kMaxEdit + 1> m_hit{};
    std::array<bool, kTipRowCount> m_locked{};
    std::array<RowResult, kTipRowCount> m_results;
    int m_starMaximum = 10;
};

}  // namespace kw
