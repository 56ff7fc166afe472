#pragma once
// The result sheet's window: shows the sheet's picture in a scrollable area and passes mouse
// clicks on the picture on, in picture coordinates, for the editing of input numbers.
#include "sheet/sheet.h"

#include <QScrollArea>

#include <functional>

class QWidget;

class TErgebnisDLG : public QScrollArea {
    Q_OBJECT
public:
    // The window shows `sheet` for its whole life; the sheet must outlive it.
    explicit TErgebnisDLG(Sheet& sheet, QWidget* parent = nullptr);
    ~TErgebnisDLG() override;

    // Places the window in its parent and sizes the picture to twice the window's width and
    // height (the area that can be scrolled over), then clears the sheet.
    void setzeGeometrie(int links, int oben, int breite, int hoehe);

    Sheet& sheet() const { return sheet_; }
    // The picture control (`Image1`): the widget that shows the picture and receives the clicks.
    QWidget* bildWidget() const { return bild_; }

    // Called on a mouse button press on the picture: links = left button, (x, y) in picture
    // pixels (the scroll offset is included).
    std::function<void(bool links, int x, int y)> mausGedrueckt;

private:
    void pictureChanged();

    Sheet& sheet_;
    QWidget* bild_;
};
