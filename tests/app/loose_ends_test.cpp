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
    // No entry of "Matrizen" is built: the submenus and the menu itself are off; a menu with a
    // working entry is on.
    EXPECT_FALSE(frei({"&Matrizen", "Matrix"}));
    EXPECT_FALSE(frei({"&Matrizen"}));
    EXPECT_TRUE(frei({"&Punkte"}));
    EXPECT_TRUE(frei({"Ei&nheiten"}));
    // Once one entry works, its submenu and the menu above it are on.
    form.befehle().registrieren("N2x2Matrix1Click", [] {});
    EXPECT_TRUE(frei({"&Matrizen", "Matrix"}));
    EXPECT_TRUE(frei({"&Matrizen"}));
    EXPECT_FALSE(frei({"&Matrizen", "Matrix und Vektor"}));

    // The about box.
    form.Copyright1Click();
    ASSERT_EQ(m.eintraege.size(), 1u);
    for (const char* nicht : {"Matrizen", "Ellipse", "affine"})
        EXPECT_EQ(m.eintraege[0].text.find(nicht), std::string::npos) << nicht;
    EXPECT_NE(m.eintraege[0].text.find("Kugeln"), std::string::npos);

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
