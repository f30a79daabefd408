#pragma once
// libburn is started once per process and finished when the process ends.

#include "discburn/burning_stack.h"

namespace discora {

// Starting libburn afresh for every engine would be cheap, but a write thread of the previous
// run may still be winding down and would then be mistaken for a running operation on the new
// run's drive.
class LibburnSession {
public:
    static bool start() {
        if (instance().started_)
            return true;
        instance().started_ = burn::burn_initialize() != 0;
        return instance().started_;
    }
    // After burn_abort, which finishes the library itself.
    static void forgetStarted() { instance().started_ = false; }

private:
    ~LibburnSession() {
        if (started_)
            burn::burn_finish();
    }
    static LibburnSession& instance() {
        static LibburnSession session;
        return session;
    }
    bool started_ = false;
};

} // namespace discora
