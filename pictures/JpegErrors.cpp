#include "JpegErrors.h"

namespace pictures::detail {

namespace {

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    // Negative levels are warnings about corrupt data; the rest are trace messages.
    if (level < 0) jumpBack(info);
}

void discardMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* installJpegErrorManager(JpegErrorManager& manager) {
    jpeg_error_mgr* base = jpeg_std_error(&manager.base);
    base->error_exit = jumpBack;
    base->emit_message = onMessage;
    base->output_message = discardMessage;
    return base;
}

}  // namespace pictures::detail
