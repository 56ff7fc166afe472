#pragma once
// The examples of the menu "Beispie&le" and of "2-&dim. Geometrie" as one table: each row fills the
// records of its task with fixed teaching data, sets the drawing options it names (the others
// keep their state) and hands the records over, exactly as the task does after a confirmed
// dialog. There is no dialog and no input test.
#include "app/tasks.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One drawing option that an example switches, and to which state.
struct OptionSetting {
    bool Optionen::*flag;
    bool on;
};

struct ExampleSpec {
    std::string caption; // "Kugel mit Ebene"
    std::string handler; // "KugelmitEbene2Click"
    std::vector<OptionSetting> options;
    // Fills the records and calls the hand-over (the vector examples first write their
    // operands into the scene's vector stores).
    void (*handOver)(TaskContext& context);
};

// Every example, in menu order (the 3-D ones, then the plane ones).
const std::vector<ExampleSpec>& exampleTable();
// By caption (without "&"); nullptr when there is none.
const ExampleSpec* findExample(std::string_view caption);
// By the caption path of its menu entry, without "&", joined by "/"
// ("2-dim. Geometrie/Dreieck/Dreieck (Beispiel)"); nullptr when there is none.
const ExampleSpec* findExampleByPath(std::string_view path);

// The fourteen maps of "Affine Abbildungen" › "Beispiele" (app/tasks_affine.cpp).
std::vector<ExampleSpec> affineExamples();

// Sets the example's options, then hands its records over.
void runExample(const ExampleSpec& example, TaskContext& context);
