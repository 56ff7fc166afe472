#pragma once
// A recorded picture for the drawing tests: the 584 × 584 view with 10 units, options and a
// recording canvas, and filters over what was drawn.
#include "drawing/primitives.h"
#include "drawing/recording_canvas.h"

#include <functional>
#include <vector>

struct Picture {
    ViewState view;
    Optionen optionen;
    RecordingCanvas canvas;
    Zeichner z{canvas, view, optionen};

    Picture() {
        view.setSize(584, 584);
        view.computeSteps();
    }

    std::vector<RecordedSegment>
    segmentsWhere(const std::function<bool(const RecordedSegment&)>& test) const {
        std::vector<RecordedSegment> found;
        for (const auto& s : canvas.segments)
            if (test(s)) found.push_back(s);
        return found;
    }
    std::vector<RecordedSegment> segmentsIn(TFarbe colour, int width, PenStyle style) const {
        return segmentsWhere([&](const RecordedSegment& s) {
            return s.colour == colour && s.width == width && s.style == style;
        });
    }
};
