#pragma once
// The page "Tipp-Übersicht": the CurrentDraw header, the two banners, the view
// buttons, the twelve-row tip sheet (or the list view), and the action buttons.
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace kw {

class MainState;
class TipListView;
class TipSheet;
class VerticalLabel;

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
    TipListView* Gewinnzahlen;
    TipListView* Gewinne;
    QToolButton* SpeedButton11;  // clear
    QToolButton* SpeedButton28;  // edit the list
    QSpinBox* UpDown8;
    QPushButton* BitBtn4;  // "Tipps berechnen"

    // Edit1..Edit104 of the sheet (nullptr for numbers that are no sheet field).
    QLineEdit* edit(int number) const;
    QLabel* rowLabel(int row) const;  // 1..12
    QLabel* resultLabel(int row, bool sum) const;

    // Mirrors the sheet: cell texts, hit colours, lock colours, results. What is
    // typed into a cell goes out as cellTyped, for the state to validate.
    void bindSheet(const TipSheet& tipSheet);
    // Shows the list view's lines and results, or the sheet.
    void showLists(const MainState& state);

signals:
    void rowLabelClicked(int row);
    void cellLeft(int edit);
    void cellTyped(int edit, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCell(int edit);
    void showLock(int row);
    void showResult(int row);

    QWidget* buildHeader();
    QWidget* buildSheet();
    QWidget* buildActionRow();
    QWidget* buildBottomRow();

    std::array<QLineEdit*, 105> m_edits{};
    std::array<QLabel*, 12> m_rowLabels{};
    std::array<QLabel*, 12> m_hitLabels{};
    std::array<QLabel*, 12> m_sumLabels{};
    const TipSheet* m_sheet = nullptr;
};

}  // namespace kw
