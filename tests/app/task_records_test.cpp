// The records a task hands over: the task's fixed names, the dialog's colours or the task's
// fixed colours, and the derived objects.
#include "task_test_util.h"

namespace {

constexpr TFarbe gelb = 0x00FFFF, gruen = 0x00FF00, rot = 0x0000FF, cyan = 0xFFFF00;

using TaskRecords = TaskFixture;

TEST_F(TaskRecords, PointsAndFiguresTakeTheDialogColourOrTheirFixedOnes) {
    run("Punkt1Click", felder("1 2 5"));
    expectPunkt(szene.SzenePunkt, 1, 2, 5, gruen, "P");
    run("Punkt1Click", felder("1 2 5"), {rot});
    EXPECT_EQ(szene.SzenePunkt.Farbe, rot);

    // One colour for both points and the segment.
    run("Linie2Click", felder("2 2 2 3 4 8"));
    expectPunkt(szene.SzeneStrecke.B, 3, 4, 8, gelb, "Q");
    EXPECT_EQ(szene.SzeneStrecke.Farbe, gelb);

    // The division ratio ignores any dialog colour.
    run("Teilverhltnis1Click", felder("2 2 1 2 5 4 2 4 3"), {gruen});
    expectPunkt(szene.SzeneTeilpunkte[1], 2, 5, 4, gelb, "B");
    expectPunkt(szene.SzeneTeilpunkte[2], 2, 4, 3, rot, "T");

    optionen.TetraederKanten = false;
    run("TetraedermitEbene2Click", felder("3 0 0 0 5 0 0 0 6 -1 -1 0 0 0 1 2"));
    expectPunkt(szene.SzeneTetraeder.A, 3, 0, 0, gruen, "A");
    EXPECT_EQ(szene.SzeneTetraeder.Farbe, gruen);
    EXPECT_EQ(szene.SzeneEbene.Name, "Ebene E: ");
    EXPECT_EQ(szene.SzeneEbene.Farbe, gelb);
    EXPECT_EQ(szene.SzeneEbene.d, 2);
    EXPECT_TRUE(optionen.TetraederKanten);
}

TEST_F(TaskRecords, LinesAreNamedWithSupportPointAndDirection) {
    run("Gerade1Click", felder("1 2 -1 1 -1 2"));
    EXPECT_EQ(szene.SzeneGerade.Name, "g:");
    EXPECT_EQ(szene.SzeneGerade.Farbe, gelb);
    expectPunkt(szene.SzeneGerade.Stuetz, 1, 2, -1, gelb, "P");
    expectPunkt(szene.SzeneGerade.Richtung, 1, -1, 2, gelb, "A");

    run("GerademitGerade1Click", felder("1 4 3 -1 2 1 -6 2 3 -1 4 -3"));
    EXPECT_EQ(szene.SzeneGerade1.Name, "g:");
    EXPECT_EQ(szene.SzeneGerade2.Name, "h:");
    expectPunkt(szene.SzeneGerade2.Stuetz, -6, 2, 3, gruen, "Q");
    expectPunkt(szene.SzeneGerade2.Richtung, -1, 4, -3, gruen, "B");

    // The line through two points: support point P, direction Q − P.
    run("Geradeaus2Punkten1Click", felder("3 2 1 1 4 3"));
    expectPunkt(szene.SzeneStrecke.A, 3, 2, 1, gelb, "P");
    expectPunkt(szene.SzeneStrecke.B, 1, 4, 3, gelb, "Q");
    EXPECT_EQ(szene.SzeneGerade.Name, "g:");
    const TPunkt& r = szene.SzeneGerade.Richtung;
    EXPECT_EQ(std::vector<double>({r.x, r.y, r.z}), std::vector<double>({-2, 2, 2}));

    // A line with a plane: the line takes the second colour.
    run("EbeneinNormalenform3Click", felder("2 2 2 -1 2 1 1 -1 1 3"));
    EXPECT_EQ(szene.SzeneGerade.Farbe, gruen);
    EXPECT_EQ(szene.SzeneEbene.Name, "E: ");
    EXPECT_EQ(szene.SzeneEbene.Farbe, gelb);
}

TEST_F(TaskRecords, PointAndTwoLinesHaveFixedColoursAndEmptyFieldsCountAsZero) {
    std::vector<std::string> t = felder("-4 3 3 1 -1 0 1 2 1 0 0 2 -1 2 0");
    t[0] = "";
    EXPECT_EQ(run("GeradeGeradePunkt1Click", t), TaskOutcome::HandedOver);
    expectPunkt(szene.SzenePunkt, 0, 3, 3, gelb, "P");
    EXPECT_EQ(szene.SzeneGerade1.Name, "g1");
    EXPECT_EQ(szene.SzeneGerade1.Farbe, cyan);
    expectPunkt(szene.SzeneGerade1.Stuetz, 1, -1, 0, cyan, "R");
    expectPunkt(szene.SzeneGerade1.Richtung, 1, 2, 1, cyan, "A");
    EXPECT_EQ(szene.SzeneGerade2.Name, "g2");
    expectPunkt(szene.SzeneGerade2.Stuetz, 0, 0, 2, gruen, "Q");
    expectPunkt(szene.SzeneGerade2.Richtung, -1, 2, 0, gruen, "B");
    EXPECT_EQ(eingaben.point[0], "0");
}

TEST_F(TaskRecords, PlanesAndSpheres) {
    run("beideinNormalenform1Click", felder("1 -2 1 3 -1 2 1 4"));
    EXPECT_EQ(szene.SzeneEbene1.Name, "E1: ");
    EXPECT_EQ(szene.SzeneEbene2.Name, "E2: ");
    EXPECT_EQ(szene.SzeneEbene2.Farbe, gruen);

    run("KugelinMittelpunktsform3Click", felder("2 2 8 2 2 0 3"));
    expectPunkt(szene.SzenePunkt, 2, 2, 8, gruen, "P");
    EXPECT_EQ(szene.SzeneKugel.Name, "K: ");
    expectPunkt(szene.SzeneKugel.M, 2, 2, 0, gelb, "M");
    EXPECT_EQ(szene.SzeneKugel.r, 3);

    // Two spheres: both centres red, whatever the dialog says.
    run("beideKugelninMittelpunktsform1Click", felder("0 1 0 3 0 6 0 4"));
    EXPECT_EQ(szene.SzeneKugel2.Name, "K2: ");
    expectPunkt(szene.SzeneKugel1.M, 0, 1, 0, rot, "M1");
    expectPunkt(szene.SzeneKugel2.M, 0, 6, 0, rot, "M2");

    run("KugelinVektorform3Click", felder("0 4 0 10"));
    EXPECT_EQ(szene.SzeneKugelV.Name, "K: ");
    EXPECT_EQ(szene.SzeneKugelV.Farbe, cyan);
    EXPECT_EQ(szene.SzeneKugelV.c, 10);

    // Through four points: equal distances to A, B, C, D by hand give m = (19, 85, 113) / 46.
    optionen.TetraederKanten = true;
    run("Kugeldurch4Punkte1Click", felder("3 0 0 0 5 0 0 0 6 -1 -1 0"));
    EXPECT_FALSE(optionen.TetraederKanten);
    expectPunkt(szene.SzeneTetraeder.B, 0, 5, 0, gruen, "B");
    EXPECT_NEAR(szene.SzeneKugel.M.x, 19.0 / 46, 1e-12);
    EXPECT_NEAR(szene.SzeneKugel.M.y, 85.0 / 46, 1e-12);
    EXPECT_NEAR(szene.SzeneKugel.M.z, 113.0 / 46, 1e-12);
    // The check box draws the inscribed tetrahedron.
    run("Kugeldurch4Punkte1Click", felder("3 0 0 0 5 0 0 0 6 -1 -1 0"), {}, true);
    EXPECT_TRUE(optionen.TetraederKanten);
}

TEST_F(TaskRecords, VectorsGoIntoTheVectorStoresInTheirOwnColours) {
    run("Spatprodukt1Click", felder("2 2 0 8 9 4 -1 3 5"));
    expectPunkt(szene.SzeneVek1, 2, 2, 0, gelb, "p");
    expectPunkt(szene.SzeneVek2, 8, 9, 4, gruen, "q");
    expectPunkt(szene.SzeneVek3, -1, 3, 5, cyan, "r");

    // The four-vector dialog never presets its colours: all black.
    run("N4Vektoren1Click", felder("1 0 0 0 1 0 0 0 1 1 1 1"));
    expectPunkt(szene.SzeneVek4, 1, 1, 1, 0, "s");
    expectPunkt(szene.SzeneVek1, 1, 0, 0, 0, "p");

    // The linear-dependence tasks share the product dialogs under their own caption.
    EXPECT_EQ(task("N3Vektoren1Click").dialogClass, "TSpatProduktDlg");
    EXPECT_EQ(taskDialogOptions(task("N3Vektoren1Click")).caption, "Lineare Abhägigkeit:");
    EXPECT_EQ(taskDialogOptions(task("N2Vektoren1Click")).caption, "Lineare Abhägigkeit:");

    // A zero vector product shows its message and still reports.
    m.leeren();
    run("Vektorprodukt1Click", felder("1 2 3 2 4 6"));
    EXPECT_EQ(szene.art, Szenenart::Vektorprodukt);
    ASSERT_FALSE(m.eintraege.empty());
    EXPECT_EQ(m.eintraege.front().art, "abbrechen");
}

} // namespace
