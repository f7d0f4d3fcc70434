// Coded text of any bytes: layout for a width from the input (negative and zero included) on the
// fixed-width canvas of the tests, drawing in every vertical mode, and the hit tests at points from
// the input. Layout must end, and runs must stay within the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../tests/storage/fixed_width_canvas.h"
#include "storage/coded_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int width = static_cast<std::int8_t>(data[0]) * 4;
    const int mode = data[1] % 3;
    const int point = data[2];
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    tessla::test::FixedWidthCanvas canvas;
    tessla::TSPkodtxt kodtxt;
    kodtxt.setText(text);
    kodtxt.setRect({0, 0, width, 300});
    kodtxt.layout(canvas);
    for (const tessla::Tkodtextp& run : kodtxt.runs()) {
        if (run.sourcePos < 0 || static_cast<std::size_t>(run.sourcePos) >= kodtxt.text().size())
            std::abort();
        if (run.link &&
            (run.linkIndex < 0 || static_cast<std::size_t>(run.linkIndex) >= kodtxt.links().size()))
            std::abort();
    }
    kodtxt.setVertmode(mode);
    kodtxt.setSelection(point, point + 40);
    kodtxt.draw(canvas);
    kodtxt.linkAt(point, point / 2);
    const tessla::KodtextChar at = kodtxt.charAt(canvas, point, point / 2);
    if (at.source < 0 || static_cast<std::size_t>(at.source) > kodtxt.text().size()) std::abort();
    return 0;
}
