// Feeds arbitrary bytes to the person-number list reader as a whole `.b1` file and decodes lists at
// positions and counts taken from the same bytes. Decoding must stay inside its buffers, end, and
// report at most one message per list.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/little_endian.h"
#include "storage/person_list_file.h"

namespace {

using namespace tessla;

struct Fixture {
    Fixture() {
        sel.setCapacity(1000);
        sel.setUsedSize(1000);
        sel.allokera();
    }
    int fd = ::memfd_create("person_list_fuzz", 0);
    PersonListDecodeBuffer buffer;
    RecordingMessageSink sink;
    Tspsmalurval sel;
};

std::uint32_t word(const std::uint8_t* data, std::size_t size, std::size_t at) {
    return at + 4 <= size ? getFixed32(data + at) : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fixture;
    if (fixture.fd < 0 || ::ftruncate(fixture.fd, 0) != 0) std::abort();
    if (size > 0 && ::pwrite(fixture.fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();

    Tspenkelblobfil file(fixture.buffer, &fixture.sink);
    file.setFilkat("/proc/self/fd/");
    file.setFilnamn(std::to_string(fixture.fd));
    file.setReadOnly(true);
    if (!file.oppna(false)) return 0;

    // The list right after the header, and one where the header's reserved words point.
    const struct {
        std::uint32_t pos;
        std::int32_t m;
    } lists[] = {
        {16, static_cast<std::int32_t>(word(data, size, 8))},
        {word(data, size, 12) % static_cast<std::uint32_t>(size + 8), static_cast<std::int32_t>(data[0])},
    };
    fixture.sel.tomma();
    for (const auto& list : lists) {
        fixture.sink.messages.clear();
        file.lasurval(list.pos, list.m, fixture.sel);
        const BlobCount count = file.raknablob(list.pos, list.m, fixture.sel, true);
        if (fixture.sink.messages.size() > 2 || count.persons > (list.m < 0 ? 0 : list.m)) std::abort();
    }
    return 0;
}
