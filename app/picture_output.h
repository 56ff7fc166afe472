#pragma once
// Getting the two pictures out of the program: the drawing rendered afresh (in colour or in
// black and white) and the result sheet, as bitmap, PNG, SVG or PDF files and on printer pages.
// Every way out paints through the same functions: the drawing through the canvas layer, the
// sheet by writing its texts again, so SVG, PDF and printed pages are vector pictures.
#include "core/scene.h"
#include "drawing/scene_drawing.h"
#include "drawing/view.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <string>

class Canvas;
class QPainter;
class Sheet;

// The whole drawing as copying, saving and printing show it: a one-pixel black frame filled with
// the window's background (white in black and white), then the scene (3-D or plane, as the view
// is) in colour or in black. The view is a copy: the window's own colour mode never changes.
// Errors of the drawing leave the function; what was drawn before them stays.
void paintDrawing(Canvas& canvas, ViewState view, Szene& szene, Optionen& optionen, bool farbig,
                  const SceneDrawEvents& events = {});
QImage renderDrawing(const ViewState& view, Szene& szene, Optionen& optionen, bool farbig,
                     const SceneDrawEvents& events = {});

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// The format a file name asks for by its extension (any case): ".png", ".svg" and ".pdf" name
// their formats; ".bmp", ".ico", ".emf" and ".wmf" get a bitmap; any other name gets `otherwise`.
PictureFormat formatForName(const std::string& fileName, PictureFormat otherwise);

// A picture of `size` pixels to write: `image` gives it as pixels (bitmap, PNG), `paint` draws it
// on a painter whose device is `size` pixels large (SVG, PDF).
struct PictureSource {
    QSize size;
    std::function<QImage()> image;
    std::function<void(QPainter&)> paint;
};

// Writes the picture in the format; the file appears only when it was written whole. Throws
// std::runtime_error with the reason when the folder, the name or the disk refuses it.
void writePicture(const std::string& fileName, PictureFormat format, const PictureSource& source);

PictureSource drawingSource(const ViewState& view, Szene& szene, Optionen& optionen, bool farbig,
                            const SceneDrawEvents& events = {});
PictureSource sheetSource(const Sheet& sheet);

// The square that a drawing is printed into, in printer pixels: from (10, 10) to (w, w) with w
// the page width minus 20 (size 2, "Ganze Seitenbreite"), half of it (1) or a quarter (0). Empty
// when the page is too narrow.
QRect drawingPrintRect(int pageWidth, int size);
// The largest rectangle with the picture's proportions inside the page's printable area, at its
// top left corner. Empty for an empty picture or page.
QRect fitIntoPage(QSize picture, QSize page);
// Paints the source scaled into the target rectangle of a painter (a printer page).
void paintScaled(QPainter& painter, const PictureSource& source, const QRect& target);
