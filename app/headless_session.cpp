#include "app/headless_session.h"

#include "app/error_handling.h"
#include "app/examples.h"
#include "app/picture_output.h"
#include "drawing/plane_drag.h"
#include "drawing/plane_options.h"
#include "drawing/qt_canvas.h"

#include <QPainter>

#include <ostream>

void StreamMessages::write(const std::string& text) {
    std::string t;
    t.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        t += text[i];
    }
    out_ << t << '\n';
}

void StreamMessages::errorBox(const std::string& text) {
    ++errorBoxes_;
    write(text);
}

void StreamMessages::exceptionBox(const std::string& text) {
    write(text);
}

void StreamMessages::cancelBox(const std::string& text) {
    write(text);
}

void StreamMessages::infoBox(const std::string& text) {
    write(text);
}

bool StreamMessages::askYesNo(const std::string& text) {
    write(text);
    return false;
}

HeadlessSession::HeadlessSession(std::ostream& messages)
    : meldungen(messages), sheet(SheetWidth, SheetHeight, view.farbig),
      handover(szene, optionen, sheet, meldungen) {
    view.setSize(DrawingSize, DrawingSize);
    seedFirstUseValues(eingaben);
    // Plane mode without a window: the view alone.
    handover.ebene2Starten = [this] {
        view.resetPlaneView();
        view.zweidim = true;
    };
}

void HeadlessSession::runTask(const TaskSpec& task, std::vector<std::string> texts,
                              const std::vector<TFarbe>& colours, bool checked) {
    withErrorHandling(meldungen, [&] {
        TaskContext c = context();
        runTaskWithTexts(task, eingaben, std::move(texts), c, colours, checked);
    });
}

void HeadlessSession::runExample(const ExampleSpec& example) {
    withErrorHandling(meldungen, [&] {
        TaskContext c = context();
        ::runExample(example, c);
    });
}

void HeadlessSession::runPlaneOption(const PlaneOption& option) {
    withErrorHandling(meldungen, [&] {
        PlaneDrag drag(view, szene, sheet);
        if (applyPlaneOption(optionen, option, &szene)) drag.release();
    });
}

QImage HeadlessSession::renderDrawing(bool farbig, int size) {
    ViewState v = view;
    if (size > 0) v.setSize(size, size);
    QImage image(v.Width, v.Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintKeepingErrors(painter, v, farbig);
    return image;
}

PictureSource HeadlessSession::drawingPicture(bool farbig) {
    PictureSource s;
    s.size = QSize(view.Width, view.Height);
    s.image = [this, farbig] { return renderDrawing(farbig); };
    s.paint = [this, farbig](QPainter& painter) { paintKeepingErrors(painter, view, farbig); };
    return s;
}

void HeadlessSession::paintKeepingErrors(QPainter& painter, const ViewState& v, bool farbig) {
    // The canvas draws its last strokes when it ends, before the painter does.
    QtCanvas canvas(painter);
    withErrorHandling(meldungen, [&] { paintDrawing(canvas, v, szene, optionen, farbig); });
}
