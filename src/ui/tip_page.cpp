#include "ui/tip_page.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "generation/parameters.h"
#include "state/main_state.h"
#include "tips/tip_sheet.h"
#include "ui/controls.h"
#include "ui/language_texts.h"
#include "ui/tip_list_view.h"
#include "ui/vertical_label.h"

namespace kw {

namespace {

QByteArray name(const char* prefix, int number)
{
    return QByteArray(prefix) + QByteArray::number(number);
}

QFrame* banner(QWidget* parent, const char* panelName, VerticalLabel* label, const QColor& colour)
{
    auto* panel = named(new QFrame(parent), panelName);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(label);
    return panel;
}

}  // namespace

TipPage::TipPage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    root->addWidget(buildHeader());

    auto* middle = new QHBoxLayout;
    Label43 = named(new VerticalLabel(QStringLiteral("Kleinkugel Polen"), this), "Label43",
                    QStringLiteral("Zur Internetseite des Spiels"));
    Label44 = named(new VerticalLabel(QStringLiteral("Kugelwart 1.0"), this), "Label44",
                    QStringLiteral("Zur Internetseite des Spiels"));
    // The product's names stay as they are in every language.
    setTag(Label43, kUntranslatedTag);
    setTag(Label44, kUntranslatedTag);
    middle->addWidget(banner(this, "Panel2", Label43, QColor(0, 90, 160)));

    auto* centre = new QVBoxLayout;
    auto* views = new QHBoxLayout;
    Standardansicht = makeButton(
        this, "Standardansicht", QStringLiteral("Standard"),
        QStringLiteral("Hier können auch bis zu 12 Tipp berechnet und ausgewertet werden"));
    Listenansicht =
        makeButton(this, "Listenansicht", QStringLiteral("Listenansicht"),
                   QStringLiteral("Hier können auch größere Liste geladen und ausgewertet werden"));
    Standardansicht->setCheckable(true);
    Standardansicht->setChecked(true);
    Listenansicht->setCheckable(true);
    views->addWidget(Standardansicht);
    views->addWidget(Listenansicht);
    views->addStretch();
    centre->addLayout(views);

    sheet = buildSheet();
    centre->addWidget(sheet, 0, Qt::AlignHCenter);
    auto* lists = new QHBoxLayout;
    Gewinnzahlen = new TipListView(this, "Gewinnzahlen");
    Gewinne = new TipListView(this, "Gewinne");
    Gewinnzahlen->hide();
    Gewinne->hide();
    // The two lists scroll and select together, line by line.
    connect(Gewinnzahlen->verticalScrollBar(), &QScrollBar::valueChanged,
            Gewinne->verticalScrollBar(), &QScrollBar::setValue);
    connect(Gewinne->verticalScrollBar(), &QScrollBar::valueChanged,
            Gewinnzahlen->verticalScrollBar(), &QScrollBar::setValue);
    connect(Gewinnzahlen, &TipListView::lineClicked, Gewinne, &TipListView::selectLine);
    connect(Gewinne, &TipListView::lineClicked, Gewinnzahlen, &TipListView::selectLine);
    Gewinne->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // it follows the TipList
    lists->addWidget(Gewinnzahlen, 5);
    lists->addWidget(Gewinne, 1);
    centre->addLayout(lists, 1);
    centre->addStretch();
    centre->addWidget(buildActionRow());
    middle->addLayout(centre, 1);

    middle->addWidget(banner(this, "Panel8", Label44, QColor(200, 40, 40)));
    root->addLayout(middle, 1);
    root->addWidget(buildBottomRow());
}

QWidget* TipPage::buildHeader()
{
    auto* panel = named(new QFrame(this), "Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    SpeedButton10 = makeIconButton(panel, "SpeedButton10", QStyle::SP_BrowserReload, {},
                                   QStringLiteral("Ziehungsdaten aus dem Internet laden"));
    SpeedButton6 = makeIconButton(panel, "SpeedButton6", QStyle::SP_ArrowBack, {},
                                  QStringLiteral("vorhergehende Ziehung anzeigen"));
    SpeedButton7 = makeIconButton(panel, "SpeedButton7", QStyle::SP_ArrowForward, {},
                                  QStringLiteral("nächste Ziehung anzeigen"));
    Label35 = makeLabel(panel, "Label35", QString());
    Label13 = makeLabel(panel, "Label13", QStringLiteral("Quersumme"));
    // They show the CurrentDraw: no language changes them.
    setTag(Label35, kValueLabelTag);
    setTag(Label13, kValueLabelTag);
    QFont strong = Label35->font();
    strong.setBold(true);
    strong.setPointSizeF(strong.pointSizeF() * 1.2);
    Label35->setFont(strong);
    Label35->setMinimumWidth(QFontMetrics(strong).horizontalAdvance(
        QStringLiteral("Mo. 00.00.00    00  00  00  00  00")));
    layout->addWidget(SpeedButton10);
    layout->addSpacing(12);
    layout->addWidget(SpeedButton6);
    layout->addWidget(Label35);
    layout->addWidget(SpeedButton7);
    layout->addSpacing(12);
    layout->addWidget(Label13);
    layout->addStretch();
    return panel;
}

QWidget* TipPage::buildSheet()
{
    auto* box = named(new QFrame(this), "TipSheet");
    box->setFrameShape(QFrame::StyledPanel);
    QFont sheetFont = box->font();
    sheetFont.setPointSizeF(sheetFont.pointSizeF() * 1.15);
    box->setFont(sheetFont);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const QString lockHintShort =
        QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    const QString lockHintLong =
        lockHintShort +
        QStringLiteral(" Sind nur bis zu 3 Zahlen eingegeben werden die restlichen berechnet.");
    for (int r = 0; r < 12; ++r) {
        const TipRowLayout& row = kTipRows[r];
        int column = 0;
        auto* label = makeLabel(box, name("Label", row.rowLabel).constData(),
                                QString::number(r + 1) + QStringLiteral(". Tipp"),
                                r < 6 ? lockHintLong : lockHintShort);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        m_rowLabels[r] = label;
        grid->addWidget(label, r, column++);
        for (int k = 0; k < 5; ++k) {
            const int number = row.firstNumberEdit + k;
            auto* edit = named(new NumberEdit(box), name("Edit", number).constData());
            edit->installEventFilter(this);
            m_edits[number] = edit;
            grid->addWidget(edit, r, column++);
        }
        for (int star : {row.starEdit6, row.starEdit7}) {
            auto* edit = named(new NumberEdit(box), name("Edit", star).constData());
            edit->hide();  // this game has no star numbers; the fields still hold values
            edit->installEventFilter(this);
            m_edits[star] = edit;
            grid->addWidget(edit, r, column++);
        }
        auto* editButton = makeIconButton(
            box, (QByteArray("Tipp") + QByteArray::number(r + 1) + "Edit").constData(),
            QStyle::SP_FileDialogContentsView, {},
            QStringLiteral("Tipp mit der Zahlenauswahl bearbeiten"));
        editButton->setEnabled(false);
        grid->addWidget(editButton, r, column++);
        auto* resultA = makeLabel(box, name("Label", row.resultA).constData(), QString());
        auto* resultB = makeLabel(box, name("Label", row.resultB).constData(), QString());
        resultA->setMinimumWidth(
            QFontMetrics(resultA->font()).horizontalAdvance(QStringLiteral("00000")));
        resultB->setMinimumWidth(
            QFontMetrics(resultB->font()).horizontalAdvance(QStringLiteral("000")));
        m_hitLabels[r] = resultA;
        m_sumLabels[r] = resultB;
        grid->addWidget(resultA, r, column++);
        grid->addWidget(resultB, r, column++);
    }
    return box;
}

QWidget* TipPage::buildActionRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](QWidget* w, bool visible = true) {
        w->setEnabled(false);  // each comes alive with its operation
        w->setVisible(visible);
        layout->addWidget(w);
    };
    SpeedButton11 = makeIconButton(row, "SpeedButton11", QStyle::SP_TrashIcon, {},
                                   QStringLiteral("Löschen aller Tipps"));
    layout->addWidget(SpeedButton11);
    add(makeIconButton(row, "SpeedButton15", QStyle::SP_DialogSaveButton, {},
                       QStringLiteral("Speichern des Tipps")));
    add(makeIconButton(row, "SpeedButton16", QStyle::SP_DialogOpenButton, {},
                       QStringLiteral("Tipp laden aus Datei")));
    // Made here, in its place among the controls; shown beside "Verteilung der Tipps".
    auto* winCalculation = makeButton(row, "auswertung", QStringLiteral("Gewinnberechnung"),
                                      QStringLiteral("Auswertung und Ermittlung der Gewinnsumme"));
    SpeedButton28 = makeIconButton(row, "SpeedButton28", QStyle::SP_FileDialogDetailedView, {},
                                   QStringLiteral("Tippliste bearbeiten"));
    SpeedButton28->hide();
    layout->addWidget(SpeedButton28);
    add(makeButton(row, "BitBtn7", QStringLiteral("Tipp ausdrucken"),
                   QStringLiteral("Drucken SIe hier die berechneten Tipps aus")));
    add(makeButton(row, "SpeedButton27", QStringLiteral("Schein drucken (Test)")));
    add(makeButton(row, "OnlineTipp", QStringLiteral("Klicklauf")), false);
    add(makeButton(row, "SpeedButton4", QStringLiteral("Tipps in DB suchen")));
    add(makeButton(
        row, "Button6", QStringLiteral("Verteilung der Tipps"),
        QStringLiteral("Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden")));
    // Made here, among the controls; shown after "Gewinnberechnung".
    auto* odds =
        makeButton(row, "ChancenBerechnen", QStringLiteral("Chancen berechnen"),
                   QStringLiteral("Genaue Gewinnchancen der gezeigten Tipps über alle möglichen "
                                  "Ziehungen, verglichen mit Zufallstipps"));
    odds->setEnabled(false);
    auto* wheel = makeButton(row, "RadErstellen", QStringLiteral("Rad / System erstellen"),
                             QStringLiteral("Verteilt mehr gewählte Zahlen auf möglichst "
                                            "wenige Reihen, mit geprüfter Gewinngarantie"));
    wheel->setEnabled(false);
    layout->addWidget(winCalculation);
    layout->addWidget(odds);
    layout->addWidget(wheel);
    layout->addStretch();
    return row;
}

QWidget* TipPage::buildBottomRow()
{
    auto* panel = named(new QFrame(this), "Panel3");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(makeLabel(panel, "Label73", QStringLiteral("Anzahl Tipps:")));
    UpDown8 = named(new QSpinBox(panel), "UpDown8");
    const ParamSpec& spec = upDownSpec(8);
    UpDown8->setRange(spec.minimum, spec.maximum);
    UpDown8->setValue(spec.defaultValue);
    upDownEdit(UpDown8, 80);
    layout->addWidget(UpDown8);
    layout->addStretch();
    auto* lucky = makeButton(
        panel, "SpeedButton13", QStringLiteral("Glückszahl"),
        QStringLiteral(
            "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"));
    auto* cart = makeButton(panel, "Warenkorb", QStringLiteral("Warenkorb"));
    BitBtn4 = makeButton(panel, "BitBtn4", QStringLiteral("Tipps berechnen"));
    QFont bold = BitBtn4->font();
    bold.setBold(true);
    BitBtn4->setFont(bold);
    cart->setEnabled(false);
    for (QPushButton* b : {lucky, cart, BitBtn4}) layout->addWidget(b);
    return panel;
}

QLineEdit* TipPage::edit(int number) const
{
    return number >= 1 && number < static_cast<int>(m_edits.size()) ? m_edits[number] : nullptr;
}

QLabel* TipPage::rowLabel(int row) const
{
    return row >= 1 && row <= 12 ? m_rowLabels[row - 1] : nullptr;
}

QLabel* TipPage::resultLabel(int row, bool sum) const
{
    if (row < 1 || row > 12) return nullptr;
    return sum ? m_sumLabels[row - 1] : m_hitLabels[row - 1];
}

void TipPage::bindSheet(const TipSheet& tipSheet)
{
    m_sheet = &tipSheet;
    for (int edit = 1; edit <= TipSheet::kMaxEdit; ++edit) {
        if (!m_edits[edit]) continue;
        connect(m_edits[edit], &QLineEdit::textEdited, this,
                [this, edit](const QString& text) { emit cellTyped(edit, text); });
        showCell(edit);
    }
    connect(&tipSheet, &TipSheet::cellChanged, this, &TipPage::showCell);
    connect(&tipSheet, &TipSheet::lockChanged, this, &TipPage::showLock);
    connect(&tipSheet, &TipSheet::resultChanged, this, &TipPage::showResult);
    for (int r = 1; r <= 12; ++r) {
        showLock(r);
        showResult(r);
    }
}

void TipPage::showCell(int edit)
{
    QLineEdit* field = this->edit(edit);
    if (!field || !m_sheet) return;
    const QString text = m_sheet->cell(edit);
    if (field->text() != text) field->setText(text);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, m_sheet->isHit(edit) ? QColor(0, 255, 0)
                                                          : this->palette().color(QPalette::Base));
    field->setPalette(palette);
}

void TipPage::showLock(int row)
{
    QLabel* label = rowLabel(row);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, m_sheet && m_sheet->isLocked(row)
                                               ? QColor(255, 0, 0)
                                               : this->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TipPage::showResult(int row)
{
    if (!m_sheet) return;
    const TipSheet::RowResult& result = m_sheet->result(row);
    QLabel* hits = resultLabel(row, false);
    hits->setText(result.hits);
    QPalette palette = hits->palette();
    palette.setColor(QPalette::WindowText, result.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    hits->setPalette(palette);
    resultLabel(row, true)->setText(result.sum);
}

void TipPage::showLists(const MainState& state)
{
    sheet->setVisible(!state.listView);
    Gewinnzahlen->setVisible(state.listView);
    Gewinne->setVisible(state.listView);
    SpeedButton28->setVisible(state.SpeedButton28Visible);
    Standardansicht->setChecked(!state.listView);
    Listenansicht->setChecked(state.listView);
    if (Gewinnzahlen->lines() != state.Gewinnzahlen) Gewinnzahlen->setLines(state.Gewinnzahlen);
    if (Gewinne->lines() != state.Gewinne) Gewinne->setLines(state.Gewinne);
}

bool TipPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int r = 1; r <= 12; ++r)
            if (watched == m_rowLabels[r - 1]) emit rowLabelClicked(r);
    } else if (event->type() == QEvent::FocusOut) {
        for (int edit = 1; edit <= TipSheet::kMaxEdit; ++edit)
            if (watched == m_edits[edit]) emit cellLeft(edit);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kw
