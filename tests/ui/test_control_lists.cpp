// Every window lists its named controls in the order they were made: the language
// files find the controls by name and visit them in this order.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "support/window_fixture.h"
#include "tips/tip_sheet.h"
#include "ui/control_list.h"
#include "ui/dialog_windows.h"
#include "ui/main_window.h"

using namespace kw;
using namespace kw::test;

namespace {

// The program's window an object lies in: the nearest dialog or main window above it.
const QWidget* ownerWindow(const QObject* object)
{
    for (const QObject* o = object->parent(); o; o = o->parent())
        if (qobject_cast<const QDialog*>(o) || qobject_cast<const QMainWindow*>(o))
            return static_cast<const QWidget*>(o);
    return nullptr;
}

// What a language file would show of an object: its caption (a tab sheet's is the
// text of its tab) and its hint.
QString captionOf(const QObject* object)
{
    if (auto* action = qobject_cast<const QAction*>(object)) return action->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(object)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(object)) return group->title();
    if (auto* menu = qobject_cast<const QMenu*>(object)) return menu->title();
    auto* widget = qobject_cast<const QWidget*>(object);
    QWidget* stack = widget ? widget->parentWidget() : nullptr;
    if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr)) {
        const int index = tabs->indexOf(const_cast<QWidget*>(widget));
        if (index >= 0) return tabs->tabText(index);
    }
    return {};
}

QString hintOf(const QObject* object)
{
    if (auto* action = qobject_cast<const QAction*>(object)) return action->toolTip();
    if (auto* widget = qobject_cast<const QWidget*>(object)) return widget->toolTip();
    return {};
}

// Objects that show a text but are no control of their own: the items of an option
// group (their texts come from the option file) and the panels of a status bar (the
// program's running texts).
bool isPartOfAnother(const QObject* object)
{
    auto* button = qobject_cast<const QAbstractButton*>(object);
    if (button && button->group()) return true;
    return qobject_cast<const QStatusBar*>(object->parent()) != nullptr;
}

// The controls the windows ought to list: every widget and action of window that
// shows a caption or a hint.
QObjectList controlsWithText(const QWidget* window)
{
    QObjectList found;
    const auto consider = [&](QObject* object) {
        if (ownerWindow(object) != window || isPartOfAnother(object)) return;
        if (!captionOf(object).isEmpty() || !hintOf(object).isEmpty()) found << object;
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) consider(widget);
    for (QAction* action : window->findChildren<QAction*>()) {
        // A menu's own item stands for the menu.
        if (!action->menu()) consider(action);
    }
    return found;
}

QString describe(const QObject* object)
{
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(object->metaObject()->className()), captionOf(object),
             object->objectName());
}

// The main menu's items in menu order: each submenu followed by its items.
QObjectList menuItems(const QList<QAction*>& actions)
{
    QObjectList items;
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (QMenu* menu = action->menu()) {
            items << menu << menuItems(menu->actions());
        } else {
            items << action;
        }
    }
    return items;
}

QStringList namesOf(const QObjectList& objects)
{
    QStringList names;
    for (const QObject* object : objects) names << object->objectName();
    return names;
}

}  // namespace

class TestControlLists : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamedAndListed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"TForm1", "TForm3", "TForm5", "TForm6", "TForm8", "TForm9", "TQKSForm"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // Each listed control has a name no other control of its window has, and every
    // widget or action of the window with a caption or hint is listed.
    void everyControlIsNamedAndListed()
    {
        QFETCH(QString, window);
        WindowFixture f;
        auto main = f.shownWindow();  // with the texts of the first show
        QWidget* w = main.get();
        if (window != main->objectName()) w = main->findChild<QDialog*>(window);
        QVERIFY(w);
        const ControlList* list = ControlList::of(w);
        QVERIFY(list);
        const QObjectList controls = list->controls();

        QSet<QString> names;
        for (const QObject* control : controls) {
            QVERIFY2(!control->objectName().isEmpty(), qPrintable(describe(control)));
            QVERIFY2(!names.contains(control->objectName()), qPrintable(describe(control)));
            names << control->objectName();
            QVERIFY2(ownerWindow(control) == w,
                     qPrintable(describe(control) + " of another window"));
        }
        for (const QObject* object : controlsWithText(w))
            QVERIFY2(controls.contains(object), qPrintable(describe(object) + " not listed"));
    }

    // The main window's list begins with the menu items in menu order, then each page
    // of PageControl1 in page order followed by the controls on it.
    void mainWindowListsMenuThenPages()
    {
        WindowFixture f;
        auto w = f.window();
        const QObjectList controls = ControlList::of(w.get())->controls();
        const QObjectList menu = menuItems(w->menuBar()->actions());
        QVERIFY(menu.size() > 20);
        QCOMPARE(namesOf(controls.mid(0, menu.size())), namesOf(menu));
        QCOMPARE(controls.mid(0, menu.size()), menu);

        QTabWidget* pages = w->pageControl();
        int page = -1;
        for (const QObject* control : controls.mid(menu.size())) {
            if (page + 1 < pages->count() && control == pages->widget(page + 1)) {
                ++page;
                continue;
            }
            QVERIFY2(page >= 0, qPrintable(describe(control) + " before the first page"));
            const auto* widget = qobject_cast<const QWidget*>(control);
            const QWidget* sheet = pages->widget(page);
            QVERIFY2(widget && sheet->isAncestorOf(widget),
                     qPrintable(describe(control) + " not on " + sheet->objectName()));
        }
        QCOMPARE(page, pages->count() - 1);
    }

    // Within a page the order is the order of making, not of the widget tree: each
    // sheet row's label, cells, edit button and results in a row, and the banners'
    // labels before the banners that layouts move them into.
    void pageControlsInTheOrderTheyWereMade()
    {
        WindowFixture f;
        auto w = f.window();
        const QStringList names = namesOf(ControlList::of(w.get())->controls());
        for (int r = 0; r < kTipRowCount; ++r) {
            const TipRowLayout& row = kTipRows[r];
            QStringList expected{QStringLiteral("Label%1").arg(row.rowLabel)};
            for (int k = 0; k < 5; ++k)
                expected << QStringLiteral("Edit%1").arg(row.firstNumberEdit + k);
            expected << QStringLiteral("Edit%1").arg(row.starEdit6)
                     << QStringLiteral("Edit%1").arg(row.starEdit7)
                     << QStringLiteral("Tipp%1Edit").arg(r + 1)
                     << QStringLiteral("Label%1").arg(row.resultA)
                     << QStringLiteral("Label%1").arg(row.resultB);
            const int first = names.indexOf(expected.first());
            QVERIFY2(first > 0, qPrintable(expected.first()));
            QCOMPARE(names.mid(first, expected.size()), expected);
        }
        const auto before = [&names](const char* earlier, const char* later) {
            const int a = names.indexOf(QLatin1String(earlier));
            const int b = names.indexOf(QLatin1String(later));
            return a >= 0 && b >= 0 && a < b;
        };
        QVERIFY(before("Label43", "Label44"));
        QVERIFY(before("Label44", "Panel2"));
        QVERIFY(before("Panel2", "Panel8"));
        QVERIFY(before("UpDown12", "Edit85"));
        QVERIFY(before("Edit85", "Label95"));
    }
};

QTEST_MAIN(TestControlLists)
#include "test_control_lists.moc"
