#include "app/task_wiring.h"

#include "app/main_window.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "drawing/drawing_window.h"
#include "drawing/handover.h"
#include "drawing/scene_painter.h"
#include "drawing/scene_window.h"
#include "sheet/editing.h"
#include "sheet/sheet_window.h"

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
    // Tasks switch options on and off; the context menu's check marks follow.
    commands_->afterRun = [zeichnung] { zeichnung->syncOptionChecks(); };
    commands_->registerAll(form.befehle());

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
}

// The window outlives the painter by a moment while the main window is destroyed.
TaskWiring::~TaskWiring() {
    zeichnung_->setPaintHook3d({});
    ergebnisse_->mausGedrueckt = {};
}
