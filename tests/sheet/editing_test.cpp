// Click editing on the sheet: the hit tests against the anchors of real reports, the one
// recomputation per click, the backups of the derived tasks and the undoing of invalid spheres.
// Click positions come from the anchors the reports recorded or from measured text widths.
#include "core/errors.h"
#include "core/messages.h"
#include "report_test_util.h"
#include "sheet/editing.h"
#include "sheet/scene_report.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using berichttest::hatText;

namespace {

struct Ort {
    int X, Y;
};

// The middle of coordinate k (0..2) of a point line (the third 3 pixels right of its start), of
// row k of a column, of a field.
Ort punktOrt(const PointAnchor& a, int k) {
    const int X[3] = {(a.x1 + a.x2) / 2, (a.x2 + a.x3) / 2, a.x3 + 3};
    return {X[k], a.y + 5};
}
Ort spaltenOrt(const ColumnAnchor& a, int k) {
    const int oben[4] = {a.y0, a.y1, a.y2, a.y3};
    return {(a.links + a.rechts) / 2, (oben[k] + oben[k + 1]) / 2};
}
Ort feldOrt(const FieldAnchor& a) {
    return {(a.links + a.rechts) / 2, (a.oben + a.unten) / 2};
}

bool gleich(const TPunkt& p, double x, double y, double z) {
    return p.x == x && p.y == y && p.z == z;
}

// Every task's inputs, valid and in general position, so that one step on any number keeps
// every report computable.
Szene welt() {
    Szene z;
    const TFarbe f = farbe::Gelb;
    auto p = [f](double x, double y, double zz, const char* n = "") {
        return punkt(x, y, zz, f, n);
    };
    z.SzenePunkt = p(1, 2, 5, "P");
    z.SzeneStrecke = {p(1, 0, 0, "P"), p(0, 2, 0, "Q"), f};
    z.SzeneTeilpunkte[0] = p(0, 0, 0, "A");
    z.SzeneTeilpunkte[1] = p(4, 0, 0, "B");
    z.SzeneTeilpunkte[2] = p(1, 0, 0, "T");
    z.SzeneDreieck = {p(3, 0, 0, "A"), p(0, 5, 0, "B"), p(0, 0, 6, "C"), f};
    z.SzeneViereck = {p(0, 0, 0, "A"), p(4, 0, 0, "B"), p(4, 3, 0, "C"), p(0, 3, 1, "D"), f};
    z.SzeneTetraeder = {p(3, 0, 0, "A"), p(0, 5, 0, "B"), p(0, 0, 6, "C"), p(-1, -1, 0, "D"), f};
    z.SzeneGerade = {p(1, 2, 3), p(1, 1, 0), f, "g:"};
    z.SzeneGerade1 = {p(1, 0, 0), p(0, 1, 0), f, "g:"};
    z.SzeneGerade2 = {p(0, 0, 1), p(1, 0, 1), f, "h:"};
    z.SzeneEbene = {p(1, 2, 2), 4, f, "E: "};
    z.SzeneEbene1 = {p(1, 0, 0), 1, f, "E1: "};
    z.SzeneEbene2 = {p(0, 1, 1), 2, f, "E2: "};
    z.SzeneEbenePar = {p(1, 0, 0), p(1, 1, 0), p(0, 1, 1), f, "E: "};
    z.SzeneEbenePar1 = {p(0, 0, 1), p(1, 0, 0), p(0, 1, 0), f, "E1: "};
    z.SzeneEbenePar2 = {p(1, 1, 1), p(1, 0, 1), p(0, 1, 0), f, "E2: "};
    z.SzeneKugel = {p(1, 2, 3, "M"), 3, "K: ", f};
    z.SzeneKugel1 = {p(0, 0, 0, "M1"), 2, "K1: ", f};
    z.SzeneKugel2 = {p(3, 0, 0, "M2"), 2, "K2: ", f};
    z.SzeneKugelV = {p(2, 4, 6, "a"), 2, "K: ", f};
    z.SzeneKugelV1 = {p(0, 0, 0, "a"), 4, "K1: ", f};
    z.SzeneKugelV2 = {p(6, 0, 0, "a"), 0, "K2: ", f};
    z.SzeneVek1 = p(1, 2, 3, "p");
    z.SzeneVek2 = p(0, 1, 4, "q");
    z.SzeneVek3 = p(5, 6, 0, "r");
    z.SzeneVek4 = p(1, 0, 1, "s");
    return z;
}

struct Editing : ::testing::Test {
    bool farbig = true;
    Sheet s{1400, 6000, farbig};
    Szene z;
    RecordingMessages m;
    SheetEditing e{z, s, m};
    int neuGezeichnet = 0;

    void SetUp() override {
        e.redraw = [this] { ++neuGezeichnet; };
    }
    // What the hand-over does: the scene kind, a fresh sheet, the report.
    void zeigen(Szenenart art) {
        z.art = art;
        s.loeschen();
        Bericht_schreiben(s, z);
    }
    void links(Ort o) { e.Image1MouseDown(true, o.X, o.Y); }
    void rechts(Ort o) { e.Image1MouseDown(false, o.X, o.Y); }
};

const std::vector<RecordingMessages::Eintrag> Editierbox = {{"piep", ""},
                                                            {"fehler", meldung::Editierfehler}};

TEST_F(Editing, PointLineChangesTheClickedCoordinateWithInclusiveBounds) {
    z = welt(); // P(1/2/5)
    zeigen(Szenenart::Punkt);
    const SheetText* t = berichttest::finde(s, "P(1/2/5)");
    ASSERT_TRUE(t);
    // The "2": one character wide, right of "P(1/".
    const Ort zwei{t->x + s.textWidth("P(1/") + s.breiteM() / 2, t->y + s.h() / 2};
    links(zwei);
    EXPECT_TRUE(gleich(z.SzenePunkt, 1, 3, 5));
    EXPECT_TRUE(hatText(s, "P(1/3/5)") && !hatText(s, "P(1/2/5)"));
    EXPECT_EQ(neuGezeichnet, 1);
    rechts(zwei);
    rechts(zwei);
    EXPECT_TRUE(gleich(z.SzenePunkt, 1, 1, 5));

    links({t->x + 1, t->y + 1}); // the name belongs to the first coordinate
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 1, 5));
    // The boundary between x and y is the first "/": both change.
    links({t->x + s.textWidth("P(2"), t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 3, 2, 5));

    // 20 pixels below the line's top and right of the third coordinate's start still hit, 21 do
    // not; the task is recomputed anyway.
    const int x3 = t->x + s.textWidth("P(3/2/");
    ASSERT_EQ(s.anker.punkt[0].x3, x3);
    links({x3 + 1, t->y + 20});
    links({x3 + 20, t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 3, 2, 7));
    links({x3 + 1, t->y + 21});
    links({x3 + 21, t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 3, 2, 7));
    EXPECT_EQ(neuGezeichnet, 9);
}

TEST_F(Editing, PointsOnConsecutiveRowsAreHitOneAtATime) {
    z = welt(); // A(3/0/0), B(0/5/0), C(0/0/6), D(-1/-1/0)
    zeigen(Szenenart::Tetraeder);
    const PointAnchor a = s.anker.punkt[0], b = s.anker.punkt[1], d = s.anker.punkt[3];
    ASSERT_EQ(b.y, a.y + s.h());
    // Inside B's row, within 20 pixels of A's top: only B changes.
    links({(b.x1 + b.x2) / 2, b.y + 1});
    EXPECT_TRUE(gleich(z.SzeneTetraeder.A, 3, 0, 0) && gleich(z.SzeneTetraeder.B, 1, 5, 0));
    // The row boundary itself is shared: both change.
    links({(b.x1 + b.x2) / 2, b.y});
    EXPECT_TRUE(gleich(z.SzeneTetraeder.A, 4, 0, 0) && gleich(z.SzeneTetraeder.B, 2, 5, 0));
    links({(d.x1 + d.x2) / 2, d.y + 20}); // the last point keeps its full 20 pixels
    EXPECT_TRUE(gleich(z.SzeneTetraeder.D, 0, -1, 0));
}

TEST_F(Editing, ColumnRowsAndTheThirdRowsReach) {
    z.SzeneGerade = {punkt(1, 2, 3), punkt(4, 5, 6), farbe::Gelb, "g:"};
    zeigen(Szenenart::Gerade);
    const ColumnAnchor r = s.anker.gerade[0][1];
    ASSERT_TRUE(r.gesetzt);
    links({r.rechts, r.y2 + 13});
    links({r.rechts, r.y2 + 14});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 4, 5, 7));
    // The boundary between the first two rows changes both; right of the column nothing.
    rechts({r.links, r.y1});
    rechts({r.rechts + 1, r.y1});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 3, 4, 7));
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 3));
    EXPECT_EQ(neuGezeichnet, 4);
}

TEST_F(Editing, LineThroughTwoPointsFallsBackToTheLastValidLine) {
    // Handed over with Q one step below P: the very first click makes Q = P and falls back to the
    // handed-over line.
    z.SzeneStrecke = {punkt(1, 2, 5, farbe::Rot, "P"), punkt(1, 2, 4, farbe::Rot, "Q"), farbe::Rot};
    Gerade_durch_2_Punkte(z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade);
    zeigen(Szenenart::Gerade2Punkte);
    links(punktOrt(s.anker.punkt[1], 2));
    EXPECT_TRUE(gleich(z.SzeneStrecke.A, 1, 2, 5) && gleich(z.SzeneStrecke.B, 1, 2, 4));
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 5) && gleich(z.SzeneGerade.Richtung, 0, 0, -1));
    EXPECT_EQ(z.SzeneGerade.Name, "g:");
    EXPECT_EQ(m.eintraege, Editierbox); // once, with one beep
    EXPECT_EQ(neuGezeichnet, 0);
    EXPECT_TRUE(hatText(s, "Q(1/2/4)"));

    // Q(1/2/3), then P lowered twice: P(1/2/4) is valid, P(1/2/3) = Q falls back to it.
    m.leeren();
    rechts(punktOrt(s.anker.punkt[1], 2));
    rechts(punktOrt(s.anker.punkt[0], 2));
    EXPECT_TRUE(m.eintraege.empty());
    rechts(punktOrt(s.anker.punkt[0], 2));
    EXPECT_TRUE(gleich(z.SzeneStrecke.A, 1, 2, 4) && gleich(z.SzeneStrecke.B, 1, 2, 3));
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 4));
    EXPECT_EQ(m.eintraege, Editierbox);
    EXPECT_EQ(neuGezeichnet, 2);
}

TEST_F(Editing, PlaneThroughThreePointsIsRebuiltOrRestored) {
    z.SzeneDreieck = {punkt(1, 0, 0, farbe::Gelb, "A"), punkt(0, 1, 0, farbe::Gelb, "B"),
                      punkt(0, 0, 2, farbe::Gelb, "C"), farbe::Aqua};
    Ebene_durch_3_Punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C, z.SzeneEbenePar);
    z.SzeneEbenePar.Name = "E: ";
    zeigen(Szenenart::Ebene3Punkte);

    // C(0/0/2) → C(0/0/3): the plane follows, named "E: " in the triangle's colour.
    links(punktOrt(s.anker.punkt[2], 2));
    EXPECT_TRUE(gleich(z.SzeneDreieck.C, 0, 0, 3));
    EXPECT_TRUE(gleich(z.SzeneEbenePar.Richtung2, 1, 0, -3)); // C − A = (-1/0/3), simplified
    EXPECT_EQ(std::tie(z.SzeneEbenePar.Name, z.SzeneEbenePar.Farbe),
              std::make_tuple("E: ", farbe::Aqua));

    // C(2/-1/1) is one click above A + (A − B) = (2/-1/0), which lies on the line AB.
    z.SzeneDreieck.C = punkt(2, -1, 1, farbe::Gelb, "C");
    e.Neue_Berechnung();
    const TPunkt gueltig = z.SzeneEbenePar.Richtung2;
    rechts(punktOrt(s.anker.punkt[2], 2));
    EXPECT_TRUE(gleich(z.SzeneDreieck.C, 2, -1, 1));
    EXPECT_TRUE(gleich(z.SzeneEbenePar.Richtung2, gueltig.x, gueltig.y, gueltig.z));
    EXPECT_EQ(m.eintraege, Editierbox);
    EXPECT_EQ(neuGezeichnet, 2);
    EXPECT_TRUE(hatText(s, "C(2/-1/1)"));
}

TEST_F(Editing, SphereThroughFourPointsIsHandedOverAgainOrLeftEmpty) {
    z = welt(); // A(3/0/0), B(0/5/0), C(0/0/6), D(-1/-1/0)
    bool geloest = false;
    Kugel_durch_4_Punkte(z.SzeneTetraeder.A, z.SzeneTetraeder.B, z.SzeneTetraeder.C,
                         z.SzeneTetraeder.D, geloest, z.SzeneKugel);
    ASSERT_TRUE(geloest);
    zeigen(Szenenart::Kugel4Punkte);
    std::vector<TViereck> uebergeben;
    e.Kugel4Punkte_uebergeben = [&](const TViereck& p, const TKugel& K) {
        uebergeben.push_back(p);
        z.SzeneKugel = K;
        zeigen(Szenenart::Kugel4Punkte);
    };
    links(punktOrt(s.anker.punkt[3], 0)); // D(-1/-1/0) → D(0/-1/0)
    ASSERT_EQ(uebergeben.size(), 1u);
    EXPECT_TRUE(gleich(uebergeben[0].D, 0, -1, 0));

    // C(0/0/6) → C(0/0/0): A, B, C, D all in the plane z = 0, so there is no sphere. Two beeps
    // (one of the task, one of the box) and the box once; the sheet stays empty.
    for (int i = 0; i < 6; ++i) {
        m.leeren();
        rechts(punktOrt(s.anker.punkt[2], 2));
    }
    EXPECT_TRUE(gleich(z.SzeneTetraeder.C, 0, 0, 0));
    EXPECT_EQ(uebergeben.size(), 6u);
    const std::vector<RecordingMessages::Eintrag> zweiPiep = {
        {"piep", ""}, {"piep", ""}, {"fehler", meldung::Editierfehler}};
    EXPECT_EQ(m.eintraege, zweiPiep);
    EXPECT_EQ(berichttest::texte(s), std::vector<std::string>{"Ergebnisse:"});
}

TEST_F(Editing, ARadiusOfZeroOrANegativeRadicandIsUndone) {
    z.SzeneKugel = {punkt(1, 2, 3, farbe::Gelb, "M"), 1, "K: ", farbe::Gelb};
    zeigen(Szenenart::Kugel);
    const auto vorher = s.protokoll().size();
    rechts(feldOrt(s.anker.kugelR[0]));
    EXPECT_EQ(z.SzeneKugel.r, 1);
    EXPECT_EQ(m.eintraege, Editierbox);
    EXPECT_EQ(neuGezeichnet, 0);
    EXPECT_EQ(s.protokoll().size(), vorher); // the sheet still shows the sphere
    links(feldOrt(s.anker.kugelR[0]));
    EXPECT_EQ(z.SzeneKugel.r, 2);

    // x² − (2/0/0)·x − c = 0 has r² = 1 + c.
    m.leeren();
    z.SzeneKugelV = {punkt(2, 0, 0, farbe::Gelb, "a"), 0.5, "K: ", farbe::Gelb};
    zeigen(Szenenart::KugelV);
    links(feldOrt(s.anker.kugelC[0])); // shown −c raised: c = −0.5, r² = 0.5
    EXPECT_EQ(z.SzeneKugelV.c, -0.5);
    EXPECT_TRUE(m.eintraege.empty());
    links(feldOrt(s.anker.kugelC[0])); // c = −1.5: undone
    EXPECT_EQ(z.SzeneKugelV.c, -0.5);
    EXPECT_EQ(m.eintraege, Editierbox);
}

TEST_F(Editing, AZeroDirectionReachesTheErrorAndTheNextClickWorks) {
    z.SzeneGerade = {punkt(1, 2, 3), punkt(1, 0, 0), farbe::Gelb, "g:"};
    zeigen(Szenenart::Gerade);
    EXPECT_THROW(rechts(spaltenOrt(s.anker.gerade[0][1], 0)), QuillonError);
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 0, 0, 0));
    // The half-written sheet still holds the line's numbers; clicking them works again.
    EXPECT_NO_THROW(links(spaltenOrt(s.anker.gerade[0][1], 0)));
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 1, 0, 0));
    EXPECT_TRUE(m.eintraege.empty());
}

// --- Which scene field a click changes, task by task ---

// Where to click, written short: "p1.2" point 1, coordinate 2; "g0.1.2" line 0, column 1,
// row 2; "e0.2.1" parameter plane 0, column 2, row 1; "n1.0" normal 1, row 0; "d1" constant 1;
// "m0.1" centre 0, row 1; "r0" radius 0; "a1.0" vector-form sphere 1, row 0; "c1" its constant;
// "v2.0" vector 2, row 0.
Ort ort(const Anchors& a, const std::string& wo) {
    int n[3] = {0, 0, 0};
    std::sscanf(wo.c_str() + 1, "%d.%d.%d", &n[0], &n[1], &n[2]);
    const char k = wo[0];
    if (k == 'p') return punktOrt(a.punkt[n[0]], n[1]);
    if (k == 'g') return spaltenOrt(a.gerade[n[0]][n[1]], n[2]);
    if (k == 'e') return spaltenOrt(a.ebenePar[n[0]][n[1]], n[2]);
    if (k == 'n') return spaltenOrt(a.normale[n[0]], n[1]);
    if (k == 'd') return feldOrt(a.d[n[0]]);
    if (k == 'm') return spaltenOrt(a.kugelM[n[0]], n[1]);
    if (k == 'r') return feldOrt(a.kugelR[n[0]]);
    if (k == 'a') return spaltenOrt(a.kugelA[n[0]], n[1]);
    if (k == 'c') return feldOrt(a.kugelC[n[0]]);
    if (k == 'v') return spaltenOrt(a.vek[n[0]], n[1]);
    ADD_FAILURE() << "unknown place " << wo;
    return {-1000, -1000};
}

// One click on an input number per object of each task; a left click raises the number by one,
// except a vector-form sphere's constant, which is shown as −c, so raising what is shown lowers c.
using Feld = double& (*)(Szene&);
struct Ziel {
    Szenenart art;
    const char* ort;
    Feld feld;
};
// clang-format off
#define Z(art, ort, feld) Ziel{Szenenart::art, ort, [](Szene& z) -> double& { return z.Szene##feld; }}
// clang-format on

TEST_F(Editing, EachTaskChangesTheStoreOfTheClickedNumberAndNothingElse) {
    // clang-format off
    const std::vector<Ziel> ziele = {
        Z(Punkt, "p0.1", Punkt.y), Z(Teilverhaeltnis, "p0.1", Teilpunkte[0].y),
        Z(Teilverhaeltnis, "p1.2", Teilpunkte[1].z), Z(Teilverhaeltnis, "p2.0", Teilpunkte[2].x),
        Z(Linie, "p0.0", Strecke.A.x), Z(Linie, "p1.2", Strecke.B.z),
        Z(Gerade2Punkte, "p0.1", Strecke.A.y), Z(Gerade2Punkte, "p1.0", Strecke.B.x),
        Z(Dreieck, "p0.1", Dreieck.A.y), Z(Dreieck, "p1.2", Dreieck.B.z),
        Z(Dreieck, "p2.0", Dreieck.C.x), Z(Ebene3Punkte, "p0.1", Dreieck.A.y),
        Z(Ebene3Punkte, "p1.2", Dreieck.B.z), Z(Ebene3Punkte, "p2.0", Dreieck.C.x),
        Z(Viereck, "p0.0", Viereck.A.x), Z(Viereck, "p1.1", Viereck.B.y),
        Z(Viereck, "p2.2", Viereck.C.z), Z(Viereck, "p3.0", Viereck.D.x),
        Z(Parallelogramm, "p0.0", Dreieck.A.x), Z(Parallelogramm, "p1.1", Dreieck.B.y),
        Z(Parallelogramm, "p2.2", Dreieck.C.z), Z(Tetraeder, "p0.1", Tetraeder.A.y),
        Z(Tetraeder, "p1.0", Tetraeder.B.x), Z(Tetraeder, "p2.0", Tetraeder.C.x),
        Z(Tetraeder, "p3.2", Tetraeder.D.z), Z(TetraederEbene, "p0.1", Tetraeder.A.y),
        Z(TetraederEbene, "p3.2", Tetraeder.D.z), Z(TetraederEbene, "n0.1", Ebene.Normale.y),
        Z(TetraederEbene, "d0", Ebene.d), Z(Gerade, "g0.0.0", Gerade.Stuetz.x),
        Z(Gerade, "g0.1.2", Gerade.Richtung.z), Z(GeradePunkt, "g0.0.1", Gerade.Stuetz.y),
        Z(GeradePunkt, "g0.1.0", Gerade.Richtung.x), Z(GeradePunkt, "p0.2", Punkt.z),
        Z(ZweiGeraden, "g0.0.2", Gerade1.Stuetz.z), Z(ZweiGeraden, "g0.1.0", Gerade1.Richtung.x),
        Z(ZweiGeraden, "g1.0.0", Gerade2.Stuetz.x), Z(ZweiGeraden, "g1.1.1", Gerade2.Richtung.y),
        Z(PunktZweiGeraden, "p0.0", Punkt.x), Z(PunktZweiGeraden, "g0.1.2", Gerade1.Richtung.z),
        Z(PunktZweiGeraden, "g1.0.1", Gerade2.Stuetz.y), Z(Ebene, "n0.0", Ebene.Normale.x),
        Z(Ebene, "d0", Ebene.d), Z(EbenePar, "e0.0.1", EbenePar.Stuetz.y),
        Z(EbenePar, "e0.1.2", EbenePar.Richtung1.z), Z(EbenePar, "e0.2.0", EbenePar.Richtung2.x),
        Z(EbenePunkt, "n0.2", Ebene.Normale.z), Z(EbenePunkt, "d0", Ebene.d),
        Z(EbenePunkt, "p0.1", Punkt.y), Z(EbeneParPunkt, "e0.1.0", EbenePar.Richtung1.x),
        Z(EbeneParPunkt, "p0.0", Punkt.x), Z(EbeneGerade, "d0", Ebene.d),
        Z(EbeneGerade, "g0.1.2", Gerade.Richtung.z), Z(EbeneParGerade, "e0.0.0", EbenePar.Stuetz.x),
        Z(EbeneParGerade, "g0.0.2", Gerade.Stuetz.z),
        Z(EbeneNormEbeneNorm, "n0.1", Ebene1.Normale.y), Z(EbeneNormEbeneNorm, "d0", Ebene1.d),
        Z(EbeneNormEbeneNorm, "n1.0", Ebene2.Normale.x), Z(EbeneNormEbeneNorm, "d1", Ebene2.d),
        Z(EbeneParEbenePar, "e0.2.2", EbenePar1.Richtung2.z),
        Z(EbeneParEbenePar, "e1.0.1", EbenePar2.Stuetz.y),
        Z(EbeneParEbeneNorm, "e0.0.0", EbenePar1.Stuetz.x),
        Z(EbeneParEbeneNorm, "n1.2", Ebene2.Normale.z), Z(EbeneParEbeneNorm, "d1", Ebene2.d),
        Z(Kugel, "m0.1", Kugel.M.y), Z(Kugel, "r0", Kugel.r), Z(KugelV, "a0.2", KugelV.a.z),
        Z(KugelV, "c0", KugelV.c), Z(KugelGerade, "r0", Kugel.r),
        Z(KugelGerade, "g0.1.1", Gerade.Richtung.y), Z(KugelVGerade, "c0", KugelV.c),
        Z(KugelVGerade, "g0.0.0", Gerade.Stuetz.x), Z(KugelPunkt, "m0.0", Kugel.M.x),
        Z(KugelPunkt, "p0.2", Punkt.z), Z(KugelVPunkt, "a0.1", KugelV.a.y),
        Z(KugelVPunkt, "p0.1", Punkt.y), Z(KugelEbene, "r0", Kugel.r),
        Z(KugelEbene, "n0.0", Ebene.Normale.x), Z(KugelEbene, "d0", Ebene.d),
        Z(EbeneNormKugelM, "m0.2", Kugel.M.z), Z(EbeneNormKugelM, "d0", Ebene.d),
        Z(KugelVEbeneNorm, "c0", KugelV.c), Z(KugelVEbeneNorm, "n0.1", Ebene.Normale.y),
        Z(KugelMEbenePar, "r0", Kugel.r), Z(KugelMEbenePar, "e0.2.2", EbenePar.Richtung2.z),
        Z(KugelVEbenePar, "a0.0", KugelV.a.x), Z(KugelVEbenePar, "e0.0.2", EbenePar.Stuetz.z),
        Z(KugelKugel, "m0.0", Kugel1.M.x), Z(KugelKugel, "r0", Kugel1.r),
        Z(KugelKugel, "m1.1", Kugel2.M.y), Z(KugelKugel, "r1", Kugel2.r),
        Z(KugelMKugelV, "r0", Kugel.r), Z(KugelMKugelV, "a1.0", KugelV.a.x),
        Z(KugelMKugelV, "c1", KugelV.c), Z(KugelVKugelV, "c0", KugelV1.c),
        Z(KugelVKugelV, "a1.2", KugelV2.a.z), Z(Kugel4Punkte, "p0.0", Tetraeder.A.x),
        Z(Kugel4Punkte, "p1.1", Tetraeder.B.y), Z(Kugel4Punkte, "p2.2", Tetraeder.C.z),
        Z(Kugel4Punkte, "p3.0", Tetraeder.D.x), Z(Skalarprodukt, "v0.0", Vek1.x),
        Z(Skalarprodukt, "v1.2", Vek2.z), Z(Vektorprodukt, "v1.1", Vek2.y),
        Z(LineareAbh2, "v0.2", Vek1.z), Z(Spatprodukt, "v2.0", Vek3.x),
        Z(LineareAbh3, "v0.1", Vek1.y), Z(LineareAbh3, "v2.2", Vek3.z),
        Z(LineareAbh4, "v1.0", Vek2.x), Z(LineareAbh4, "v3.1", Vek4.y)};
    // clang-format on
    // The sheet after the click must be the report of the scene with exactly that number changed
    // by hand (derived objects rebuilt the same way).
    Szene z2;
    Sheet s2{1400, 6000, farbig};
    SheetEditing e2{z2, s2, m};
    for (const Ziel& t : ziele) {
        SCOPED_TRACE("task " + std::to_string(static_cast<int>(t.art)) + " at " + t.ort);
        z = welt();
        zeigen(t.art);
        m.leeren();
        links(ort(s.anker, t.ort));
        z2 = welt();
        z2.art = t.art;
        t.feld(z2) += t.ort[0] == 'c' ? -1 : 1;
        e2.Neue_Berechnung();
        EXPECT_EQ(t.feld(z), t.feld(z2));
        EXPECT_EQ(berichttest::texte(s), berichttest::texte(s2));
        EXPECT_TRUE(m.eintraege.empty());
    }
}
#undef Z

} // namespace
