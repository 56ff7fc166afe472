#include "app/task_commands.h"

#include "app/affine_commands.h"
#include "app/commands.h"
#include "app/examples.h"
#include "app/input_dialog.h"
#include "app/linear_system_dialog.h"

TaskCommands::TaskCommands(TaskContext context, LetzteEingaben& inputs, QWidget* dialogParent)
    : context_(context), inputs_(inputs), parent_(dialogParent) {
    showDialog = [this](const std::string& className, const DialogOptions& options) {
        return runInputDialog(className, inputs_, options, parent_);
    };
    showLinearSystem = [this](const LinearSystemSpec& linearSystem) {
        runLinearSystemDialog(linearSystem, context_.meldungen, parent_);
    };
}

void TaskCommands::registerAll(Befehle& befehle) {
    for (const TaskSpec& t : taskTable())
        befehle.registrieren(t.handler, [this, &t] { runFromMenu(t); });
    for (const ExampleSpec& e : exampleTable())
        befehle.registrieren(e.handler, [this, &e] { runExampleFromMenu(e); });
    for (const AffineCommand& a : affineCommands())
        befehle.registrieren(a.handler, [this, &a] { runAffineCommand(a); });
    // The linear systems do all their work inside their dialog.
    for (const LinearSystemSpec& s : linearSystems())
        befehle.registrieren(s.handler, [this, &s] {
            if (showLinearSystem) showLinearSystem(s);
        });
}

namespace {

// Calls `afterRun` when the task is over, also when its report stopped at an error: the options
// were set before the hand-over.
struct AfterRun {
    const std::function<void()>& f;
    ~AfterRun() {
        if (f) f();
    }
};

} // namespace

void TaskCommands::runFromMenu(const TaskSpec& task) {
    const DialogResult result = showDialog(task.dialogClass, taskDialogOptions(task));
    if (!result.accepted) return;
    AfterRun after{afterRun};
    runTask(task, result, context_);
}

void TaskCommands::runExampleFromMenu(const ExampleSpec& example) {
    AfterRun after{afterRun};
    runExample(example, context_);
}

void TaskCommands::runAffineCommand(const AffineCommand& command) {
    AfterRun after{afterRun};
    command.run(context_);
}
