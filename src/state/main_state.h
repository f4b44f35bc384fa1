#pragma once
// The main window's state without the window: the CurrentDraw, the analysis
// window, the run flags, the parameter positions, the status texts and the
// message table. The window mirrors it; the operations work on it.
#include <QObject>
#include <QString>
#include <array>

#include "draws/day_count.h"
#include "generation/parameters.h"
#include "generation/random_generator.h"
#include "i18n/message_table.h"
#include "state/date_picker_value.h"

namespace kw {

// 1 January 2018: no picker goes earlier.
inline constexpr DayCount kFirstAnalysisDay = 43101.0;
inline constexpr int kStatusPanels = 2;

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
    int LaufMax = 100000;
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

    // Internet options.
    QString ProxyHostEdit;
    QString ProxyPortEdit = QStringLiteral("80");

    MessageTable messages;
    RandomGenerator random;

    // Generation parameters: up-down positions (clamped to their range) and check boxes.
    int upDownPosition(int number) const;
    int upDownMaximum(int number) const;
    void setUpDownPosition(int number, int position);
    void setUpDownMaximum(int number, int maximum);
    bool checkBox(int number) const;
    void setCheckBox(int number, bool checked);

    const QString& statusText(int panel) const;
    void setStatusText(int panel, const QString& text);

signals:
    void statusChanged(int panel, const QString& text);
    void parameterChanged();

private:
    std::array<int, kUpDownCount> m_upDownPosition{};
    std::array<int, kUpDownCount> m_upDownMaximum{};
    std::array<bool, kCheckBoxCount> m_checkBox{};
    std::array<QString, kStatusPanels> m_status;
};

}  // namespace kw
