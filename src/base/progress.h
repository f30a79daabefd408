#pragma once
// How long storage work tells its progress without knowing about windows: the editor connects
// these to its progress window, the command-line tool leaves them empty.

#include <functional>
#include <string_view>

namespace vantora {

struct ProgressObserver {
    std::function<void(std::string_view label, int maximum)> open; // range 0 .. maximum
    std::function<void(int position)> advance;
    std::function<void()> close;
    // Asked between steps of work that can stop early; true ends the work as cancelled.
    std::function<bool()> cancelled;
};

// Opens the observer's progress on construction and closes it when the work ends, also on failure.
class ProgressScope {
public:
    ProgressScope(const ProgressObserver* observer, std::string_view label, int maximum) : observer_(observer) {
        if (observer_ && observer_->open)
            observer_->open(label, maximum);
    }
    ~ProgressScope() {
        if (observer_ && observer_->close)
            observer_->close();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void advance(int position) const {
        if (observer_ && observer_->advance)
            observer_->advance(position);
    }
    bool cancelled() const { return observer_ && observer_->cancelled && observer_->cancelled(); }

private:
    const ProgressObserver* observer_;
};

} // namespace vantora
