// The tasks of "2-&dim. Geometrie" that have a dialog. They have no input test: vertices on one
// line are reported as such.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

void addPlaneFigureTasks(std::vector<TaskSpec>& t) {
    t.push_back({"Dreieck4Click",
                 {"2-&dim. Geometrie", "Dreieck", "Eingabe (Dreieck)"},
                 "TDreieck2dlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     const TPunkt2 A = f.punkt2("A", gelb);
                     const TPunkt2 B = f.punkt2("B", gelb);
                     const TPunkt2 C = f.punkt2("C", gelb);
                     c.handover.Dreieck2_uebergeben(A, B, C);
                     return TaskOutcome::HandedOver;
                 }});
}

} // namespace task_rows
