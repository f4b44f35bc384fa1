#pragma once
// The page "Tipp-Übersicht": the CurrentDraw header, the two banners, the view
// buttons, the twelve-row tip sheet (or the list view), and the action buttons.
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace kw {

class VerticalLabel;

// Where the fields of one tip row live (designer numbers of the edits and labels).
struct TipRowLayout {
    int firstNumberEdit;  // Edit<first> .. Edit<first + 4>
    int starEdit6;        // column 6
    int starEdit7;        // column 7
    int rowLabel;         // Label<n>, caption "<row>. Tipp"
    int resultA;
    int resultB;
};
extern const std::array<TipRowLayout, 12> kTipRows;

class TipPage : public QWidget {
    Q_OBJECT
public:
    explicit TipPage(QWidget* parent);

    QToolButton* SpeedButton10;  // download
    QToolButton* SpeedButton6;   // previous draw
    QToolButton* SpeedButton7;   // next draw
    QLabel* Label35;             // the CurrentDraw
    QLabel* Label13;             // its digit sum
    VerticalLabel* Label43;
    VerticalLabel* Label44;
    QPushButton* Standardansicht;
    QPushButton* Listenansicht;
    QWidget* sheet;
    QListWidget* Gewinnzahlen;
    QListWidget* Gewinne;
    QSpinBox* UpDown8;
    QPushButton* BitBtn4;  // "Tipps berechnen"

    // Edit1..Edit104 of the sheet (nullptr for numbers that are no sheet field).
    QLineEdit* edit(int number) const;
    QLabel* rowLabel(int row) const;  // 1..12

private:
    QWidget* buildHeader();
    QWidget* buildSheet();
    QWidget* buildActionRow();
    QWidget* buildBottomRow();

    std::array<QLineEdit*, 105> m_edits{};
    std::array<QLabel*, 12> m_rowLabels{};
};

}  // namespace kw
