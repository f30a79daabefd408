#pragma once
// A check of written data running on a thread of its own, so the window stays responsive while
// a whole disc is read back. Destroying the job asks the check to stop and waits for it.

#include "discburn/verify_control.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace discora {

class VerifyJob {
public:
    using Check = std::function<VerifyOutcome(VerifyControl&)>;

    // Starts the check at once; `expectedBytes` is what its progress is measured against.
    VerifyJob(std::uint64_t expectedBytes, Check check);
    ~VerifyJob();
    VerifyJob(const VerifyJob&) = delete;
    VerifyJob& operator=(const VerifyJob&) = delete;

    VerifyControl& control() { return control_; }
    bool finished() const { return finished_.load(); }
    // Waits for the check to end and gives its outcome; called once.
    VerifyOutcome outcome();

private:
    VerifyControl control_;
    VerifyOutcome outcome_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace discora
