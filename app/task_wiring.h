#pragma once
// Connects the 3-D scene to the main window: the drawing window's repaint draws the scene, one
// hand-over serves every task (its redraw request repaints the drawing window), and the tasks
// and examples are registered as commands, so that their menu entries become enabled. A click
// on the result sheet goes to the click editing, which changes the scene and recomputes.
#include <memory>

class OutputCommands;
class OutputDialogs;
class PlaneDrag;
class ScenePainter;
class SceneHandover;
class SheetEditing;
class TaskCommands;
class TErgebnisDLG;
class TForm1;
class TZeichnungsDlg;

class TaskWiring {
public:
    explicit TaskWiring(TForm1& form);
    ~TaskWiring();
    TaskWiring(const TaskWiring&) = delete;
    TaskWiring& operator=(const TaskWiring&) = delete;

    SceneHandover& handover() { return *handover_; }
    TaskCommands& commands() { return *commands_; }
    SheetEditing& editing() { return *editing_; }
    PlaneDrag& drag() { return *drag_; }
    OutputCommands& output() { return *output_; }

private:
    TZeichnungsDlg* zeichnung_;
    std::unique_ptr<ScenePainter> painter_;
    std::unique_ptr<SceneHandover> handover_;
    std::unique_ptr<TaskCommands> commands_;
    TErgebnisDLG* ergebnisse_;
    std::unique_ptr<SheetEditing> editing_;
    std::unique_ptr<PlaneDrag> drag_;
    std::unique_ptr<OutputDialogs> outputDialogs_;
    std::unique_ptr<OutputCommands> output_;
};
