// Entries that do nothing yet are disabled, and the about box names only what the program does.
#include "app/main_window.h"
#include "app/program.h"
#include "drawing/drawing_window.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

TEST(LoseEnden, SubmenusWithoutAWorkingEntryAndTheCalculationHelpAreDisabled) {
    RecordingMessages m;
    Programm p{m};
    TForm1 form(p);
    auto frei = [&](const std::vector<std::string>& pfad) {
        QAction* a = form.menueAktion(pfad);
        return a && a->isEnabled();
    };
    // No entry of "Ellipse" is built: its submenus and the submenu itself are off; a menu with a
    // working entry is on.
    const std::vector<std::string> ellipse{"2-&dim. Geometrie", "Ellipse"};
    EXPECT_FALSE(frei(ellipse));
    EXPECT_FALSE(frei({"2-&dim. Geometrie", "Ellipse", "Mittelpunkt und Achsen"}));
    EXPECT_FALSE(frei({"&Rechenhilfe"}));
    EXPECT_TRUE(frei({"&Punkte"}));
    EXPECT_TRUE(frei({"&Matrizen", "Lineare Gleichungssystem"}));
    // Once one entry works, its submenu and the menus above it are on.
    form.befehle().registrieren("EllipseMab1Click", [] {});
    EXPECT_TRUE(frei({"2-&dim. Geometrie", "Ellipse", "Mittelpunkt und Achsen"}));
    EXPECT_TRUE(frei(ellipse));
    EXPECT_FALSE(frei({"2-&dim. Geometrie", "Ellipse", "Exzentr. und Pukt"}));

    // The about box.
    form.Copyright1Click();
    ASSERT_EQ(m.eintraege.size(), 1u);
    for (const char* nicht : {"Ellipse", "affine"})
        EXPECT_EQ(m.eintraege[0].text.find(nicht), std::string::npos) << nicht;
    EXPECT_NE(m.eintraege[0].text.find("Kugeln"), std::string::npos);
    EXPECT_NE(m.eintraege[0].text.find("Matrizen"), std::string::npos);

    // The drawing window's "Rechenhilfe" is off until a calculation help is attached.
    TZeichnungsDlg& z3 = *form.zeichnung();
    QMenu* popup = z3.findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(popup, nullptr);
    QAction* hilfe = nullptr;
    for (QAction* a : popup->actions())
        if (a->text() == "Rechenhilfe") hilfe = a;
    ASSERT_NE(hilfe, nullptr);
    emit popup->aboutToShow();
    EXPECT_FALSE(hilfe->isEnabled());
    z3.onCalculationHelp = [] {};
    emit popup->aboutToShow();
    EXPECT_TRUE(hilfe->isEnabled());
}
