#include "app/task_wiring.h"

#include "app/main_window.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "drawing/drawing_window.h"
#include "drawing/handover.h"
#include "drawing/scene_painter.h"
#include "drawing/scene_window.h"

TaskWiring::TaskWiring(TForm1& form) : zeichnung_(form.zeichnung()) {
    Programm& p = form.programm();
    TZeichnungsDlg* zeichnung = zeichnung_;
    painter_ = std::make_unique<ScenePainter>(p.ansicht, p.szene, p.optionen, p.meldungen);
    verbinden(*zeichnung, *painter_);
    handover_ = std::make_unique<SceneHandover>(p.szene, p.optionen, p.sheet, p.meldungen,
                                                [zeichnung] { zeichnung->neuZeichnen(); });
    commands_ = std::make_unique<TaskCommands>(
        TaskContext{p.szene, p.optionen, p.meldungen, *handover_}, p.eingaben, &form);
    // Tasks switch options on and off; the context menu's check marks follow.
    commands_->afterRun = [zeichnung] { zeichnung->syncOptionChecks(); };
    commands_->registerAll(form.befehle());
}

// The window outlives the painter by a moment while the main window is destroyed.
TaskWiring::~TaskWiring() {
    zeichnung_->setPaintHook3d({});
}
