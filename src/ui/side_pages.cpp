#include "ui/side_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "i18n/message_table.h"
#include "stats/draw_overview.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/draw_table.h"
#include "ui/language_texts.h"

namespace kw {

QDateEdit* makeDatePicker(QWidget* parent, const char* name, const QString& hint)
{
    auto* picker = named(new QDateEdit(parent), name, hint);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(QDate(2018, 1, 1));
    picker->setMaximumDate(QDate(9999, 12, 31));
    return picker;
}

namespace {

const QString kEndDateHint = QStringLiteral(
    "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht "
    "berücksichtigt");

// A form row under a label of its own name, the field its buddy.
void addRow(QFormLayout* form, QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    form->addRow(label, field);
}

}  // namespace

ChartPage::ChartPage(QWidget* parent, const ChartData& chart) : QWidget(parent)
{
    // Two rows above the chart, so that the page fits beside all 42 bars in a
    // window of the first size: the window of the analysis with the replay, then
    // the charts to choose.
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeLabel(this, "Label74", QStringLiteral("Startdatum der Auswertung:")));
    DateTimePicker2 = makeDatePicker(this, "DateTimePicker2", kEndDateHint);
    top->addWidget(DateTimePicker2);
    top->addSpacing(12);
    const QString historyHint = QStringLiteral(
        "Verlauf der Häufigkeit der gezogenen Zahlen beginnend mit dem aktuellen Datum");
    BitBtn20 = makeIconButton(this, "BitBtn20", QStyle::SP_MediaPlay, QStringLiteral("Verlauf"),
                              historyHint);
    BitBtn21 = makeIconButton(this, "BitBtn21", QStyle::SP_MediaStop, QStringLiteral("Verlauf"),
                              historyHint);
    BitBtn21->hide();
    top->addWidget(BitBtn20);
    top->addWidget(BitBtn21);
    top->addSpacing(12);
    CheckBox41 = named(new QCheckBox(QStringLiteral("Achse ab 0"), this), "CheckBox41",
                       QStringLiteral("Die Werteachse beginnt bei 0, damit die Balken im "
                                      "richtigen Verhältnis zueinander stehen"));
    top->addWidget(CheckBox41);
    Button21 = makeButton(this, "Button21", QStringLiteral("Diagramm speichern"),
                          QStringLiteral("Speichert das Diagramm als PNG-Bild"));
    top->addWidget(Button21);
    top->addStretch();
    layout->addLayout(top);

    auto* kinds = new QHBoxLayout;
    SpeedButton2 = makeIconButton(this, "SpeedButton2", QStyle::SP_FileDialogListView,
                                  QStringLiteral("Häufigkeit"),
                                  QStringLiteral("Verteilung der gezogenen Zahlen"));
    SpeedButton9 = makeButton(this, "SpeedButton9", QStringLiteral("QS"));
    Button9 = makeButton(this, "Button9", QStringLiteral("Ausstehende"));
    Button10 = makeButton(this, "Button10", QStringLiteral("2er"));
    Button11 = makeButton(this, "Button11", QStringLiteral("3er"));
    Button12 = makeButton(this, "Button12", QStringLiteral("4er"));
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton2), static_cast<QWidget*>(SpeedButton9),
                       static_cast<QWidget*>(Button9), static_cast<QWidget*>(Button10),
                       static_cast<QWidget*>(Button11), static_cast<QWidget*>(Button12)})
        kinds->addWidget(w);
    kinds->addSpacing(12);
    SpeedButton30 = makeButton(this, "SpeedButton30", QStringLiteral("Paare mit "));
    UpDown21 = named(new QSpinBox(this), "UpDown21");
    UpDown21->setRange(1, 50);
    upDownEdit(UpDown21, 107);
    SpeedButton29 = makeButton(this, "SpeedButton29", QStringLiteral("nächste"));
    kinds->addWidget(SpeedButton30);
    kinds->addWidget(UpDown21);
    kinds->addWidget(SpeedButton29);
    kinds->addStretch();
    layout->addLayout(kinds);
    Chart1 = new StatisticsChartView(this, chart);
    layout->addWidget(Chart1, 1);
}

DatabasePage::DatabasePage(QWidget* parent) : QWidget(parent)
{
    // The keeping of the history on the left, the draws themselves beside it.
    auto* columns = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    columns->addLayout(layout, 1);
    auto* draw = named(new QGroupBox(QStringLiteral("Ziehung"), this), "GroupBox1");
    auto* drawLayout = new QHBoxLayout(draw);
    DateTimePicker1 = makeDatePicker(draw, "DateTimePicker1", kEndDateHint);
    SpeedButton5 =
        makeIconButton(draw, "SpeedButton5", QStyle::SP_DialogApplyButton, {},
                       QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    SpeedButton5->setEnabled(false);
    Label29 = makeLabel(draw, "Label29", QString());
    setTag(Label29, kValueLabelTag);  // the CurrentDraw's date
    drawLayout->addWidget(DateTimePicker1);
    drawLayout->addWidget(SpeedButton5);
    drawLayout->addWidget(Label29, 1);
    layout->addWidget(draw);

    auto* download = named(new QGroupBox(QStringLiteral("Ziehungsdaten"), this), "GroupBox2");
    auto* downloadLayout = new QHBoxLayout(download);
    BitBtn1 = makeButton(download, "BitBtn1", QStringLiteral("&Datenbank aktualisieren"));
    SpeedButton8 = makeIconButton(download, "SpeedButton8", QStyle::SP_MediaStop, {},
                                  QStringLiteral("Stoppt das Einlesen"));
    SpeedButton8->hide();
    BitBtn2 = makeButton(download, "BitBtn2", QStringLiteral("Datenbank neu anlegen"));
    BitBtn2->hide();
    downloadLayout->addWidget(BitBtn1);
    downloadLayout->addWidget(SpeedButton8);
    downloadLayout->addWidget(BitBtn2);
    downloadLayout->addStretch();
    layout->addWidget(download);

    auto* maintenance =
        named(new QGroupBox(QStringLiteral("Ziehungen bearbeiten"), this), "GroupBox3");
    auto* maintenanceLayout = new QHBoxLayout(maintenance);
    BitBtn8 = makeButton(maintenance, "BitBtn8", QStringLiteral("Eingeben"),
                         QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    BitBtn6 = makeButton(maintenance, "BitBtn6", QStringLiteral("Löschen"),
                         QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    BitBtn3 = makeButton(maintenance, "BitBtn3", QStringLiteral("Export nach Text"),
                         QStringLiteral("Alle Ziehungen als Textdatei speichern"));
    BitBtn10 = makeButton(maintenance, "BitBtn10", QStringLiteral("Import aus Text"),
                          QStringLiteral("Ziehungen aus einer Textdatei übernehmen"));
    for (QPushButton* b : {BitBtn8, BitBtn6, BitBtn3, BitBtn10}) maintenanceLayout->addWidget(b);
    maintenanceLayout->addStretch();
    layout->addWidget(maintenance);

    auto* statistics = named(new QGroupBox(QStringLiteral("Statistik"), this), "GroupBox4");
    auto* statisticsLayout = new QHBoxLayout(statistics);
    Button2 = makeButton(statistics, "Button2", QStringLiteral("Paare suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"));
    Button3 = makeButton(statistics, "Button3", QStringLiteral("Dreier suchen"));
    Button4 = makeButton(statistics, "Button4", QStringLiteral("Vierer suchen"));
    Button5 = makeButton(statistics, "Button5", QStringLiteral("Ausstehende"));
    Button8 = makeButton(statistics, "Button8", QStringLiteral("Sternzahl ausstehende"),
                         QStringLiteral("Welche Sternzahl ist am länsten überfällig"));
    for (QPushButton* b : {Button2, Button3, Button4, Button5, Button8})
        statisticsLayout->addWidget(b);
    statisticsLayout->addStretch();
    layout->addWidget(statistics);

    // The two looks back over the history, from the date above on, each under what it
    // answers: the page keeps room beside them for the table of the draws.
    auto* analyses = new QGroupBox(this);
    auto* analysesLayout = new QGridLayout(analyses);
    BitBtn9 = makeButton(analyses, "BitBtn9", QStringLiteral("Historische Analyse der Parameter"));
    auto* question9 =
        makeLabel(analyses, "Label86",
                  QStringLiteral("Anhand der eingestellten Parameter werden Tipps berechnet und "
                                 "ausgewertet"));
    analysesLayout->addWidget(question9, 0, 0, 1, 3);
    analysesLayout->addWidget(BitBtn9, 1, 0);
    Zufallsvergleich = named(
        new QCheckBox(QStringLiteral("mit Zufallstipps vergleichen"), analyses), "Zufallsvergleich",
        QStringLiteral("Spielt dieselben Wochen auch mit Zufallstipps und "
                       "vergleicht die Treffer"));
    analysesLayout->addWidget(Zufallsvergleich, 1, 1);
    BitBtn19 = makeButton(analyses, "BitBtn19",
                          QStringLiteral("Historische Analyse beginnend mit dem oben gewählten "
                                         "Datum"));
    auto* question19 = makeLabel(analyses, "Label87",
                                 QStringLiteral("War eine Ziehung schonmal ein 4er oder 5er?"));
    analysesLayout->addWidget(question19, 2, 0, 1, 3);
    analysesLayout->addWidget(BitBtn19, 3, 0, 1, 2, Qt::AlignLeft);
    for (QLabel* question : {question9, question19}) question->setWordWrap(true);
    analysesLayout->setColumnStretch(2, 1);
    for (QPushButton* b : {BitBtn9, BitBtn19}) b->setEnabled(false);
    layout->addWidget(analyses);
    layout->addStretch();

    auto* draws =
        named(new QGroupBox(QStringLiteral("Gespeicherte Ziehungen"), this), "GroupBox12");
    auto* drawsLayout = new QVBoxLayout(draws);
    Label120 = makeLabel(draws, "Label120", QString());
    setTag(Label120, kValueLabelTag);
    Label120->setWordWrap(true);
    drawsLayout->addWidget(Label120);
    auto* filter = new QHBoxLayout;
    auto* numberLabel = makeLabel(draws, "Label121", QStringLiteral("&Zahl:"));
    Edit120 = named(new NumberEdit(draws, 2), "Edit120",
                    QStringLiteral("Nur die Ziehungen mit dieser Zahl zeigen (leer: alle)"));
    // Nothing but 1..42 can be typed (an int validator would let 43 through as unfinished).
    Edit120->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9]|[1-3][0-9]|4[0-2]")), Edit120));
    numberLabel->setBuddy(Edit120);
    Label122 = makeLabel(draws, "Label122", QString());
    setTag(Label122, kValueLabelTag);
    filter->addWidget(numberLabel);
    filter->addWidget(Edit120);
    filter->addWidget(Label122, 1);
    drawsLayout->addLayout(filter);
    StringGrid3 = named(new DrawTableView(draws), "StringGrid3");
    drawTable = new DrawTableModel(StringGrid3);
    StringGrid3->setModel(drawTable);
    StringGrid3->setSortingEnabled(true);
    StringGrid3->sortByColumn(static_cast<int>(DrawColumn::Date), Qt::DescendingOrder);
    StringGrid3->fitToFont();
    drawsLayout->addWidget(StringGrid3, 1);
    // As wide as the table's columns; what the window has beyond goes to the left.
    columns->addWidget(draws);
}

int DatabasePage::filterNumber() const
{
    const int number = Edit120->text().toInt();
    return number >= 1 && number <= 42 ? number : 0;
}

void DatabasePage::showDraws(const DrawHistory& records, const QDate& today,
                             const MessageTable& messages)
{
    if (drawTable->setColumnTitles(messages.text(Message::DrawTableColumns)))
        StringGrid3->fitToFont();
    StringGrid3->setToolTip(messages.text(Message::DrawTableHint));
    drawTable->setRecords(records);
    drawTable->setFilter(filterNumber());
    Label120->setText(drawHistorySummary(drawTable->records(), today, messages));
    const int number = drawTable->filter();
    Label122->setText(number ? numberSummary(drawTable->records(), number, messages) : QString());
}

InternetPage::InternetPage(QWidget* parent, const QStringList& links) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* proxy = named(new QGroupBox(QStringLiteral("Proxy"), this), "GroupBox5");
    auto* form = new QFormLayout(proxy);
    ProxyHostEdit = named(new QLineEdit(proxy), "ProxyHostEdit");
    ProxyPortEdit = named(new QLineEdit(QStringLiteral("80"), proxy), "ProxyPortEdit");
    addRow(form, makeLabel(proxy, "Label75", QStringLiteral("Proxy-Server:")), ProxyHostEdit);
    addRow(form, makeLabel(proxy, "Label76", QStringLiteral("Proxy-Port:")), ProxyPortEdit);
    layout->addWidget(proxy);

    auto* servers = named(new QGroupBox(QStringLiteral("Server"), this), "GroupBox6");
    auto* serverForm = new QFormLayout(servers);
    DrawServerEdit = named(new QLineEdit(servers), "DrawServerEdit");
    DrawServerEdit->setPlaceholderText(QStringLiteral("http://host:port"));
    addRow(serverForm, makeLabel(servers, "Label77", QStringLiteral("Ziehungsdaten-Server:")),
           DrawServerEdit);
    QuotaServerEdit = named(new QLineEdit(servers), "QuotaServerEdit");
    QuotaServerEdit->setPlaceholderText(QStringLiteral("http://host:port"));
    QuotaServerEdit->setToolTip(QStringLiteral(
        "Adresse des Servers, von dem die Gewinnberechnung die Quoten einer Ziehung l\u00E4dt"));
    addRow(serverForm, makeLabel(servers, "Label110", QStringLiteral("Quoten-Server:")),
           QuotaServerEdit);
    CartServerEdit = named(new QLineEdit(servers), "CartServerEdit");
    CartServerEdit->setPlaceholderText(QStringLiteral("http://host:port"));
    CartServerEdit->setToolTip(QStringLiteral(
        "Adresse des Dienstes, der die Warenkorb-Adresse des Lottoportals liefert; leer: die "
        "Seite des Lottoportals wird ohne Tipps geöffnet"));
    addRow(serverForm, makeLabel(servers, "Label111", QStringLiteral("Warenkorb-Server:")),
           CartServerEdit);
    ErgebnisdateiEdit = named(new QLineEdit(servers), "ErgebnisdateiEdit");
    ErgebnisdateiEdit->setToolTip(
        QStringLiteral("Adresse einer vollst\u00E4ndigen Ergebnisdatei; sie wird geladen, wenn "
                       "kein Ziehungsdaten-Server eingestellt ist"));
    addRow(serverForm, makeLabel(servers, "Label78", QStringLiteral("Ergebnisdatei (Adresse):")),
           ErgebnisdateiEdit);
    layout->addWidget(servers);

    auto* portal = named(new QGroupBox(QStringLiteral("Lottoportal"), this), "GroupBox7");
    auto* portalLayout = new QHBoxLayout(portal);
    Lottoportal = named(new QComboBox(portal), "Lottoportal");
    Lottoportal->addItem(QStringLiteral("Lottoland"));
    portalLayout->addWidget(Lottoportal);
    portalLayout->addStretch();
    layout->addWidget(portal);

    auto* box = named(new QGroupBox(QStringLiteral("Links"), this), "GroupBox8");
    auto* linkLayout = new QVBoxLayout(box);
    int number = 52;
    for (const QString& address : links) {
        auto* label = makeLabel(box, ("Label" + QByteArray::number(number++)).constData(), address,
                                QStringLiteral("Im Browser öffnen"));
        label->setTextFormat(Qt::PlainText);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 200));
        label->setPalette(palette);
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        setTag(label, kUntranslatedTag);  // an address, in every language
        linkLabels << label;
        linkLayout->addWidget(label);
    }
    layout->addWidget(box);
    layout->addStretch();
}

bool InternetPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && linkLabels.contains(label))
            emit linkClicked(label->text());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kw
