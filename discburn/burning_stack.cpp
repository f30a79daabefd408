#include "discburn/burning_stack.h"

#include <array>

namespace discora {

int severityRank(const std::string& severity) {
    static constexpr std::array<const char*, 10> names = {
        "DEBUG", "UPDATE", "NOTE", "HINT", "WARNING", "SORRY", "MISHAP", "FAILURE", "FATAL", "ABORT"};
    for (std::size_t i = 0; i < names.size(); ++i)
        if (severity == names[i])
            return static_cast<int>(i);
    return 0;
}

void startImageLibrary() {
    static const bool started = [] {
        iso_init();
        char utf8[] = "UTF-8";
        iso_set_local_charset(utf8, 0);
        return true;
    }();
    (void)started;
}

void queueStackMessages() {
    char all[] = "ALL";
    char never[] = "NEVER";
    char burnId[] = "discora: ";
    char isoId[] = "discora: ";
    burn::burn_msgs_set_severities(all, never, burnId);
    iso_set_msgs_severities(all, never, isoId);
}

std::vector<StackMessage> drainBurnMessages() {
    std::vector<StackMessage> messages;
    char minimum[] = "ALL";
    std::vector<char> text(BURN_MSGS_MESSAGE_LEN + 1, '\0');
    char severity[81] = {};
    for (;;) {
        StackMessage message;
        if (burn::burn_msgs_obtain(minimum, &message.code, text.data(), &message.osErrno, severity) <= 0)
            break;
        message.text = text.data();
        message.severity = severity;
        message.rank = severityRank(message.severity);
        messages.push_back(std::move(message));
    }
    return messages;
}

std::vector<StackMessage> drainImageMessages() {
    std::vector<StackMessage> messages;
    char minimum[] = "ALL";
    std::vector<char> text(ISO_MSGS_MESSAGE_LEN + 1, '\0');
    char severity[81] = {};
    for (;;) {
        StackMessage message;
        int imageId = 0;
        if (iso_obtain_msgs(minimum, &message.code, &imageId, text.data(), severity) <= 0)
            break;
        message.text = text.data();
        message.severity = severity;
        message.rank = severityRank(message.severity);
        message.fromImage = true;
        messages.push_back(std::move(message));
    }
    return messages;
}

} // namespace discora
