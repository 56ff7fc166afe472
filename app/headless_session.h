#pragma once
// Everything one headless run needs, without a window: the program-wide state (view, options,
// scene, remembered inputs with their first-use values, the sheet), a message sink that writes
// to a stream, and the hand-over with no redraw to request. The headless runner and the tests
// use it.
#include "app/remembered_inputs.h"
#include "app/tasks.h"
#include "core/messages.h"
#include "core/scene.h"
#include "drawing/handover.h"
#include "drawing/view.h"
#include "sheet/sheet.h"

#include <QImage>

#include <iosfwd>
#include <string>
#include <vector>

class QPainter;
struct ExampleSpec;
struct PictureSource;
struct PlaneOption;

// Messages as text on a stream: every box writes its text (line breaks as "\n"), a question is
// answered No, a beep writes nothing.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}

    void beep() override { ++beeps_; }
    void errorBox(const std::string& text) override;
    void exceptionBox(const std::string& text) override;
    void cancelBox(const std::string& text) override;
    void infoBox(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

    int beeps() const { return beeps_; }
    // How many times the program's error box was shown.
    int errorBoxes() const { return errorBoxes_; }

private:
    void write(const std::string& text);

    std::ostream& out_;
    int beeps_ = 0;
    int errorBoxes_ = 0;
};

struct HeadlessSession {
    // The drawing window's size and the sheet picture's (twice a window each way).
    static constexpr int DrawingSize = 584;
    static constexpr int SheetWidth = 2 * DrawingSize;
    static constexpr int SheetHeight = MindestBildhoehe;

    explicit HeadlessSession(std::ostream& messages);
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    TaskContext context() { return {szene, optionen, meldungen, handover}; }

    // Run a task (its dialog confirmed with these texts, see runTaskWithTexts) or an example as
    // the menu does; an error that escapes becomes the program's two boxes, as in the window.
    void runTask(const TaskSpec& task, std::vector<std::string> texts,
                 const std::vector<TFarbe>& colours = {}, bool checked = false);
    void runExample(const ExampleSpec& example);
    // A click on an entry of the drawing window's plane context menu: the option changes, and
    // the grid recomputes and reports the plane task as a mouse release does.
    void runPlaneOption(const PlaneOption& option);

    // Renders the drawing as saving does: a one-pixel black frame filled with the background
    // (white in black and white), then the scene through Zeichne_alles. `size` 0 takes the
    // view's size. An error of the drawing is shown like any other (the program's box, then its
    // message) and the picture keeps what was drawn before it.
    QImage renderDrawing(bool farbig, int size = 0);
    // The same drawing for files of any format (the vector formats paint it anew).
    PictureSource drawingPicture(bool farbig);

    StreamMessages meldungen;
    ViewState view;
    Optionen optionen;
    Szene szene;
    LetzteEingaben eingaben;
    Sheet sheet;
    SceneHandover handover;

private:
    void paintKeepingErrors(QPainter& painter, const ViewState& v, bool farbig);
};
