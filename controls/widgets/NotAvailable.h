#pragma once

#include <QString>

class QWidget;

namespace quarlo {

// The answer of a command whose window or action is not part of the program yet: a box that
// says so, rather than nothing at all.
void ShowNotAvailableYet(QWidget* parent, const QString& command);

}  // namespace quarlo
