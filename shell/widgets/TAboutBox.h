#pragma once

#include <QDialog>

namespace quarlo {

// The About box: the program's name, version and purpose, modal over the main window.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);
};

}  // namespace quarlo
