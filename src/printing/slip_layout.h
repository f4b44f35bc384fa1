#pragma once
// Placing tips on a lottery slip: every number of a tip becomes a cross, one of
// the template's text objects moved onto the number's field. The geometry comes
// from the positioning dialog's fields or is read from a calibrated template.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kw {

class Dialogs;

inline constexpr int kSlipNumbersPerTip = 5;
inline constexpr int kSlipTipPositions = 10;   // tip positions of a template (TippanzahlMax)
inline constexpr int kSlipHighestNumber = 42;  // MaxZahl

// Distances in the template's unit, 1/96 inch.
struct SlipGeometry {
    double firstLeft = 5;     // AnfangLeft: number 1 of the first block
    double firstTop = 5;      // AnfangTop
    double fieldWidth = 14;   // Breite: from one number to the next across
    double fieldHeight = 14;  // Hoehe: from one row of numbers to the next
    double blockLeft = 5;     // BlockLeft: from one block column to the next
    double blockTop = 5;      // BlockTop: from one block row to the next
    int numbersPerRow = 10;   // BlockSpalten
    int blockColumns = 2;     // Spalten: tip blocks across a slip
    int blockRows = 5;        // Zeilen: tip blocks down a slip
};

struct SlipPoint {
    double left = 0;
    double top = 0;
};

// The field of number (1..) in the block of column blockColumn and row blockRow
// (from 1): numbers run row by row from the block's top-left field.
SlipPoint fieldPosition(const SlipGeometry& geometry, int number, int blockColumn, int blockRow);

// The on-screen grids of the positioning dialog, a visual aid only: the cell (from 0)
// of number (1..) in a grid of rows x columns, filled row by row when horizontal,
// else column by column, starting at the top or at the bottom.
struct GridCell {
    int row = 0;
    int column = 0;
};
GridCell numberGridCell(int number, int rows, int columns, bool horizontal, bool fromBottom);

// "Zahl<n>_<position>" and "Stern<n>_<position>".
QString numberObjectName(int n, int position);
QString starObjectName(int n, int position);

// The number list of the dialog's tab "Zahlen" made one tip per line with the
// fields separated by single commas: TABs and runs of blanks become commas.
QStringList normaliseSlipList(const QStringList& lines);

// The five number texts of a line: up to each comma, the last one repeated when
// the line has fewer than five.
std::array<QString, kSlipNumbersPerTip> tipLineNumbers(const QString& line);

// Decimal numbers as the fields show them: "," as the decimal sign ("." is read too).
std::optional<double> parseDecimal(const QString& text);
// Rounded to two decimals, without trailing zeros: "17", "17,5", "17,39".
QString decimalText(double value);
// The message for a field text that is no decimal number.
QString notADecimalMessage(const QString& text);

// The template as the placement sees it.
class SlipCanvas {
public:
    virtual ~SlipCanvas() = default;
    virtual bool hasObject(const QString& name) const = 0;
    virtual void clearText(const QString& name) = 0;
    // Hides the object and empties its text.
    virtual void hide(const QString& name) = 0;
    // Moves the object, makes text its text and fontSize (points) its font size.
    virtual void place(const QString& name, double left, double top, const QString& text,
                       int fontSize) = 0;
    // Shows the slip as it stands now (the preview takes it).
    virtual void refresh() = 0;
    virtual void print() = 0;
};

struct SlipPlacing {
    SlipGeometry geometry;
    QString cross = QStringLiteral("x");  // Zeichen
    int fontSize = 10;
    int tipPositions = kSlipTipPositions;  // TippanzahlMax
    int highestNumber = kSlipHighestNumber;
    bool firstSlipOnly = true;  // oeffnen: only the first slip, for viewing
};

// Tippsetzen: places the tips of numberLines slip by slip. A full slip with more
// tips after it is offered for printing ("Diesen Schein Drucken?"), then emptied;
// the last slip stays on the canvas. False when placing stopped with a message:
// a missing object, a field that is no number or a number off the slip.
bool placeTips(const QStringList& numberLines, const SlipPlacing& placing, SlipCanvas& canvas,
               Dialogs& dialogs);

// The objects the calibration reads, each on a known field of a designed template:
// number 1 of the first block, the last field of its first row, the first field of
// its last row, number 1 of the block to the right and of the block below.
struct SlipCalibration {
    SlipPoint first;       // "Zahl1_1"
    SlipPoint rowEnd;      // "Zahl2_1"
    SlipPoint lastRow;     // "Zahl4_1"
    SlipPoint nextAcross;  // "Zahl1_2"
    SlipPoint nextDown;    // "Zahl1_3"
};
QStringList calibrationObjectNames();

// The geometry the calibrated objects give for blocks of rowsPerBlock rows of
// numbersPerRow numbers; the layout counts of geometry stay.
SlipGeometry calibratedGeometry(const SlipCalibration& points, SlipGeometry geometry,
                                int rowsPerBlock);

}  // namespace kw
