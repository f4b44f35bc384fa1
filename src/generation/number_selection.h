#pragma once
// The number-selection dialog (TForm6) without its widgets: 55 number boxes with
// check state, colour and weight, the status text, the random picking, the weight
// lists on disk, and its two uses: adjusting a generation run's NumberPool and
// picking the five numbers of one tip row. The dialog mirrors this state.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QDate;

namespace kw {

class MessageTable;
class NumberPool;
class RandomGenerator;
class TipSheet;
struct FileDialogRequest;

inline constexpr int kSelectionBoxCount = 55;
inline constexpr int kTippreiheLength = 26;

enum class BoxColour { InfoBackground, Yellow };

struct NumberBox {
    bool checked = false;
    BoxColour colour = BoxColour::InfoBackground;
    // Decimal text, shown as the box's tooltip. "0" as designed, so that the first
    // left click on a box checks it with weight 1.
    QString weight = QStringLiteral("0");
};

// How the modal dialog ended; Cancel when its window was closed.
enum class SelectionOutcome { Ok, Abort, Retry, Cancel };

class NumberSelection {
public:
    static QString designCaption() { return QStringLiteral("Welche Zahlen für die Berechnung"); }
    static QString designStatusFormat()
    {
        return QStringLiteral("Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein");
    }

    // Box n, 1..55.
    NumberBox& box(int n) { return m_boxes.at(static_cast<std::size_t>(n)); }
    const NumberBox& box(int n) const { return m_boxes.at(static_cast<std::size_t>(n)); }
    // Only 1..MaxZahl are offered; the others are hidden whenever the dialog is shown.
    bool isOffered(int n) const { return n >= 1 && n <= MaxZahl; }

    int MaxZahl = 42;
    int MaxTipp = 5;
    std::array<int, kTippreiheLength + 1> Tippreihe{};  // 1..26, the picking order
    int Losgeht = 1;                                    // Tippreihe[1..Losgeht-1] are fixed
    bool Minus = false;  // the last press on a box was with the right button
    QString Zufall = QStringLiteral("Zufall");
    QString Stopp = QStringLiteral("Stopp");

    // What the dialog shows besides the boxes.
    QString caption = designCaption();
    QString Panel1 = designStatusFormat();  // the status format, two %s
    QString statusText;
    bool BitBtn3Visible = true;   // "&Rechnen", the generation run's button
    bool BitBtn4Visible = false;  // the random picking, tip editing only
    QString BitBtn4Caption = QStringLiteral("&Zufall");
    bool Timer1Enabled = false;

    // Mouse press on box n (CheckBox1MouseDown): the right button counts down at
    // once without toggling; any other button counts up on the click that follows.
    void CheckBox1MouseDown(int n, bool rightButton);
    // A user's click has toggled box n to checked: runs the click handling.
    void userToggled(int n, bool checked);
    // The click handling of box n (CheckBox49Click): weight +1 (or -1 after a right
    // press) when checked, "0" for a negative or unreadable weight, unchecked at 0,
    // and the status text.
    void CheckBox49Click(int n);
    // The mouse rests on box n.
    void CheckBox2MouseMove(int n);
    // Panel1 filled with box n's caption and weight.
    QString statusFor(int n) const;

    // For a generation run: the texts, MaxZahl 42, and boxes 1..42 checked exactly
    // when the number is in the pool, with its count as weight.
    void loadPoolCounts(const NumberPool& pool, const MessageTable& messages);
    // "Rechnen": the pool from the checked boxes 1..42, weight w giving w + 1
    // entries (w 0 counts as 1). A weight that is no integer leaves the pool as it
    // was and gives false with the text to show in *error.
    bool rebuildPool(NumberPool& pool, QString* error) const;

    // The weight list: line n the weight of box n when checked (an empty weight is
    // saved as "1" and set so), else empty; MaxZahl lines.
    QStringList weightListLines();
    // Line n checks box n with that weight; an empty or missing line unchecks it
    // with weight "1".
    void applyWeightListLines(const QStringList& lines);
    bool saveWeightList(const QString& path, QString* error);
    // On a read error nothing changes.
    bool loadWeightList(const QString& path, QString* error);
    // "yyyymmdd.qlw".
    static QString proposedFileName(const QDate& date);
    // The save and open dialogs' request for a weight list.
    static FileDialogRequest weightListRequest(const QDate& today, const QString& title);

    // The random button (BitBtn4Click): start the picking, fix the next position,
    // or stop after the last.
    void BitBtn4Click();
    // One picture of the running picking (Timer1Timer): the fixed numbers, then
    // fresh numbers from the shared generator up to MaxTipp. Nothing while stopped.
    void Timer1Timer(RandomGenerator& random);
    // The dialog closes: the picking stops.
    void FormClose();

    // Every box 1..count unchecked in the info-background colour.
    void clearBoxes(int count);

private:
    std::array<NumberBox, kSelectionBoxCount + 1> m_boxes{};  // 0 unused
};

// Shows the dialog modally and says how it ended.
using ShowSelection = std::function<SelectionOutcome()>;

// The generation run's use: loads the pool's counts into the boxes and shows the
// dialog. OK keeps the pool, Retry rebuilds it from the boxes; true means the run
// goes on. Any other outcome gives false; so does a weight that is no integer,
// with the text to show in *error (the pool then stays as it was).
bool selectPoolNumbers(NumberSelection& selection, NumberPool& pool, const MessageTable& messages,
                       const ShowSelection& show, QString* error);

// Edits row 1..12 of the sheet with the dialog (Tipp1EditClick..Tipp12EditClick):
// marks the row's numbers, shows the dialog, writes the checked numbers ascending
// into the row after OK, restores the dialog, then draws the two star numbers
// when column 6 is empty and column 5 is not.
void TippEdit(TipSheet& sheet, int row, NumberSelection& selection, const MessageTable& messages,
              RandomGenerator& random, const ShowSelection& show);

}  // namespace kw
