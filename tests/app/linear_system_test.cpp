// The linear-system tasks: the dialog that solves on every OK and stays open, and the headless
// runner that prints what its labels show; the matrix tasks through the runner.
#include "app/examples.h"
#include "app/headless.h"
#include "app/headless_session.h"
#include "app/linear_system_dialog.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include <sstream>

namespace {

std::string quillon(std::vector<std::string> args, int* status = nullptr) {
    std::ostringstream out, err;
    const int s = runHeadless(args, out, err);
    if (status) *status = s;
    return out.str() + err.str();
}

const std::string lgs = "Matrizen/Lineare Gleichungssystem/";

TEST(LinearSystem, DialogLoestBeiJedemOKUndBleibtOffen) {
    RecordingMessages m;
    LinearSystemDialog d(linearSystems()[1], m);
    EXPECT_TRUE(d.shownTexts().empty());
    d.exampleButton()->click();
    d.okButton()->click();
    ASSERT_EQ(d.shownTexts().size(), 5u);
    EXPECT_EQ(d.shownTexts()[4], "x1 = 2;  x2 = -3;  x3 = -4");
    // A second system in the same dialog; a11 = 0 hides the results and says why.
    d.field(0)->setText("0");
    d.okButton()->click();
    EXPECT_TRUE(d.shownTexts().empty());
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0], (RecordingMessages::Eintrag{"info", a11Null}));

    LinearSystemDialog z(linearSystems()[0], m);
    EXPECT_EQ(z.exampleButton(), nullptr);
    const char* felder[] = {"1", "2", "3", "2", "4", "6"};
    for (int i = 0; i < 6; ++i) z.field(i)->setText(felder[i]);
    z.okButton()->click();
    EXPECT_EQ(z.shownTexts(),
              (std::vector<std::string>{"Vereinfachte Matrix:", "  1  2  |  3", "  0  0  |  0",
                                        "x1 = 3 - 2 t;  x2 = t", "(unendl. viele Lösugen)"}));
}

TEST(LinearSystem, HeadlessDruecktDieBeschriftungen) {
    EXPECT_EQ(quillon({"--task", lgs + "2 x 2 - LGS", "--fields", "1", "2", "3", "2", "4", "7"}),
              "Vereinfachte Matrix:\n  1  2  |   3\n  0  0  |  -1\nEs existiert keine Lösung !\n");
    int status = 0;
    EXPECT_EQ(quillon({"--task", lgs + "3 x 3 - LGS"}, &status), std::string(a11Null) + "\n");
    EXPECT_EQ(status, 0);
    quillon({"--task", lgs + "3 x 3 - LGS", "--fields", "1"}, &status);
    EXPECT_EQ(status, headlessUsageError);
    quillon({"--task", lgs + "2 x 2 - LGS", "--fields", "1", "x", "0", "0", "0", "0"}, &status);
    EXPECT_EQ(status, headlessInputError);
}

// A matrix task replaces the plane task and is forgotten with the plane tasks.
TEST(LinearSystem, MatrixaufgabeErsetztDieEbeneAufgabe) {
    std::ostringstream err;
    HeadlessSession s(err);
    s.runExample(*findExampleByPath("2-dim. Geometrie/Dreieck/Dreieck (Beispiel)"));
    ASSERT_EQ(s.szene.art, Szenenart::Dreieck2);
    s.runTask(*findTaskByPath("Matrizen/Matrizenmultiplikation/2x2 * 2x2"),
              {"1", "2", "3", "4", "0", "1", "1", "0"});
    EXPECT_EQ(s.szene.art, Szenenart::Matmult2);
    EXPECT_EQ(s.szene.Matrizen.M2[1].a[1][0], 1);
    s.handover.Ebene2_zuruecksetzen();
    EXPECT_EQ(s.szene.art, Szenenart::keine);
    EXPECT_EQ(err.str(), "");
}

} // namespace
