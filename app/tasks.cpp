#include "app/tasks.h"

#include "app/menu_table.h"
#include "app/task_records.h"
#include "core/number_input.h"

#include <stdexcept>

double TaskFields::zahl() {
    if (next_ >= input_.texts.size())
        throw std::logic_error("task reads more fields than its dialog has");
    return parseNumber(input_.texts[next_++]);
}

TPunkt TaskFields::punkt(std::string name, TFarbe farbe) {
    TPunkt p;
    p.x = zahl();
    p.y = zahl();
    p.z = zahl();
    p.Farbe = farbe;
    p.Name = std::move(name);
    return p;
}

TPunkt2 TaskFields::punkt2(std::string name, TFarbe farbe) {
    const double x = zahl();
    const double y = zahl();
    return ::punkt2(x, y, farbe, std::move(name));
}

TFarbe TaskFields::farbe(std::size_t object) const {
    return object < input_.colours.size() ? input_.colours[object] : 0;
}

const std::vector<TaskSpec>& taskTable() {
    static const std::vector<TaskSpec> table = [] {
        std::vector<TaskSpec> t;
        task_rows::addPointTasks(t);
        task_rows::addLineTasks(t);
        task_rows::addPlaneTasks(t);
        task_rows::addSphereTasks(t);
        task_rows::addVectorTasks(t);
        task_rows::addPlaneFigureTasks(t);
        task_rows::addEllipseTasks(t);
        task_rows::addMatrixTasks(t);
        task_rows::addAffineTasks(t);
        return t;
    }();
    return table;
}

const TaskSpec* findTask(std::string_view handler) {
    for (const TaskSpec& t : taskTable())
        if (t.handler == handler) return &t;
    return nullptr;
}

namespace {

std::string joinedWithoutAmpersand(const std::vector<std::string>& path) {
    std::string out;
    for (const std::string& caption : path) {
        if (!out.empty()) out += '/';
        out += ohneKaufmannsUnd(caption);
    }
    return out;
}

} // namespace

std::vector<std::string> taskPaths(const TaskSpec& task) {
    std::vector<std::string> paths;
    for (const MenuZeile* row : zeilenMitBefehl(task.handler))
        paths.push_back(joinedWithoutAmpersand(row->pfad));
    return paths;
}

// Captions may hold a "/" themselves ("Parameter/Normalenform"), so the whole joined path is
// compared rather than its pieces.
const TaskSpec* findTaskByPath(std::string_view path) {
    for (const TaskSpec& t : taskTable())
        for (const std::string& p : taskPaths(t))
            if (p == path) return &t;
    return nullptr;
}

DialogOptions taskDialogOptions(const TaskSpec& task) {
    DialogOptions o;
    o.caption = task.caption;
    if (task.affineSlot) o.affineSlot = task.affineSlot;
    return o;
}

TaskOutcome runTask(const TaskSpec& task, const DialogResult& input, TaskContext& context) {
    TaskFields fields(input);
    return task.run(fields, context);
}

TaskOutcome runTaskWithTexts(const TaskSpec& task, LetzteEingaben& inputs,
                             std::vector<std::string> texts, TaskContext& context,
                             const std::vector<TFarbe>& colours, bool checked) {
    const DialogRow* row = findDialog(task.dialogClass);
    if (!row) throw std::logic_error("no dialog row " + task.dialogClass);
    DialogResult result =
        acceptTexts(*row, inputs, std::move(texts), taskDialogOptions(task), checked);
    for (std::size_t i = 0; i < colours.size() && i < result.colours.size(); ++i)
        result.colours[i] = colours[i];
    return runTask(task, result, context);
}
