#pragma once
// The libjpeg error manager of our JPEG decoder and encoder. libjpeg's own manager prints
// to stderr and calls exit(); ours records the message and longjmps back to the libjpeg call site
// that armed `jump`. Every function that arms it owns no C++ objects with destructors, and only
// libjpeg frames and our plain callbacks lie between it and the longjmp.

#include <csetjmp>
#include <cstddef>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace vantora::jpeg::detail {

struct JpegErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Installs the manager into `info->err` before jpeg_create_*.
jpeg_error_mgr* installErrorManager(JpegErrorManager& manager);

// Records `text` as the failure and longjmps to the armed call site. Never returns.
[[noreturn]] void failWith(j_common_ptr info, const char* text);

} // namespace vantora::jpeg::detail
