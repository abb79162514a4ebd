// How long the user waits for a whole division, against two floors that show the same pixels
// with the least work: one draws its characters with the painter's text call, as the program
// does, the other from glyph runs laid out beforehand.

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/division_floor.h"
#include "bench/modes.h"
#include "bench/program.h"
#include "framework/picture.h"
#include "support/journal_replay.h"
#include "worksheet/window1.h"

namespace bench {
namespace {

using framework::DrawCall;

struct Problem {
    const char* name;
    const char* divider;
    const char* divided;
};

constexpr Problem kProblems[] = {
    {"156_by_12", "12", "156"}, {"22_by_7", "7", "22"},     {"1_by_97", "97", "1"},
    {"1_by_9973", "9973", "1"}, {"1385_by_1", "1", "1385"},
};

// What the worksheet window shows of its canvas at its design size.
constexpr int kShownWidth = 1000;
constexpr int kShownHeight = 750;

double Milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

// The division on the running program's worksheet, as the user waits for it: from the call
// until the canvas has been painted on screen and the work the call posted (the click targets
// it closed are destroyed) has run. The same problem is worked once before, untimed, so that
// every timed call replaces the same worksheet: it closes as many click targets as it makes.
double ProgramTrial(worksheet::Window1& window, const Problem& problem) {
    {
        benchprogram::CanvasShown shown(window);
        window.NewDivision(problem.divider, problem.divided);
        shown.Wait();
    }
    benchprogram::CanvasShown shown(window);
    QElapsedTimer clock;
    clock.start();
    window.NewDivision(problem.divider, problem.divided);
    shown.Wait();
    return Milliseconds(clock);
}

// The floor: the same bitmap drawn with the least work, then one paint of an opaque window
// that shows it. This is the fair reference because it gives the user the very pixels the
// program gives (checked in set-up) while doing nothing the pixels do not need: white only
// where white stays, each stripe one solid fill of its blended colour, lines as solid fills,
// the program's own text calls, and no widget beneath or above the bitmap.
double FloorTrial(const DrawingFloor& floor, FloorScreen& screen, TextRoute route) {
    QElapsedTimer clock;
    clock.start();
    floor.Draw(screen.bitmap, route);
    screen.Show();
    return Milliseconds(clock);
}

std::vector<DrawCall> JournalOf(worksheet::Window1& window, const Problem& problem) {
    framework::Graphics& g = window.thepic->Graphics();
    g.ClearJournal();
    g.StartJournal();
    benchprogram::CanvasShown shown(window);
    window.NewDivision(problem.divider, problem.divided);
    shown.Wait();
    g.StopJournal();
    std::vector<DrawCall> calls = g.Journal();
    g.ClearJournal();
    return calls;
}

// A floor that drifted from the program's pixels would measure something else: set-up stops.
void CheckSamePixels(const QImage& floor, const QImage& program, const Problem& problem,
                     const char* which) {
    const std::string difference = testsupport::PixelDifference(floor, program);
    if (difference.empty()) return;
    std::fprintf(stderr, "%s %s: not the program's bitmap: %s\n", problem.name, which,
                 difference.c_str());
    std::abort();
}

}  // namespace

std::vector<Case> DivisionCases() {
    worksheet::Window1& window = benchprogram::Worksheet();
    auto screen = std::make_shared<FloorScreen>();
    std::vector<Case> cases;
    for (const Problem& problem : kProblems) {
        auto floor = std::make_shared<const DrawingFloor>(JournalOf(window, problem));
        const QImage program = window.thepic->Image().copy();
        floor->Draw(screen->bitmap, TextRoute::DrawText);
        CheckSamePixels(screen->bitmap, program, problem, "floor a (drawText)");
        floor->Draw(screen->bitmap, TextRoute::GlyphRuns);
        CheckSamePixels(screen->bitmap, program, problem, "floor b (glyph runs)");
        // And on screen: what the window shows of the canvas, and of the floor's window.
        const QRect shown(0, 0, kShownWidth, kShownHeight);
        CheckSamePixels(screen->grab(shown).toImage(),
                        window.Canvas1().NativeWidget()->grab(shown).toImage(), problem,
                        "floor window (on screen)");
        std::fprintf(stderr, "%s: %d fills and %d texts in the floor\n", problem.name,
                     floor->Fills(), floor->Texts());

        cases.push_back(
            {problem.name,
             {{"program", [&window, problem] { return ProgramTrial(window, problem); }},
              // Floor a draws each character with the program's own text call: what remains
              // once everything else is done with the least work.
              {"floor a",
               [floor, screen] { return FloorTrial(*floor, *screen, TextRoute::DrawText); }},
              // Floor b draws them from glyph runs laid out in set-up: the least text work that
              // still gives drawText's pixels, so the floor under any way of drawing text.
              {"floor b",
               [floor, screen] { return FloorTrial(*floor, *screen, TextRoute::GlyphRuns); }}}});
    }
    return cases;
}

}  // namespace bench
