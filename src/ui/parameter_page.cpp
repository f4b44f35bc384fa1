#include "ui/parameter_page.h"

#include <QButtonGroup>
#include <QCheckBox>
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

#include "generation/parameters.h"
#include "state/main_state.h"
#include "ui/controls.h"

namespace kw {

namespace {

const QString kPercentHint = QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");

QWidget* line(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch();
    return row;
}

QLabel* text(QWidget* parent, const QString& caption, bool heading = false)
{
    auto* label = new QLabel(caption, parent);
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
    auto* layout = new QVBoxLayout(this);
    pages = named(new QTabWidget(this), "PageControl2");
    layout->addWidget(pages);

    QWidget* statistic = page(pages, "TabSheet7", QStringLiteral("Statistisch"));
    auto* s = static_cast<QVBoxLayout*>(statistic->layout());
    s->addWidget(text(statistic, QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen"), true));
    s->addWidget(text(statistic, QStringLiteral("Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet werden")));
    s->addWidget(text(statistic, QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)")));
    s->addWidget(line(statistic, {box(statistic, 2, QStringLiteral("Zahlen die besonders oft gezogen wurden bevorzugen")),
                                  spin(statistic, 12, kPercentHint), new QLabel(QStringLiteral("%"), statistic),
                                  chartButton(statistic, "SpeedButton26", "SpeedButton2Click")}));
    s->addWidget(line(statistic, {box(statistic, 14, QStringLiteral("Zahlen die besonders selten gezogen wurden bevorzugen")),
                                  spin(statistic, 14, kPercentHint), new QLabel(QStringLiteral("%"), statistic)}));
    s->addWidget(line(statistic, {box(statistic, 10, QStringLiteral("Zahlen die länger überfällig sind als X Ziehungen")),
                                  spin(statistic, 13), chartButton(statistic, "SpeedButton31", "Button5Click")}));
    s->addWidget(line(statistic, {box(statistic, 1, QStringLiteral("Zahlen mit einer häufigen Paarebildung bevorzugen")),
                                  box(statistic, 11, QStringLiteral("seltensten")),
                                  chartButton(statistic, "SpeedButton32", "Button2Click")}));
    s->addWidget(line(statistic, {box(statistic, 6, QStringLiteral("Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen")),
                                  box(statistic, 12, QStringLiteral("seltensten")),
                                  chartButton(statistic, "SpeedButton33", "Button3Click")}));
    s->addWidget(line(statistic, {box(statistic, 7, QStringLiteral("Zahlen mit einer häufigen Viergruppenbildung bevorzugen")),
                                  box(statistic, 13, QStringLiteral("seltensten")),
                                  chartButton(statistic, "SpeedButton34", "Button4Click")}));
    s->addWidget(line(statistic, {box(statistic, 19, QStringLiteral("benachbarte Zahlen der letzten Ziehung bevorzugen"))}));

    QWidget* sheet = page(pages, "TabSheet8", QStringLiteral("Schein Optimierung"));
    auto* o = static_cast<QVBoxLayout*>(sheet->layout());
    o->addWidget(text(sheet, QStringLiteral("Optimierung der einzelnen Tipps miteinander im Schein "), true));
    o->addWidget(line(sheet, {box(sheet, 3, QStringLiteral("maximale Übereinstimmungen mit anderen Tipps zulassen")), spin(sheet, 3)}));
    o->addWidget(line(sheet, {box(sheet, 24, QStringLiteral("minimale Übereinstimmungen mit anderen Tipps zulassen")), spin(sheet, 9)}));
    o->addWidget(line(sheet, {box(sheet, 27, QStringLiteral("Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"))}));
    o->addWidget(line(sheet, {box(sheet, 31, QStringLiteral("Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!"))}));
    o->addSpacing(8);
    o->addWidget(text(sheet, QStringLiteral("Optimierung der einzelnen Tipps über die vergangenen Ziehungen"), true));
    o->addWidget(line(sheet, {box(sheet, 4, QStringLiteral("maximal zu verwendente Zahlen der letzten Ziehung")), spin(sheet, 4)}));
    o->addWidget(line(sheet, {box(sheet, 5, QStringLiteral("maximal zu verwendente Zahlen der vorletzten Ziehung")), spin(sheet, 5)}));
    o->addWidget(line(sheet, {box(sheet, 23, QStringLiteral("maximal zu verwendente Zahlen der vorvorletzten Ziehung")), spin(sheet, 11)}));
    o->addWidget(line(sheet, {box(sheet, 9, QStringLiteral("Tipp darf noch keinen ")),
                              spin(sheet, 6, QStringLiteral("Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden")),
                              new QLabel(QStringLiteral(" er aus der Datenbank entsprechen"), sheet)}));
    o->addWidget(line(sheet, {box(sheet, 28, QStringLiteral("Tipp darf keinen   ")),
                              spin(sheet, 17, QStringLiteral("Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen")),
                              new QLabel(QStringLiteral(" er aus den letzten  "), sheet),
                              spin(sheet, 18, QStringLiteral("Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen")),
                              new QLabel(QStringLiteral("Ziehungen sein"), sheet)}));

    QWidget* maths = page(pages, "TabSheet9", QStringLiteral("Mathematisch"));
    auto* m = static_cast<QVBoxLayout*>(maths->layout());
    m->addWidget(text(maths, QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt"), true));
    m->addWidget(line(maths, {new QLabel(QStringLiteral("Quersummen von"), maths), spin(maths, 1),
                              new QLabel(QStringLiteral("bis"), maths), spin(maths, 2),
                              new QLabel(QStringLiteral("im Tipp zulassen"), maths)}));
    m->addWidget(chartLabel(maths, "Label88",
                            QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "),
                            "SpeedButton9Click"));
    m->addWidget(line(maths, {box(maths, 22, QStringLiteral("mindest Anzahl von Primzahlen in jedem Tipp erzwingen")), spin(maths, 10)}));
    m->addWidget(line(maths, {box(maths, 25, QStringLiteral("mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen")), spin(maths, 15)}));
    m->addWidget(line(maths, {box(maths, 26, QStringLiteral("mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen")), spin(maths, 16)}));
    m->addWidget(line(maths, {box(maths, 8, QStringLiteral("eine Paarbildung pro Tipp erzwingen"))}));
    m->addWidget(chartLabel(maths, "Label89",
                            QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."),
                            "Button2Click"));
    m->addWidget(line(maths, {box(maths, 18, QStringLiteral("keine Dreier, Vierer... Gruppen"))}));
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
        connect(items, &QButtonGroup::idClicked, this, [this, n](int item) { m_state.setRadioGroup(n, item); });
        m_radioGroups.at(n - 1) = items;
        e->addWidget(group);
    }
    e->addWidget(line(extra, {box(extra, 16, QStringLiteral("16")), box(extra, 17, QStringLiteral("17")),
                              spin(extra, 19), spin(extra, 20)}));
    pages->setTabVisible(3, false);

    QWidget* general = page(pages, "TabSheet11", QStringLiteral("Allgemein"));
    auto* g = static_cast<QVBoxLayout*>(general->layout());
    g->addWidget(text(general, QStringLiteral("Allgemeine Berechnungsoptionen"), true));
    g->addWidget(line(general, {box(general, 15, QStringLiteral("für den Tipp nur bevorzugte Zahlen verwenden!"))}));
    g->addWidget(line(general, {box(general, 29, QStringLiteral("vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "))}));
    g->addWidget(line(general, {box(general, 30, QStringLiteral("Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten"))}));
    g->addWidget(line(general, {box(general, 20, QStringLiteral("Liste für Zahlenreihengenerierung anzeigen / bearbeiten"))}));
    g->addWidget(line(general, {new QLabel(QStringLiteral("Max. Berechnungsläufe"), general), spin(general, 7),
                                new QLabel(QStringLiteral("Tausend"), general)}));
    g->addWidget(text(general, QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen berechnet werden konnten. ")));

    showState();
}

QCheckBox* ParameterPage::box(QWidget* parent, int number, const QString& caption)
{
    auto* box = named(new QCheckBox(caption, parent), ("CheckBox" + QByteArray::number(number)).constData());
    m_boxes[number] = box;
    connect(box, &QCheckBox::toggled, this, [this, number](bool on) { m_state.setCheckBox(number, on); });
    return box;
}

QSpinBox* ParameterPage::spin(QWidget* parent, int number, const QString& hint)
{
    auto* spin = named(new QSpinBox(parent), ("UpDown" + QByteArray::number(number)).constData(), hint);
    spin->findChild<QLineEdit*>()->setObjectName(QLatin1String(upDownSpec(number).edit));
    if (!hint.isEmpty()) spin->findChild<QLineEdit*>()->setToolTip(hint);
    m_spins[number] = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this, number](int value) {
        m_state.setUpDownPosition(number, value);
        // The couplings: at most six even plus odd numbers; the least matches
        // never above the most.
        if (number == 15 || number == 16) {
            m_state.setUpDownMaximum(15, 6 - m_state.upDownPosition(16));
            m_state.setUpDownMaximum(16, 6 - m_state.upDownPosition(15));
        } else if (number == 3 || number == 9) {
            m_state.setUpDownMaximum(9, m_state.upDownPosition(3));
            m_state.setUpDownMinimum(3, m_state.upDownPosition(9));
        }
    });
    return spin;
}

QWidget* ParameterPage::chartButton(QWidget* parent, const char* name, const char* handler)
{
    auto* button = makeIconButton(parent, name, QStyle::SP_FileDialogContentsView, {},
                                  QStringLiteral("Im Diagramm ansehen"));
    connect(button, &QToolButton::clicked, this, [this, handler] { emit chartRequested(handler); });
    return button;
}

QLabel* ParameterPage::chartLabel(QWidget* parent, const char* name, const QString& caption, const char* handler)
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
    for (int n = 1; n <= 2; ++n) m_radioGroups.at(n - 1)->button(m_state.radioGroup(n))->setChecked(true);
    for (auto& [number, spin] : m_spins) {
        const QSignalBlocker block(spin);
        spin->setRange(m_state.upDownMinimum(number), m_state.upDownMaximum(number));
        spin->setValue(m_state.upDownPosition(number));
    }
}

}  // namespace kw
