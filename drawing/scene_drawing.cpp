// The dispatcher: coordinate system, then the drawing of the current kind's row.
#include "drawing/scene_drawing.h"

#include "core/objects.h"
#include "drawing/plane_primitives.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/task_kind.h"

TEbeneNorm normalform(const TEbene& E) {
    TEbeneNorm N;
    Parameter_zu_Normalenform(E, N);
    return N;
}

TKugel mittelpunktsform(const TKugelV& V) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    return K;
}

void Zeichne_alles(Canvas& canvas, ViewState& view, Szene& szene, Optionen& optionen,
                   const SceneDrawEvents& events) {
    if (view.zweidim) return Ebene2_neu_zeichnen(canvas, view, szene, optionen);
    DrawContext z{canvas, view, optionen};
    Zeichne_koordinatensystem(z, farbe::Weiss);
    const TaskKind* kind = taskKind(szene.art);
    if (!kind || kind->contextGroup) return;
    SceneDraw d{z, szene, optionen, events};
    kind->draw(d);
    if (d.giveUpScene) {
        szene.art = Szenenart::keine;
        szene.VektorproduktGemeldet = false;
    }
}

void Ebene2_neu_zeichnen(Canvas& canvas, ViewState& view, Szene& szene, Optionen& optionen) {
    DrawContext z{canvas, view, optionen};
    ZeichneAchsen2(z, farbe::Weiss);
    const TaskKind* kind = taskKind(szene.art);
    if (!kind || !kind->contextGroup) return;
    const SceneDrawEvents events;
    SceneDraw d{z, szene, optionen, events};
    kind->draw(d);
}
