#pragma once
// TForm9, "Auswertung und Gewinnberechnung": the twelve prize classes with their
// counts, quotas and winnings, the total, the average quotas and the quotas loaded
// from the quota server for the draw date.
#include <QDialog>
#include <array>

#include "evaluation/win_calculation.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kw {

class HttpClient;
class MainState;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    // The quota load reads the quota server, the proxy and the time-outs from state
    // when it starts; http may be nullptr (no network).
    TForm9(QWidget* parent, const MainState& state, HttpClient* http);

    // The draw date the quotas are asked for.
    DayCount Datum = 0;

    // Row 1..12, top to bottom.
    QLabel* classLabel(int row) const { return m_rows.at(row - 1).label; }
    QLineEdit* countEdit(int row) const { return m_rows.at(row - 1).count; }
    QLineEdit* quotaEdit(int row) const { return m_rows.at(row - 1).quota; }
    QLabel* sumLabel(int row) const { return m_rows.at(row - 1).sum; }
    QLabel* statusPanel(int panel) const { return m_panels.at(panel); }
    QuotaLoad* quotaLoad() const { return m_load; }

    QFrame* Panel1;
    QLabel* Label2;             // holds the text of a loaded quota; not shown
    QLabel* Label20;            // the total
    QToolButton* SpeedButton1;  // the average quotas
    QToolButton* SpeedButton2;  // load the quotas
    QPushButton* BitBtn1;       // close

    // auswertungClick's preparation: the date, the counts of statistik into the count
    // edits (rows 4 and 5 and their labels by the date), the recomputation and the
    // quota load, which goes on in the background.
    void prepare(const ClassCounts& statistik, DayCount date);

public slots:
    void FormCreate();
    void Edit9Change();
    void SpeedButton1Click();
    void SpeedButton2Click();

public:
    // Closing ends a load under way.
    void done(int result) override;

private:
    struct Row {
        QLabel* label = nullptr;
        QLineEdit* count = nullptr;
        QLineEdit* quota = nullptr;
        QLabel* sum = nullptr;
    };
    QuotaTexts quotaTexts() const;
    RowTexts texts(QLineEdit* Row::*edit) const;

    const MainState& m_state;
    HttpClient* m_http;
    QuotaLoad* m_load;
    std::array<Row, kPrizeClasses> m_rows;
    std::array<QLabel*, 2> m_panels{};
};

}  // namespace kw
