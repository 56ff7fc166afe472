// The task table against the menu and dialog tables, and the menu side of a task: the dialog
// with the task's caption, the task on OK, nothing on Cancel.
#include "task_test_util.h"

#include "app/commands.h"
#include "app/menu_table.h"
#include "app/task_commands.h"

#include <algorithm>

namespace {

using TaskCommandsTest = TaskFixture;

TEST_F(TaskCommandsTest, TableMatchesMenuAndDialogTables) {
    for (const TaskSpec& t : taskTable()) {
        SCOPED_TRACE(t.handler);
        const std::vector<const MenuZeile*> rows = zeilenMitBefehl(t.handler);
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                [&](const MenuZeile* r) { return r->pfad == t.path; }));
        EXPECT_NE(findDialog(t.dialogClass), nullptr);
        for (const std::string& p : taskPaths(t)) EXPECT_EQ(findTaskByPath(p), &t);
    }
    // Entries reachable in two places are one command; a caption may hold "/" itself.
    EXPECT_EQ(findTaskByPath("Gerade/Gerade mit Punkt"), findTask("GerademitPunkt1Click"));
    EXPECT_EQ(findTaskByPath("Ebene/Ebene mit Ebene/Parameter/Normalenform"),
              findTask("ParameterNormalenform1Click"));
    EXPECT_EQ(findTaskByPath("Matrizen/Matrix/2x2 - Matrix"), findTask("N2x2Matrix1Click"));
    EXPECT_EQ(findTaskByPath("Matrizen/Lineare Gleichungssystem/2 x 2 - LGS"), nullptr);
    EXPECT_EQ(findTaskByPath("&Punkte/Punkt"), nullptr);

    for (const ExampleSpec& e : exampleTable()) {
        const std::vector<const MenuZeile*> rows = zeilenMitBefehl(e.handler);
        ASSERT_EQ(rows.size(), 1u) << e.caption;
        EXPECT_EQ(ohneKaufmannsUnd(rows.front()->pfad.back()), e.caption);
        const std::string menu = ohneKaufmannsUnd(rows.front()->pfad.front());
        EXPECT_TRUE(menu == "Beispiele" || menu == "2-dim. Geometrie") << menu;
        std::string path;
        for (const std::string& c : rows.front()->pfad)
            path += (path.empty() ? "" : "/") + ohneKaufmannsUnd(c);
        EXPECT_EQ(findExampleByPath(path), &e) << path;
    }
}

// Errors, examples and Cancel through the real menu are checked in the main window's tests.
TEST_F(TaskCommandsTest, MenuOpensTheDialogWithTheTaskCaptionAndRunsTheTaskOnlyOnOk) {
    TaskCommands commands(ctx, eingaben);
    std::vector<std::string> opened;
    DialogResult answer{false, felder("1 2 3 4 5 6"), {0x00FFFF, 0x00FF00}, false};
    commands.showDialog = [&](const std::string& cls, const DialogOptions& o) {
        opened.push_back(cls + "|" + o.caption);
        return answer;
    };
    int after = 0;
    commands.afterRun = [&] { ++after; };
    Befehle befehle;
    commands.registerAll(befehle);
    for (const TaskSpec& t : taskTable()) EXPECT_TRUE(befehle.hat(t.handler)) << t.handler;
    for (const ExampleSpec& e : exampleTable()) EXPECT_TRUE(befehle.hat(e.handler)) << e.caption;

    befehle.ausfuehren("Vektorprodukt1Click");
    EXPECT_EQ(opened, std::vector<std::string>{"TSkalarProduktDLG|Vektorprodukt:"});
    EXPECT_EQ(szene.art, Szenenart::keine);
    EXPECT_EQ(after, 0);

    answer.accepted = true;
    befehle.ausfuehren("Skalarprodukt1Click");
    EXPECT_EQ(opened.back(), "TSkalarProduktDLG|Skalarprodukt:");
    EXPECT_EQ(szene.art, Szenenart::Skalarprodukt);
    EXPECT_EQ(szene.SzeneVek2.z, 6);
    EXPECT_EQ(after, 1);
    befehle.ausfuehren("Kugel3Click");
    EXPECT_EQ(szene.art, Szenenart::Kugel);
    EXPECT_EQ(after, 2);
}

} // namespace
