// The 3-D examples: the scene kind of their task, their fixed records and the options they set;
// options they do not name keep the user's state.
#include "task_test_util.h"

namespace {

constexpr TFarbe gelb = 0x00FFFF, lime = 0x00FF00, aqua = 0xFFFF00;

struct Beispiel {
    const char* caption;
    Szenenart art;
    // Options after the example, starting from all off ('-') resp. all on ('+'):
    // Spurpunkte, Ursprungslotgeraden, Quaderdarstellung, HilfsQuader, TetraederKanten,
    // KugelEbenenpunkte; '1' on, '0' off, '.' unchanged.
    const char* optionen;
};

// clang-format off
const Beispiel beispiele[] = {
    {"Punkt", Szenenart::Punkt, "......"},
    {"Strecke", Szenenart::Linie, "......"},
    {"Dreieck", Szenenart::Dreieck, "......"},
    {"Tetraeder", Szenenart::Tetraeder, "....1."},
    {"Tetraeder mit Ebene", Szenenart::TetraederEbene, "..111."},
    {"Gerade", Szenenart::Gerade, "11...."},
    {"Gerade mit Punkt", Szenenart::GeradePunkt, "10...."},
    {"Gerade mit Gerade", Szenenart::ZweiGeraden, "11...."},
    {"Punkt, zwei Geraden", Szenenart::PunktZweiGeraden, "10...."},
    {"Ebene", Szenenart::Ebene, "..11.."},
    {"Ebene mit Punkt", Szenenart::EbenePunkt, "..11.."},
    {"Ebene mit Gerade", Szenenart::EbeneGerade, "1011.."},
    {"Ebene mit Ebene", Szenenart::EbeneNormEbeneNorm, "..11.."},
    {"Kugel", Szenenart::Kugel, ".....1"},
    {"Kugel mit Gerade", Szenenart::KugelGerade, "10...1"},
    {"Kugel mit Punkt", Szenenart::KugelPunkt, ".....1"},
    {"Kugel mit Ebene", Szenenart::KugelEbene, "..11.1"},
    {"Kugel mit Kugel", Szenenart::KugelKugel, ".....1"},
    {"Skalarprodukt", Szenenart::Skalarprodukt, "......"},
    {"Vektorprodukt", Szenenart::Vektorprodukt, "......"},
    {"Spatprodukt", Szenenart::Spatprodukt, "......"},
};
// clang-format on

bool Optionen::*const flags[] = {&Optionen::Spurpunkte,        &Optionen::Ursprungslotgeraden,
                                 &Optionen::Quaderdarstellung, &Optionen::HilfsQuader,
                                 &Optionen::TetraederKanten,   &Optionen::KugelEbenenpunkte};

using TaskExamples = TaskFixture;

TEST_F(TaskExamples, EachExampleShowsItsTaskAndSetsOnlyItsOptions) {
    ASSERT_EQ(std::size(beispiele), exampleTable().size());
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.caption);
        for (bool start : {false, true}) {
            for (auto f : flags) optionen.*f = start;
            optionen.Projektionsgeraden = start;
            optionen.Parameterdarstellung = start;
            example(b.caption);
            EXPECT_EQ(szene.art, b.art);
            EXPECT_GT(sheet.zeilen().size(), 1u);
            for (int i = 0; i < 6; ++i) {
                const char c = b.optionen[i];
                const bool expected = c == '.' ? start : c == '1';
                EXPECT_EQ(optionen.*flags[i], expected) << "option " << i << " from " << start;
            }
            EXPECT_EQ(optionen.Projektionsgeraden, start);
            EXPECT_EQ(optionen.Parameterdarstellung, start);
        }
    }
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(TaskExamples, RecordsOfSomeExamples) {
    example("Punkt, zwei Geraden");
    expectPunkt(szene.SzenePunkt, -4, 3, 3, gelb, "P");
    expectPunkt(szene.SzeneGerade1.Stuetz, 1, -1, 0, gelb, "P");
    expectPunkt(szene.SzeneGerade1.Richtung, 1, 2, 1, aqua, "A");
    EXPECT_EQ(szene.SzeneGerade1.Farbe, aqua);
    EXPECT_EQ(szene.SzeneGerade2.Name, "h:");
    expectPunkt(szene.SzeneGerade2.Richtung, -1, 2, 0, lime, "B");

    example("Tetraeder mit Ebene");
    expectPunkt(szene.SzeneTetraeder.D, -1, -1, 0, lime, "D");
    EXPECT_EQ(szene.SzeneEbene.Name, "Ebene E: ");
    EXPECT_EQ(szene.SzeneEbene.d, 2);
    EXPECT_EQ(szene.SzeneEbene.Farbe, gelb);

    example("Kugel mit Kugel");
    EXPECT_EQ(szene.SzeneKugel1.Name, "K1: ");
    EXPECT_EQ(szene.SzeneKugel1.r, 3);
    expectPunkt(szene.SzeneKugel2.M, 0, 6, 0, lime, "M2");
    EXPECT_EQ(szene.SzeneKugel2.Farbe, lime);

    example("Strecke");
    expectPunkt(szene.SzeneStrecke.B, 6, 7, 8, aqua, "B");
    EXPECT_EQ(szene.SzeneStrecke.Farbe, aqua);

    // The vector examples write the operands of the vector tasks.
    example("Spatprodukt");
    expectPunkt(szene.SzeneVek1, 2, 2, 0, gelb, "p");
    expectPunkt(szene.SzeneVek2, 8, 9, 4, lime, "q");
    expectPunkt(szene.SzeneVek3, -1, 3, 5, aqua, "r");
    example("Vektorprodukt");
    expectPunkt(szene.SzeneVek1, 2, 2, -1, gelb, "p");
}

TEST_F(TaskExamples, SameExampleTwiceGivesTheSameSheet) {
    example("Kugel mit Ebene");
    const auto first = sheet.zeilen();
    example("Gerade");
    example("Kugel mit Ebene");
    EXPECT_EQ(sheet.zeilen(), first);
    // An example reports what its task reports for the same values typed in.
    example("Ebene");
    const auto beispiel = sheet.zeilen();
    run("inNormalenform1Click", felder("1 -2 1 3"));
    EXPECT_EQ(sheet.zeilen(), beispiel);
    example("Gerade mit Gerade");
    const auto zwei = sheet.zeilen();
    run("GerademitGerade1Click", felder("1 4 3 -1 2 1 -6 2 3 -1 4 -3"));
    EXPECT_EQ(sheet.zeilen(), zwei);
}

} // namespace
