#include "app/task_wiring.h"

#include "app/affine_commands.h"
#include "app/main_window.h"
#include "app/output_commands.h"
#include "app/output_dialogs.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "drawing/drawing_window.h"
#include "drawing/handover.h"
#include "drawing/plane_drag.h"
#include "drawing/scene_painter.h"
#include "drawing/scene_window.h"
#include "sheet/editing.h"
#include "sheet/sheet_window.h"
#include "sheet/task_kind.h"

#include <QAction>

namespace {

// The check marks of the affine entries (main menu and context twins) show the scene's flags.
void syncAffineChecks(TForm1& form, const Szene& szene, const Optionen& optionen) {
    for (const AffineCommand& a : affineCommands())
        if (a.checked) form.setzeHaken(a.handler, a.checked(szene, optionen));
    for (const char* caption :
         {"Fixgeradenbüschel", "Koordinatengitter", "Konstruktion zeigen", "Normalform berechnen",
          "Invariantes Rrechtwinkelpaar", "Inverse Abb. ausgeben"}) {
        const AffineCommand* a = affineContextCommand(caption);
        QAction* e = form.zeichnung()->menuEntry(QStringLiteral("Affine Abbildungen"),
                                                 QString::fromUtf8(caption));
        if (a && e) e->setChecked(a->checked(szene, optionen));
    }
}

} // namespace

TaskWiring::TaskWiring(TForm1& form)
    : zeichnung_(form.zeichnung()), ergebnisse_(form.ergebnisse()) {
    Programm& p = form.programm();
    TZeichnungsDlg* zeichnung = zeichnung_;
    painter_ = std::make_unique<ScenePainter>(p.ansicht, p.szene, p.optionen, p.meldungen);
    verbinden(*zeichnung, *painter_);
    handover_ = std::make_unique<SceneHandover>(p.szene, p.optionen, p.sheet, p.meldungen,
                                                [zeichnung] { zeichnung->redraw(); });
    commands_ = std::make_unique<TaskCommands>(
        TaskContext{p.szene, p.optionen, p.meldungen, *handover_}, p.eingaben, &form);
    // A plane task switches the drawing into plane mode (the window's panels and view).
    handover_->ebene2Starten = [zeichnung] { zeichnung->switchToPlaneMode(); };
    // Tasks switch options on and off; the context menu's check marks follow. After a plane
    // task the menus are in plane mode, with the task's context-menu group enabled.
    commands_->afterRun = [zeichnung, &form, &szene = p.szene, &optionen = p.optionen] {
        zeichnung->syncOptionChecks();
        syncAffineChecks(form, szene, optionen);
        if (szene.art == Szenenart::AffineAbbildung) {
            form.affinmodus_einschalten(szene.Abbildungen.eineFestgelegt());
        } else if (isPlaneKind(szene.art)) {
            zeichnung->enablePlaneGroup(QString::fromUtf8(taskKind(szene.art)->contextGroup));
            form.dreidim_ausschalten();
        }
    };
    commands_->registerAll(form.befehle());
    // The context group "Affine Abbildungen" runs the main menu's commands of the same names.
    zeichnung->onAffineEntry = [&form](const QString& caption) {
        if (const AffineCommand* a = affineContextCommand(caption.toStdString()))
            form.befehlAusfuehren(a->handler);
    };

    zeichnung->onPlaneOption = [&form, &szene = p.szene, &optionen = p.optionen] {
        syncAffineChecks(form, szene, optionen);
    };

    // Clicks on the sheet change the scene's numbers; the sphere through four points is handed
    // over again after a change, everything else is recomputed and redrawn in place.
    editing_ = std::make_unique<SheetEditing>(p.szene, p.sheet, p.meldungen);
    editing_->redraw = [zeichnung] { zeichnung->redraw(); };
    editing_->Kugel4Punkte_uebergeben = [h = handover_.get()](const TViereck& v, const TKugel& K) {
        h->Kugel4Punkte_uebergeben(v, K);
    };
    ergebnisse_->mausGedrueckt = [e = editing_.get()](bool links, int x, int y) {
        e->Image1MouseDown(links, x, y);
    };

    // Dragging the points of a plane figure in the drawing window.
    drag_ = std::make_unique<PlaneDrag>(p.ansicht, p.szene, p.sheet);
    zeichnung->onPlanePress = [d = drag_.get()](int x, int y) { return d->press(x, y); };
    zeichnung->onPlaneDrag = [d = drag_.get()](double x, double y) { d->drag(x, y); };
    zeichnung->onPlaneRelease = [d = drag_.get()] { d->release(); };

    // Copying, saving and printing the drawing and the sheet.
    outputDialogs_ = std::make_unique<QtOutputDialogs>(&form);
    output_ = std::make_unique<OutputCommands>(p, *outputDialogs_);
    output_->redraw = [zeichnung] { zeichnung->redraw(); };
    output_->optionsChanged = [zeichnung] { zeichnung->syncOptionChecks(); };
    output_->registerAll(form.befehle());
}

// The window outlives the painter by a moment while the main window is destroyed.
TaskWiring::~TaskWiring() {
    zeichnung_->setPaintHook3d({});
    zeichnung_->setPaintHook2d({});
    zeichnung_->onPlanePress = {};
    zeichnung_->onPlaneDrag = {};
    zeichnung_->onPlaneRelease = {};
    zeichnung_->onAffineEntry = {};
    zeichnung_->onPlaneOption = {};
    ergebnisse_->mausGedrueckt = {};
}
