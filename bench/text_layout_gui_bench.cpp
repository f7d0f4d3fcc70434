// Layout of coded texts through the Qt canvas, as the text views lay them out on a new text or a
// resize: a typical person text and the longest help text at the main window's text width. The
// view keeps its canvas, so character widths are measured once per font ("kept canvas"); a first
// layout measures them too ("new canvas"). Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <algorithm>
#include <string>

#include <QWidget>

#include "builder/help_texts.h"
#include "census/person.h"
#include "storage/coded_text.h"
#include "widgets/qt_canvas.h"

namespace tessla {
namespace {

// The text width of the main window's record view.
constexpr int kTextWidth = 370;

std::string personText() {
    Tenperson p;
    p.ENAMN = "Andersson";
    p.FNAMN = "Anna Maria Kristina";
    p.YRKE = "Piga";
    p.FODAR = "1868";
    p.FOFORS = p.FOFORS1890 =
        "V\xE4stra Ving\xE5ker (S\xF6"
        "dermanlands l\xE4n)";
    p.FOLAND1890 =
        "S\xF6"
        "dermanland";
    p.HEMFO = "Stora Tuna (Kopparbergs l\xE4n);Dalarna";
    p.HEMBY = "Gimsb\xE4rke";
    p.HUSHNR = "17";
    p.FAMST = "Tj\xE4nstefolk";
    p.FAMSTKOD = "E";
    p.CIVST = "O";
    p.GENUS = "K";
    p.TRO = "Svenska kyrkan";
    p.OVRIGT = "Flyttade in fr\xE5n Ving\xE5ker 1888.\rTj\xE4nar hos bonden Per Ersson.";
    return buildPersonText(p, Language::Swedish);
}

std::string longestHelpText() {
    const std::vector<HelpText> texts = builtInHelpTexts();
    return std::max_element(
               texts.begin(), texts.end(),
               [](const HelpText& a, const HelpText& b) { return a.body.size() < b.body.size(); })
        ->body;
}

void layOut(benchmark::State& state, const std::string& text, bool newCanvas) {
    QWidget device;
    TSPkodtxt kodtxt;
    kodtxt.setText(text);
    kodtxt.setRect({0, 0, kTextWidth - 1, 400});
    QtTextCanvas keptCanvas(device);
    for (auto _ : state) {
        if (newCanvas) {
            QtTextCanvas canvas(device);
            kodtxt.layout(canvas);
        } else {
            kodtxt.layout(keptCanvas);
        }
        benchmark::DoNotOptimize(kodtxt.totalHeight());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["lines"] = static_cast<double>(kodtxt.lineTops().size());
    state.counters["layouts/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void registerAll() {
    const std::string person = personText();
    const std::string help = longestHelpText();
    benchmark::RegisterBenchmark("PersonText/keptCanvas", layOut, person, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PersonText/newCanvas", layOut, person, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LongestHelpText/keptCanvas", layOut, help, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LongestHelpText/newCanvas", layOut, help, true)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runGuiBenchmarks(argc, argv, tessla::registerAll);
}
