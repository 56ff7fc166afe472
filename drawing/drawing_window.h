#pragma once
// The drawing window: a borderless square at the left of the main window's central area that
// shows the 3-D scene (or the plane scene in 2-D mode), with the rotation, background and unit
// panels, the hint panel, the panel that returns to 3-D, the help memo and the context menu of
// drawing options. It holds no mathematics: its controls change the view state and the option
// flags and ask for a redraw; what is drawn comes from the paint hooks.
#include "core/scene.h"
#include "drawing/canvas.h"
#include "drawing/view.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class Messages;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollBar;

class TZeichnungsDlg : public QWidget {
    Q_OBJECT
public:
    // Context-menu groups that the main window's modes switch on and off.
    enum class Gruppe { Gerade, Ebene, ZweidimDreieck, Ellipse, AffineAbbildungen };

    TZeichnungsDlg(ViewState& view, Optionen& optionen, Szene& szene, Messages& meldungen,
                   QWidget* parent = nullptr);

    // Places the window at (left, top) of its parent, square, `height` pixels high, and puts
    // the origin where it stands at start-up.
    void placeAt(int left, int top, int height);

    // What the repaint draws after the background: the 3-D scene (Zeichne_alles) and, in 2-D
    // mode, the plane scene. Until the 3-D hook is set the coordinate system is drawn in white.
    using PaintHook = std::function<void(Canvas&)>;
    void setPaintHook3d(PaintHook hook) { paintHook3d_ = std::move(hook); }
    void setPaintHook2d(PaintHook hook) { paintHook2d_ = std::move(hook); }

    // A redraw request: the next repaint draws everything again. It also allows an error of
    // the coming repaint to be reported again.
    void redraw();

    // Forget the 3-D scene (the option flags stay) and redraw the bare background.
    void Bildloeschen();
    // Bildloeschen, then the coordinate system (drawn by the repaint).
    void loeschen();

    // Check marks of the option entries from the flags (scenes may change flags).
    void syncOptionChecks();
    void setGroupEnabled(Gruppe gruppe, bool enabled);
    // After a plane task: its group ("Zweidim. Dreieck" or "Ellipse") on, the other one off.
    void enablePlaneGroup(const QString& caption);
    bool isGroupEnabled(Gruppe gruppe) const;
    // An entry of the context menu: `group` is the submenu's caption ("Gerade", "Ebene",
    // "Zweidim. Dreieck", "Ellipse", "Affine Abbildungen"), empty for top-level entries.
    QAction* menuEntry(const QString& group, const QString& caption) const;
    QMenu* contextMenu() const { return PopupMenu1; }

    // 2-D mode: forget the 3-D scene, origin in the middle and 10 units each way, rotation
    // panel hidden, return panel shown, redraw. (The caller clears the sheet and draws.)
    void switchToPlaneMode();
    // Back to 3-D mode, as a click on the return panel does.
    void Panel4Click();

    // Hooks for the commands that live elsewhere.
    std::function<void()> onCalculationHelp; // "Rechenhilfe"
    std::function<void()> onReturnTo3d;      // after Panel4Click: clear 2-D figures and sheet,
                                             // enable the 3-D commands
    // 2-D dragging: press tests the figures' handles at the mouse position (true when one was
    // hit); drag moves the chosen handles to the model point; release recomputes and reports.
    std::function<bool(int x, int y)> onPlanePress;
    std::function<void(double x, double y)> onPlaneDrag;
    std::function<void()> onPlaneRelease;
    // An entry of the context group "Affine Abbildungen" was chosen (by its caption).
    std::function<void(const QString& caption)> onAffineEntry;
    // An option of the triangle's or the ellipse's group was switched (the grid is shared with
    // the affine entries, whose check marks live elsewhere).
    std::function<void()> onPlaneOption;
    // Reports an error that stopped a repaint (queued, once until the next redraw request).
    // By default: beep, the program's error box, then the error's own message.
    std::function<void(const std::string& message)> onPaintError;

    // True while the hint "Koordinatensystem verschieben" is shown.
    bool originHintShown() const { return originHintShown_; }
    bool helpVisible() const;

    static constexpr const char* OriginHint = "Koordinatensystem verschieben";

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRotationPanel();
    void buildBackgroundPanel();
    void buildHintPanel();
    void buildReturnPanel();
    void buildMemo();
    void buildContextMenu();
    void placePanels();
    void setBackground(TFarbe colour);
    void changeUnits(int ViewState::*units, bool more);
    void rotationStandard();
    void planeStandard();
    void showOriginHint(const QPoint& pos, bool show);
    void reportPaintErrorOnce(const std::string& message);

    ViewState& view_;
    Optionen& optionen_;
    Szene& szene_;
    Messages& meldungen_;

    PaintHook paintHook3d_;
    PaintHook paintHook2d_;
    bool paintErrorReported_ = false;
    bool originHintShown_ = false;

    QFrame* Panel1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr; // z-axis
    QScrollBar* ScrollBar2 = nullptr; // y-axis
    QScrollBar* ScrollBar3 = nullptr; // x-axis
    QFrame* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* groups_[5] = {};

    struct OptionEntry {
        QAction* action;
        bool Optionen::*flag;
    };
    std::vector<OptionEntry> optionEntries_;
};
