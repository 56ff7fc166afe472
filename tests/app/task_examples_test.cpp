// The 3-D examples: the scene kind of their task, their fixed records and the options they set;
// options they do not name keep the user's state.
#include "task_test_util.h"

namespace {

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
    {"Dreieck (Beispiel)", Szenenart::Dreieck2, "......"},
    {"2-dim. Geometrie/Ellipse/Mittelpunkt und Achsen/Beispiel", Szenenart::EllipseMab, "......"},
    {"2-dim. Geometrie/Ellipse/Exzentr. und Pukt/Beispiel", Szenenart::EllipseEP, "......"},
    {"2-dim. Geometrie/Ellipse/Halbachse und Tangente/Beispiel", Szenenart::EllipseAT, "......"},
    {"2-dim. Geometrie/Ellipse/Brennpunkte und Punkt/Beispiel", Szenenart::EllipseFFP, "......"},
    {"2-dim. Geometrie/Ellipse/Brennpunkt, Punkt und Tangente/Beispiel", Szenenart::EllipseFPT, "......"},
    {"2-dim. Geometrie/Ellipse/Brennpunkt und Tangente/Beispiel", Szenenart::EllipseFT, "......"},
    {"2-dim. Geometrie/Ellipse/Mittelpunkt und 2 Punkte/Beispiel", Szenenart::EllipseMPQ, "......"},
    {"2-dim. Geometrie/Ellipse/Mittelpunkt, Achse a und Tangente/Beispiel", Szenenart::EllipseMAT, "......"},
    {"2-dim. Geometrie/Ellipse/Lage: Ellipse-Punkt/Beispiel", Szenenart::EllipsePunkt, "......"},
    {"2-dim. Geometrie/Ellipse/Lage: Ellipse-Gerade/Beispiel", Szenenart::EllipseGerade, "......"},
    {"2-dim. Geometrie/Ellipse/Lage: Zwei Ellipsen/Beispiel", Szenenart::EllipseEllipse, "......"},
    {"Verschiebung", Szenenart::AffineAbbildung, "......"},
    {"Zentrische Streckung", Szenenart::AffineAbbildung, "......"},
    {"Punktspiegelung", Szenenart::AffineAbbildung, "......"},
    {"Parallelstreckung", Szenenart::AffineAbbildung, "......"},
    {"Schrägspiegelung", Szenenart::AffineAbbildung, "......"},
    {"Euler-Affinität", Szenenart::AffineAbbildung, "......"},
    {"Streckspiegelung", Szenenart::AffineAbbildung, "......"},
    {"Schubparallelstreckung", Szenenart::AffineAbbildung, "......"},
    {"Schubspiegelung", Szenenart::AffineAbbildung, "......"},
    {"Scherung", Szenenart::AffineAbbildung, "......"},
    {"Scherstreckung", Szenenart::AffineAbbildung, "......"},
    {"Schubscherung", Szenenart::AffineAbbildung, "......"},
    {"Drehung", Szenenart::AffineAbbildung, "......"},
    {"Drehstreckung", Szenenart::AffineAbbildung, "......"},
};
// clang-format on

bool Optionen::*const flags[] = {&Optionen::Spurpunkte,         &Optionen::Ursprungslotgeraden,
                                 &Optionen::Quaderdarstellung,  &Optionen::HilfsQuader,
                                 &Optionen::TetraederKanten,    &Optionen::KugelEbenenpunkte,
                                 &Optionen::Projektionsgeraden, &Optionen::Parameterdarstellung};

using TaskExamples = TaskFixture;

TEST_F(TaskExamples, EachExampleShowsItsTaskAndSetsOnlyItsOptions) {
    ASSERT_EQ(std::size(beispiele), exampleTable().size());
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.caption);
        for (bool start : {false, true}) {
            for (auto f : flags) optionen.*f = start;
            example(b.caption);
            EXPECT_EQ(szene.art, b.art);
            EXPECT_GT(sheet.zeilen().size(), 1u);
            // The last two options are never named by an example.
            for (int i = 0; i < 8; ++i) {
                const char c = i < 6 ? b.optionen[i] : '.';
                EXPECT_EQ(optionen.*flags[i], c == '.' ? start : c == '1')
                    << "option " << i << " from " << start;
            }
        }
    }
    EXPECT_TRUE(m.eintraege.empty());
}

// What an example reports stands in the report golden, beside its task's corpus row with the same
// values; here only that a second run in the same session reports the same.
TEST_F(TaskExamples, AnExampleReportsTheSameEachTime) {
    example("Kugel mit Ebene");
    const auto first = sheet.zeilen();
    example("Gerade");
    example("Kugel mit Ebene");
    EXPECT_EQ(sheet.zeilen(), first);
}

} // namespace
