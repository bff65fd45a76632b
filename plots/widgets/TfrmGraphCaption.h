#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QRadioButton;

namespace quarlo {

// "Graph Caption": the title drawn with the graph and whether it stands at the top or the
// bottom. Whichever way the dialog is closed, the plot window takes what it shows then.
class TfrmGraphCaption : public QDialog {
    Q_OBJECT
public:
    TfrmGraphCaption(const std::string& title, bool onTop, QWidget* parent);

    std::string Title() const;
    bool OnTop() const;

private:
    QLineEdit* m_edtCaption = nullptr;
    QRadioButton* m_rbTop = nullptr;
    QRadioButton* m_rbBottom = nullptr;
};

}  // namespace quarlo
