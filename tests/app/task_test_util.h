#pragma once
// A program state without windows for the task tests: scene, options, sheet, remembered inputs
// with their first-use values, a recording message sink and the hand-over.
#include "app/examples.h"
#include "app/tasks.h"
#include "core/errors.h"
#include "drawing/handover.h"
#include "drawing/view.h"
#include "sheet/sheet.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

struct TaskFixture : ::testing::Test {
    RecordingMessages m;
    ViewState view;
    Optionen optionen;
    Szene szene;
    LetzteEingaben eingaben;
    Sheet sheet{1168, 1168, view.farbig};
    SceneHandover handover{szene, optionen, sheet, m};
    TaskContext ctx{szene, optionen, m, handover};

    TaskFixture() { seedFirstUseValues(eingaben); }

    const TaskSpec& task(const std::string& handler) {
        const TaskSpec* t = findTask(handler);
        if (!t) throw std::logic_error("no task " + handler);
        return *t;
    }
    // OK with these texts (dialog preset colours unless given), then the task.
    TaskOutcome run(const std::string& handler, std::vector<std::string> texts,
                    const std::vector<TFarbe>& colours = {}, bool checked = false) {
        return runTaskWithTexts(task(handler), eingaben, std::move(texts), ctx, colours, checked);
    }
    void example(const std::string& caption) {
        const ExampleSpec* e = findExample(caption);
        if (!e) e = findExampleByPath(caption);
        if (!e) throw std::logic_error("no example " + caption);
        runExample(*e, ctx);
    }
};

// "1 2 3" -> {"1", "2", "3"}.
inline std::vector<std::string> felder(const std::string& list) {
    std::istringstream in(list);
    std::vector<std::string> out;
    for (std::string s; in >> s;) out.push_back(s);
    return out;
}

inline void expectPunkt(const TPunkt& p, double x, double y, double z, TFarbe f,
                        const std::string& name) {
    EXPECT_EQ(std::vector<double>({p.x, p.y, p.z}), std::vector<double>({x, y, z})) << name;
    EXPECT_EQ(p.Farbe, f) << name;
    EXPECT_EQ(p.Name, name);
}
