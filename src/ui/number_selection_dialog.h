#pragma once
// TForm6, the number-selection dialog: binds 55 number boxes, the weight-list
// buttons, the random picking and the result buttons to a NumberSelection, for
// the generation run ("Rechnen") and the editing of one tip row ("Zufall").
#include <QDialog>
#include <array>
#include <memory>

#include "generation/number_selection.h"
#include "generation/random_generator.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

namespace kw {

class Clock;
class Dialogs;
class MessageTable;
class NumberPool;
class TipSheet;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // exec()'s result codes. Closing the window (or Esc) rejects: Cancel.
    enum ResultCode {
        CancelResult = QDialog::Rejected,  // 0
        OkResult = QDialog::Accepted,      // 1, BitBtn1
        AbortResult = 3,                   // BitBtn2
        RetryResult = 4,                   // BitBtn3 "&Rechnen"
    };
    static SelectionOutcome outcomeOf(int resultCode);

    // Until attach() the dialog draws from a generator of its own, asks for files
    // with Qt's dialogs and takes today from the system clock.
    explicit TForm6(QWidget* parent, RandomGenerator* random = nullptr, Dialogs* dialogs = nullptr,
                    const Clock* clock = nullptr);
    ~TForm6() override;
    // The program's shared generator (MainState::random) and the platform seams.
    void attach(RandomGenerator& random, Dialogs& dialogs, const Clock& clock);

    NumberSelection& selection() { return m_selection; }
    const NumberSelection& selection() const { return m_selection; }

    // Shows the selection, runs modally, says how it ended.
    SelectionOutcome showModal();
    // The generation run's use (RunHooks::selectNumbers): the pool's counts into
    // the boxes, the dialog, then OK keeps the pool and "Rechnen" rebuilds it.
    // False abandons the run; a weight that is no integer is reported first.
    bool selectPoolNumbers(NumberPool& pool, const MessageTable& messages);
    // Tipp1EditClick..Tipp12EditClick: edits row 1..12 of the sheet with the dialog.
    void TippEdit(TipSheet& sheet, int row, const MessageTable& messages);

    // Box n, 1..55.
    QCheckBox* numberBox(int n) const { return m_boxes.at(static_cast<std::size_t>(n)); }
    QTimer* Timer1() const { return m_timer1; }
    QLabel* statusPanel() const { return m_statusPanel; }

    QToolButton* SpeedButton1;  // save the list
    QToolButton* SpeedButton2;  // load the list
    QPushButton* BitBtn1;       // OK
    QPushButton* BitBtn2;       // Abort
    QPushButton* BitBtn3;       // "&Rechnen"
    QPushButton* BitBtn4;       // "&Zufall"

    // Makes the widgets show the selection.
    void showSelection();

public slots:
    // A user's click has toggled box n.
    void CheckBox49Click(int number, bool checked);
    void CheckBox1MouseDown(int number, bool rightButton);
    void CheckBox2MouseMove(int number);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn4Click();
    void Timer1Timer();
    void FormClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    void done(int result) override;

private:
    int boxNumber(const QObject* object) const;
    void takeStatusFormat();
    QDate today() const;

    NumberSelection m_selection;
    RandomGenerator m_ownRandom;
    std::unique_ptr<Dialogs> m_ownDialogs;
    RandomGenerator* m_random;
    Dialogs* m_dialogs;
    const Clock* m_clock;

    std::array<QCheckBox*, kSelectionBoxCount + 1> m_boxes{};  // 0 unused
    std::array<int, kSelectionBoxCount + 1> m_shownColour{};   // -1 before the first show
    QLabel* m_panel1;  // holds the status format (translated with the window)
    QLabel* m_statusPanel;
    QStatusBar* m_statusBar;
    QTimer* m_timer1;
};

}  // namespace kw
