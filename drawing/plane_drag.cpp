#include "drawing/plane_drag.h"

#include "sheet/scene_report.h"
#include "sheet/task_kind.h"

#include <cstdlib>

PlaneDrag::PlaneDrag(const ViewState& view, Szene& szene, Sheet& sheet)
    : view_(view), szene_(szene), sheet_(sheet) {}

bool PlaneDrag::press(int x, int y) {
    chosen_.clear();
    const TaskKind* kind = taskKind(szene_.art);
    if (!kind || !kind->handles) return false;
    const std::vector<DragHandle> handles = kind->handles(szene_);
    for (std::size_t i = 0; i < handles.size(); ++i) {
        int sx, sy;
        double px, py;
        handles[i].position(px, py);
        view_.planeToScreen(px, py, sx, sy);
        if (std::llabs(static_cast<long long>(sx) - x) <= 5 &&
            std::llabs(static_cast<long long>(sy) - y) <= 5)
            chosen_.push_back(i);
    }
    return !chosen_.empty();
}

void PlaneDrag::drag(double x, double y) {
    const TaskKind* kind = taskKind(szene_.art);
    if (chosen_.empty() || !kind || !kind->handles) return;
    const std::vector<DragHandle> handles = kind->handles(szene_);
    for (std::size_t i : chosen_) {
        if (i >= handles.size()) continue;
        handles[i].moveTo(x, y);
    }
    deriveScene(szene_);
}

void PlaneDrag::release() {
    chosen_.clear();
    if (isPlaneKind(szene_.art)) Bericht_schreiben(sheet_, szene_);
}
