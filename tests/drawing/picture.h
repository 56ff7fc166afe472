#pragma once
// A recorded picture for the drawing tests: the 584 × 584 view with 10 units, a scene, options
// and a recording canvas; `z` draws single primitives, draw() runs the whole scene dispatcher.
// Filters count what was drawn by pen and by points of space.
#include "drawing/primitives.h"
#include "drawing/recording_canvas.h"
#include "drawing/scene_drawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua, Rot = farbe::Rot,
                 Blau = farbe::Blau, Weiss = farbe::Weiss, Schwarz = farbe::Schwarz;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;

struct Picture {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingCanvas canvas;
    Zeichner z{canvas, view, optionen};
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

    std::vector<RecordedSegment>
    segmentsWhere(const std::function<bool(const RecordedSegment&)>& test) const {
        std::vector<RecordedSegment> found;
        for (const auto& s : canvas.segments)
            if (test(s)) found.push_back(s);
        return found;
    }
    // Segments drawn with this pen, or in this colour.
    std::size_t in(TFarbe colour, int width, PenStyle style) const {
        return segmentsWhere([&](const RecordedSegment& s) {
                   return s.colour == colour && s.width == width && s.style == style;
               })
            .size();
    }
    std::size_t coloured(TFarbe colour) const {
        return segmentsWhere([&](const RecordedSegment& s) { return s.colour == colour; }).size();
    }
    // Segments between a and b (either way round), with any pen or with this pen.
    std::size_t between(const TKoord& a, const TKoord& b) const {
        return canvas.segmentsBetween(a, b, 1e-9).size();
    }
    std::size_t between(const TKoord& a, const TKoord& b, TFarbe colour, int width,
                        PenStyle style) const {
        std::size_t n = 0;
        for (const auto& s : canvas.segmentsBetween(a, b, 1e-9))
            n += s.colour == colour && s.width == width && s.style == style;
        return n;
    }
    // Texts with this content standing for the point p, in this colour.
    int labels(const std::string& name, const TKoord& p, TFarbe colour) const {
        int n = 0;
        for (const auto& t : canvas.textsNamed(name))
            n += t.at && nahe(*t.at, p) && t.colour == colour;
        return n;
    }
    std::size_t named(const std::string& name) const { return canvas.textsNamed(name).size(); }
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
