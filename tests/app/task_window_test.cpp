// The 3-D tasks from the real menu of the main window: examples run at once, a task runs after
// its dialog, the error boxes of a rejected object and of a text that is not a number, and the
// context menu's check marks follow the options a task sets.
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "app/task_wiring.h"
#include "core/messages.h"
#include "drawing/drawing_window.h"
#include "support/recording_messages.h"

#include <QAction>
#include <gtest/gtest.h>

#include <memory>

namespace {

using E = RecordingMeldungen::Eintrag;

struct TaskWindow : ::testing::Test {
    RecordingMeldungen m;
    Programm p{m};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(p);
    std::vector<std::string> geoeffnet;
    DialogResult antwort;

    TaskWindow() {
        form->resize(1000, 700);
        form->show();
        form->aufgaben().commands().showDialog = [this](const std::string& cls,
                                                        const DialogOptions&) {
            geoeffnet.push_back(cls);
            return antwort;
        };
    }
    void klick(const std::vector<std::string>& pfad) {
        QAction* a = form->menueAktion(pfad);
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }
};

TEST_F(TaskWindow, ExamplesAndTasksRunFromTheMenu) {
    klick({"Beispie&le", "Kugel mit Ebene"});
    EXPECT_EQ(p.szene.art, Szenenart::KugelEbene);
    EXPECT_TRUE(p.optionen.Quaderdarstellung);
    EXPECT_TRUE(geoeffnet.empty());
    QAction* quader = form->zeichnung()->menuEntry("Ebene", "Quaderdarstellung zeigen");
    ASSERT_NE(quader, nullptr);
    EXPECT_TRUE(quader->isChecked());

    antwort = {true, {"1", "2", "5"}, {0x00FF00}, false};
    klick({"&Punkte", "Punkt"});
    EXPECT_EQ(geoeffnet, std::vector<std::string>{"TPunktDlg"});
    EXPECT_EQ(p.szene.art, Szenenart::Punkt);
    EXPECT_EQ(p.szene.SzenePunkt.z, 5);
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(TaskWindow, RejectedObjectAndBadTextShowTheirBoxesAndKeepTheScene) {
    klick({"Beispie&le", "Punkt"});
    const auto zeilen = p.sheet.zeilen();

    antwort = {true, {"1", "2", "3", "0", "0", "0"}, {0x00FFFF}, false};
    klick({"&Gerade", "Gerade", "Gerade in Vektorform"});
    EXPECT_EQ(m.eintraege,
              (std::vector<E>{{"piep", ""}, {"piep", ""}, {"fehler", meldung::Eingabefehler}}));
    EXPECT_EQ(p.szene.art, Szenenart::Punkt);

    m.leeren();
    antwort.texts = {"1", "2", "3", "1,5", "0", "0"};
    klick({"&Gerade", "Gerade", "Gerade in Vektorform"});
    EXPECT_EQ(m.eintraege,
              (std::vector<E>{{"piep", ""},
                              {"fehler", meldung::Eingabefehler},
                              {"ausnahme", "'1,5' ist kein gültiger Gleitkommawert."}}));
    EXPECT_EQ(p.szene.art, Szenenart::Punkt);
    EXPECT_EQ(p.sheet.zeilen(), zeilen);

    // Cancel: nothing at all.
    m.leeren();
    antwort.accepted = false;
    klick({"&Kugel", "Kugel durch 4 Punkte"});
    EXPECT_TRUE(m.eintraege.empty());
    EXPECT_EQ(p.sheet.zeilen(), zeilen);
}

} // namespace
