#include "ui/slip_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "platform/dialogs.h"
#include "platform/report/report_painter.h"
#include "platform/settings_store.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace kw {

namespace {

QSpinBox* upDown(QWidget* parent, const char* name, int minimum, int maximum, int position)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setValue(position);
    return box;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = named(new NumberEdit(parent, 5), name);
    edit->setText(text);
    return edit;
}

QTableWidget* grid(QWidget* parent, const char* name)
{
    auto* table = named(new QTableWidget(parent), name);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    return table;
}

// A grid of rows x columns cells of the given size, the control cells x count + 20
// pixels large; numbers 1..highest in the cells by the grids' filling order.
void showGrid(QTableWidget* table, int rows, int columns, int cellWidth, int cellHeight,
              int highest, bool horizontal, bool fromBottom)
{
    table->clear();
    table->setRowCount(rows);
    table->setColumnCount(columns);
    cellWidth = std::clamp(cellWidth, 1, 200);
    cellHeight = std::clamp(cellHeight, 1, 200);
    for (int c = 0; c < columns; ++c) table->setColumnWidth(c, cellWidth);
    for (int r = 0; r < rows; ++r) table->setRowHeight(r, cellHeight);
    for (int number = 1; number <= std::min(highest, rows * columns); ++number) {
        const GridCell cell = numberGridCell(number, rows, columns, horizontal, fromBottom);
        auto* item = new QTableWidgetItem(QString::number(number));
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(cell.row, cell.column, item);
    }
    table->setFixedSize(cellWidth * columns + 20, cellHeight * rows + 20);
}

// A field's value rounded to whole pixels; 0 when it is no number.
int roundedField(const QLineEdit* edit)
{
    const auto value = parseDecimal(edit->text());
    return value && std::abs(*value) < 1e6 ? static_cast<int>(std::lround(*value)) : 0;
}

}  // namespace

bool QtPrintDialogs::print(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::pageSetup(QPrinter& printer, QWidget* parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

SlipPreview::SlipPreview(QWidget* parent, const SlipReport& slip) : QWidget(parent), m_slip(slip)
{
    setMinimumSize(200, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SlipPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const ReportPage* page = m_slip.preparedPage();
    if (!page) return;
    const QSizeF paper(page->paperWidth * kUnitsPerMillimetre,
                       page->paperHeight * kUnitsPerMillimetre);
    constexpr int border = 8;
    const double scale =
        std::min((width() - 2 * border) / paper.width(), (height() - 2 * border) / paper.height());
    if (scale <= 0) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate((width() - paper.width() * scale) / 2,
                      (height() - paper.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(), paper), Qt::white);
    paintPage(painter, *page);
}

TForm8::TForm8(QWidget* parent, Services services)
    : QDialog(parent), m_services(services), m_printDialogs(&m_qtPrintDialogs)
{
    setObjectName(QStringLiteral("TForm8"));
    new ControlList(this);
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
    setModal(true);
    resize(960, 680);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top, 1);
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    const auto addTab = [this](QWidget* page, const char* name, const QString& caption) {
        PageControl1->addTab(named(page, name), caption);
    };
    addTab(buildSlipTab(), "TabSheet1", QStringLiteral("Spielschein"));
    addTab(buildFieldTab(), "TabSheet2", QStringLiteral("Zahlenfeld"));
    addTab(buildStarTab(), "TabSheet3", QStringLiteral("Eurozahlen"));
    auto* numbers = new QWidget(this);
    addTab(numbers, "TabSheet4", QStringLiteral("Zahlen"));
    Memo1 = named(new QPlainTextEdit(numbers), "Memo1");
    (new QVBoxLayout(numbers))->addWidget(Memo1);
    top->addWidget(PageControl1, 3);
    frxPreview1 = named(new SlipPreview(this, m_slip), "frxPreview1");
    top->addWidget(frxPreview1, 2);
    layout->addWidget(buildBottomPanel());

    m_slip.onRefresh = [this] { frxPreview1->update(); };
    m_slip.onPrint = [this] { print(); };
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm8::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm8::BitBtn3Click);
    connect(Seite, &QPushButton::clicked, this, &TForm8::SeiteClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm8::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm8::SpeedButton2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        connect(box, &QCheckBox::toggled, this, &TForm8::Button1Click);
    for (QSpinBox* box : {UpDown1, UpDown2, UpDown5, UpDown6, UpDown7, UpDown8})
        connect(box, &QSpinBox::valueChanged, this, &TForm8::Button1Click);
    Button1Click();
}

TForm8::~TForm8() = default;

QWidget* TForm8::buildSlipTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const SlipSettings defaults;

    auto* first = named(new QGroupBox(QStringLiteral("1.Block 1.Zahl"), page), "GroupBox1");
    auto* firstForm = new QFormLayout(first);
    Edit16 = field(first, "Edit16", defaults.firstLeft);
    Edit17 = field(first, "Edit17", defaults.firstTop);
    firstForm->addRow(makeLabel(first, "Label1", QStringLiteral("Left:")), Edit16);
    firstForm->addRow(makeLabel(first, "Label2", QStringLiteral("Top")), Edit17);

    auto* distance = named(new QGroupBox(QStringLiteral("Blockabstand:"), page), "GroupBox2");
    auto* distanceForm = new QFormLayout(distance);
    Edit4 = field(distance, "Edit4", defaults.blockLeft);
    Edit3 = field(distance, "Edit3", defaults.blockTop);
    distanceForm->addRow(makeLabel(distance, "Label3", QStringLiteral("Breite:")), Edit4);
    distanceForm->addRow(makeLabel(distance, "Label4", QStringLiteral("Höhe")), Edit3);

    auto* blocks = named(new QGroupBox(QStringLiteral("Blockverteilung"), page), "GroupBox3");
    auto* blocksForm = new QFormLayout(blocks);
    UpDown5 = upDown(blocks, "UpDown5", 1, 10, defaults.blockRows);
    UpDown6 = upDown(blocks, "UpDown6", 1, 10, defaults.blockColumns);
    blocksForm->addRow(makeLabel(blocks, "Label5", QStringLiteral("Zeilen:")), UpDown5);
    blocksForm->addRow(makeLabel(blocks, "Label6", QStringLiteral("Spalten:")), UpDown6);

    auto* cross = named(new QGroupBox(QStringLiteral("Kreuz"), page), "GroupBox4");
    auto* crossForm = new QFormLayout(cross);
    Zeichen = named(new QLineEdit(defaults.cross, cross), "Zeichen");
    fontsize = upDown(cross, "fontsize", 3, 16, defaults.fontSize);
    crossForm->addRow(makeLabel(cross, "Label7", QStringLiteral("Zeichen:")), Zeichen);
    crossForm->addRow(makeLabel(cross, "Label8", QStringLiteral("Größe:")), fontsize);

    auto* row = new QHBoxLayout;
    for (QGroupBox* box : {first, distance, blocks, cross}) row->addWidget(box);
    layout->addLayout(row);
    StringGrid1 = grid(page, "StringGrid1");
    layout->addWidget(StringGrid1);
    layout->addStretch();
    return page;
}

QWidget* TForm8::buildFieldTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    const SlipSettings defaults;
    auto* form = new QFormLayout;
    Edit2 = field(page, "Edit2", defaults.fieldWidth);
    Edit1 = field(page, "Edit1", defaults.fieldHeight);
    UpDown1 = upDown(page, "UpDown1", 1, 50, defaults.rowsPerBlock);
    UpDown2 = upDown(page, "UpDown2", 1, 50, defaults.numbersPerRow);
    form->addRow(makeLabel(page, "Label9", QStringLiteral("Feldweite:")), Edit2);
    form->addRow(makeLabel(page, "Label10", QStringLiteral("Feldhöhe:")), Edit1);
    form->addRow(makeLabel(page, "Label11", QStringLiteral("Zeilen:")), UpDown1);
    form->addRow(makeLabel(page, "Label12", QStringLiteral("Spalten:")), UpDown2);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Zahlen Horizontal"), page), "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("unten Beginnen"), page), "CheckBox2");
    CheckBox1->setChecked(defaults.checkBoxes[0]);
    CheckBox2->setChecked(defaults.checkBoxes[1]);
    form->addRow(CheckBox1);
    form->addRow(CheckBox2);
    Button1 = makeButton(page, "Button1", QStringLiteral("Anzeigen"));
    form->addRow(Button1);
    layout->addLayout(form);
    DrawGrid1 = grid(page, "DrawGrid1");
    layout->addWidget(DrawGrid1, 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}

QWidget* TForm8::buildStarTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    const SlipSettings defaults;
    auto* form = new QFormLayout;
    UpDown12 = upDown(page, "UpDown12", -1000, 1000, defaults.starIndent);
    UpDown11 = upDown(page, "UpDown11", -1000, 1000, defaults.starDistance);
    Edit12 = field(page, "Edit12", defaults.starFieldWidth);
    Edit11 = field(page, "Edit11", defaults.starFieldHeight);
    UpDown7 = upDown(page, "UpDown7", 1, 11, defaults.starRows);
    UpDown8 = upDown(page, "UpDown8", 1, 11, defaults.starColumns);
    form->addRow(makeLabel(page, "Label13", QStringLiteral("Einrücken:")), UpDown12);
    form->addRow(makeLabel(page, "Label14", QStringLiteral("Abstand :")), UpDown11);
    form->addRow(makeLabel(page, "Label15", QStringLiteral("Feldweite:")), Edit12);
    form->addRow(makeLabel(page, "Label16", QStringLiteral("Feldhöhe:")), Edit11);
    form->addRow(makeLabel(page, "Label17", QStringLiteral("Zeilen:")), UpDown7);
    form->addRow(makeLabel(page, "Label18", QStringLiteral("Spalten:")), UpDown8);
    CheckBox3 = named(new QCheckBox(QStringLiteral("Zahlen Horizontal"), page), "CheckBox3");
    CheckBox4 = named(new QCheckBox(QStringLiteral("unten Beginnen"), page), "CheckBox4");
    CheckBox3->setChecked(defaults.checkBoxes[2]);
    CheckBox4->setChecked(defaults.checkBoxes[3]);
    form->addRow(CheckBox3);
    form->addRow(CheckBox4);
    layout->addLayout(form);
    StringGrid2 = grid(page, "StringGrid2");
    layout->addWidget(StringGrid2, 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}

QWidget* TForm8::buildBottomPanel()
{
    auto* panel = named(new QFrame(this), "Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    BitBtn2 = makeButton(panel, "BitBtn2", QStringLiteral("Einstellungen einlesen"),
                         QStringLiteral("Die Lage der Felder aus der Vorlage lesen"));
    BitBtn3 = makeButton(panel, "BitBtn3", QStringLiteral("Zahlen eintragen"),
                         QStringLiteral("Die Tipps mit den eingestellten Werten eintragen"));
    BitBtn1 = makeButton(panel, "BitBtn1", QStringLiteral("&Drucken"));
    Seite = makeButton(panel, "Seite", QStringLiteral("Seite"));
    for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn1, Seite}) layout->addWidget(b);
    layout->addSpacing(12);
    layout->addWidget(makeLabel(panel, "Label19", QStringLiteral("Vorlage:")));
    Reportvorlage = named(new QLineEdit(panel), "Reportvorlage");
    SpeedButton1 = makeIconButton(panel, "SpeedButton1", QStyle::SP_DialogOpenButton, {},
                                  QStringLiteral("Vorlage wählen"));
    layout->addWidget(Reportvorlage, 2);
    layout->addWidget(SpeedButton1);
    layout->addWidget(makeLabel(panel, "Label20", QStringLiteral("Hintergrund:")));
    BackImage = named(new QLineEdit(panel), "BackImage");
    SpeedButton2 = makeIconButton(panel, "SpeedButton2", QStyle::SP_DialogOpenButton, {},
                                  QStringLiteral("Hintergrundbild wählen"));
    layout->addWidget(BackImage, 2);
    layout->addWidget(SpeedButton2);
    return panel;
}

void TForm8::setPrintDialogs(PrintDialogs* dialogs)
{
    m_printDialogs = dialogs ? dialogs : &m_qtPrintDialogs;
}

SlipSettings TForm8::controlValues() const
{
    SlipSettings s;
    s.checkBoxes = {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked(),
                    CheckBox4->isChecked()};
    s.firstTop = Edit17->text();
    s.firstLeft = Edit16->text();
    s.fieldHeight = Edit1->text();
    s.fieldWidth = Edit2->text();
    s.blockTop = Edit3->text();
    s.blockLeft = Edit4->text();
    s.starIndent = UpDown12->value();
    s.starDistance = UpDown11->value();
    s.rowsPerBlock = UpDown1->value();
    s.numbersPerRow = UpDown2->value();
    s.starFieldWidth = Edit12->text();
    s.starFieldHeight = Edit11->text();
    s.starRows = UpDown7->value();
    s.starColumns = UpDown8->value();
    s.blockRows = UpDown5->value();
    s.blockColumns = UpDown6->value();
    s.templateName = Reportvorlage->text();
    s.picture = BackImage->text();
    s.cross = Zeichen->text();
    s.fontSize = fontsize->value();
    return s;
}

void TForm8::showValues(const SlipSettings& s)
{
    CheckBox1->setChecked(s.checkBoxes[0]);
    CheckBox2->setChecked(s.checkBoxes[1]);
    CheckBox3->setChecked(s.checkBoxes[2]);
    CheckBox4->setChecked(s.checkBoxes[3]);
    Edit17->setText(s.firstTop);
    Edit16->setText(s.firstLeft);
    Edit1->setText(s.fieldHeight);
    Edit2->setText(s.fieldWidth);
    Edit3->setText(s.blockTop);
    Edit4->setText(s.blockLeft);
    UpDown12->setValue(s.starIndent);
    UpDown11->setValue(s.starDistance);
    UpDown1->setValue(s.rowsPerBlock);
    UpDown2->setValue(s.numbersPerRow);
    Edit12->setText(s.starFieldWidth);
    Edit11->setText(s.starFieldHeight);
    UpDown7->setValue(s.starRows);
    UpDown8->setValue(s.starColumns);
    UpDown5->setValue(s.blockRows);
    UpDown6->setValue(s.blockColumns);
    Reportvorlage->setText(s.templateName);
    BackImage->setText(s.picture);
    Zeichen->setText(s.cross);
    fontsize->setValue(s.fontSize);
}

QStringList TForm8::numberLines() const
{
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TForm8::loadTemplate()
{
    const QString problem =
        m_slip.load(Reportvorlage->text(), BackImage->text(), m_services.programFolder);
    if (!problem.isEmpty()) m_services.dialogs.notify(problem);
    frxPreview1->update();
}

bool TForm8::Tippsetzen()
{
    SlipPlacing placing;
    placing.geometry = m_geometry;
    placing.geometry.numbersPerRow = UpDown2->value();
    placing.geometry.blockColumns = UpDown6->value();
    placing.geometry.blockRows = UpDown5->value();
    placing.cross = Zeichen->text();
    placing.fontSize = fontsize->value();
    placing.tipPositions = TippanzahlMax;
    placing.highestNumber = MaxZahl;
    placing.firstSlipOnly = oeffnen;
    return placeTips(numberLines(), placing, m_slip, m_services.dialogs);
}

void TForm8::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm8::FormShow()
{
    oeffnen = true;
    Memo1->setPlainText(normaliseSlipList(numberLines()).join(QLatin1Char('\n')));
    SlipSettings settings = controlValues();
    if (!readSlipSettings(m_services.settings, schluessel, settings)) {
        BitBtn2Click();
        return;
    }
    showValues(settings);
    // A field that is no number is shown; the dialog opens all the same.
    QString error;
    if (const auto geometry = slipGeometry(settings, &error)) {
        m_geometry = *geometry;
    } else {
        m_services.dialogs.notify(error);
    }
    loadTemplate();
    m_slip.applyPaper(settings);
    m_slip.refresh();
    Tippsetzen();
}

void TForm8::FormClose()
{
    SlipSettings settings = controlValues();
    m_slip.storePaper(settings);
    writeSlipSettings(m_services.settings, schluessel, settings);
}

void TForm8::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm8::BitBtn2Click()
{
    oeffnen = true;
    loadTemplate();
    QString missing;
    const auto points = m_slip.calibration(&missing);
    if (!points) {
        m_services.dialogs.notify(QStringLiteral("Fehler kann Feld %1 nicht finden").arg(missing));
        return;
    }
    SlipGeometry counts;
    counts.numbersPerRow = UpDown2->value();
    m_geometry = calibratedGeometry(*points, counts, UpDown1->value());
    Edit2->setText(decimalText(m_geometry.fieldWidth));
    Edit1->setText(decimalText(m_geometry.fieldHeight));
    Edit17->setText(decimalText(m_geometry.firstTop));
    Edit16->setText(decimalText(m_geometry.firstLeft));
    Edit3->setText(decimalText(m_geometry.blockTop));
    Edit4->setText(decimalText(m_geometry.blockLeft));
    Tippsetzen();
    m_slip.refresh();
}

void TForm8::BitBtn3Click()
{
    oeffnen = false;
    QString error;
    const auto geometry = slipGeometry(controlValues(), &error);
    if (!geometry) {
        m_services.dialogs.notify(error);
        return;
    }
    m_geometry = *geometry;
    Tippsetzen();
    m_slip.refresh();
}

void TForm8::BitBtn1Click()
{
    oeffnen = false;
    // A slip that could not be placed whole is not printed.
    if (!Tippsetzen()) return;
    m_slip.refresh();
    print();
}

void TForm8::print()
{
    const std::vector<ReportPage>& pages = m_slip.report().preparedPages();
    if (pages.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(pages.front().pageLayout());
    if (!m_printDialogs->print(printer, this)) return;
    QString error;
    if (!printPages(printer, pages, &error)) m_services.dialogs.notify(error);
}

void TForm8::SeiteClick()
{
    ReportPage* page = m_slip.report().page(QStringLiteral("Page1"));
    if (!page) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(page->pageLayout());
    if (!m_printDialogs->pageSetup(printer, this)) return;
    const QPageLayout layout = printer.pageLayout();
    const QPageSize size = layout.pageSize();
    const int code = size.windowsId();
    page->paperSize = code > 0 && size.id() != QPageSize::Custom ? code : 256;
    page->orientation = layout.orientation();
    const QSizeF upright = size.size(QPageSize::Millimeter);
    const bool landscape = page->orientation == QPageLayout::Landscape;
    page->paperWidth = landscape ? upright.height() : upright.width();
    page->paperHeight = landscape ? upright.width() : upright.height();
    m_slip.refresh();
}

void TForm8::SpeedButton1Click()
{
    FileDialogRequest request;
    request.initialFolder = m_services.programFolder;
    request.filter = QStringLiteral("Fast Report (*.fr3)");
    request.defaultExtension = QStringLiteral("fr3");
    request.proposedName = Reportvorlage->text();
    const QString chosen = m_services.dialogs.openFileName(request);
    if (!chosen.isEmpty()) Reportvorlage->setText(chosen);
}

void TForm8::SpeedButton2Click()
{
    FileDialogRequest request;
    request.initialFolder = m_services.programFolder;
    request.filter = QStringLiteral("Bilddatei (*.png);;Bilddatei (*.jpg)");
    request.defaultExtension = QStringLiteral("png");
    request.proposedName = BackImage->text();
    const QString chosen = m_services.dialogs.openFileName(request);
    if (!chosen.isEmpty()) BackImage->setText(chosen);
}

void TForm8::Button1Click()
{
    showGrid(DrawGrid1, UpDown1->value(), UpDown2->value(), roundedField(Edit2),
             roundedField(Edit1), MaxZahl, CheckBox1->isChecked(), CheckBox2->isChecked());
    // The blocks of a slip, each as small as its grid of numbers.
    StringGrid1->clear();
    StringGrid1->setRowCount(UpDown5->value());
    StringGrid1->setColumnCount(UpDown6->value());
    const int blockWidth = UpDown2->value() * 3, blockHeight = UpDown1->value() * 3;
    for (int c = 0; c < UpDown6->value(); ++c) StringGrid1->setColumnWidth(c, blockWidth);
    for (int r = 0; r < UpDown5->value(); ++r) StringGrid1->setRowHeight(r, blockHeight);
    StringGrid1->setFixedSize(blockWidth * UpDown6->value() + 20,
                              blockHeight * UpDown5->value() + 20);
    showGrid(StringGrid2, UpDown7->value(), UpDown8->value(), roundedField(Edit12),
             roundedField(Edit11), MaxEuroZahl, CheckBox3->isChecked(), CheckBox4->isChecked());
}

}  // namespace kw
