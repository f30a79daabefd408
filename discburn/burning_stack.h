#pragma once
// The one place that includes the burning stack's headers, in the order they need: libburn puts
// its declarations into namespace burn in C++, while libisofs speaks of a global burn_source (the
// same C structure), so a stream made by libisofs is handed to libburn through streamForBurn().

#include <stdint.h>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

#include <string>
#include <vector>

namespace discora {

inline burn::burn_source* streamForBurn(::burn_source* stream) {
    return reinterpret_cast<burn::burn_source*>(stream);
}

inline void freeStream(::burn_source* stream) {
    if (stream)
        burn::burn_source_free(streamForBurn(stream));
}

// A message taken from the queue of libburn or libisofs.
struct StackMessage {
    int code = 0;
    int osErrno = 0;
    std::string text;
    std::string severity;
    int rank = 0; // see severityRank()
    bool fromImage = false; // true for libisofs (the image and its source files)
};

// Orders the severity names of both libraries: DEBUG 0 ... WARNING 4, SORRY 5, MISHAP 6,
// FAILURE 7, FATAL 8, ABORT 9.
int severityRank(const std::string& severity);
inline constexpr int RankWarning = 4;
inline constexpr int RankSorry = 5;
inline constexpr int RankMishap = 6;
inline constexpr int RankFailure = 7;

// libisofs is set up once per process (a second iso_init would start its message queue afresh),
// reading and writing file names as UTF-8 whatever the locale.
void startImageLibrary();

// Both libraries keep their messages to themselves unless told to queue them; this queues
// everything and prints nothing.
void queueStackMessages();
std::vector<StackMessage> drainBurnMessages();
std::vector<StackMessage> drainImageMessages();

} // namespace discora
