#include "sheet/scene_report.h"

#include "sheet/task_kind.h"

void Bericht_schreiben(Sheet& s, Szene& szene) {
    deriveScene(szene);
    s.loeschen();
    const TaskKind* kind = taskKind(szene.art);
    if (!kind) return;
    int y = BerichtY;
    kind->report(s, szene, BerichtX, y);
}
