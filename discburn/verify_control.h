#pragma once
// What a check of written data shares with the one who waits for it: a request to stop, how far
// it has come, and what it found.

#include <atomic>
#include <cstdint>
#include <string>

namespace discora {

class VerifyControl {
public:
    void requestStop() { stop_.store(true); }
    bool stopRequested() const { return stop_.load(); }

    // Progress: the checks advance by the bytes they have compared, against a total the one who
    // starts them expects; percent() stays within 0..100.
    void setTotal(std::uint64_t bytes) { total_.store(bytes); }
    void advance(std::uint64_t bytes) { done_.fetch_add(bytes); }
    int percent() const {
        const std::uint64_t total = total_.load();
        const std::uint64_t done = done_.load();
        if (total == 0)
            return 0;
        return done >= total ? 100 : static_cast<int>(done * 100 / total);
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<std::uint64_t> done_{0};
};

struct VerifyOutcome {
    enum class Result { Match, Mismatch, Stopped };
    Result result = Result::Match;
    std::string problem; // for a mismatch: what differs, in words for the log

    static VerifyOutcome match() { return {}; }
    static VerifyOutcome mismatch(std::string problem) { return {Result::Mismatch, std::move(problem)}; }
    static VerifyOutcome stopped() { return {Result::Stopped, {}}; }
    bool matches() const { return result == Result::Match; }
};

} // namespace discora
