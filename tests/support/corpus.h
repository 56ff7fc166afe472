#pragma once
// A corpus of 3-D tasks, each with inputs that reach one case of its report and drawing, run as
// the headless runner runs them; and the comparison of what they wrote with a golden file. The
// golden files were checked by hand against the values worked out in the comments below; after
// a deliberate change of output, QUILLON_UPDATE_GOLDEN=1 rewrites them and git shows the diff.
#include "app/examples.h"
#include "app/headless_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A task with the texts typed into its dialog, or with handler "#" the example named by fields.
struct CorpusCase {
    std::string handler, fields;
};
// Rows of the table below: a task with one or more inputs, separated by "|".
struct CorpusRow {
    const char* handler;
    const char* inputs;
};

// clang-format off
inline const std::vector<CorpusCase>& corpus() {
    static const CorpusRow zeilen[] = {
        // |OP| = 3; cos alpha = 1/3, cos beta = cos gamma = 2/3. P = O divides by |OP| = 0.
        {"Punkt1Click", "1 2 2 | 0 0 0 | 0 1e12 0"}, // the last beyond the pixel range
        // Length 6, midpoint (1, 2, 2) on the row of the length.
        {"Linie2Click", "0 0 0 2 4 4"},
        // tau = 1/3, T´ = (-1, 0, 0); T beyond B (3 : 1): T´ = (1.5, 0, 0); the midpoint has no
        // T´; T off AB divides nothing; T = B has no ratio (error).
        // Decimal: (0.4, 0, 0) is the midpoint of (0.1, 0, 0) and (0.7, 0, 0), no T´ near 1.4e15.
        {"Teilverhltnis1Click", "0 0 0 2 0 0 0.5 0 0 | 0 0 0 2 0 0 3 0 0 | 0 0 0 2 0 0 1 0 0 | "
         "0 0 0 2 0 0 1 1 0 | 0 0 0 2 0 0 2 0 0 | 0.1 0 0 0.7 0 0 0.4 0 0"},
        // 3-4-5 triangle: area 6, S(1.333/1/0), feet Ha(1.44/1.92/0), Hb = Hc = A.
        {"Dreieck1Click", "0 0 0 4 0 0 0 3 0 | 2 0 0 0 3 0 0 0 5"},
        // B = C: a side without a foot; the altitude through Hb = C has no direction.
        {"Dreieck1Click", "2 0 0 1 1 1 1 1 1"},
        // Unit square (everything), rhombus (sides 5, area 20), trapezium, points on a line,
        // A = B, skew diagonals (distance 1/√6, feet (0.5/0.5/0) and (2/3, 1/3, 1/3)).
        {"Viereck1Click", "0 0 0 1 0 0 1 1 0 0 1 0 | 0 0 0 5 0 0 8 4 0 3 4 0 | "
         "0 0 0 4 0 0 3 2 0 1 2 0 | 0 0 0 1 0 0 2 0 0 3 0 0 | 0 0 0 0 0 0 1 1 0 0 1 0 | "
         "0 0 0 1 0 0 1 1 0 0 1 1 | 4 1 0 0 6 2 0 1 7 2 -3 6"},
        // D = A + C − B = (1, 1, 0), area 2.
        // Decimal points of one line are no parallelogram (it was "sogar Raute" with area 0).
        {"fehlendePunkte1Click", "0 0 0 2 0 0 3 1 0 | 0.1 0.2 0.3 1.3 2.6 3.9 0.7 1.4 2.1"},
        // BCD equilateral with side √2: area 0.866; volume 1/6; foot from A (1/3, 1/3, 1/3).
        {"Tetraeder1Click", "0 0 0 1 0 0 0 1 0 0 0 1 | 1 0 0 1 4 0 0 2 0 1 1 4"},
        // x3 = 0.5 is parallel to AB, BC, AC and halves BD, AD, CD.
        {"TetraedermitEbene2Click", "0 0 0 1 0 0 0 1 0 0 0 1 0 0 1 0.5 | "
         "3 0 0 0 5 0 0 0 6 -1 -1 0 0 0 1 2"},
        // Through the origin: angles 41.810, 19.471, 41.810; foot of the perpendicular (1, 1, 0).
        {"Gerade1Click", "0 0 0 1 2 2 | 2 0 0 -1 1 0 | 1 2 -1 1 -1 2 | 0 2 1 1 0 0"},
        // Projection lines 6y - 5z = -3 and so on; trace points S23(0/-1/5), S13(0.5/0/5).
        {"Gerade1Click", "1 2 3 4 5 6 | 1 1 5 1 2 0"},
        // Short and tiny directions: 34 steps each way, or one segment to the box; a direction
        // beyond the pixel range.
        {"Gerade1Click", "0 0 0 0.3 0 0 | 0 1 0 1e-9 0 0 | 0 1 0 1e-3 0 0 | 0 1 0 1e-300 0 0 | "
         "0 0 0 1e300 0 0"},
        {"Geradeaus2Punkten1Click", "1 2 3 3 6 9 | 3 2 1 1 4 3"},
        // Foot (1, 2, 0) at distance 2, mirror point (-1, 2, 0); then a point on the line.
        {"GerademitPunkt1Click", "1 0 0 0 1 0 3 2 0 | 1 0 0 0 1 0 1 5 0 | 2 2 2 -1 2 1 2 2 8"},
        // Skew (perpendicular from (0,0,0) to (0,1,0)), parallel at √(13/14) = 0.964, identical,
        // intersecting in (2, 0, 0) under 45°. Decimal: the same line with another support point
        // is identical (it was parallel at 0.000).
        {"GerademitGerade1Click", "18.9 2.25 0 0.3 0.7 1.1 21 7.15 7.7 0.6 1.4 2.2 | "
         "0 0 0 1 0 0 0 1 1 0 0 1 | 0 0 0 1 2 3 1 0 0 -1 -2 -3 | "
         "0 0 0 1 2 3 2 4 6 2 4 6 | 0 0 0 1 0 0 2 0 0 1 1 0 | 1 4 3 -1 2 1 -6 2 3 -1 4 -3"},
        // The plane of P and g1 is x2 = 0; g2 meets it in (4, 0, -2), f meets g1 in (2, 0, 0).
        // Then P on g1, and g2 parallel to that plane. Decimal: g2 skew and parallel to the plane
        // of P and g1 is never "parallel".
        {"GeradeGeradePunkt1Click", "0.25 0 2.5 0 0 0 1.5 0 0 0 1.5 0 0 0 0.7 | "
         "0 0 2 0 0 0 1 0 0 4 1 -1 0 1 1 | "
         "3 0 0 0 0 0 1 0 0 4 1 -1 0 1 1 | 0 0 2 0 0 0 1 0 0 0 1 0 0 0 1 | "
         "-4 3 3 1 -1 0 1 2 1 0 0 2 -1 2 0"},
        // x1 - 2x2 + x3 = 0 through the origin; (6,0,0) + r(-2,1,0) + s(-2,0,1) is x1 + 2x2 + 2x3
        // = 6 at distance 2; A = 0, B, C give the normal (1, -2, 1).
        {"inNormalenform1Click", "1 -2 1 0 | 1 2 3 4"},
        // Parallel to the x1x2-plane: no s12 and no S1, S2. Angles 45, 90, 45 with the planes.
        {"inNormalenform1Click", "0 0 2 4 | 1 0 1 0"},
        // Cube sections: corners on the outer faces; the search goes on to the fourth box; a
        // plane missing the cube; a plane through a box edge; one found in the third box. Patch
        // directions scaled 10 → 2.401.
        {"inNormalenform1Click", "1 1 1 20 | 0 0 1 -4 | 1 0 0 50 | 1 1 0 0 | 1 1 0 -12"},
        {"inParameterform1Click", "0 0 0 10 0 0 0 1 0 | 6 0 0 -2 1 0 -2 0 1"},
        {"Ebenedurch3Punkte1Click", "0 0 0 2 4 6 0 3 6"},
        // x3 = 2 and P = (1, 2, 5): distance 3, foot (1, 2, 2), mirror point and plane at -1.
        {"EbeneinNormalenform2Click", "0 0 1 2 1 2 5"},
        {"EbeneinParameterform2Click", "0 0 2 1 0 0 0 1 0 1 2 5"},
        // x1 + x2 = 0 cut in S = (0, 0, -2) under 30°, mirror line through (0, -2, 0); a line
        // parallel to x3 = 2 at distance 2; a line in the plane.
        {"EbeneinNormalenform3Click", "2 0 0 1 0 1 1 1 0 0 | 1 1 0 1 0 0 0 0 1 2 | "
         "1 1 2 1 0 0 0 0 1 2"},
        {"EbeneinParameterform3Click", "1 1 0 1 0 0 0 0 2 1 0 0 0 1 0 | "
         "2 2 2 -1 2 1 3 0 0 1 1 0 -1 0 1"},
        // x1 + x2 = 2 and x1 - x2 = 0 meet at right angles in (1,1,1) + r(0,0,-1); parallel at
        // distance 2; identical.
        {"beideinNormalenform1Click", "1 1 0 2 1 -1 0 0 | 1 0 0 1 -1 0 0 1 | 1 1 0 2 2 2 0 4"},
        {"ParameterNormalenform1Click", "2 0 0 -1 1 0 0 0 1 1 -1 0 0"},
        {"beideinParameterform1Click", "2 0 0 -1 1 0 0 0 1 0 0 0 1 1 0 0 0 1 | "
         "3 0 0 1 1 0 -1 0 1 0 0 1 1 0 0 0 1 0"},
        // m = a/2 = (1, 2, 3), r = 2: circles in x1 = 0 and x2 = 0 only, |m| = 3.742.
        {"KugelinVektorform3Click", "2 4 6 -10"},
        {"KugelinMittelpunktsform2Click", "1 2 3 2"},
        // c = 0 is written "+0", not the "+-0" of a negated zero.
        {"KugelinVektorform3Click", "2 0 0 0"},
        // Dotted outside the positive quarters; wholly in the first octant; |m.z| > r.
        {"KugelinMittelpunktsform2Click", "-5 0 0 1 | 2 2 2 1 | 1 2 5 3"},
        // m = (1,1,1), r = 3. P = (1,1,6): polar plane x3 = 2.8, circle radius 2.4, area
        // 18.096, cone volume 19.302. P on the sphere: tangent plane x3 = 4. P inside. P = m.
        {"KugelinMittelpunktsform3Click", "1 1 6 1 1 1 3 | 1 1 4 1 1 1 3 | 1 1 2 1 1 1 3"},
        {"KugelinVektorform4Click", "1 1 1 2 2 2 6"},
        // r = 5 at the origin; g at distance 3 meets it in (±4, 3, 0); at 5.00001 it touches;
        // through M. A line 10 from the centre: touching points (0, ±4.33, 2.5).
        {"KugelinMittelpunksform1Click", "-10 3 0 1 0 0 0 0 0 5 | -10 5.00001 0 1 0 0 0 0 0 5 | "
         "-10 0 0 1 0 0 0 0 0 5"},
        {"KugelinVektorform2Click", "0 0 10 1 0 0 0 0 0 25"},
        {"KugelinMittelpunksform1Click", "-5 3 0 1 0 0 0 0 0 1"},
        {"KugelinVektorform2Click", "2 2 2 -1 2 1 0 4 0 10"},
        // m = (1,1,1), r = 5. x3 = 4: circle (1,1,4) radius 4, area 50.265, pole (1,1,9.333),
        // cone 89.361. x3 = 6 touches. x3 = 7 misses, pole inside. x3 = 1 through m.
        // Radius 2 at 0 with x3 = 1: pole (0, 0, 4).
        // Decimal, m = (1.04, -2.51, -2.26), r = 0.3: n = (-1, 4, 8), |n| = 9, d = n·m + 9r touches
        // (it was "schneidet" with r = 0.000); n·m = -3.824 passes through M, no pole (it was
        // printed near 1e15); x3 = 0.5 misses, with pole and cone rows.
        {"KugelinMittelpunktsform5Click", "0 0 1 4 1 1 1 5 | 0 0 1 7 1 1 1 5 | 0 0 1 1 1 1 1 5 | "
         "0 0 1 1 0 0 0 2 | -1 4 8 -26.46 1.04 -2.51 -2.26 0.3 | "
         "-1 3 -2.1 -3.824 1.04 -2.51 -2.26 0.3 | 0 0 1 0.5 1.04 -2.51 -2.26 0.3"},
        {"KugelinVektorform6Click", "0 0 1 6 2 2 2 22"},
        {"KugelinMittelpunktsform6Click", "0 0 4 1 0 0 0 1 0 1 1 1 5"},
        {"KugelinVektorform7Click", "3 0 0 1 1 0 -1 0 1 0 4 0 10"},
        // Centres 3 apart: radii 1, 2 touch outside (x1 = 1); 2, 2 cut (x1 = 1.5, rk = 1.323);
        // 1, 1 apart. Centre 1 inside radius 3 with radius 2 touches inside at (3,0,0); 2 apart,
        // radii 3, 2 cut at x1 = 2.25, rk = 1.984. Concentric. Radii 0.1 touching at (0.1,0,0).
        // Identical. Radii 2 and 2 at 0 and (2,0,0): circle around (1, 0, 0) with radius √3.
        {"beideKugelninMittelpunktsform1Click", "0 0 0 1 3 0 0 2 | 0 0 0 2 3 0 0 2 | "
         "0 0 0 1 3 0 0 1 | 0 0 0 3 1 0 0 2 | 0 0 0 3 2 0 0 2 | 1 1 1 1 1 1 1 2 | "
         "0 0 0 0.1 0.2 0 0 0.1 | 1 2 3 2 1 2 3 2 | 0 0 0 2 2 0 0 2"},
        {"MittelpunktsVektorform1Click", "1 2 3 2 2 4 6 -10"},
        {"beideKugelninVektorform1Click", "0 4 0 10 2 0 0 3"},
        {"Kugeldurch4Punkte1Click", "1 0 0 -1 0 0 0 1 0 0 0 1 | 3 0 0 0 5 0 0 0 6 -1 -1 0"},
        // Perpendicular; obtuse (p·q = -2, angle 153.435, q->p = -2p, p->q = -0.4q); p = o.
        {"Skalarprodukt1Click", "1 0 0 0 1 0 | 1 0 0 -2 1 0 | 0 0 0 0 1 0 | 2 2 0 1 4 6"},
        // n = (0, -0, 6); dependent vectors; (p × q)·r = 2, and -2 swapped (volume 2 both).
        {"Vektorprodukt1Click", "2 0 0 0 3 0 | 1 2 3 2 4 6 | 2 2 -1 1 4 3"},
        {"Spatprodukt1Click", "1 2 3 0 1 4 5 6 1 | 0 1 4 1 2 3 5 6 1 | 2 2 0 8 9 4 -1 3 5"},
        // -2q + p = o; independent; q = o gives 0p + 1q = o; p = o gives -0q + p = o.
        {"N2Vektoren1Click", "2 4 6 1 2 3 | 1 0 0 0 1 0 | 1 2 3 0 0 0 | 0 0 0 1 2 3"},
        // Decimal r = 2q - p: dependent (the determinant's remainder said independent).
        {"N3Vektoren1Click", "1 0 0 0 1 0 1 1 0 | 1 0 0 0 1 0 0 0 1 | 1 2 3 2 4 6 0 0 1 | "
         "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9"},
        // p + q - r + s = o.
        {"N4Vektoren1Click", "1 0 0 0 1 0 1 1 1 0 0 1"},
        // The plane triangle with B = C: c = 4.472 and no triangle; then three points on y = -1.
        {"Dreieck4Click", "0 -2 4 0 4 0 | -4 -1 4 -1 12 -1"},
    };
    static const std::vector<CorpusCase> faelle = [] {
        std::vector<CorpusCase> f;
        for (const CorpusRow& z : zeilen) {
            std::istringstream in(z.inputs);
            for (std::string eingabe; std::getline(in, eingabe, '|');) {
                std::istringstream w(eingabe);
                std::string felder, t;
                while (w >> t) felder += (felder.empty() ? "" : " ") + t;
                f.push_back({z.handler, felder});
            }
        }
        for (const ExampleSpec& e : exampleTable()) f.push_back({"#", e.caption});
        return f;
    }();
    return faelle;
}
// clang-format on

// A headless session after one corpus case: the sheet, the scene, the options and the messages.
struct CorpusRun {
    std::ostringstream messages;
    HeadlessSession session{messages};

    explicit CorpusRun(const CorpusCase& c) {
        if (c.handler == "#") {
            session.runExample(*findExample(c.fields));
            return;
        }
        std::istringstream in(c.fields);
        std::vector<std::string> texts;
        for (std::string t; in >> t;) texts.push_back(t);
        session.runTask(*findTask(c.handler), texts);
    }
};

// The text split into cases at its "== " lines.
inline std::vector<std::string> goldenCases(std::istream& in) {
    std::vector<std::string> faelle;
    for (std::string z; std::getline(in, z);) {
        if (z.rfind("== ", 0) == 0 || faelle.empty()) faelle.emplace_back();
        faelle.back() += z + '\n';
    }
    return faelle;
}

// Compares the text with the golden file tests/<name> case by case and names each case that
// differs; the whole text then goes to <name with "_" for "/">.actual in the working directory,
// for a diff. QUILLON_UPDATE_GOLDEN=1 rewrites the golden file instead.
inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QUILLON_TEST_DIR) + "/" + name;
    if (std::getenv("QUILLON_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path << " (QUILLON_UPDATE_GOLDEN=1 writes it)";
    std::istringstream ist(text);
    const std::vector<std::string> soll = goldenCases(in), ist_ = goldenCases(ist);
    int falsch = 0;
    for (std::size_t i = 0; i < std::max(soll.size(), ist_.size()); ++i) {
        const std::string a = i < soll.size() ? soll[i] : "", b = i < ist_.size() ? ist_[i] : "";
        if (a != b && ++falsch <= 10)
            ADD_FAILURE() << name << ", case " << i + 1 << ":\nexpected:\n"
                          << a << "actual:\n"
                          << b;
    }
    if (falsch == 0) return;
    std::string datei = name;
    std::replace(datei.begin(), datei.end(), '/', '_');
    std::ofstream(datei + ".actual", std::ios::binary) << text;
    ADD_FAILURE() << falsch << " cases differ; the whole output is in " << datei << ".actual";
}
