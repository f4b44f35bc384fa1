#pragma once
// "Rad / System erstellen": the player picks 6 to 24 numbers in a grid of 42 and a
// guarantee; "Berechnen" searches a small wheel (the window stays usable, the button
// cancels), proves it over every case and shows its rows, cost, lower bound and odds.
// "Übernehmen" accepts the dialog with the proven rows.
#include <QDialog>
#include <array>
#include <vector>

#include "evaluation/odds.h"
#include "evaluation/wheel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kw {

class MessageTable;

class WheelDialog : public QDialog {
    Q_OBJECT
public:
    // The stake per row in cents; the quotas value the odds.
    WheelDialog(QWidget* parent, const MessageTable& messages, int stakeCents,
                const HitQuotas& quotas);

    QCheckBox* numberBox(int n) const { return m_boxes.at(static_cast<std::size_t>(n)); }
    std::vector<int> pickedNumbers() const;
    WheelGuarantee chosenGuarantee() const;
    // The rows of the last finished build; empty while none is shown.
    const std::vector<TipRow>& rows() const { return m_rows; }
    bool building() const { return m_building; }

    QLabel* picked;
    QComboBox* guarantee;
    QLabel* meaning;  // the chosen guarantee in words
    QSpinBox* seconds;
    QPushButton* compute;
    QProgressBar* progress;
    QLabel* status;
    QPlainTextEdit* rowList;
    QLabel* rowCount;
    QLabel* cost;
    QLabel* proofLine;
    QLabel* boundLine;
    QLabel* oddsHeading;
    QTableWidget* oddsTable;
    QPushButton* take;
    QPushButton* closeButton;

public slots:
    // Starts a build, or cancels the one running (keeping the best wheel found).
    void computeClicked();

signals:
    void buildStarted();
    void buildFinished();

public:
    void done(int result) override;

private:
    void build();
    void showPicked();
    void showMeaning();
    void setBuilding(bool building);
    void clearResult();
    void showOdds(const OddsFigures& wheel, const OddsFigures& random);

    const MessageTable& m_messages;
    int m_stakeCents;
    HitQuotas m_quotas;
    std::array<QCheckBox*, kHighestWheelNumber + 1> m_boxes{};  // 0 unused
    std::vector<TipRow> m_rows;
    bool m_building = false;
    bool m_cancel = false;
    bool m_closing = false;
};

}  // namespace kw
