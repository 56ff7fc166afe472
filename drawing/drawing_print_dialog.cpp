#include "drawing/drawing_print_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A titled group of radio buttons laid out in `spalten` columns; the group box owns them.
QButtonGroup* radioGroup(QWidget* owner, QGroupBox* box, const QStringList& items, int spalten,
                         int checked) {
    auto* group = new QButtonGroup(owner);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i], box);
        group->addButton(r, i);
        grid->addWidget(r, i / spalten, i % spalten);
    }
    group->button(checked)->setChecked(true);
    return group;
}
} // namespace

TZeichnungdruckDLG::TZeichnungdruckDLG(const DrawingPrintChoice& start, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zeichnung drucken"));
    setObjectName(QStringLiteral("TZeichnungdruckDLG"));

    auto* Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::StyledPanel);
    auto* gruppen = new QVBoxLayout(Bevel1);
    auto* box1 = new QGroupBox(QStringLiteral("Zeichengröße"), Bevel1);
    RadioGroup1 =
        radioGroup(this, box1,
                   {QStringLiteral("1/4 Seitenbreite"), QStringLiteral("Halbe Seitenbreite"),
                    QStringLiteral("Ganze Seitenbreite")},
                   1, std::clamp(start.groesse, 0, 2));
    auto* box2 = new QGroupBox(QStringLiteral("RadioGroup2"), Bevel1);
    RadioGroup2 =
        radioGroup(this, box2, {QStringLiteral("schwarz-weiss"), QStringLiteral("farbig")}, 2,
                   start.farbig ? 1 : 0);
    gruppen->addWidget(box1);
    gruppen->addWidget(box2);

    auto* OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    auto* VorschauBtn = new QPushButton(QStringLiteral("&Vorschau ..."), this);
    auto* CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(VorschauBtn, &QPushButton::clicked, this, [this] {
        vorschau_ = true;
        accept();
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(VorschauBtn);
    knoepfe->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1);
    layout->addLayout(knoepfe);
    // Fixed border, at least the dialog's classic 265 × 214 pixels.
    const QSize s = sizeHint().expandedTo(QSize(265, 214));
    setFixedSize(s);
}

DrawingPrintChoice TZeichnungdruckDLG::wahl() const {
    DrawingPrintChoice c;
    c.groesse = RadioGroup1->checkedId();
    c.farbig = RadioGroup2->checkedId() == 1;
    c.vorschau = vorschau_;
    return c;
}
