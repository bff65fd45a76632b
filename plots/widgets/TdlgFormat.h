#pragma once

#include <QDialog>

#include <cstdint>

#include "ImageAttributes.h"

class QRadioButton;

namespace quarlo {

class TDataEdit;

// "Save Attributes": the size of the picture in inches, its pixels per inch and its colours.
// OK sizes the picture; one too large to make ends the dialog with kAbort instead, and the
// caller says that there is not enough memory. A drawing (SVG) has no colours to choose: it
// keeps the graph's own.
class TdlgFormat : public QDialog {
    Q_OBJECT
public:
    // The result of exec() for a picture too large to make.
    static constexpr int kAbort = 3;

    // `memoryBudget`: the bytes the picture may take (ImageMemoryBudget).
    TdlgFormat(ImageFileType type, std::uint64_t memoryBudget, QWidget* parent);

    // After OK: the picture asked for.
    const ImageRequest& Request() const { return m_request; }

private:
    void FormCreate();
    void btnOKClick();
    ImageColors chosenColors() const;

    ImageFileType m_type;
    std::uint64_t m_memoryBudget;
    ImageRequest m_request;
    TDataEdit* m_deHeight = nullptr;
    TDataEdit* m_deWidth = nullptr;
    TDataEdit* m_dePPI = nullptr;
    QRadioButton* m_colors[5] = {};
};

}  // namespace quarlo
