#pragma once
// A main window whose first show fetches draws from a test server on 127.0.0.1,
// and what the download tests look at afterwards.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "draws/draw_download.h"
#include "support/draw_server.h"
#include "support/window_fixture.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"

namespace kw::test {

using Numbers = QList<int>;
using Draws = QList<Numbers>;

struct DownloadFixture : WindowFixture {
    DrawServer server;
    int finished = 0;

    // A window whose first show fetches from the test server (or from none).
    std::unique_ptr<TForm1> start(bool withServer = true, int timeout = 3000,
                                  const std::function<void(TForm1&)>& before = {})
    {
        if (!server.isListening() && !server.listen()) qWarning("test server does not listen");
        auto w = window();
        if (withServer) child<QLineEdit>(w.get(), "DrawServerEdit")->setText(server.address());
        w->state().downloadTimeout = timeout;
        if (before) before(*w);
        QObject::connect(w->download(), &DrawDownload::finished, w.get(), [this] { ++finished; });
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qWarning("window not exposed");
        return w;
    }
    bool waitDone(int runs = 1)
    {
        return QTest::qWaitFor([&] { return finished >= runs; }, 20000);
    }
    std::vector<DrawRecord> stored() const
    {
        return DrawFile(drawFile()).readAll(nullptr).value_or(std::vector<DrawRecord>{});
    }
    Draws storedNumbers(const QDate& day) const
    {
        Draws draws;
        for (const DrawRecord& r : stored())
            if (r.datum == dayCountFromDate(day))
                draws << Numbers{r.slot(1), r.slot(2), r.slot(3), r.slot(4), r.slot(5)};
        return draws;
    }
};

inline QString panel(TForm1* w, int i)
{
    return child<QLabel>(w, i == 0 ? "StatusPanel0" : "StatusPanel1")->text();
}

inline QPushButton* bitBtn1(TForm1* w)
{
    return w->findChild<DatabasePage*>()->BitBtn1;
}

inline QToolButton* stopButton(TForm1* w)
{
    return w->findChild<DatabasePage*>()->SpeedButton8;
}

// Every start control is usable again and the stop button hidden.
inline bool atRest(TForm1* w)
{
    return bitBtn1(w)->isEnabled() && w->tipPage()->SpeedButton10->isEnabled() &&
           w->findChild<QAction*>(QStringLiteral("Aktualisieren1"))->isEnabled() &&
           stopButton(w)->isHidden() && !w->download()->running();
}

}  // namespace kw::test
