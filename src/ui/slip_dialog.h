#pragma once
// TForm8, "Positionierung des Scheindruckes": the slip's geometry in fields and
// up-downs, the number list, a live preview of the slip, and printing through
// Qt's print dialog (a PDF file for a user without a printer).
#include <QDialog>
#include <QWidget>
#include <array>

#include "platform/services.h"
#include "printing/slip_report.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace kw {

// The modal print and page-setup dialogs, behind a seam that tests answer.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The print dialog for printer; true when the user prints.
    virtual bool print(QPrinter& printer, QWidget* parent) = 0;
    // The page-setup dialog for printer; true when the user takes the setup.
    virtual bool pageSetup(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's own dialogs.
class QtPrintDialogs : public PrintDialogs {
public:
    bool print(QPrinter& printer, QWidget* parent) override;
    bool pageSetup(QPrinter& printer, QWidget* parent) override;
};

// The prepared slip page, scaled to fit, on grey.
class SlipPreview : public QWidget {
    Q_OBJECT
public:
    SlipPreview(QWidget* parent, const SlipReport& slip);
    QSize sizeHint() const override { return {300, 520}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SlipReport& m_slip;
};

class TForm8 : public QDialog {
    Q_OBJECT
public:
    TForm8(QWidget* parent, Services services);
    ~TForm8() override;

    // Set by the caller before the dialog is shown.
    int MaxZahl = kSlipHighestNumber;
    int TippanzahlMax = kSlipTipPositions;
    int MaxEuroZahl = 10;
    QString schluessel;

    // The print and page-setup dialogs used from now on (not owned); nullptr: Qt's.
    void setPrintDialogs(PrintDialogs* dialogs);
    SlipReport& slip() { return m_slip; }
    // The geometry the placement uses, at full precision.
    const SlipGeometry& geometry() const { return m_geometry; }
    // oeffnen: only the first slip is placed, for viewing.
    bool oeffnen = true;

    QTabWidget* PageControl1;
    // "Spielschein"
    QLineEdit* Edit16;  // AnfangLeft
    QLineEdit* Edit17;  // AnfangTop
    QLineEdit* Edit4;   // BlockLeft
    QLineEdit* Edit3;   // BlockTop
    QSpinBox* UpDown5;  // Zeilen
    QSpinBox* UpDown6;  // Spalten
    QTableWidget* StringGrid1;
    QLineEdit* Zeichen;
    QSpinBox* fontsize;
    // "Zahlenfeld"
    QLineEdit* Edit2;   // Breite
    QLineEdit* Edit1;   // Hoehe
    QSpinBox* UpDown1;  // BlockZeilen
    QSpinBox* UpDown2;  // BlockSpalten
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QPushButton* Button1;
    QTableWidget* DrawGrid1;
    // "Eurozahlen"
    QSpinBox* UpDown12;  // EuroLeft
    QSpinBox* UpDown11;  // EuroTop
    QLineEdit* Edit12;   // EuroBreit
    QLineEdit* Edit11;   // EuroHoch
    QSpinBox* UpDown7;   // EuroZeilen
    QSpinBox* UpDown8;   // EuroSpalten
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QTableWidget* StringGrid2;
    // "Zahlen"
    QPlainTextEdit* Memo1;
    // The bottom panel.
    QPushButton* BitBtn2;  // "Einstellungen einlesen"
    QPushButton* BitBtn3;  // "Zahlen eintragen"
    QPushButton* BitBtn1;  // "&Drucken"
    QPushButton* Seite;
    QLineEdit* Reportvorlage;
    QToolButton* SpeedButton1;
    QLineEdit* BackImage;
    QToolButton* SpeedButton2;
    SlipPreview* frxPreview1;

    // The values of the controls, and the controls set from values.
    SlipSettings controlValues() const;
    void showValues(const SlipSettings& settings);

public slots:
    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SeiteClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();

public:
    // Closing, however it happens, writes the settings.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSlipTab();
    QWidget* buildFieldTab();
    QWidget* buildStarTab();
    QWidget* buildBottomPanel();
    // Looks up and loads template and picture; a problem is shown.
    void loadTemplate();
    // Tippsetzen with the geometry held and the counts and cross of the controls.
    bool Tippsetzen();
    void print();
    QStringList numberLines() const;

    Services m_services;
    SlipReport m_slip;
    SlipGeometry m_geometry;
    QtPrintDialogs m_qtPrintDialogs;
    PrintDialogs* m_printDialogs;
};

}  // namespace kw
