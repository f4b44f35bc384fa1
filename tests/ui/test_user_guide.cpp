// The pictures of the user guide, made from the running program: the main window's
// pages and the dialogs the guide shows. With KUGELWART_SHOTS they go into that folder
// (scripts/screenshots.sh points it at docs/bilder); otherwise into a temporary folder,
// so that every run still checks that each picture is drawn, at its size, with content.
#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "support/draw_records.h"
#include "support/window_fixture.h"
#include "ui/chart_view.h"
#include "ui/main_window.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"
#include "ui/widget_dialogs.h"
#include "ui/win_calculation_dialog.h"

using namespace kw;
using namespace kw::test;

namespace {

// The real history when it is beside the checkout (the pictures then show real draws),
// else a random one over the same years.
std::vector<DrawRecord> guideHistory()
{
    QFile csv(qEnvironmentVariable("KUGELWART_SHARED_DATA") +
              QStringLiteral("/minilotto-history.csv"));
    std::vector<DrawRecord> draws;
    if (csv.open(QIODevice::ReadOnly | QIODevice::Text)) {
        csv.readLine();  // the header
        while (!csv.atEnd()) {
            const QStringList f = QString::fromLatin1(csv.readLine()).trimmed().split(',');
            if (f.size() != 6) continue;
            DrawRecord r = makeDraw(QDate::fromString(f[0], Qt::ISODate), {});
            for (int i = 1; i <= 5; ++i) r.setSlot(i, f[i].toInt());
            draws.push_back(r);
        }
    }
    if (draws.empty()) draws = randomHistory(QDate(2018, 1, 1), QDate(2026, 8, 22), 7);
    return draws;
}

// Distinct colours in a grid of samples: a page that failed to draw has one or two.
int sampledColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

}  // namespace

class UserGuideTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_temporary;
    QString m_folder;

    void save(QWidget* widget, const QString& name)
    {
        const QString file = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        QVERIFY2(widget->grab().save(file), qPrintable(file));
        const QImage image(file);
        QCOMPARE(image.size(), widget->size() * widget->devicePixelRatio());
        QVERIFY2(sampledColours(image) > 20, qPrintable(name + QStringLiteral(" looks empty")));
    }

private slots:
    void initTestCase()
    {
        m_folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (m_folder.isEmpty()) m_folder = m_temporary.path();
        QVERIFY(QDir().mkpath(m_folder));
    }

    void pages()
    {
        WindowFixture f;
        f.writeDraws(guideHistory());
        auto w = f.shownWindow();
        w->resize(1280, 770);  // a 1280 x 800 screen less the title bar
        QCoreApplication::processEvents();

        w->tipPage()->UpDown8->setValue(12);                       // "Anzahl Tipps"
        QTest::mouseClick(w->tipPage()->BitBtn4, Qt::LeftButton);  // "Tipps berechnen"
        QTRY_VERIFY_WITH_TIMEOUT(!w->state().Berechnunglaeuft, 60000);
        QCoreApplication::processEvents();  // the button's caption back in its layout
        save(w.get(), QStringLiteral("tipps"));

        const auto showPage = [&](const char* sheet) {
            w->pageControl()->setCurrentWidget(child<QWidget>(w.get(), sheet));
            QCoreApplication::processEvents();
        };
        showPage("TabSheet6");
        save(w.get(), QStringLiteral("parameter"));

        // The frequencies since the first draw, with the value of bar 17 shown. The
        // chart drops the items of the axes it replaces later, as the event loop of the
        // running program would.
        const auto settle = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        };
        showPage("TabSheet5");
        ChartPage* chart = w->chartPage();
        chart->DateTimePicker2->setDate(QDate(2018, 1, 1));
        chart->SpeedButton2->click();  // "Häufigkeit"
        settle();
        for (QAbstractSeries* series : chart->Chart1->chart()->series())
            if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
                for (QBarSet* set : bars->barSets())
                    if (set->at(16) != 0) emit set->hovered(true, 16);
        settle();
        QVERIFY(chart->Chart1->hoveredText().startsWith(QStringLiteral("Zahl 17")));
        save(w.get(), QStringLiteral("diagramm"));

        // The draws with 17, the newest first.
        showPage("TabSheet4");
        QTest::keyClicks(child<QLineEdit>(w.get(), "Edit120"), QStringLiteral("17"));
        QCoreApplication::processEvents();
        save(w.get(), QStringLiteral("datenbank"));

        showPage("TabSheet3");
        save(w.get(), QStringLiteral("internet"));

        // The about box as the program shows it (the fixture's dialogs only record it).
        w->UeberKugelwart1Click();
        const auto about = f.dialogs.shown.last();
        QCOMPARE(about.kind, QStringLiteral("about"));
        QTimer::singleShot(0, this, [this] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            save(box, QStringLiteral("ueber"));
            box->close();
        });
        WidgetDialogs(w.get()).about(about.text, about.caption);

        bool shown = false;
        connect(w.get(), &TForm1::winCalculationOpened, this, [&](TForm9* dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                save(dialog, QStringLiteral("gewinnberechnung"));
                shown = true;
                dialog->reject();
            });
        });
        w->auswertungClick();
        QVERIFY(shown);
    }
};

QTEST_MAIN(UserGuideTest)
#include "test_user_guide.moc"
