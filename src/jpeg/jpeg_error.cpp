#include "jpeg/jpeg_error.h"

#include <cstring>

#include <jerror.h>

namespace vantora::jpeg::detail {
namespace {

JpegErrorManager& managerOf(j_common_ptr info) { return *reinterpret_cast<JpegErrorManager*>(info->err); }

[[noreturn]] void onError(j_common_ptr info) {
    JpegErrorManager& manager = managerOf(info);
    (*info->err->format_message)(info, manager.message);
    std::longjmp(manager.jump, 1);
}

// Warnings that mean the entropy-coded data is damaged or cut short. libjpeg would go on and fill
// the rest of the picture with grey; a damaged picture is refused instead.
bool isDamageWarning(int code) {
    switch (code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
        return true;
    default:
        return false;
    }
}

void onMessage(j_common_ptr info, int level) {
    if (level < 0 && isDamageWarning(info->err->msg_code))
        onError(info);
    // Trace messages and harmless warnings are dropped; libjpeg would print them to stderr.
}

void onOutputMessage(j_common_ptr) {}

} // namespace

jpeg_error_mgr* installErrorManager(JpegErrorManager& manager) {
    jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onMessage;
    manager.base.output_message = onOutputMessage;
    manager.message[0] = '\0';
    return &manager.base;
}

void failWith(j_common_ptr info, const char* text) {
    JpegErrorManager& manager = managerOf(info);
    std::strncpy(manager.message, text, sizeof manager.message - 1);
    manager.message[sizeof manager.message - 1] = '\0';
    std::longjmp(manager.jump, 1);
}

} // namespace vantora::jpeg::detail
