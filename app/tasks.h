#pragma once
// The three-dimensional tasks of the menus "&Punkte", "&Gerade", "&Ebene", "&Kugel" and
// "&Vektor" as one table. A task is separate from its dialog: it takes the texts a dialog hands
// back (and its colours and check box), turns them into numbers field by field, fills the
// task's records with their names and colours, tests them, sets the drawing options the task
// needs and hands the records over to the scene. The menu opens the dialog and runs the task
// with its texts; the headless runner and the tests pass texts directly. The same code runs in
// all three.
#include "app/dialog_table.h"
#include "core/scene.h"
#include "plane/records.h"

#include <string>
#include <string_view>
#include <vector>

class Messages;
class SceneHandover;

// What a task works on: the drawing options it sets, the message sink for its error box, the
// hand-over that stores the records and writes the report, and the scene (the vector tasks keep
// their operands in its vector stores).
struct TaskContext {
    Szene& szene;
    Optionen& optionen;
    Messages& meldungen;
    SceneHandover& handover;
};

// How a task ended when it did not throw.
enum class TaskOutcome {
    HandedOver, // the records are the new scene; the report is written
    Rejected    // an object failed its input test: beep(s) and the error box, nothing changed
};

// The texts of a task's fields in reading order, turned into numbers one after the other. The
// first text that is not a number throws ConversionError; since a task reads every field before
// it tests or hands over anything, such a task ends before anything has changed.
class TaskFields {
public:
    explicit TaskFields(const DialogResult& input) : input_(input) {}

    // The next field as a number.
    double zahl();
    // The next three fields as a point or vector.
    TPunkt punkt(std::string name, TFarbe farbe);
    // The next two fields as a plane point.
    TPunkt2 punkt2(std::string name, TFarbe farbe);
    // The colour the dialog holds for its object at index `object`; 0 when it holds none.
    TFarbe farbe(std::size_t object) const;
    bool checked() const { return input_.checked; }
    // Number of fields read so far.
    std::size_t read() const { return next_; }

private:
    const DialogResult& input_;
    std::size_t next_ = 0;
};

struct TaskSpec {
    std::string handler;           // command name of the menu entry ("Gerade1Click")
    std::vector<std::string> path; // caption path of the entry, "&" included
    std::string dialogClass;       // row of the dialog table ("TGeradeDlg")
    std::string caption;           // dialog caption set by the task; "" for the row's own
    // Reads the fields, tests, sets the options and hands over. ConversionError (and whatever
    // the hand-over's report raises) leaves the function.
    TaskOutcome (*run)(TaskFields& fields, TaskContext& context);
    int affineSlot = 0; // the map slot (1..3) that the affine equation dialog edits; 0 for others
};

// Every task with a dialog (3-D and plane), in menu order; one row per command (an entry reachable
// from two places has one row, with the path of the menu the task belongs to).
const std::vector<TaskSpec>& taskTable();
// The row of a command name, or nullptr.
const TaskSpec* findTask(std::string_view handler);
// The row whose menu entry, in any of its places, has this caption path written without the
// "&" markers and joined by "/" ("Gerade/Gerade mit Ebene/Ebene in Normalenform"); nullptr
// when no 3-D task has it.
const TaskSpec* findTaskByPath(std::string_view path);
// Every caption path of the task's command, without "&", joined by "/".
std::vector<std::string> taskPaths(const TaskSpec& task);

// The dialog options of a task (its caption for the dialogs that serve several tasks).
DialogOptions taskDialogOptions(const TaskSpec& task);

// Runs a task on a dialog's result (the dialog was confirmed).
TaskOutcome runTask(const TaskSpec& task, const DialogResult& input, TaskContext& context);

// The texts of a dialog confirmed without a window: they are remembered as OK would remember
// them, then the task runs. Colours: the dialog's presets, except where `colours` gives one
// (index by object). Throws std::invalid_argument for a wrong number of texts.
TaskOutcome runTaskWithTexts(const TaskSpec& task, LetzteEingaben& inputs,
                             std::vector<std::string> texts, TaskContext& context,
                             const std::vector<TFarbe>& colours = {}, bool checked = false);
