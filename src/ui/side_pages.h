#pragma once
// The pages beside the tip page: "Parameter", "Diagramm", "Datenbank" and
// "Internet-Optionen". Each owns its controls; the main window binds them.
#include <QStringList>
#include <QWidget>

#include "draws/draw_file.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace kw {

class ChartData;
class DrawTableModel;
class DrawTableView;
class MessageTable;
class NumberEdit;
class StatisticsChartView;

class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(QWidget* parent, const ChartData& chart);
    QDateEdit* DateTimePicker2;
    StatisticsChartView* Chart1;
    QToolButton* SpeedButton2;   // frequency
    QPushButton* SpeedButton9;   // "QS"
    QPushButton* Button9;        // "Ausstehende"
    QPushButton* Button10;       // "2er"
    QPushButton* Button11;       // "3er"
    QPushButton* Button12;       // "4er"
    QPushButton* SpeedButton30;  // "Paare mit "
    QSpinBox* UpDown21;
    QPushButton* SpeedButton29;  // "nächste"
    QToolButton* BitBtn20;       // history start
    QToolButton* BitBtn21;       // history stop
    QCheckBox* CheckBox41;       // the value axis from 0
    QPushButton* Button21;       // "Diagramm speichern"
};

class DatabasePage : public QWidget {
    Q_OBJECT
public:
    explicit DatabasePage(QWidget* parent);
    QDateEdit* DateTimePicker1;
    QLabel* Label29;
    QToolButton* SpeedButton5;
    QPushButton* BitBtn1;         // download
    QPushButton* BitBtn8;         // "Eingeben"
    QPushButton* BitBtn6;         // "Löschen"
    QPushButton* BitBtn3;         // "Export nach Text"
    QPushButton* BitBtn10;        // "Import aus Text"
    QToolButton* SpeedButton8;    // stops the download; shown while it runs
    QPushButton* BitBtn2;         // rebuild; not shown
    QPushButton* Button2;         // "Paare suchen"
    QPushButton* Button3;         // "Dreier suchen"
    QPushButton* Button4;         // "Vierer suchen"
    QPushButton* Button5;         // "Ausstehende"
    QPushButton* Button8;         // "Sternzahl ausstehende"
    QPushButton* BitBtn9;         // the historic analysis of the parameters
    QCheckBox* Zufallsvergleich;  // and whether it compares with random tips
    QPushButton* BitBtn19;        // the historic analysis of the database

    // The stored draws: how many and since when, the table and its number filter.
    QLabel* Label120;     // the summary of the history
    NumberEdit* Edit120;  // "Zahl": only the draws with it; empty: all
    QLabel* Label122;     // how often that number came, and when last
    DrawTableView* StringGrid3;
    DrawTableModel* drawTable;
    // The number Edit120 asks for, 1..42; 0 when it asks for none.
    int filterNumber() const;
    // Shows the draws of the history on today, in the table's language.
    void showDraws(const DrawHistory& records, const QDate& today, const MessageTable& messages);
};

class InternetPage : public QWidget {
    Q_OBJECT
public:
    InternetPage(QWidget* parent, const QStringList& links);
    QLineEdit* ProxyHostEdit;
    QLineEdit* ProxyPortEdit;
    QLineEdit* DrawServerEdit;     // "Ziehungsdaten-Server"
    QLineEdit* QuotaServerEdit;    // "Quoten-Server"
    QLineEdit* CartServerEdit;     // "Warenkorb-Server"
    QLineEdit* ErgebnisdateiEdit;  // "Ergebnisdatei (Adresse)"
    QComboBox* Lottoportal;
    QList<QLabel*> linkLabels;

signals:
    void linkClicked(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A date picker as the program shows dates (dd.MM.yyyy, calendar pop-up), minimum 1 January 2018.
QDateEdit* makeDatePicker(QWidget* parent, const char* name, const QString& hint);

}  // namespace kw
