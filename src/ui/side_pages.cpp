#include "ui/side_pages.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/controls.h"

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

}  // namespace

ParameterPage::ParameterPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    pages = named(new QTabWidget(this), "PageControl2");
    const char* names[] = {"TabSheet7", "TabSheet8", "TabSheet9", "TabSheet10", "TabSheet11"};
    const QString captions[] = {QStringLiteral("Statistisch"), QStringLiteral("Schein Optimierung"),
                                QStringLiteral("Mathematisch"), QStringLiteral("Eurozahlen"),
                                QStringLiteral("Allgemein")};
    for (int i = 0; i < 5; ++i) {
        auto* page = named(new QWidget(pages), names[i]);
        new QVBoxLayout(page);
        pages->addTab(page, captions[i]);
    }
    pages->setTabVisible(3, false);  // no extra numbers in this game
    layout->addWidget(pages);
}

ChartPage::ChartPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Startdatum der Auswertung:"), this));
    DateTimePicker2 = makeDatePicker(this, "DateTimePicker2", kEndDateHint);
    top->addWidget(DateTimePicker2);
    top->addStretch();
    layout->addLayout(top);
    auto* view = named(new QChartView(this), "Chart1");
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->hide();
    chartView = view;
    layout->addWidget(chartView, 1);
}

DatabasePage::DatabasePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* draw = new QGroupBox(QStringLiteral("Ziehung"), this);
    auto* drawLayout = new QHBoxLayout(draw);
    DateTimePicker1 = makeDatePicker(draw, "DateTimePicker1", kEndDateHint);
    SpeedButton5 = makeIconButton(draw, "SpeedButton5", QStyle::SP_DialogApplyButton, {},
                                  QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    SpeedButton5->setEnabled(false);
    Label29 = makeLabel(draw, "Label29", QString());
    drawLayout->addWidget(DateTimePicker1);
    drawLayout->addWidget(SpeedButton5);
    drawLayout->addWidget(Label29, 1);
    layout->addWidget(draw);

    auto* download = new QGroupBox(QStringLiteral("Ziehungsdaten"), this);
    auto* downloadLayout = new QHBoxLayout(download);
    BitBtn1 = makeButton(download, "BitBtn1", QStringLiteral("&Datenbank aktualisieren"));
    BitBtn1->setEnabled(false);
    downloadLayout->addWidget(BitBtn1);
    downloadLayout->addStretch();
    layout->addWidget(download);
    layout->addStretch();
}

InternetPage::InternetPage(QWidget* parent, const QStringList& links) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* proxy = new QGroupBox(QStringLiteral("Proxy"), this);
    auto* form = new QFormLayout(proxy);
    ProxyHostEdit = named(new QLineEdit(proxy), "ProxyHostEdit");
    ProxyPortEdit = named(new QLineEdit(QStringLiteral("80"), proxy), "ProxyPortEdit");
    form->addRow(QStringLiteral("Proxy-Server:"), ProxyHostEdit);
    form->addRow(QStringLiteral("Port:"), ProxyPortEdit);
    layout->addWidget(proxy);

    auto* portal = new QGroupBox(QStringLiteral("Lottoportal"), this);
    auto* portalLayout = new QHBoxLayout(portal);
    Lottoportal = named(new QComboBox(portal), "Lottoportal");
    Lottoportal->addItem(QStringLiteral("Lottoland"));
    portalLayout->addWidget(Lottoportal);
    portalLayout->addStretch();
    layout->addWidget(portal);

    auto* box = new QGroupBox(QStringLiteral("Links"), this);
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
