#pragma once

// libjpeg's own error handler prints and calls exit(). Ours jumps back to the caller instead,
// and treats warnings (truncated or damaged data) as errors, so a bad file never yields a
// half-grey picture. Used only inside this library.

// clang-format off
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// clang-format on

namespace pictures::detail {

struct JpegErrorManager {
    jpeg_error_mgr base;  // must stay first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
};

// Fills `manager` and returns the pointer to store in the codec's `err` field.
jpeg_error_mgr* installJpegErrorManager(JpegErrorManager& manager);

}  // namespace pictures::detail
