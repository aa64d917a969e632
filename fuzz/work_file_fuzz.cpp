// libFuzzer target for the work file: whatever the reader accepts, the writer must put back in a
// form the reader accepts as the same work, and that form must be a fixed point of writing.
// Any crash, sanitizer report or broken round trip is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "WorkFile.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "work file: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const workfile::ReadResult first = workfile::read(bytes);
    // Every refusal has a reason to show; an accepted file has none.
    if (first.work.has_value() != (first.error == workfile::Error::None)) fail("work and error");
    if (first.message().empty() != (first.error == workfile::Error::None)) fail("message");
    if (!first.work) return 0;

    const std::string written = workfile::write(*first.work);
    // A file is read only up to kMaxBytes; writing may add a few spaces per graph line.
    if (written.size() > workfile::kMaxBytes) return 0;
    const workfile::ReadResult second = workfile::read(written);
    if (!second.work) fail("the written file does not read");
    if (*second.work != *first.work) fail("the written file reads as another work");
    // Works compare -0 equal to 0, but the file keeps the sign of a zero, and so must the reading.
    for (std::size_t i = 0; i < first.work->graphs.size(); ++i) {
        const workfile::Graph& a = first.work->graphs[i];
        const workfile::Graph& b = second.work->graphs[i];
        if (std::signbit(a.start) != std::signbit(b.start) ||
            std::signbit(a.end) != std::signbit(b.end)) {
            fail("the sign of a zero is lost");
        }
    }
    if (workfile::write(*second.work) != written) fail("writing again changes the file");
    return 0;
}
