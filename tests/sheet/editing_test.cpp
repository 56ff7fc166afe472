// Click editing on the sheet: the hit tests against the anchors of real reports, the one
// recomputation per click, the backups of the derived tasks and the undoing of invalid spheres.
// Click positions come from the anchors the reports recorded or from measured text widths.
#include "core/errors.h"
#include "core/messages.h"
#include "sheet/editing.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Ort {
    int X, Y;
};

// The middle of coordinate k (0..2) of a point line; the third coordinate is hit 3 pixels
// right of its start.
Ort imPunkt(const PunktAnker& a, int k) {
    const int X[3] = {(a.x1 + a.x2) / 2, (a.x2 + a.x3) / 2, a.x3 + 3};
    return {X[k], a.y + 5};
}
// The middle of row k of a column.
Ort inSpalte(const SpaltenAnker& a, int k) {
    const int oben[3] = {a.y0, a.y1, a.y2};
    const int unten[3] = {a.y1, a.y2, a.y3};
    return {(a.links + a.rechts) / 2, (oben[k] + unten[k]) / 2};
}
Ort imFeld(const FeldAnker& a) {
    return {(a.links + a.rechts) / 2, (a.oben + a.unten) / 2};
}

bool gleich(const TPunkt& p, double x, double y, double z) {
    return p.x == x && p.y == y && p.z == z;
}

const SheetText* finde(const Sheet& s, const std::string& text) {
    for (const SheetText& t : s.protokoll())
        if (t.text == text) return &t;
    return nullptr;
}
bool geschrieben(const Sheet& s, const std::string& text) {
    return finde(s, text) != nullptr;
}

struct Editing : ::testing::Test {
    bool farbig = true;
    Sheet s{1400, 6000, farbig};
    Szene z;
    RecordingMeldungen m;
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

const std::vector<RecordingMeldungen::Eintrag> Editierbox = {{"piep", ""},
                                                             {"fehler", meldung::Editierfehler}};

// --- Points ---

TEST_F(Editing, PointLineChangesTheClickedCoordinateAndRecomputes) {
    z.SzenePunkt = punkt(1, 2, 5, farbe::Rot, "P");
    zeigen(Szenenart::Punkt);
    const SheetText* t = finde(s, "P(1/2/5)");
    ASSERT_TRUE(t);
    // The "2": one character wide, right of "P(1/".
    const Ort zwei{t->x + s.textBreite("P(1/") + s.breiteM() / 2, t->y + s.h() / 2};

    links(zwei);
    EXPECT_TRUE(gleich(z.SzenePunkt, 1, 3, 5));
    EXPECT_TRUE(geschrieben(s, "P(1/3/5)"));
    EXPECT_FALSE(geschrieben(s, "P(1/2/5)"));
    EXPECT_EQ(neuGezeichnet, 1);
    EXPECT_TRUE(m.eintraege.empty());

    rechts(zwei);
    EXPECT_TRUE(gleich(z.SzenePunkt, 1, 2, 5));
    rechts(zwei);
    EXPECT_TRUE(gleich(z.SzenePunkt, 1, 1, 5));
    EXPECT_EQ(neuGezeichnet, 3);

    // The name belongs to the first coordinate.
    links({t->x + 1, t->y + 1});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 1, 5));
    EXPECT_EQ(z.SzenePunkt.Name, "P");
}

TEST_F(Editing, PointBoundsAreInclusive) {
    z.SzenePunkt = punkt(1, 2, 5, farbe::Rot, "P");
    zeigen(Szenenart::Punkt);
    const SheetText* t = finde(s, "P(1/2/5)");
    ASSERT_TRUE(t);
    // The boundary between x and y is the first "/": both change.
    const int grenze = t->x + s.textBreite("P(1");
    ASSERT_EQ(s.anker.punkt[0].x2, grenze);
    links({grenze, t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 3, 5));

    // 20 pixels below the line's top still hits, 21 does not; the task is recomputed anyway.
    const int x3 = t->x + s.textBreite("P(2/3/");
    ASSERT_EQ(s.anker.punkt[0].x3, x3);
    links({x3 + 1, t->y + 20});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 3, 6));
    links({x3 + 1, t->y + 21});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 3, 6));
    EXPECT_EQ(neuGezeichnet, 3);
    EXPECT_TRUE(geschrieben(s, "P(2/3/6)"));
    // The third coordinate reaches 20 pixels right of its start.
    links({x3 + 20, t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 3, 7));
    links({x3 + 21, t->y});
    EXPECT_TRUE(gleich(z.SzenePunkt, 2, 3, 7));
}

TEST_F(Editing, PointsOnConsecutiveRowsAreHitOneAtATime) {
    z.SzeneTetraeder = {punkt(3, 0, 0, 0, "A"), punkt(0, 5, 0, 0, "B"), punkt(0, 0, 6, 0, "C"),
                        punkt(-1, -1, 0, 0, "D"), farbe::Lime};
    zeigen(Szenenart::Tetraeder);
    const PunktAnker a = s.anker.punkt[0], b = s.anker.punkt[1];
    ASSERT_EQ(b.y, a.y + s.h());
    // Inside B's row, within 20 pixels of A's top: only B changes.
    links({(b.x1 + b.x2) / 2, b.y + 1});
    EXPECT_TRUE(gleich(z.SzeneTetraeder.A, 3, 0, 0));
    EXPECT_TRUE(gleich(z.SzeneTetraeder.B, 1, 5, 0));
    // The row boundary itself is shared: both change.
    links({(b.x1 + b.x2) / 2, b.y});
    EXPECT_TRUE(gleich(z.SzeneTetraeder.A, 4, 0, 0));
    EXPECT_TRUE(gleich(z.SzeneTetraeder.B, 2, 5, 0));
    // The last point keeps its full 20 pixels.
    const PunktAnker d = s.anker.punkt[3];
    links({(d.x1 + d.x2) / 2, d.y + 20});
    EXPECT_TRUE(gleich(z.SzeneTetraeder.D, 0, -1, 0));
}

// --- Columns and fields ---

TEST_F(Editing, ColumnRowsAndTheThirdRowsReach) {
    z.SzeneGerade = {punkt(1, 2, 3), punkt(4, 5, 6), farbe::Gelb, "g:"};
    zeigen(Szenenart::Gerade);
    const SpaltenAnker r = s.anker.gerade[0][1];
    ASSERT_TRUE(r.gesetzt);
    links({r.rechts, r.y2 + 13});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 4, 5, 7));
    links({r.rechts, r.y2 + 14});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 4, 5, 7));
    // The boundary between the first two rows changes both; right of the column nothing.
    rechts({r.links, r.y1});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 3, 4, 7));
    rechts({r.rechts + 1, r.y1});
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 3, 4, 7));
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 3));
    EXPECT_EQ(neuGezeichnet, 4);
}

// --- Derived objects ---

struct ZweiPunkte : Editing {
    void SetUp() override {
        Editing::SetUp();
        z.SzeneStrecke = {punkt(1, 2, 5, farbe::Rot, "P"), punkt(1, 2, 3, farbe::Rot, "Q"),
                          farbe::Rot};
        Gerade_durch_2_Punkte(z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade);
        zeigen(Szenenart::Gerade2Punkte);
    }
    Ort qz() { return imPunkt(s.anker.punkt[1], 2); }
};

TEST_F(ZweiPunkte, QRaisedUntilItMeetsPRestoresTheLastValidLine) {
    links(qz());
    EXPECT_TRUE(gleich(z.SzeneStrecke.B, 1, 2, 4));
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 0, 0, -1)); // Q − P
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 5));
    EXPECT_EQ(neuGezeichnet, 1);

    links(qz()); // Q = P: no line
    EXPECT_TRUE(gleich(z.SzeneStrecke.A, 1, 2, 5));
    EXPECT_TRUE(gleich(z.SzeneStrecke.B, 1, 2, 4));
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 0, 0, -1));
    EXPECT_EQ(m.eintraege, Editierbox); // once, with one beep
    EXPECT_EQ(neuGezeichnet, 1);
    // The restored points are on the sheet again, and clickable.
    EXPECT_TRUE(geschrieben(s, "Q(1/2/4)"));
    rechts(qz());
    EXPECT_TRUE(gleich(z.SzeneStrecke.B, 1, 2, 3));
}

TEST_F(ZweiPunkte, TheFirstInvalidClickFallsBackToTheHandedOverLine) {
    const TGerade gegeben = z.SzeneGerade;
    z.SzeneStrecke.B.z = 4;
    Gerade_durch_2_Punkte(z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade);
    zeigen(Szenenart::Gerade2Punkte);
    const TGerade uebergeben = z.SzeneGerade;
    ASSERT_FALSE(
        gleich(uebergeben.Richtung, gegeben.Richtung.x, gegeben.Richtung.y, gegeben.Richtung.z));

    links(qz());
    EXPECT_TRUE(gleich(z.SzeneStrecke.B, 1, 2, 4));
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 0, 0, -1));
    EXPECT_TRUE(gleich(z.SzeneGerade.Stuetz, 1, 2, 5));
    EXPECT_EQ(z.SzeneGerade.Name, "g:");
    EXPECT_EQ(m.eintraege, Editierbox);
}

TEST_F(Editing, PlaneThroughThreePointsIsRebuiltOrRestored) {
    z.SzeneDreieck = {punkt(1, 0, 0, farbe::Gelb, "A"), punkt(0, 1, 0, farbe::Gelb, "B"),
                      punkt(0, 0, 2, farbe::Gelb, "C"), farbe::Aqua};
    Ebene_durch_3_Punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C, z.SzeneEbenePar);
    z.SzeneEbenePar.Name = "E: ";
    zeigen(Szenenart::Ebene3Punkte);

    // C(0/0/2) → C(0/0/3): the plane follows, named "E: " in the triangle's colour.
    links(imPunkt(s.anker.punkt[2], 2));
    EXPECT_TRUE(gleich(z.SzeneDreieck.C, 0, 0, 3));
    EXPECT_TRUE(gleich(z.SzeneEbenePar.Stuetz, 1, 0, 0));
    EXPECT_TRUE(gleich(z.SzeneEbenePar.Richtung2, 1, 0, -3)); // C − A = (-1/0/3), simplified
    EXPECT_EQ(z.SzeneEbenePar.Name, "E: ");
    EXPECT_EQ(z.SzeneEbenePar.Farbe, farbe::Aqua);
    EXPECT_EQ(neuGezeichnet, 1);

    // C(2/-1/1) is one click above A + (A − B) = (2/-1/0), which lies on the line AB.
    z.SzeneDreieck.C = punkt(2, -1, 1, farbe::Gelb, "C");
    e.Neue_Berechnung();
    ASSERT_TRUE(m.eintraege.empty());
    const TEbene gueltig = z.SzeneEbenePar;
    rechts(imPunkt(s.anker.punkt[2], 2));
    EXPECT_TRUE(gleich(z.SzeneDreieck.C, 2, -1, 1));
    EXPECT_TRUE(gleich(z.SzeneEbenePar.Richtung2, gueltig.Richtung2.x, gueltig.Richtung2.y,
                       gueltig.Richtung2.z));
    EXPECT_EQ(m.eintraege, Editierbox);
    EXPECT_EQ(neuGezeichnet, 2);
    EXPECT_TRUE(geschrieben(s, "C(2/-1/1)"));
}

TEST_F(Editing, SphereThroughFourPointsIsHandedOverAgainOrLeftEmpty) {
    z.SzeneTetraeder = {punkt(3, 0, 0, 0, "A"), punkt(0, 5, 0, 0, "B"), punkt(0, 0, 6, 0, "C"),
                        punkt(-1, -1, 0, 0, "D"), farbe::Lime};
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

    // D(-1/-1/0) → D(0/-1/0).
    links(imPunkt(s.anker.punkt[3], 0));
    ASSERT_EQ(uebergeben.size(), 1u);
    EXPECT_TRUE(gleich(uebergeben[0].D, 0, -1, 0));
    EXPECT_TRUE(m.eintraege.empty());

    // C(0/0/6) → C(0/0/0): A, B, C, D all in the plane z = 0, so there is no sphere. Two beeps
    // (one of the task, one of the box) and the box once; the sheet stays empty.
    for (int i = 0; i < 6; ++i) {
        const Ort c = imPunkt(s.anker.punkt[2], 2);
        m.leeren();
        rechts(c);
    }
    EXPECT_TRUE(gleich(z.SzeneTetraeder.C, 0, 0, 0));
    EXPECT_EQ(uebergeben.size(), 6u);
    const std::vector<RecordingMeldungen::Eintrag> zweiPiep = {
        {"piep", ""}, {"piep", ""}, {"fehler", meldung::Editierfehler}};
    EXPECT_EQ(m.eintraege, zweiPiep);
    ASSERT_EQ(s.protokoll().size(), 1u);
    EXPECT_EQ(s.protokoll()[0].text, "Ergebnisse:");
}

// --- Spheres that would have no real radius ---

TEST_F(Editing, ARadiusOfZeroOrANegativeRadicandIsUndone) {
    z.SzeneKugel = {punkt(1, 2, 3, farbe::Gelb, "M"), 1, "K: ", farbe::Gelb};
    zeigen(Szenenart::Kugel);
    const auto vorher = s.protokoll().size();
    rechts(imFeld(s.anker.kugelR[0]));
    EXPECT_EQ(z.SzeneKugel.r, 1);
    EXPECT_EQ(m.eintraege, Editierbox);
    EXPECT_EQ(neuGezeichnet, 0);
    EXPECT_EQ(s.protokoll().size(), vorher); // the sheet still shows the sphere
    links(imFeld(s.anker.kugelR[0]));
    EXPECT_EQ(z.SzeneKugel.r, 2);

    // x² − (2/0/0)·x − c = 0 has r² = 1 + c.
    m.leeren();
    z.SzeneKugelV = {punkt(2, 0, 0, farbe::Gelb, "a"), 0.5, "K: ", farbe::Gelb};
    zeigen(Szenenart::KugelV);
    links(imFeld(s.anker.kugelC[0])); // shown −c raised: c = −0.5, r² = 0.5
    EXPECT_EQ(z.SzeneKugelV.c, -0.5);
    EXPECT_TRUE(m.eintraege.empty());
    links(imFeld(s.anker.kugelC[0])); // c = −1.5: undone
    EXPECT_EQ(z.SzeneKugelV.c, -0.5);
    EXPECT_EQ(m.eintraege, Editierbox);
}

// --- A plain object made degenerate ---

TEST_F(Editing, AZeroDirectionReachesTheErrorAndTheNextClickWorks) {
    z.SzeneGerade = {punkt(1, 2, 3), punkt(1, 0, 0), farbe::Gelb, "g:"};
    zeigen(Szenenart::Gerade);
    const Ort rx = inSpalte(s.anker.gerade[0][1], 0);
    EXPECT_THROW(rechts(rx), QuillonError);
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 0, 0, 0));
    // The half-written sheet still holds the line's numbers; clicking them works again.
    ASSERT_TRUE(s.anker.gerade[0][1].gesetzt);
    EXPECT_NO_THROW(links(inSpalte(s.anker.gerade[0][1], 0)));
    EXPECT_TRUE(gleich(z.SzeneGerade.Richtung, 1, 0, 0));
    EXPECT_TRUE(m.eintraege.empty());
}

// --- Which scene field a click changes, task by task ---

// Every task's inputs, valid and in general position, so that one step on any number keeps
// every report computable.
Szene welt() {
    Szene z;
    const TFarbe f = farbe::Gelb;
    z.SzenePunkt = punkt(1, 2, 5, f, "P");
    z.SzeneStrecke = {punkt(1, 0, 0, f, "P"), punkt(0, 2, 0, f, "Q"), f};
    z.SzeneTeilpunkte[0] = punkt(0, 0, 0, f, "A");
    z.SzeneTeilpunkte[1] = punkt(4, 0, 0, f, "B");
    z.SzeneTeilpunkte[2] = punkt(1, 0, 0, f, "T");
    z.SzeneDreieck = {punkt(3, 0, 0, f, "A"), punkt(0, 5, 0, f, "B"), punkt(0, 0, 6, f, "C"), f};
    z.SzeneViereck = {punkt(0, 0, 0, f, "A"), punkt(4, 0, 0, f, "B"), punkt(4, 3, 0, f, "C"),
                      punkt(0, 3, 1, f, "D"), f};
    z.SzeneTetraeder = {punkt(3, 0, 0, f, "A"), punkt(0, 5, 0, f, "B"), punkt(0, 0, 6, f, "C"),
                        punkt(-1, -1, 0, f, "D"), f};
    z.SzeneGerade = {punkt(1, 2, 3), punkt(1, 1, 0), f, "g:"};
    z.SzeneGerade1 = {punkt(1, 0, 0), punkt(0, 1, 0), f, "g:"};
    z.SzeneGerade2 = {punkt(0, 0, 1), punkt(1, 0, 1), f, "h:"};
    z.SzeneEbene = {punkt(1, 2, 2), 4, f, "E: "};
    z.SzeneEbene1 = {punkt(1, 0, 0), 1, f, "E1: "};
    z.SzeneEbene2 = {punkt(0, 1, 1), 2, f, "E2: "};
    z.SzeneEbenePar = {punkt(1, 0, 0), punkt(1, 1, 0), punkt(0, 1, 1), f, "E: "};
    z.SzeneEbenePar1 = {punkt(0, 0, 1), punkt(1, 0, 0), punkt(0, 1, 0), f, "E1: "};
    z.SzeneEbenePar2 = {punkt(1, 1, 1), punkt(1, 0, 1), punkt(0, 1, 0), f, "E2: "};
    z.SzeneKugel = {punkt(1, 2, 3, f, "M"), 3, "K: ", f};
    z.SzeneKugel1 = {punkt(0, 0, 0, f, "M1"), 2, "K1: ", f};
    z.SzeneKugel2 = {punkt(3, 0, 0, f, "M2"), 2, "K2: ", f};
    z.SzeneKugelV = {punkt(2, 4, 6, f, "a"), 2, "K: ", f};
    z.SzeneKugelV1 = {punkt(0, 0, 0, f, "a"), 4, "K1: ", f};
    z.SzeneKugelV2 = {punkt(6, 0, 0, f, "a"), 0, "K2: ", f};
    z.SzeneVek1 = punkt(1, 2, 3, f, "p");
    z.SzeneVek2 = punkt(0, 1, 4, f, "q");
    z.SzeneVek3 = punkt(5, 6, 0, f, "r");
    z.SzeneVek4 = punkt(1, 0, 1, f, "s");
    return z;
}

// Every number of the scene by name ("SzeneGerade1.Richtung.z").
std::vector<std::pair<std::string, double*>> zahlen(Szene& z) {
    const std::vector<std::pair<std::string, TPunkt*>> punkte = {
        {"SzenePunkt", &z.SzenePunkt},
        {"SzeneStrecke.A", &z.SzeneStrecke.A},
        {"SzeneStrecke.B", &z.SzeneStrecke.B},
        {"SzeneTeilpunkte0", &z.SzeneTeilpunkte[0]},
        {"SzeneTeilpunkte1", &z.SzeneTeilpunkte[1]},
        {"SzeneTeilpunkte2", &z.SzeneTeilpunkte[2]},
        {"SzeneDreieck.A", &z.SzeneDreieck.A},
        {"SzeneDreieck.B", &z.SzeneDreieck.B},
        {"SzeneDreieck.C", &z.SzeneDreieck.C},
        {"SzeneViereck.A", &z.SzeneViereck.A},
        {"SzeneViereck.B", &z.SzeneViereck.B},
        {"SzeneViereck.C", &z.SzeneViereck.C},
        {"SzeneViereck.D", &z.SzeneViereck.D},
        {"SzeneTetraeder.A", &z.SzeneTetraeder.A},
        {"SzeneTetraeder.B", &z.SzeneTetraeder.B},
        {"SzeneTetraeder.C", &z.SzeneTetraeder.C},
        {"SzeneTetraeder.D", &z.SzeneTetraeder.D},
        {"SzeneVek1", &z.SzeneVek1},
        {"SzeneVek2", &z.SzeneVek2},
        {"SzeneVek3", &z.SzeneVek3},
        {"SzeneVek4", &z.SzeneVek4}};
    std::vector<std::pair<std::string, double*>> v;
    auto p = [&](const std::string& n, TPunkt& P) {
        v.insert(v.end(), {{n + ".x", &P.x}, {n + ".y", &P.y}, {n + ".z", &P.z}});
    };
    for (auto& [n, P] : punkte) p(n, *P);
    for (int i = 0; i < 6; ++i)
        p("SzeneSchnittpunkte" + std::to_string(i), z.SzeneSchnittpunkte[i]);
    const std::string nr[3] = {"", "1", "2"};
    TGerade* g[3] = {&z.SzeneGerade, &z.SzeneGerade1, &z.SzeneGerade2};
    TEbene* e[3] = {&z.SzeneEbenePar, &z.SzeneEbenePar1, &z.SzeneEbenePar2};
    TEbeneNorm* en[3] = {&z.SzeneEbene, &z.SzeneEbene1, &z.SzeneEbene2};
    TKugel* k[3] = {&z.SzeneKugel, &z.SzeneKugel1, &z.SzeneKugel2};
    TKugelV* kv[3] = {&z.SzeneKugelV, &z.SzeneKugelV1, &z.SzeneKugelV2};
    for (int i = 0; i < 3; ++i) {
        p("SzeneGerade" + nr[i] + ".Stuetz", g[i]->Stuetz);
        p("SzeneGerade" + nr[i] + ".Richtung", g[i]->Richtung);
        p("SzeneEbenePar" + nr[i] + ".Stuetz", e[i]->Stuetz);
        p("SzeneEbenePar" + nr[i] + ".Richtung1", e[i]->Richtung1);
        p("SzeneEbenePar" + nr[i] + ".Richtung2", e[i]->Richtung2);
        p("SzeneEbene" + nr[i] + ".Normale", en[i]->Normale);
        v.push_back({"SzeneEbene" + nr[i] + ".d", &en[i]->d});
        p("SzeneKugel" + nr[i] + ".M", k[i]->M);
        v.push_back({"SzeneKugel" + nr[i] + ".r", &k[i]->r});
        p("SzeneKugelV" + nr[i] + ".a", kv[i]->a);
        v.push_back({"SzeneKugelV" + nr[i] + ".c", &kv[i]->c});
    }
    return v;
}

// Where to click, written short: "p1.2" point 1, coordinate 2; "g0.1.2" line 0, column 1,
// row 2; "e0.2.1" parameter plane 0, column 2, row 1; "n1.0" normal 1, row 0; "d1" constant 1;
// "m0.1" centre 0, row 1; "r0" radius 0; "a1.0" vector-form sphere 1, row 0; "c1" its constant;
// "v2.0" vector 2, row 0.
Ort ort(const Ankerbuch& a, const std::string& wo) {
    int n[3] = {0, 0, 0};
    std::sscanf(wo.c_str() + 1, "%d.%d.%d", &n[0], &n[1], &n[2]);
    switch (wo[0]) {
    case 'p':
        return imPunkt(a.punkt[n[0]], n[1]);
    case 'g':
        return inSpalte(a.gerade[n[0]][n[1]], n[2]);
    case 'e':
        return inSpalte(a.ebenePar[n[0]][n[1]], n[2]);
    case 'n':
        return inSpalte(a.normale[n[0]], n[1]);
    case 'd':
        return imFeld(a.d[n[0]]);
    case 'm':
        return inSpalte(a.kugelM[n[0]], n[1]);
    case 'r':
        return imFeld(a.kugelR[n[0]]);
    case 'a':
        return inSpalte(a.kugelA[n[0]], n[1]);
    case 'c':
        return imFeld(a.kugelC[n[0]]);
    case 'v':
        return inSpalte(a.vek[n[0]], n[1]);
    }
    ADD_FAILURE() << "unknown place " << wo;
    return {-1000, -1000};
}

struct Aufgabe {
    Szenenart art;
    std::string abgeleitet; // a store the recomputation rebuilds (not an input), or ""
    std::string ziele;      // "field@place ..." : one click each, raising exactly that field
};

TEST_F(Editing, EachTaskChangesTheStoreOfTheClickedObject) {
    using A = Szenenart;
    const std::vector<Aufgabe> aufgaben = {
        {A::Punkt, "", "SzenePunkt.y@p0.1"},
        {A::Teilverhaeltnis, "",
         "SzeneTeilpunkte0.y@p0.1 SzeneTeilpunkte1.z@p1.2 SzeneTeilpunkte2.x@p2.0"},
        {A::Linie, "", "SzeneStrecke.A.x@p0.0 SzeneStrecke.B.z@p1.2"},
        {A::Gerade2Punkte, "SzeneGerade.", "SzeneStrecke.A.y@p0.1 SzeneStrecke.B.x@p1.0"},
        {A::Dreieck, "", "SzeneDreieck.A.y@p0.1 SzeneDreieck.B.z@p1.2 SzeneDreieck.C.x@p2.0"},
        {A::Ebene3Punkte, "SzeneEbenePar.",
         "SzeneDreieck.A.y@p0.1 SzeneDreieck.B.z@p1.2 SzeneDreieck.C.x@p2.0"},
        {A::Viereck, "",
         "SzeneViereck.A.x@p0.0 SzeneViereck.B.y@p1.1 SzeneViereck.C.z@p2.2 "
         "SzeneViereck.D.x@p3.0"},
        {A::Parallelogramm, "SzeneViereck.",
         "SzeneDreieck.A.x@p0.0 SzeneDreieck.B.y@p1.1 SzeneDreieck.C.z@p2.2"},
        {A::Tetraeder, "",
         "SzeneTetraeder.A.y@p0.1 SzeneTetraeder.B.x@p1.0 SzeneTetraeder.C.x@p2.0 "
         "SzeneTetraeder.D.z@p3.2"},
        {A::TetraederEbene, "SzeneSchnittpunkte",
         "SzeneTetraeder.A.y@p0.1 SzeneTetraeder.D.z@p3.2 SzeneEbene.Normale.y@n0.1 "
         "SzeneEbene.d@d0"},
        {A::Gerade, "", "SzeneGerade.Stuetz.x@g0.0.0 SzeneGerade.Richtung.z@g0.1.2"},
        {A::GeradePunkt, "",
         "SzeneGerade.Stuetz.y@g0.0.1 SzeneGerade.Richtung.x@g0.1.0 SzenePunkt.z@p0.2"},
        {A::ZweiGeraden, "",
         "SzeneGerade1.Stuetz.z@g0.0.2 SzeneGerade1.Richtung.x@g0.1.0 "
         "SzeneGerade2.Stuetz.x@g1.0.0 SzeneGerade2.Richtung.y@g1.1.1"},
        {A::PunktZweiGeraden, "",
         "SzenePunkt.x@p0.0 SzeneGerade1.Richtung.z@g0.1.2 SzeneGerade2.Stuetz.y@g1.0.1"},
        {A::Ebene, "", "SzeneEbene.Normale.x@n0.0 SzeneEbene.d@d0"},
        {A::EbenePar, "",
         "SzeneEbenePar.Stuetz.y@e0.0.1 SzeneEbenePar.Richtung1.z@e0.1.2 "
         "SzeneEbenePar.Richtung2.x@e0.2.0"},
        {A::EbenePunkt, "", "SzeneEbene.Normale.z@n0.2 SzeneEbene.d@d0 SzenePunkt.y@p0.1"},
        {A::EbeneParPunkt, "", "SzeneEbenePar.Richtung1.x@e0.1.0 SzenePunkt.x@p0.0"},
        {A::EbeneGerade, "", "SzeneEbene.d@d0 SzeneGerade.Richtung.z@g0.1.2"},
        {A::EbeneParGerade, "", "SzeneEbenePar.Stuetz.x@e0.0.0 SzeneGerade.Stuetz.z@g0.0.2"},
        {A::EbeneNormEbeneNorm, "",
         "SzeneEbene1.Normale.y@n0.1 SzeneEbene1.d@d0 SzeneEbene2.Normale.x@n1.0 "
         "SzeneEbene2.d@d1"},
        {A::EbeneParEbenePar, "",
         "SzeneEbenePar1.Richtung2.z@e0.2.2 SzeneEbenePar2.Stuetz.y@e1.0.1"},
        {A::EbeneParEbeneNorm, "",
         "SzeneEbenePar1.Stuetz.x@e0.0.0 SzeneEbene2.Normale.z@n1.2 SzeneEbene2.d@d1"},
        {A::Kugel, "", "SzeneKugel.M.y@m0.1 SzeneKugel.r@r0"},
        {A::KugelV, "", "SzeneKugelV.a.z@a0.2 SzeneKugelV.c@c0"},
        {A::KugelGerade, "", "SzeneKugel.r@r0 SzeneGerade.Richtung.y@g0.1.1"},
        {A::KugelVGerade, "", "SzeneKugelV.c@c0 SzeneGerade.Stuetz.x@g0.0.0"},
        {A::KugelPunkt, "", "SzeneKugel.M.x@m0.0 SzenePunkt.z@p0.2"},
        {A::KugelVPunkt, "", "SzeneKugelV.a.y@a0.1 SzenePunkt.y@p0.1"},
        {A::KugelEbene, "", "SzeneKugel.r@r0 SzeneEbene.Normale.x@n0.0 SzeneEbene.d@d0"},
        {A::EbeneNormKugelM, "", "SzeneKugel.M.z@m0.2 SzeneEbene.d@d0"},
        {A::KugelVEbeneNorm, "", "SzeneKugelV.c@c0 SzeneEbene.Normale.y@n0.1"},
        {A::KugelMEbenePar, "", "SzeneKugel.r@r0 SzeneEbenePar.Richtung2.z@e0.2.2"},
        {A::KugelVEbenePar, "", "SzeneKugelV.a.x@a0.0 SzeneEbenePar.Stuetz.z@e0.0.2"},
        {A::KugelKugel, "",
         "SzeneKugel1.M.x@m0.0 SzeneKugel1.r@r0 SzeneKugel2.M.y@m1.1 SzeneKugel2.r@r1"},
        {A::KugelMKugelV, "", "SzeneKugel.r@r0 SzeneKugelV.a.x@a1.0 SzeneKugelV.c@c1"},
        {A::KugelVKugelV, "", "SzeneKugelV1.c@c0 SzeneKugelV2.a.z@a1.2"},
        {A::Kugel4Punkte, "SzeneKugel.",
         "SzeneTetraeder.A.x@p0.0 SzeneTetraeder.B.y@p1.1 SzeneTetraeder.C.z@p2.2 "
         "SzeneTetraeder.D.x@p3.0"},
        {A::Skalarprodukt, "", "SzeneVek1.x@v0.0 SzeneVek2.z@v1.2"},
        {A::Vektorprodukt, "", "SzeneVek2.y@v1.1"},
        {A::LineareAbh2, "", "SzeneVek1.z@v0.2"},
        {A::Spatprodukt, "", "SzeneVek3.x@v2.0"},
        {A::LineareAbh3, "", "SzeneVek1.y@v0.1 SzeneVek3.z@v2.2"},
        {A::LineareAbh4, "", "SzeneVek2.x@v1.0 SzeneVek4.y@v3.1"},
    };

    for (const Aufgabe& a : aufgaben) {
        std::istringstream ziele(a.ziele);
        for (std::string ziel; ziele >> ziel;) {
            const std::string feld = ziel.substr(0, ziel.find('@'));
            SCOPED_TRACE("task " + std::to_string(static_cast<int>(a.art)) + ": " + ziel);
            z = welt();
            zeigen(a.art);
            std::vector<double> vorher;
            for (auto& [n, w] : zahlen(z)) vorher.push_back(*w);
            m.leeren();

            links(ort(s.anker, ziel.substr(ziel.find('@') + 1)));

            const auto nachher = zahlen(z);
            std::vector<std::string> geaendert;
            for (std::size_t i = 0; i < nachher.size(); ++i) {
                const std::string& n = nachher[i].first;
                if (*nachher[i].second == vorher[i]) continue;
                if (!a.abgeleitet.empty() && n.rfind(a.abgeleitet, 0) == 0) continue;
                geaendert.push_back(n);
                // A vector-form sphere's constant is shown as −c: raising what is shown lowers c.
                const bool gezeigtNegiert = ziel.find("@c") != std::string::npos;
                if (n == feld) {
                    EXPECT_EQ(*nachher[i].second, vorher[i] + (gezeigtNegiert ? -1 : 1));
                }
            }
            EXPECT_EQ(geaendert, std::vector<std::string>{feld});
            EXPECT_TRUE(m.eintraege.empty());
        }
    }
}

} // namespace
