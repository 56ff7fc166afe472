#include "app/picture_output.h"

#include "drawing/qt_canvas.h"
#include "sheet/sheet.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
// Files are written at the screen's 96 dots per inch, so that one unit is one picture pixel.
constexpr int Aufloesung = 96;

std::string errorText(const std::string& fileName, const QString& reason) {
    return "Die Datei " + fileName + " kann nicht geschrieben werden: " + reason.toStdString();
}

// Opens the painter on a device and paints; false when the device would not start.
bool paintOn(QPaintDevice& device, const PictureSource& source) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    source.paint(painter);
    return painter.end();
}
} // namespace

void paintDrawing(Canvas& canvas, ViewState view, Szene& szene, Optionen& optionen, bool farbig,
                  const SceneDrawEvents& events) {
    view.farbig = farbig;
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(farbe::Schwarz);
    canvas.setBrushColor(farbig ? view.Hintergrundfarbe : farbe::Weiss);
    canvas.rectangle(0, 0, view.Width, view.Height);
    Zeichne_alles(canvas, view, szene, optionen, events);
}

QImage renderDrawing(const ViewState& view, Szene& szene, Optionen& optionen, bool farbig,
                     const SceneDrawEvents& events) {
    QImage image(std::max(view.Width, 1), std::max(view.Height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The canvas draws its last strokes when it ends, also when the drawing stops at an error.
    QtCanvas canvas(painter);
    paintDrawing(canvas, view, szene, optionen, farbig, events);
    return image;
}

PictureFormat formatForName(const std::string& fileName, PictureFormat otherwise) {
    const QString name = QString::fromStdString(fileName).toLower();
    if (name.endsWith(QStringLiteral(".png"))) return PictureFormat::Png;
    if (name.endsWith(QStringLiteral(".svg"))) return PictureFormat::Svg;
    if (name.endsWith(QStringLiteral(".pdf"))) return PictureFormat::Pdf;
    for (const char* bitmap : {".bmp", ".ico", ".emf", ".wmf"})
        if (name.endsWith(QLatin1String(bitmap))) return PictureFormat::Bmp;
    return otherwise;
}

void writePicture(const std::string& fileName, PictureFormat format, const PictureSource& source) {
    // The file is written beside its final name and takes that name only when it is complete, so a
    // full disk leaves no half picture and no old file destroyed.
    QSaveFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(errorText(fileName, file.errorString()));
    bool ok = false;
    if (format == PictureFormat::Bmp || format == PictureFormat::Png) {
        ok = source.image().save(&file, format == PictureFormat::Bmp ? "BMP" : "PNG");
    } else if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(source.size);
        svg.setViewBox(QRect(QPoint(0, 0), source.size));
        svg.setResolution(Aufloesung);
        svg.setTitle(QStringLiteral("Quillon"));
        ok = paintOn(svg, source);
    } else {
        QPdfWriter pdf(&file);
        pdf.setResolution(Aufloesung);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageSize(QPageSize(QSizeF(source.size) * 72.0 / Aufloesung, QPageSize::Point));
        pdf.setCreator(QStringLiteral("Quillon"));
        ok = paintOn(pdf, source);
    }
    if (!ok || file.error() != QFileDevice::NoError || !file.commit()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("Schreibfehler");
        file.cancelWriting();
        throw std::runtime_error(errorText(fileName, reason));
    }
}

PictureSource drawingSource(const ViewState& view, Szene& szene, Optionen& optionen, bool farbig,
                            const SceneDrawEvents& events) {
    PictureSource s;
    s.size = QSize(std::max(view.Width, 1), std::max(view.Height, 1));
    s.image = [=, &szene, &optionen] {
        return renderDrawing(view, szene, optionen, farbig, events);
    };
    s.paint = [=, &szene, &optionen](QPainter& painter) {
        QtCanvas canvas(painter);
        paintDrawing(canvas, view, szene, optionen, farbig, events);
    };
    return s;
}

PictureSource sheetSource(const Sheet& sheet) {
    PictureSource s;
    s.size = sheet.bild().size();
    s.image = [&sheet] { return sheet.bild(); };
    s.paint = [&sheet](QPainter& painter) { sheet.malen(painter); };
    return s;
}

QRect drawingPrintRect(int pageWidth, int size) {
    const int w = size <= 0 ? pageWidth / 4 : size == 1 ? pageWidth / 2 : pageWidth - 20;
    if (w <= 10) return {};
    return QRect(10, 10, w - 10, w - 10); // from (10, 10) up to, not including, (w, w)
}

QRect fitIntoPage(QSize picture, QSize page) {
    if (picture.isEmpty() || page.isEmpty()) return {};
    // Whole numbers: the side that limits fills the page exactly, the other is rounded down.
    const long long W = picture.width(), H = picture.height();
    const long long pw = page.width(), ph = page.height();
    if (pw * H <= ph * W)
        return QRect(0, 0, page.width(), static_cast<int>(std::max(1LL, pw * H / W)));
    return QRect(0, 0, static_cast<int>(std::max(1LL, ph * W / H)), page.height());
}

void paintScaled(QPainter& painter, const PictureSource& source, const QRect& target) {
    if (target.isEmpty() || source.size.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / source.size.width(),
                  static_cast<double>(target.height()) / source.size.height());
    painter.setClipRect(QRect(QPoint(0, 0), source.size));
    try {
        source.paint(painter);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();
}
