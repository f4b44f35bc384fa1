#pragma once
// TForm5, "Übergabe des Tippscheins direkt an" the portal: the seven-digit ticket
// number, the three add-on games with the costs, and the ticket number drawn or
// searched against the sibling product's ticket history.
#include <QDialog>
#include <array>

#include "online/ticket_number.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace kw {

class Dialogs;
class MessageTable;
class RandomGenerator;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // ticketHistory: where "Zahlen08.dat" stands (ticketHistoryPath()); may be empty.
    TForm5(QWidget* parent, RandomGenerator& random, Dialogs& dialogs, QString ticketHistory);
    void setPortalName(const QString& portal);
    // The texts the dialog composes (caption, option items) in the table's language.
    void showOptionItems(const MessageTable& messages);

    int Tipp = 0;           // the tips the costs count
    QString LosNr;          // the confirmed ticket number
    int SpielzahlTest = 0;  // the search level of the last drawing
    QString Homedir;        // the ticket history's folder, when it exists
    QString Zahlenfile08;   // and its name

    // Digit 1..7 (UpDown3 .. UpDown9).
    QSpinBox* digitControl(int digit) const { return m_digits.at(digit - 1); }
    TicketDigits digits() const;
    void setDigits(const TicketDigits& digits);

    QCheckBox* Spiel77;
    QCheckBox* Super6;
    QCheckBox* glueck;
    QLabel* Label3;  // "Kosten:"
    QLabel* Label4;  // the costs
    QLabel* Label5;  // the hint shown without a ticket history
    QGroupBox* RadioGroup2;
    QButtonGroup* options;
    QToolButton* SpeedButton2;  // draw
    QToolButton* SpeedButton3;  // search
    QPushButton* BitBtn3;       // "&Warenkorb"
    QPushButton* BitBtn1;       // abort

public slots:
    void FormShow();
    void glueckClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The history's records; nullopt when it is not there (or cannot be read, which
    // is then said).
    std::optional<std::vector<TicketDraw>> history();

    RandomGenerator& m_random;
    Dialogs& m_dialogs;
    QString m_ticketHistory;
    QString m_captionStart;  // the caption before the portal's name
    QString m_portal;
    std::array<QSpinBox*, 7> m_digits{};
};

}  // namespace kw
