#include "sheet/sheet_window.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {
// The picture control: paints the sheet's picture 1:1 and reports button presses.
class Bild : public QWidget {
public:
    Bild(const Sheet& sheet, TErgebnisDLG& fenster) : sheet_(sheet), fenster_(fenster) {
        setToolTip(QString::fromUtf8(" Werte ändern mit Maustaste "));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(sheet.bild().size());
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.drawImage(e->rect(), sheet_.bild(), e->rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (fenster_.mausGedrueckt) {
            const QPoint pos = e->position().toPoint();
            fenster_.mausGedrueckt(e->button() == Qt::LeftButton, pos.x(), pos.y());
        }
        e->accept();
    }

private:
    const Sheet& sheet_;
    TErgebnisDLG& fenster_;
};
} // namespace

TErgebnisDLG::TErgebnisDLG(Sheet& sheet, QWidget* parent)
    : QScrollArea(parent), sheet_(sheet), bild_(new Bild(sheet, *this)) {
    setWindowTitle(QStringLiteral("Ergebnisse"));
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setWidgetResizable(false);
    setWidget(bild_);
    sheet_.geaendert = [this] { pictureChanged(); };
}

TErgebnisDLG::~TErgebnisDLG() {
    sheet_.geaendert = nullptr;
}

void TErgebnisDLG::setzeGeometrie(int links, int oben, int breite, int hoehe) {
    setGeometry(links, oben, breite, hoehe);
    // The window has no border, and its scroll bars only appear once the picture is larger than
    // it, so its client area is the whole window at this point.
    // The picture is twice the client size; on low screens it is made at least
    // MindestBildhoehe high, so that the longest reports are not cut off at the bottom.
    sheet_.setGroesse(2 * width(), std::max(2 * height(), MindestBildhoehe));
    sheet_.loeschen();
}

void TErgebnisDLG::pictureChanged() {
    if (bild_->size() != sheet_.bild().size()) bild_->setFixedSize(sheet_.bild().size());
    bild_->update();
}
