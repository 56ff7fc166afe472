#pragma once
// A recorded picture for the drawing tests: the 584 × 584 view with 10 units, a scene, options
// and a recording canvas; draw() runs the whole scene dispatcher.
#include "drawing/primitives.h"
#include "drawing/scene_drawing.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua, Rot = farbe::Rot,
                 Weiss = farbe::Weiss;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;

struct Picture {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingCanvas canvas;
    DrawContext z{canvas, view, optionen}; // for single primitives
    int zeroCrossProducts = 0;

    explicit Picture(Szenenart art = Szenenart::keine) {
        view.setSize(584, 584);
        view.computeSteps();
        szene.art = art;
    }

    void draw() {
        canvas.clear();
        SceneDrawEvents events;
        events.zeroCrossProduct = [this] { ++zeroCrossProducts; };
        Zeichne_alles(canvas, view, szene, optionen, events);
    }

    // Segments drawn with this pen, or in this colour.
    std::size_t in(TFarbe colour, int width, PenStyle style) const {
        std::size_t n = 0;
        for (const auto& s : canvas.segments)
            n += s.colour == colour && s.width == width && s.style == style;
        return n;
    }
    std::size_t coloured(TFarbe colour) const {
        std::size_t n = 0;
        for (const auto& s : canvas.segments) n += s.colour == colour;
        return n;
    }
};

inline TGerade gerade(TKoord p, TKoord u, TFarbe f = Gelb, const char* name = "g:") {
    return {punkt(p.x, p.y, p.z, f, "P"), punkt(u.x, u.y, u.z, f), f, name};
}
inline TEbeneNorm ebene(TKoord n, double d, TFarbe f = Lime, const char* name = "E: ") {
    return {punkt(n.x, n.y, n.z), d, f, name};
}
inline TKugel kugel(TKoord m, double r, TFarbe f = Lime) {
    return {punkt(m.x, m.y, m.z, f, "M"), r, "K: ", f};
}
