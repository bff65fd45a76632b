#pragma once

class QMenu;

namespace quarlo {

// A child window of the main window's document area that shows part of the project. It fills
// itself from the project when it becomes the active child and stores its edits back when it
// stops being active and when it closes, so the project always holds what the user typed
// before a command acts on it.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;

    // The window became the active child.
    virtual void FormActivate() {}
    // The window stops being the active child, or a command of the main window is about to
    // act on the project. False when an entry is refused: nothing is stored, the refusal has
    // been shown, and the window stays active with the entry as typed.
    virtual bool FormDeactivate() { return true; }
    // The window is about to close; false keeps it open.
    virtual bool FormCloseQuery() { return FormDeactivate(); }
    // The project's unit system changed while the window is open.
    virtual void UnitsChanged() {}
    // The window's own menu, which the main window shows in its menu bar, after its File
    // menu, while this window is the active child; none by default. The window owns it.
    virtual QMenu* ChildMenu() { return nullptr; }
    // The window opens maximized in the document area.
    virtual bool OpensMaximized() const { return false; }
};

}  // namespace quarlo
