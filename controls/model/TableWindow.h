#pragma once

#include <string>

namespace quarlo {

// The edit window of a table, as far as the table model needs it. The window layer
// implements it and installs a factory on the table class; the table owns the window from
// Show/ShowModal until the window is closed or the table closes its forms.
class TableWindow {
public:
    virtual ~TableWindow() = default;
    // Shows the window (modeless, or modally when it was created by ShowModal); on a window
    // that is already shown, only brings it up.
    virtual void Display() = 0;
    virtual bool IsModal() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
};

}  // namespace quarlo
