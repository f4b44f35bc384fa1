// The list view with a full list: evaluating 6500 lines against the CurrentDraw
// and refilling both lists, as every change of the draw does.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "evaluation/sheet_evaluation.h"
#include "generation/random_generator.h"
#include "platform/sound.h"
#include "state/main_state.h"
#include "ui/tip_page.h"

namespace {

class SilentSound : public kw::Sound {
public:
    void play(const QString&) override {}
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kw::MainState state;
    kw::RandomGenerator random;
    random.setSeed(2026);
    for (int i = 0; i < 6500; ++i) {
        QStringList numbers;
        for (int k = 0; k < 5; ++k) numbers << QString::number(1 + random.random(42));
        state.Gewinnzahlen << numbers.join(QLatin1Char('\t'));
    }
    state.listView = true;
    kw::TipPage page(nullptr);
    page.resize(900, 700);
    page.show();
    SilentSound sound;

    std::vector<double> evaluate, refill, total;
    for (int run = 0; run < 30; ++run) {
        for (int i = 1; i <= 5; ++i) state.Zahl[i] = 1 + random.random(42);
        QElapsedTimer timer;
        timer.start();
        kw::Listengewinncheck(state, sound);
        const double evaluated = timer.nsecsElapsed() / 1e6;
        page.showLists(state);
        QCoreApplication::processEvents();  // includes the repaint of the visible lines
        const double all = timer.nsecsElapsed() / 1e6;
        evaluate.push_back(evaluated);
        refill.push_back(all - evaluated);
        total.push_back(all);
    }
    std::printf("list view, 6500 lines, median of 30 draws:\n");
    std::printf("  evaluate (Listengewinncheck): %6.2f ms\n", median(evaluate));
    std::printf("  refill both lists + repaint:  %6.2f ms\n", median(refill));
    std::printf("  together:                     %6.2f ms\n", median(total));

    // A long fill's runs add a line or a few to a dense list; after each the window
    // evaluates the new lines and shows both lists.
    state.Gewinnzahlen = state.Gewinnzahlen.mid(0, 6000);
    kw::Listengewinncheck(state, sound);
    page.showLists(state);
    std::vector<double> stepEvaluate, stepShow, stepPaint, step;
    for (int run = 0; run < 500; ++run) {
        QElapsedTimer timer;
        timer.start();
        state.Gewinnzahlen << QStringLiteral("1\t2\t3\t4\t") + QString::number(5 + run % 38);
        kw::Listengewinncheck(state, sound);
        const double evaluated = timer.nsecsElapsed() / 1e6;
        page.showLists(state);
        const double shown = timer.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        step.push_back(timer.nsecsElapsed() / 1e6);
        stepEvaluate.push_back(evaluated);
        stepShow.push_back(shown - evaluated);
        stepPaint.push_back(step.back() - shown);
    }
    // The window lets events through, and repaints, only every few runs.
    std::printf("a fill's run adding one line to 6000..6500 lines, median of 500:\n");
    std::printf("  evaluate the new line:        %6.2f ms\n", median(stepEvaluate));
    std::printf("  show both lists:              %6.2f ms\n", median(stepShow));
    std::printf("  repaint:                      %6.2f ms\n", median(stepPaint));
    return 0;
}
