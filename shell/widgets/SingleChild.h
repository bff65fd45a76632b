#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace quarlo {

class ChildArea;

// A child window of the main window that exists at most once (the title, options, pile
// properties and Q-w factors windows, the elevation view). The pointer is the window's open
// flag: Qt clears it when the window is destroyed on closing, so no close handler has to
// remember to.
class SingleChild {
public:
    // Makes the window, a ChildWindow widget on the current project, when it is not open.
    using Factory = std::function<QWidget*()>;

    // `command` names the window's command in the box shown while no factory is set.
    explicit SingleChild(QString command) : m_command(std::move(command)) {}

    void SetFactory(Factory factory) { m_factory = std::move(factory); }

    // Brings the window up, making it first when it is not open.
    void Show(ChildArea& area);

    bool IsOpen() const;
    QWidget* Window() const { return IsOpen() ? m_window.data() : nullptr; }

private:
    QString m_command;
    Factory m_factory;
    QPointer<QWidget> m_window;
};

}  // namespace quarlo
