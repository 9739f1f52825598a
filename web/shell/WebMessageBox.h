#pragma once
// The modal message box of the page. A browser cannot block inside a handler,
// so the texts wait here; the page shows the first as a dialog, and while any
// waits the program is modal: no tick runs and no control acts.

#include <deque>
#include <string>

#include "surface/Controls.h"

namespace orvalde {

class WebMessageBox : public MessageBox {
public:
    void show(const std::string& text) override { waiting_.push_back(text); }

    bool open() const { return !waiting_.empty(); }
    // The text to show now; empty when none waits.
    const std::string& current() const { return open() ? waiting_.front() : none_; }
    // The user pressed OK on the current text.
    void dismiss() {
        if (open()) waiting_.pop_front();
    }

private:
    std::deque<std::string> waiting_;
    std::string none_;
};

}  // namespace orvalde
