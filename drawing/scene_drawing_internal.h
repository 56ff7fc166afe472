#pragma once
// What the drawings of the task kinds share: the drawing context of one scene and the
// conversions of the stored forms into the forms the primitives draw.
#include "core/scene.h"
#include "drawing/primitives.h"
#include "drawing/scene_drawing.h"

struct SceneDraw {
    DrawContext& z;
    const Szene& szene;
    Optionen& optionen; // the same flags as z.optionen, writable
    const SceneDrawEvents& events;
    // Set by a drawing whose scene has no picture (a zero vector product): the scene is then
    // given up, so that it is no longer marked.
    bool giveUpScene = false;
};

// The plane in normal form of a plane given in parameter form (name and colour kept).
TEbeneNorm normalform(const TEbene& E);
// The sphere in centre form of a sphere given in vector form.
TKugel mittelpunktsform(const TKugelV& V);
