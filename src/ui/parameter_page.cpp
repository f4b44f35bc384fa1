#include "ui/parameter_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "generation/parameters.h"
#include "state/main_state.h"
#include "ui/controls.h"

namespace kw {

namespace {

QWidget* line(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch();
    return row;
}

QLabel* text(QWidget* parent, const char* name, const QString& caption, bool heading = false)
{
    auto* label = makeLabel(parent, name, caption);
    label->setWordWrap(!heading);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QWidget* page(QTabWidget* pages, const char* name, const QString& caption)
{
    auto* widget = named(new QWidget(pages), name);
    auto* layout = new QVBoxLayout(widget);
    layout->setAlignment(Qt::AlignTop);
    pages->addTab(widget, caption);
    return widget;
}

}  // namespace

ParameterPage::ParameterPage(QWidget* parent, MainState& state) : QWidget(parent), m_state(state)
{
    using enum Param;
    auto* layout = new QVBoxLayout(this);
    pages = named(new QTabWidget(this), "PageControl2");
    layout->addWidget(pages);

    QWidget* statistic = page(pages, "TabSheet7", QStringLiteral("Statistisch"));
    auto* s = static_cast<QVBoxLayout*>(statistic->layout());
    s->addWidget(text(statistic, "Label92",
                      QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen"), true));
    s->addWidget(text(statistic, "Label93",
                      QStringLiteral("Unter \"Allgemein\" können Sie festlegen, dass nur diese "
                                     "Zahlen für die Tippberechnung verwendet werden")));
    s->addWidget(text(statistic, "Label94",
                      QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% "
                                     "verwendet. (z.B. bis 30% vom Maximum)")));
    s->addWidget(line(
        statistic, {box(statistic, PreferFrequentNumbers), spin(statistic, FrequentNumbersPercent),
                    makeLabel(statistic, "Label95", QStringLiteral("%")),
                    chartButton(statistic, "SpeedButton26", "SpeedButton2Click")}));
    s->addWidget(
        line(statistic, {box(statistic, PreferRareNumbers), spin(statistic, RareNumbersPercent),
                         makeLabel(statistic, "Label96", QStringLiteral("%"))}));
    s->addWidget(
        line(statistic, {box(statistic, PreferOverdueNumbers), spin(statistic, OverdueDraws),
                         chartButton(statistic, "SpeedButton31", "Button5Click")}));
    s->addWidget(
        line(statistic, {box(statistic, PreferFrequentPairs), box(statistic, PreferRarePairs),
                         chartButton(statistic, "SpeedButton32", "Button2Click")}));
    s->addWidget(
        line(statistic, {box(statistic, PreferFrequentTriples), box(statistic, PreferRareTriples),
                         chartButton(statistic, "SpeedButton33", "Button3Click")}));
    s->addWidget(line(
        statistic, {box(statistic, PreferFrequentQuadruples), box(statistic, PreferRareQuadruples),
                    chartButton(statistic, "SpeedButton34", "Button4Click")}));
    s->addWidget(line(statistic, {box(statistic, PreferLastDrawNeighbours)}));

    QWidget* sheet = page(pages, "TabSheet8", QStringLiteral("Schein Optimierung"));
    auto* o = static_cast<QVBoxLayout*>(sheet->layout());
    o->addWidget(text(sheet, "Label97",
                      QStringLiteral("Optimierung der einzelnen Tipps miteinander im Schein "),
                      true));
    o->addWidget(line(sheet, {box(sheet, UseMaxMatches), spin(sheet, MaxMatches)}));
    o->addWidget(line(sheet, {box(sheet, UseMinMatches), spin(sheet, MinMatches)}));
    o->addWidget(line(sheet, {box(sheet, MatchBoundsOnEveryRow)}));
    o->addWidget(line(sheet, {box(sheet, CountStarNumbers)}));
    o->addSpacing(8);
    o->addWidget(text(
        sheet, "Label98",
        QStringLiteral("Optimierung der einzelnen Tipps über die vergangenen Ziehungen"), true));
    o->addWidget(line(sheet, {box(sheet, LimitLastDraw), spin(sheet, MaxFromLastDraw)}));
    o->addWidget(
        line(sheet, {box(sheet, LimitSecondLastDraw), spin(sheet, MaxFromSecondLastDraw)}));
    o->addWidget(line(sheet, {box(sheet, LimitThirdLastDraw), spin(sheet, MaxFromThirdLastDraw)}));
    o->addWidget(line(
        sheet, {box(sheet, NeverDrawnBefore), spin(sheet, NeverDrawnHits),
                makeLabel(sheet, "Label99", QStringLiteral(" er aus der Datenbank entsprechen"))}));
    o->addWidget(line(sheet, {box(sheet, NotInRecentDraws), spin(sheet, RecentDrawsHits),
                              makeLabel(sheet, "Label100", QStringLiteral(" er aus den letzten  ")),
                              spin(sheet, RecentDrawsSpan),
                              makeLabel(sheet, "Label101", QStringLiteral("Ziehungen sein"))}));

    QWidget* maths = page(pages, "TabSheet9", QStringLiteral("Mathematisch"));
    auto* m = static_cast<QVBoxLayout*>(maths->layout());
    m->addWidget(text(maths, "Label102",
                      QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt"),
                      true));
    m->addWidget(line(
        maths, {makeLabel(maths, "Label103", QStringLiteral("Quersummen von")), spin(maths, MinSum),
                makeLabel(maths, "Label104", QStringLiteral("bis")), spin(maths, MaxSum),
                makeLabel(maths, "Label105", QStringLiteral("im Tipp zulassen"))}));
    m->addWidget(chartLabel(
        maths, "Label88",
        QStringLiteral(
            "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "),
        "SpeedButton9Click"));
    m->addWidget(line(maths, {box(maths, UseMinPrimes), spin(maths, MinPrimes)}));
    m->addWidget(line(maths, {box(maths, UseMinEven), spin(maths, MinEven)}));
    m->addWidget(line(maths, {box(maths, UseMinOdd), spin(maths, MinOdd)}));
    m->addWidget(line(maths, {box(maths, ForcePair)}));
    m->addWidget(chartLabel(
        maths, "Label89",
        QStringLiteral(
            "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."),
        "Button2Click"));
    m->addWidget(line(maths, {box(maths, NoRunsOfThree)}));
    QLabel* triples = chartLabel(maths, "Label91", QStringLiteral("Dreier, "), "Button3Click");
    QLabel* quadruples =
        chartLabel(maths, "Label90",
                   QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, "
                                  "können hier ganz verhindert werden"),
                   "Button4Click");
    // One sentence in two links: wrapped, each would break on its own.
    triples->setWordWrap(false);
    quadruples->setWordWrap(false);
    m->addWidget(line(maths, {triples, quadruples}));

    // Extra numbers have no use in this game; the page stays hidden, its values are kept.
    QWidget* extra = page(pages, "TabSheet10", QStringLiteral("Eurozahlen"));
    auto* e = static_cast<QVBoxLayout*>(extra->layout());
    for (int n = 1; n <= 2; ++n) {
        auto* group = named(new QGroupBox(QStringLiteral("Eurozahlen Option"), extra),
                            ("RadioGroup" + QByteArray::number(n)).constData());
        auto* groupLayout = new QVBoxLayout(group);
        auto* items = new QButtonGroup(group);
        for (int i = 0; i < 3; ++i) {
            auto* item = new QRadioButton(QString::number(i + 1), group);
            items->addButton(item, i);
            groupLayout->addWidget(item);
        }
        connect(items, &QButtonGroup::idClicked, this,
                [this, n](int item) { m_state.setRadioGroup(n, item); });
        m_radioGroups.at(n - 1) = items;
        e->addWidget(group);
    }
    e->addWidget(line(extra, {box(extra, EuroBox16), box(extra, EuroBox17),
                              spin(extra, EuroUpDown19), spin(extra, EuroUpDown20)}));
    pages->setTabVisible(3, false);

    QWidget* general = page(pages, "TabSheet11", QStringLiteral("Allgemein"));
    auto* g = static_cast<QVBoxLayout*>(general->layout());
    g->addWidget(text(general, "Label106", QStringLiteral("Allgemeine Berechnungsoptionen"), true));
    g->addWidget(line(general, {box(general, OnlyPreferredNumbers)}));
    g->addWidget(line(general, {box(general, AvoidMonthNumbers)}));
    g->addWidget(line(general, {box(general, FewerDayNumbers)}));
    g->addWidget(line(general, {box(general, ShowNumberSelection)}));
    g->addWidget(line(
        general,
        {makeLabel(general, "Label107", QStringLiteral("Max. Berechnungsläufe")),
         spin(general, RunsThousands), makeLabel(general, "Label108", QStringLiteral("Tausend"))}));
    g->addWidget(
        text(general, "Label109",
             QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                            "Einstellungen nicht alle Reihen berechnet werden konnten. ")));
    // The stake of one tip, for the expected return of "Chancen berechnen".
    m_stake = named(new QDoubleSpinBox(general), "EinsatzJeTipp");
    m_stake->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_stake->setRange(0, 1000);
    m_stake->setDecimals(2);
    m_stake->setSingleStep(0.5);
    m_stake->setSuffix(QStringLiteral(" EUR"));
    connect(m_stake, &QDoubleSpinBox::valueChanged, this, [this](double euros) {
        m_state.EinsatzJeTipp = static_cast<int>(std::lround(euros * 100));
    });
    g->addWidget(line(
        general, {makeLabel(general, "LabelEinsatz", QStringLiteral("Einsatz je Tipp")), m_stake}));
    Zufallsvergleiche = named(new QSpinBox(general), "Zufallsvergleiche",
                              QStringLiteral("So oft spielt die historische Analyse der Parameter "
                                             "dieselben Wochen mit Zufallstipps"));
    Zufallsvergleiche->setRange(1, kMaxRandomRuns);
    connect(Zufallsvergleiche, &QSpinBox::valueChanged, this,
            [this](int runs) { m_state.randomRuns = runs; });
    g->addWidget(line(general, {makeLabel(general, "LabelZufallsvergleiche",
                                          QStringLiteral("Läufe mit Zufallstipps zum Vergleich")),
                                Zufallsvergleiche}));

    showState();
}

QCheckBox* ParameterPage::box(QWidget* parent, Param param)
{
    const ParamSpec& spec = paramSpec(param);
    auto* box = named(new QCheckBox(QString::fromUtf8(spec.caption), parent), spec.name);
    m_boxes[spec.number()] = box;
    connect(box, &QCheckBox::toggled, this,
            [this, param](bool on) { m_state.setParameter(param, on); });
    return box;
}

QSpinBox* ParameterPage::spin(QWidget* parent, Param param)
{
    const ParamSpec& spec = paramSpec(param);
    const QString hint = QString::fromUtf8(spec.hint);
    auto* spin = named(new QSpinBox(parent), spec.name, hint);
    upDownEdit(spin, QByteArray(spec.edit).mid(4).toInt(), hint);
    m_spins[spec.number()] = spin;
    // The parameters tied to this one follow in the state, and showState shows them.
    connect(spin, &QSpinBox::valueChanged, this,
            [this, param](int value) { m_state.setParameter(param, value); });
    return spin;
}

QWidget* ParameterPage::chartButton(QWidget* parent, const char* name, const char* handler)
{
    auto* button = makeIconButton(parent, name, QStyle::SP_FileDialogContentsView, {},
                                  QStringLiteral("Im Diagramm ansehen"));
    connect(button, &QToolButton::clicked, this, [this, handler] { emit chartRequested(handler); });
    return button;
}

QLabel* ParameterPage::chartLabel(QWidget* parent, const char* name, const QString& caption,
                                  const char* handler)
{
    auto* label = makeLabel(parent, name, caption, QStringLiteral("Im Diagramm ansehen"));
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 200));
    label->setPalette(palette);
    label->installEventFilter(this);
    m_chartLabels[label] = handler;
    return label;
}

bool ParameterPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto found = m_chartLabels.find(watched);
        if (found != m_chartLabels.end()) emit chartRequested(found->second);
    }
    return QWidget::eventFilter(watched, event);
}

QCheckBox* ParameterPage::checkBox(int number) const
{
    const auto found = m_boxes.find(number);
    return found == m_boxes.end() ? nullptr : found->second;
}

QSpinBox* ParameterPage::upDown(int number) const
{
    const auto found = m_spins.find(number);
    return found == m_spins.end() ? nullptr : found->second;
}

void ParameterPage::showState()
{
    for (auto& [number, box] : m_boxes) {
        const QSignalBlocker block(box);
        box->setChecked(m_state.checkBox(number));
    }
    for (int n = 1; n <= 2; ++n)
        m_radioGroups.at(n - 1)->button(m_state.radioGroup(n))->setChecked(true);
    {
        const QSignalBlocker block(m_stake);
        m_stake->setValue(m_state.EinsatzJeTipp / 100.0);
    }
    for (auto& [number, spin] : m_spins) {
        const QSignalBlocker block(spin);
        spin->setRange(m_state.upDownMinimum(number), m_state.upDownMaximum(number));
        spin->setValue(m_state.upDownPosition(number));
    }
    const QSignalBlocker block(Zufallsvergleiche);
    Zufallsvergleiche->setValue(m_state.randomRuns);
}

void ParameterPage::setOptionItems(const QStringList& items)
{
    for (QButtonGroup* group : m_radioGroups) {
        for (QAbstractButton* item : group->buttons())
            item->setText(items.value(group->id(item)).left(4096));
    }
}

}  // namespace kw
