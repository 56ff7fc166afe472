#pragma once
// Paints the 3-D scene for the drawing window and for off-screen pictures.
//
// The window's repaint must never open a message box itself: closing the box would repaint the
// window, fail again and open the next box, for ever. So the painter catches whatever stops a
// picture, leaves that picture as far as it got, and reports the error afterwards, queued, and
// only once until the scene, the view or the options change. The message of a zero vector
// product is shown the same way.
#include "core/scene.h"
#include "drawing/canvas.h"
#include "drawing/scene_drawing.h"
#include "drawing/view.h"

#include <QImage>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

class Messages;
class QObject;

class ScenePainter {
public:
    ScenePainter(ViewState& view, Szene& szene, Optionen& optionen, Messages& meldungen);
    ~ScenePainter();
    ScenePainter(const ScenePainter&) = delete;
    ScenePainter& operator=(const ScenePainter&) = delete;

    // The window's paint hook: Zeichne_alles on the canvas (the background is already painted).
    // Nothing escapes; errors are reported as described above.
    void paint(Canvas& canvas);

    // Reports an error that stopped a picture, called from the event loop after the paint. It
    // gets the exception (null for something that is not a std::exception), like the
    // application's handler. Default: beep, the program's error box, the error's own message.
    std::function<void(const std::exception*)> onError;
    // The drawing switched an option on: the window's check marks must follow
    // (connect TZeichnungsDlg::syncOptionChecks).
    std::function<void()> onOptionsChanged;
    // Runs a function later, after the current event. Default: a zero-time timer of the Qt event
    // loop. A headless caller without an event loop may run it at once.
    std::function<void(std::function<void()>)> post;

private:
    void reportOnce(std::exception_ptr error, const std::string& message);
    std::uint64_t fingerprint() const;

    ViewState& view_;
    Szene& szene_;
    Optionen& optionen_;
    Messages& meldungen_;
    // Queued calls die with the painter.
    std::unique_ptr<QObject> context_;

    // The last error reported and the state it was reported for.
    bool reported_ = false;
    std::string reportedMessage_;
    std::uint64_t reportedFingerprint_ = 0;
};

// The whole picture (background, coordinate system, scene) on a new image of the view's size,
// for copying, saving, printing and the headless runner. Errors leave the function.
QImage renderScene(ViewState& view, Szene& szene, Optionen& optionen,
                   const SceneDrawEvents& events = {});
