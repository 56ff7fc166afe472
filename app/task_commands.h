#pragma once
// The menu side of the 3-D tasks and examples: registers every task and example under its
// command name, so that its menu entries become enabled. A task's command opens the task's
// dialog modally and, on OK, runs the task with the dialog's texts; Cancel changes nothing. An
// example's command runs at once. Errors leave the command (the menu's error handling shows the
// two boxes).
#include "app/dialog_table.h"
#include "app/tasks.h"

#include <functional>
#include <string>

class Befehle;
class QWidget;
struct AffineCommand;
struct ExampleSpec;
struct LinearSystemSpec;

class TaskCommands {
public:
    TaskCommands(TaskContext context, LetzteEingaben& inputs, QWidget* dialogParent = nullptr);

    // Registers every task, example and linear system of the tables with the registry.
    void registerAll(Befehle& befehle);

    // What a task's menu entry does: the dialog, then the task on OK.
    void runFromMenu(const TaskSpec& task);
    // What an example's menu entry does.
    void runExampleFromMenu(const ExampleSpec& example);

    // What an entry of "Affine Abbildungen" without a dialog does (inverse, composition, objects,
    // options).
    void runAffineCommand(const AffineCommand& command);

    // Shows a dialog modally and returns what it handed back. Default: the input dialog of the
    // class, owned by the dialog parent; tests replace it.
    std::function<DialogResult(const std::string& className, const DialogOptions& options)>
        showDialog;
    // Shows a linear-system dialog modally until it is closed; tests replace it.
    std::function<void(const LinearSystemSpec& linearSystem)> showLinearSystem;
    // Called after a task or example has run (also after a rejected input): the drawing
    // window's check marks follow the option flags.
    std::function<void()> afterRun;

private:
    TaskContext context_;
    LetzteEingaben& inputs_;
    QWidget* parent_;
};
