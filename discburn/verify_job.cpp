#include "discburn/verify_job.h"

#include <exception>

namespace discora {

VerifyJob::VerifyJob(std::uint64_t expectedBytes, Check check) {
    control_.setTotal(expectedBytes);
    thread_ = std::thread([this, check = std::move(check)] {
        try {
            outcome_ = check(control_);
        } catch (const std::exception& error) {
            outcome_ = VerifyOutcome::mismatch(std::string("The written data could not be compared: ") + error.what());
        }
        finished_.store(true);
    });
}

VerifyJob::~VerifyJob() {
    control_.requestStop();
    if (thread_.joinable())
        thread_.join();
}

VerifyOutcome VerifyJob::outcome() {
    if (thread_.joinable())
        thread_.join();
    return outcome_;
}

} // namespace discora
