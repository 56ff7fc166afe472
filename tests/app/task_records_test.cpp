// What the goldens of the corpus cannot see: a colour chosen in the dialog against the fixed
// colours of some tasks, the check box, empty fields read as zero, and the captions of the
// dialogs that serve several tasks. Names and preset colours of the records show in the goldens.
#include "task_test_util.h"

namespace {

constexpr TFarbe gelb = 0x00FFFF, gruen = 0x00FF00, rot = 0x0000FF, cyan = 0xFFFF00;

using TaskRecords = TaskFixture;

TEST_F(TaskRecords, DialogColoursFixedColoursCheckBoxAndEmptyFields) {
    run("Punkt1Click", felder("1 2 5"), {rot});
    EXPECT_EQ(szene.SzenePunkt.Farbe, rot);
    run("Teilverhltnis1Click", felder("2 2 1 2 5 4 2 4 3"), {gruen}); // ignores the dialog
    expectPunkt(szene.SzeneTeilpunkte[1], 2, 5, 4, gelb, "B");
    expectPunkt(szene.SzeneTeilpunkte[2], 2, 4, 3, rot, "T");

    // The sphere through four points draws the inscribed tetrahedron only with the check box.
    optionen.TetraederKanten = true;
    run("Kugeldurch4Punkte1Click", felder("3 0 0 0 5 0 0 0 6 -1 -1 0"));
    EXPECT_FALSE(optionen.TetraederKanten);
    run("Kugeldurch4Punkte1Click", felder("3 0 0 0 5 0 0 0 6 -1 -1 0"), {}, true);
    EXPECT_TRUE(optionen.TetraederKanten);

    // Point and two lines: fixed colours whatever the dialog says, "" read and remembered as 0.
    std::vector<std::string> t = felder("-4 3 3 1 -1 0 1 2 1 0 0 2 -1 2 0");
    t[0] = "";
    EXPECT_EQ(run("GeradeGeradePunkt1Click", t, {rot, rot}), TaskOutcome::HandedOver);
    expectPunkt(szene.SzenePunkt, 0, 3, 3, gelb, "P");
    EXPECT_EQ(std::make_pair(szene.SzeneGerade1.Farbe, szene.SzeneGerade2.Farbe),
              std::make_pair(cyan, gruen));
    EXPECT_EQ(eingaben.point[0], "0");

    // The linear-dependence tasks share the product dialogs under their own caption.
    EXPECT_EQ(task("N3Vektoren1Click").dialogClass, "TSpatProduktDlg");
    EXPECT_EQ(taskDialogOptions(task("N3Vektoren1Click")).caption, "Lineare Abhägigkeit:");
    EXPECT_EQ(taskDialogOptions(task("N2Vektoren1Click")).caption, "Lineare Abhägigkeit:");
}

} // namespace
