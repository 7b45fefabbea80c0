#pragma once
#include "Form1Core.h"

namespace plotwise {

// Collects the change bits of a handler and of the handlers it runs, and tells
// the view once when the outermost one returns.
class Form1Core::Batch {
public:
    Batch(Form1Core& core, unsigned changes) : core_(core) {
        ++core_.depth_;
        core_.pending_ |= changes;
    }
    ~Batch() {
        if (--core_.depth_ > 0) return;
        core_.pending_ |= core_.takePlotChanges();
        if (core_.pending_ == 0) return;
        unsigned changes = core_.pending_;
        core_.pending_ = 0;
        if (core_.onChanged) core_.onChanged(changes);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    Form1Core& core_;
};

} // namespace plotwise
