#include "sheet/sheet_window.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
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
        const QPoint pos = e->position().toPoint();
        fenster_.bildGeklickt(e->button() == Qt::LeftButton, pos.x(), pos.y());
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
    sheet_.geloescht = [this] { neuerBericht(); };
}

TErgebnisDLG::~TErgebnisDLG() {
    sheet_.geaendert = nullptr;
    sheet_.geloescht = nullptr;
}

void TErgebnisDLG::bildGeklickt(bool links, int x, int y) {
    if (!mausGedrueckt) return;
    // Reset also when the editing throws (the application-wide handler catches it).
    struct Waehrend {
        bool& flag;
        explicit Waehrend(bool& f) : flag(f) { flag = true; }
        ~Waehrend() { flag = false; }
    } klick(klickLaeuft_);
    mausGedrueckt(links, x, y);
}

void TErgebnisDLG::neuerBericht() {
    // A new report starts at the top of the sheet; one written again after a click on one of its
    // numbers stays where the user is looking.
    if (klickLaeuft_) return;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
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
