// The "Datenbank" page's table of the draws on the real draw history (about
// 3,200 draws): reading the file, filling the table anew, a refresh that finds
// the history unchanged, sorting, the number filter, and the page's repaint.
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "history_fixture.h"
#include "i18n/message_table.h"
#include "ui/controls.h"
#include "ui/draw_table.h"
#include "ui/side_pages.h"

namespace {

double medianMs(const std::function<void()>& work, int runs = 51)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto history = kw::bench::loadHistory();
    if (!history) return 1;
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    kw::bench::writeHistory(folder, *history);
    const kw::DrawFile file(folder + QStringLiteral("ZahlenKK.dat"));
    const kw::MessageTable& messages = kw::MessageTable::german();
    const QDate today(2026, 8, 23);

    // Two histories that differ in their last draw, so that each refresh fills anew.
    auto changed = std::make_shared<std::vector<kw::DrawRecord>>(*history);
    changed->back().setSlot(1, changed->back().slot(1) % 42 + 1);
    const kw::DrawHistory histories[] = {
        std::make_shared<const std::vector<kw::DrawRecord>>(*history), changed};

    kw::DatabasePage page(nullptr);
    page.resize(1180, 620);
    page.show();
    page.showDraws(histories[0], today, messages);
    page.grab();

    std::printf("the draw table on %zu draws, median of 51 runs:\n", history->size());
    QFile raw(file.path());
    raw.open(QIODevice::ReadOnly);
    const QByteArray bytes = raw.readAll();
    std::printf("  parse the DrawFile (%lld bytes)          %7.3f ms\n",
                static_cast<long long>(bytes.size()),
                medianMs([&] { kw::DrawFile::parse(bytes); }));
    std::printf("  read the unchanged file (cached)         %7.3f ms\n",
                medianMs([&] { file.readShared(nullptr); }));
    std::printf("  rows of the history (logic only)       %7.3f ms\n",
                medianMs([&] { kw::drawRows(*history); }));
    std::printf("  rows + sort by date                    %7.3f ms\n", medianMs([&] {
                    auto rows = kw::drawRows(*history);
                    kw::sortDrawRows(rows, kw::DrawColumn::Date, true);
                }));
    int flip = 0;
    std::printf("  fill anew (another history) + summary  %7.3f ms\n",
                medianMs([&] { page.showDraws(histories[++flip % 2], today, messages); }));
    std::printf("  refresh, history unchanged (a copy)    %7.3f ms\n", medianMs([&] {
                    page.showDraws(
                        std::make_shared<const std::vector<kw::DrawRecord>>(*histories[flip % 2]),
                        today, messages);
                }));
    std::printf("  fill anew + repaint of the page        %7.3f ms\n", medianMs([&] {
                    page.showDraws(histories[++flip % 2], today, messages);
                    page.grab();
                }));
    std::printf("  repaint of the page alone              %7.3f ms\n",
                medianMs([&] { page.grab(); }));
    for (int column : {0, 1, 7}) {
        int order = 0;
        std::printf("  sort by column %d + repaint             %7.3f ms\n", column, medianMs([&] {
                        page.StringGrid3->sortByColumn(
                            column, ++order % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
                        page.grab();
                    }));
    }
    int typed = 0;
    std::printf("  filter 17 / all (typed) + repaint      %7.3f ms\n", medianMs([&] {
                    page.Edit120->setText(++typed % 2 ? QStringLiteral("17") : QString());
                    page.showDraws(histories[flip % 2], today, messages);
                    page.grab();
                }));
    return 0;
}
