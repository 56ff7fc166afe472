#pragma once
// A recorded picture for the drawing tests: the 584 × 584 view with 10 units, a scene, options
// and a recording canvas; `z` draws single primitives, draw() runs the whole scene dispatcher.
// Filters count what was drawn by pen and by points of space.
#include "drawing/primitives.h"
#include "drawing/scene_drawing.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua, Rot = farbe::Rot,
                 Blau = farbe::Blau, Weiss = farbe::Weiss, Schwarz = farbe::Schwarz;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;

struct Picture {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingCanvas canvas;
    DrawContext z{canvas, view, optionen};
    int optionsChanged = 0;
    int zeroCrossProducts = 0;

    explicit Picture(Szenenart art = Szenenart::keine) {
        view.setSize(584, 584);
        view.computeSteps();
        szene.art = art;
    }

    void draw() {
        canvas.clear();
        SceneDrawEvents events;
        events.optionsChanged = [this] { ++optionsChanged; };
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
    // Each of these segments drawn exactly once with its pen.
    struct Seg {
        TKoord a, b;
        TFarbe colour;
        int width;
        PenStyle style;
    };
    void expectSegments(std::initializer_list<Seg> expected) const {
        int i = 0;
        for (const Seg& s : expected)
            EXPECT_EQ(between(s.a, s.b, s.colour, s.width, s.style), 1u) << "segment " << i++;
    }
    // Texts with this content standing for the point p, in this colour; point marks at p.
    int labels(const std::string& name, const TKoord& p, TFarbe colour) const {
        int n = 0;
        for (const auto& t : canvas.textsNamed(name))
            n += t.at && nahe(*t.at, p) && t.colour == colour;
        return n;
    }
    std::size_t named(const std::string& name) const { return canvas.textsNamed(name).size(); }
    std::size_t marks(const TKoord& p) const { return canvas.pointMarksAt(p).size(); }

    // Everything drawn, as comparable rows (screen positions, pens, texts).
    using Row = std::tuple<char, int, int, int, int, TFarbe, int, int, std::string>;
    std::vector<Row> rows() const {
        std::vector<Row> r;
        for (const auto& s : canvas.segments)
            r.emplace_back('s', s.x1, s.y1, s.x2, s.y2, s.colour, s.width, int(s.style), "");
        for (const auto& p : canvas.pixels) r.emplace_back('p', p.x, p.y, 0, 0, p.colour, 0, 0, "");
        for (const auto& q : canvas.rectangles)
            r.emplace_back('r', q.x1, q.y1, q.x2, q.y2, q.pen, 0, 0, "");
        for (const auto& t : canvas.texts)
            r.emplace_back('t', t.x, t.y, 0, 0, t.colour, 0, 0, t.text);
        return r;
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
