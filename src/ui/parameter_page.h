#pragma once
// The page "Parameter": every generation parameter as a check box or an up-down
// (spin box, its edit named as the program's edit field), bound both ways to the
// state, and the buttons and labels beside the options that show a chart.
#include <QWidget>
#include <array>
#include <map>

#include "generation/parameters.h"

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTabWidget;

namespace kw {

class MainState;

class ParameterPage : public QWidget {
    Q_OBJECT
public:
    ParameterPage(QWidget* parent, MainState& state);
    QTabWidget*
        pages;  // "Statistisch", "Schein Optimierung", "Mathematisch", "Eurozahlen", "Allgemein"
    QSpinBox* Zufallsvergleiche;  // the runs of random tips the parameter analysis compares with

    QCheckBox* checkBox(int number) const;
    QSpinBox* upDown(int number) const;
    // Shows the state's positions, ranges and check states.
    void showState();
    // The item texts of both "Eurozahlen Option" groups, by line (the items stay).
    void setOptionItems(const QStringList& items);

signals:
    // A button or label beside an option: show this chart.
    void chartRequested(const char* handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* box(QWidget* parent, Param param);
    QSpinBox* spin(QWidget* parent, Param param);
    QWidget* chartButton(QWidget* parent, const char* name, const char* handler);
    QLabel* chartLabel(QWidget* parent, const char* name, const QString& text, const char* handler);

    MainState& m_state;
    std::map<int, QCheckBox*> m_boxes;
    std::map<int, QSpinBox*> m_spins;
    QDoubleSpinBox* m_stake = nullptr;  // "Einsatz je Tipp"
    std::array<QButtonGroup*, 2> m_radioGroups{};
    std::map<QObject*, const char*> m_chartLabels;
};

}  // namespace kw
