#pragma once
// The pages beside the tip page: "Parameter", "Diagramm", "Datenbank" and
// "Internet-Optionen". Each owns its controls; the main window binds them.
#include <QStringList>
#include <QWidget>

class QDateEdit;
class QLabel;
class QLineEdit;
class QComboBox;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace kw {

class ParameterPage : public QWidget {
    Q_OBJECT
public:
    explicit ParameterPage(QWidget* parent);
    QTabWidget* pages;  // "Statistisch", "Schein Optimierung", "Mathematisch", "Eurozahlen", "Allgemein"
};

class ChartPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartPage(QWidget* parent);
    QDateEdit* DateTimePicker2;
    QWidget* chartView;
};

class DatabasePage : public QWidget {
    Q_OBJECT
public:
    explicit DatabasePage(QWidget* parent);
    QDateEdit* DateTimePicker1;
    QLabel* Label29;
    QToolButton* SpeedButton5;
    QPushButton* BitBtn1;
};

class InternetPage : public QWidget {
    Q_OBJECT
public:
    InternetPage(QWidget* parent, const QStringList& links);
    QLineEdit* ProxyHostEdit;
    QLineEdit* ProxyPortEdit;
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
