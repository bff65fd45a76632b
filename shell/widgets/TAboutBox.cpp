#include "TAboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace quarlo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About QUARLO"));

    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/quarlo.svg")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("<b><big>QUARLO 2014</big></b>"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    auto* version = new QLabel(QStringLiteral("Version " QUARLO_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* purpose = new QLabel(QStringLiteral("Load-settlement analysis of a single axially loaded pile\n"
                                              "(driven pile or drilled shaft) in layered soil\n"
                                              "by the load-transfer (t-z / Q-w) method."),
                               this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(purpose);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quarlo
