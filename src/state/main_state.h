#pragma once
// The main window's state without the window: the CurrentDraw, the analysis
// window, the run flags, the parameter positions, the status texts and the
// message table. The window mirrors it; the operations work on it.
#include <QObject>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>

#include "draws/day_count.h"
#include "generation/parameters.h"
#include "generation/random_generator.h"
#include "i18n/message_table.h"
#include "platform/dialogs.h"
#include "state/date_picker_value.h"
#include "state/run_state.h"
#include "stats/chart_data.h"
#include "tips/tip_sheet.h"

namespace kw {

// 1 January 2018: no picker goes earlier.
inline constexpr DayCount kFirstAnalysisDay = 43101.0;
inline constexpr int kStatusPanels = 2;
// Runs of random tips the parameter analysis is compared with.
inline constexpr int kDefaultRandomRuns = 200;
inline constexpr int kMaxRandomRuns = 10000;

class MainState : public QObject {
    Q_OBJECT
public:
    MainState();

    // Folders and files.
    QString Home;  // DataFolder, with trailing separator
    QString ZahlenFile = QStringLiteral("ZahlenKK.dat");
    QString ProgramFolder;  // with trailing separator
    QString SoundName;
    QString drawFilePath() const { return Home + ZahlenFile; }

    // Run control.
    // The run's attempt budget, read by the run at its start.
    int LaufMax() const { return parameter(Param::RunsThousands) * 1000; }
    bool sortieren = false;
    bool Berechnunglaeuft = false;
    int SternenzahlMax = 10;
    int Sprache = 0;

    // The analysis window and the working date.
    DayCount dfb = 0;
    DayCount aktDatum = 0;
    DatePickerValue DateTimePicker1{kFirstAnalysisDay};  // end of the window, selects the draw
    DatePickerValue DateTimePicker2{kFirstAnalysisDay};  // start of the window

    // The CurrentDraw: record index, date and number slots 1..8 (index 0 unused).
    int Position = 0;
    DayCount Datum1 = 0;
    std::array<int, 9> Zahl{};

    // What the header shows of the CurrentDraw (Label35 copies Label29).
    QString Label29;
    QString Label35;
    QString Label13 = QStringLiteral("Quersumme");

    // The tips: the sheet, the list view's lines and their results, and which is shown.
    TipSheet sheet;
    QStringList Gewinnzahlen;
    QStringList Gewinne;
    bool listView = false;              // Gewinnzahlen and Gewinne visible
    bool SpeedButton28Visible = false;  // the list edit button
    QString Tippsberechnen =
        QStringLiteral("Tipps berechnen");  // the start button's caption at rest

    // The last comparison and the class counts of the last evaluation.
    std::array<bool, 6> Treffer{};  // 1..5
    int Gewinn = 0;
    bool Zusatz = false;
    bool Super = false;
    std::array<std::array<int, 3>, 7> Statistik{};

    // The statistics chart, which chart it shows, and the frequency history.
    ChartData chart;
    int ChartKind = 0;  // 1 frequency, 2 sums, 3 overdue, 5 extra numbers, 6 pairs with
    DayCount merkdatum = 0;
    bool historyRunning = false;  // BitBtn21 shown, BitBtn20 hidden, Timer1 on
    int UpDown21 = 1;             // the number of the pairs-with chart, 1..50

    // The window's save and open dialogs, shared by several operations: each sets
    // filter and extension for its own use and puts them back; the last file name stays.
    FileDialogRequest SaveDialog1{
        {}, {}, QStringLiteral("Textdatei (*.txt)"), QStringLiteral("txt"), {}};
    FileDialogRequest OpenDialog1{
        {}, {}, QStringLiteral("Textdatei (*.txt)"), QStringLiteral("txt"), {}};

    // Internet options.
    QString ProxyHostEdit;
    QString ProxyPortEdit = QStringLiteral("80");
    QString DrawServer;       // the draw-data server's address; empty: none set
    QString QuotaServer;      // the quota server's address; empty: none set
    int EinsatzJeTipp = 150;  // the stake of one tip in cents ("Einsatz je Tipp")
    QString Ergebnisdatei;    // the address of a complete results file; empty: none set
    QString Lottoportal = QStringLiteral("Lottoland");
    QString CartServer;      // the web-cart service's address; empty: the cart link at once
    QString CartLink;        // the link opened when the service gives no template
    QString ScriptServer;    // the address the click-script templates are kept up to date from
    QString RobotInstaller;  // the download address of the web robot's installer

    // The selected items of the two hidden "Eurozahlen Option" groups (0..2).
    int radioGroup(int number) const { return m_radioGroup.at(number - 1); }
    void setRadioGroup(int number, int item)
    {
        m_radioGroup.at(number - 1) = std::clamp(item, 0, 2);
    }

    // What runs now (a generation, a download, ...) and whether a stop was asked for.
    RunState run;
    // Which analysis Task::Analysis is: the database's (BitBtn19), else the parameters' (BitBtn9).
    bool databaseAnalysis = false;
    // The parameter analysis compared with plain random tips, and with how many runs.
    bool compareWithRandom = false;
    int randomRuns = kDefaultRandomRuns;
    int downloadTimeout = 5000;        // ms to connect, and of silence while the answer comes
    int dayAnswerDeadline = 30000;     // ms one day's request may take in all
    int resultsFileDeadline = 300000;  // ms the results file may take in all
    // A maintenance operation (entry, deletion, import) is between reading and
    // rewriting the DrawFile, perhaps waiting in a dialog: no download starts meanwhile.
    bool drawMaintenanceOpen = false;

    MessageTable messages;
    RandomGenerator random;

    // Generation parameters by meaning (generation/parameters.h); a check box is a
    // parameter of range 0..1. Positions always lie within their range.
    int parameter(Param param) const { return value(param).position; }
    bool isOn(Param param) const { return parameter(param) != 0; }
    int parameterMinimum(Param param) const;
    int parameterMaximum(Param param) const;
    // A change as the user makes it (the page, the companion's --set): the parameters
    // tied to this one follow. At most six even plus odd numbers can be demanded,
    // and the least matches with other rows never exceed the most.
    void setParameter(Param param, int value);
    void setParameterMinimum(Param param, int minimum);
    void setParameterMaximum(Param param, int maximum);

    // The same by the controls' numbers (UpDown<number>, CheckBox<number>), for the
    // settings and the windows: positions as stored, nothing follows.
    int upDownPosition(int number) const { return parameter(upDownParam(number)); }
    int upDownMaximum(int number) const { return parameterMaximum(upDownParam(number)); }
    int upDownMinimum(int number) const { return parameterMinimum(upDownParam(number)); }
    void setUpDownMinimum(int number, int minimum);
    void setUpDownPosition(int number, int position);
    void setUpDownMaximum(int number, int maximum);
    bool checkBox(int number) const;
    void setCheckBox(int number, bool checked);

    const QString& statusText(int panel) const;
    void setStatusText(int panel, const QString& text);
    // A text typed into a tip cell: written through the sheet's validation; a refused
    // one says why in status panel 1, the next kept one takes that reason away.
    void enterCell(int edit, const QString& text);

    // Tell the window what to show again.
    void notifyDrawChanged() { emit drawChanged(); }
    void notifyListChanged() { emit listChanged(); }
    void notifyViewChanged() { emit viewChanged(); }
    void requestChartPage() { emit chartPageRequested(); }
    void notifyRunChanged() { emit runChanged(); }
    void notifyDownloadChanged() { emit downloadChanged(); }
    // After a download that brought new draws to a winning tip list: auswertungClick.
    void requestWinCalculation() { emit winCalculationRequested(); }

signals:
    void statusChanged(int panel, const QString& text);
    void drawChanged();  // the CurrentDraw, its texts and the pickers
    void listChanged();  // Gewinnzahlen or Gewinne
    void viewChanged();  // the list view shown or hidden
    void chartPageRequested();
    void runChanged();  // a generation started or ended, or was asked to stop
    void parameterChanged();
    void downloadChanged();  // a download started or ended, or was asked to stop
    void winCalculationRequested();

private:
    struct ParameterValue {
        int position;
        int minimum;
        int maximum;
    };
    ParameterValue& value(Param param) { return m_parameters.at(static_cast<std::size_t>(param)); }
    const ParameterValue& value(Param param) const
    {
        return m_parameters.at(static_cast<std::size_t>(param));
    }

    void setPosition(Param param, int position);

    std::array<ParameterValue, kParamCount> m_parameters{};
    std::array<int, 2> m_radioGroup{};
    std::array<QString, kStatusPanels> m_status;
    QString m_cellRefusal;  // the reason enterCell shows, while it shows
};

}  // namespace kw
