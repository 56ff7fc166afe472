#include "app/dialog_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using G = InputGroup;
using Texts = std::vector<std::string>;

const DialogRow& rowOf(const std::string& className) {
    const DialogRow* row = findDialog(className);
    if (!row) throw std::runtime_error("missing row " + className);
    return *row;
}

// The texts a dialog opens with, as a plain list.
Texts opening(const std::string& className, const LetzteEingaben& in, int slot = 1) {
    return openingTexts(rowOf(className), in, {"", slot});
}

Texts slice(const Texts& t, std::size_t from, std::size_t n) {
    return Texts(t.begin() + static_cast<long>(from), t.begin() + static_cast<long>(from + n));
}

} // namespace

TEST(DialogTable, EverySpaceTaskDialogHasItsCaptionAndFieldCount) {
    struct Expected {
        const char* caption;
        int fields;
    };
    const std::map<std::string, Expected> dialogs = {
        {"TPunktDlg", {"Punkt", 3}},
        {"TLinieDlg", {"Linie", 6}},
        {"TTeilverhaeltnisDlg", {"Teilverhältnis", 9}},
        {"TDreieckDlg", {"Dreieck", 9}},
        {"TViereckDlg", {"Beliebiges Viereck:", 12}},
        {"TTetraederDlg", {"Tetraeder", 12}},
        {"TTetraederEbeneDlg", {"Tetraeder mit Ebene:", 16}},
        {"TParallelogrammDlg", {"zu Parallelogramm vervollständigen", 9}},
        {"TEbeneParPunktDlg", {"Ebene mit Punkt:", 12}},
        {"TEbeneNPunktDLG", {"Ebene mit Punkt:", 7}},
        {"TKugelMPunktDlg", {"Punkt und Kugel:", 7}},
        {"TKugelVPunktDlg", {"Kugel und Punkt:", 7}},
        {"TGerade2PunkteDlg", {"Gerade durch zwei Punkte:", 6}},
        {"TGeradeDlg", {"Gerade:", 6}},
        {"TGeradePunktDlg", {"Gerade mit Punkt:", 9}},
        {"TGeradeGeradeDLG", {"Gerade mit Gerade:", 12}},
        {"TGeradeEbeneParDLG", {"Gerade und Ebene:", 15}},
        {"TGeradeEbeneNormDlg", {"Gerade und Ebene", 10}},
        {"TGeradeKugelMDlg", {"Gerade und Kugel:", 10}},
        {"TGeradeKugelVDlg", {"Gerade und Kugel:", 10}},
        {"TPunkteGeradeGeradeDlg", {"Punkt und zwei Geraden:", 15}},
        {"TEbene3PunkteDlg", {"Ebene durch 3 Punkte:", 9}},
        {"TEbenePDLG", {"Ebenen in Parameterform:", 9}},
        {"TEbeneNormDlg", {"Ebene in Normalenform:", 4}},
        {"TEbeneParEbeneParDlg", {"Zwei Ebenen:", 18}},
        {"TEbeneParEbeneNormDlg", {"Zwei Ebenen:", 13}},
        {"TEbeneNormEbeneNormDlg", {"Zwei Ebenen:", 8}},
        {"TEbeneNormKugelMDlg", {"Ebene und Kugel:", 8}},
        {"TKugelV_EbeneNormDlg", {"Dialog", 8}},
        {"TKugelMEbeneParDlg", {"Kugel und Ebene:", 13}},
        {"TKugelVEbeneParDlg", {"Kugel und Ebene:", 13}},
        {"TKugelMDlg", {"Kugel in Mittelpunktsform:", 4}},
        {"TKugelVDlg", {"Kugel in Vektorform:", 4}},
        {"TKugelMKugelMDlg", {"Kugel und Kugel:", 8}},
        {"TKugelMKugelVDlg", {"Kugel und Kugel:", 8}},
        {"TKugelVKugelVDlg", {"Kugel und Kugel:", 8}},
        {"TKugel4PunkteDlg", {"Kugel durch vier Punkte:", 12}},
        {"TLineeareAbh4Dlg", {"Lineare Abhängigkeit (4 Vektoren)", 12}},
    };
    for (const auto& [name, expected] : dialogs) {
        const DialogRow* row = findDialog(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(dialogCaption(*row, {}), expected.caption) << name;
        EXPECT_EQ(row->fieldCount(), expected.fields) << name;
    }
    // The vector dialogs serve several tasks; their handlers set the caption.
    EXPECT_EQ(dialogCaption(rowOf("TSkalarProduktDLG"), {"Vektorprodukt:", 1}), "Vektorprodukt:");
    EXPECT_EQ(rowOf("TSkalarProduktDLG").fieldCount(), 6);
    EXPECT_EQ(dialogCaption(rowOf("TSpatProduktDlg"), {"Lineare Abhägigkeit:", 1}),
              "Lineare Abhägigkeit:");
    EXPECT_EQ(rowOf("TSpatProduktDlg").fieldCount(), 9);
    EXPECT_EQ(findDialog("TNichtDaDlg"), nullptr);
}

TEST(DialogTable, PlaneMatrixAndAffineRowsKeepTheirCaptions) {
    EXPECT_EQ(rowOf("TEllipseMPQDlg").caption, "Êllipse aus Mittelpunkt und 2 Punkten:");
    EXPECT_EQ(rowOf("TEllipse_EllipseDlg").caption, "Dialog");
    EXPECT_EQ(rowOf("TMatmult2x2Dlg").caption, "Matrizenmultiplikation (2x2 * 2x2) :");
    EXPECT_EQ(rowOf("TDreieck2dlg").fieldCount(), 6);
    EXPECT_EQ(rowOf("TMatMul3x3Dlg").fieldCount(), 18);
    EXPECT_EQ(rowOf("TAffAbb3PDlg").fieldCount(), 12);
    EXPECT_EQ(rowOf("TPunktFPGeradeDlg").fieldCount(), 7);
    const DialogRow& affine = rowOf("TAffAbbEingabeDlg");
    EXPECT_EQ(dialogCaption(affine, {"", 3}), "Abbildungsgleichung: Aff. Abb. Nr. 3");
    EXPECT_THROW(dialogCaption(affine, {"", 0}), std::out_of_range);
    EXPECT_THROW(dialogCaption(affine, {"", 4}), std::out_of_range);
}

TEST(DialogTable, EveryRowIsConsistent) {
    std::set<std::string> names;
    LetzteEingaben in;
    for (const DialogRow& row : dialogTable()) {
        SCOPED_TRACE(row.className);
        EXPECT_TRUE(names.insert(row.className).second) << "duplicate row";
        EXPECT_GT(row.fieldCount(), 0);
        int bound = 0;
        for (const FieldBinding& b : row.bindings) {
            bound += b.count;
            if (b.group != G::None) {
                EXPECT_LE(static_cast<std::size_t>(b.first + b.count), in.group(b.group).size());
            }
        }
        EXPECT_EQ(bound, row.fieldCount());
        EXPECT_EQ(row.example.empty(), row.exampleCaption.empty());
        if (!row.example.empty()) {
            EXPECT_EQ(static_cast<int>(row.example.size()), bound);
        }
        if (row.colourButton) {
            EXPECT_EQ(row.colours.size(), 1u);
        }
        EXPECT_EQ(row.captionFromCaller, row.caption.empty());
        EXPECT_LT(row.copyFrom, row.fieldCount());
        EXPECT_LT(row.copyTo, row.fieldCount());
        for (const auto& [field, text] : row.presetOnOpen) EXPECT_LT(field, row.fieldCount());
    }
}

TEST(DialogTable, DialogsShareTheirRememberedGroups) {
    const std::map<G, std::set<std::string>> sharing = {
        {G::Point,
         {"TPunktDlg", "TGeradePunktDlg", "TEbeneNPunktDLG", "TEbeneParPunktDlg", "TKugelMPunktDlg",
          "TKugelVPunktDlg", "TPunkteGeradeGeradeDlg"}},
        {G::TwoPoints, {"TGerade2PunkteDlg", "TLinieDlg"}},
        {G::Triangle, {"TDreieckDlg", "TEbene3PunkteDlg", "TParallelogrammDlg"}},
        {G::Quadrilateral, {"TViereckDlg"}},
        {G::FourPoints, {"TTetraederDlg", "TKugel4PunkteDlg", "TTetraederEbeneDlg"}},
        {G::Line,
         {"TGeradeDlg", "TGeradePunktDlg", "TGeradeEbeneParDLG", "TGeradeEbeneNormDlg",
          "TGeradeKugelMDlg", "TGeradeKugelVDlg"}},
        {G::Line1, {"TGeradeGeradeDLG", "TPunkteGeradeGeradeDlg"}},
        {G::Line2, {"TGeradeGeradeDLG", "TPunkteGeradeGeradeDlg"}},
        {G::PlanePar,
         {"TEbenePDLG", "TGeradeEbeneParDLG", "TEbeneParPunktDlg", "TEbeneParEbeneNormDlg",
          "TKugelMEbeneParDlg", "TKugelVEbeneParDlg"}},
        {G::PlaneNorm,
         {"TEbeneNormDlg", "TEbeneNPunktDLG", "TGeradeEbeneNormDlg", "TEbeneParEbeneNormDlg",
          "TEbeneNormKugelMDlg", "TKugelV_EbeneNormDlg", "TTetraederEbeneDlg"}},
        {G::PlanePar1, {"TEbeneParEbeneParDlg"}},
        {G::PlanePar2, {"TEbeneParEbeneParDlg"}},
        {G::PlaneNorm1, {"TEbeneNormEbeneNormDlg"}},
        {G::PlaneNorm2, {"TEbeneNormEbeneNormDlg"}},
        {G::SphereM,
         {"TGeradeKugelMDlg", "TEbeneNormKugelMDlg", "TKugelMEbeneParDlg", "TKugelMKugelVDlg",
          "TKugelMPunktDlg", "TKugelMDlg"}},
        {G::SphereV,
         {"TGeradeKugelVDlg", "TKugelV_EbeneNormDlg", "TKugelVEbeneParDlg", "TKugelMKugelVDlg",
          "TKugelVPunktDlg", "TKugelVDlg"}},
        {G::SphereM1, {"TKugelMKugelMDlg"}},
        {G::SphereM2, {"TKugelMKugelMDlg"}},
        {G::SphereV1, {"TKugelVKugelVDlg"}},
        {G::SphereV2, {"TKugelVKugelVDlg"}},
        {G::VectorP, {"TSkalarProduktDLG", "TSpatProduktDlg", "TLineeareAbh4Dlg"}},
        {G::VectorQ, {"TSkalarProduktDLG", "TSpatProduktDlg", "TLineeareAbh4Dlg"}},
        {G::VectorR, {"TSpatProduktDlg", "TLineeareAbh4Dlg"}},
        {G::VectorS, {"TLineeareAbh4Dlg"}},
        {G::DivisionRatio, {"TTeilverhaeltnisDlg"}},
        {G::PlaneTriangle, {"TDreieck2dlg"}},
        {G::Ellipse,
         {"TEllipsenGlnDlg", "TEllipseHatDlg", "TEllipseMPQDlg", "TEllipseMatDlg",
          "TEllipse_PunktDlg", "TEllipse_GeradeDlg", "TEllipse_EllipseDlg"}},
        {G::Ellipse2, {"TEllipse_EllipseDlg"}},
        {G::Eccentricity, {"TEllipseEPDlg"}},
        {G::EllipsePoint, {"TEllipseEPDlg", "TEllipse_PunktDlg"}},
        {G::Tangent,
         {"TEllipseHatDlg", "TEllipseFPtDlg", "TEllipseFtDlg", "TEllipseMatDlg",
          "TEllipse_GeradeDlg"}},
        {G::Focus1, {"TEllipseF1F2PDlg", "TEllipseFPtDlg", "TEllipseFtDlg"}},
        {G::Focus2, {"TEllipseF1F2PDlg"}},
        {G::EllipseP, {"TEllipseF1F2PDlg", "TEllipseFPtDlg", "TEllipseMPQDlg"}},
        {G::EllipseQ, {"TEllipseMPQDlg"}},
        {G::Matrix2, {"TMatrix2x2Dlg", "TMatmult2x2Dlg", "TMatrix2x2VektorDlg"}},
        {G::Matrix2b, {"TMatmult2x2Dlg"}},
        {G::Matrix3, {"TMatMul3x3Dlg", "TMatrix3x3VektorDlg"}},
        {G::Matrix3b, {"TMatMul3x3Dlg"}},
        {G::PlaneVector, {"TMatrix2x2VektorDlg"}},
        {G::SpaceVector, {"TMatrix3x3VektorDlg"}},
        {G::Map1, {"TAffAbbEingabeDlg"}},
        {G::ThreePointsAndImages, {"TAffAbb3PDlg"}},
        {G::PointImageAndFixedPoints, {"TPunktFPunktDlg"}},
        {G::PointImageAndLineOfFixedPoints, {"TPunktFPGeradeDlg"}},
    };
    std::map<G, std::set<std::string>> actual;
    for (const DialogRow& row : dialogTable())
        for (const FieldBinding& b : row.bindings)
            if (b.group != G::None) actual[b.group].insert(row.className);
    EXPECT_EQ(actual, sharing);

    // Dialogs that ask for part of a group read just that part.
    LetzteEingaben in;
    seedFirstUseValues(in); // ellipse 1, 1, 5, 3; focus F1 -3, 2
    EXPECT_EQ(slice(opening("TEllipseHatDlg", in), 0, 1), Texts{"5"});
    EXPECT_EQ(slice(opening("TEllipseMPQDlg", in), 0, 2), (Texts{"1", "1"}));
    EXPECT_EQ(slice(opening("TEllipseMatDlg", in), 0, 3), (Texts{"1", "1", "5"}));
    EXPECT_EQ(slice(opening("TEllipseFtDlg", in), 0, 1), Texts{"-3"});
}

TEST(DialogTable, FirstUseValuesFillOnlyTheSeededGroups) {
    LetzteEingaben in;
    in.point = {"7", "8", "9"};
    seedFirstUseValues(in);
    EXPECT_EQ(opening("TDreieckDlg", in), (Texts{"4", "1", "0", "0", "6", "0", "0", "1", "7"}));
    EXPECT_EQ(opening("TViereckDlg", in),
              (Texts{"4", "1", "0", "0", "6", "2", "0", "1", "7", "2", "-3", "6"}));
    EXPECT_EQ(opening("TKugel4PunkteDlg", in),
              (Texts{"3", "0", "0", "0", "5", "0", "0", "0", "6", "-1", "-1", "0"}));
    EXPECT_EQ(opening("TEbeneNormDlg", in), (Texts{"0", "0", "1", "2"}));
    EXPECT_EQ(opening("TGeradeDlg", in), Texts(6, ""));
    EXPECT_EQ(opening("TPunktDlg", in), (Texts{"7", "8", "9"}));
    EXPECT_EQ(opening("TDreieck2dlg", in), (Texts{"-4", "-1", "4", "-1", "0", "6"}));
    EXPECT_EQ(opening("TEllipseMPQDlg", in), (Texts{"1", "1", "2", "4", "-2", "-1.5"}));
    EXPECT_EQ(opening("TEllipse_EllipseDlg", in), (Texts{"1", "1", "5", "3", "1", "1", "4", "6"}));
    EXPECT_EQ(opening("TEllipseEPDlg", in), (Texts{"5", "3", "3"}));
    EXPECT_EQ(opening("TEllipseF1F2PDlg", in), (Texts{"-3", "2", "2", "2", "2", "4"}));
    EXPECT_EQ(opening("TMatmult2x2Dlg", in), (Texts{"1", "2", "1", "0", "1", "0", "-1", "3"}));
    EXPECT_EQ(opening("TMatrix3x3VektorDlg", in),
              (Texts{"1", "0", "2", "-1", "1", "-1", "2", "-1", "1", "1", "1", "1"}));
    EXPECT_EQ(slice(opening("TMatMul3x3Dlg", in), 9, 9),
              (Texts{"0", "1", "-1", "2", "-2", "-1", "1", "0", "-2"}));
    EXPECT_EQ(opening("TMatrix2x2VektorDlg", in), (Texts{"1", "2", "1", "0", "1", "1"}));
    EXPECT_EQ(opening("TAffAbbEingabeDlg", in, 2), Texts(6, ""));
}

TEST(DialogTable, AcceptingTextsRemembersThemLikeOk) {
    LetzteEingaben in;
    DialogResult r =
        acceptTexts(rowOf("TGeradePunktDlg"), in, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.colours, (std::vector<TFarbe>{0x00FFFF, 0x00FF00}));
    EXPECT_EQ(opening("TGeradeKugelVDlg", in),
              (Texts{"1", "2", "3", "4", "5", "6", "", "", "", ""}));
    EXPECT_EQ(opening("TKugelMPunktDlg", in), (Texts{"7", "8", "9", "", "", "", ""}));
    EXPECT_THROW(acceptTexts(rowOf("TPunktDlg"), in, {"1", "2"}), std::invalid_argument);
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"7", "8", "9"}));

    // Empty fields count as 0 in "Punkt und zwei Geraden" only.
    Texts gaps(15, "");
    gaps[0] = "-4";
    r = acceptTexts(rowOf("TPunkteGeradeGeradeDlg"), in, gaps);
    EXPECT_EQ(r.texts[0], "-4");
    EXPECT_EQ(r.texts[1], "0");
    EXPECT_EQ(in.line2, (LetzteEingaben::Texts<6>{"0", "0", "0", "0", "0", "0"}));
    acceptTexts(rowOf("TPunktDlg"), in, {"", "", ""});
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"", "", ""}));

    // The affine dialog writes the group of its slot only.
    acceptTexts(rowOf("TAffAbbEingabeDlg"), in, {"1", "2", "3", "4", "5", "6"}, {"", 3});
    EXPECT_EQ(in.map3[5], "6");
    EXPECT_EQ(in.map1[5], "");
}

TEST(DialogTable, ExamplesFillExactlyTheFieldsTheyName) {
    LetzteEingaben in;
    seedFirstUseValues(in);
    Texts t = opening("TEbeneNPunktDLG", in);
    applyExample(rowOf("TEbeneNPunktDLG"), t);
    EXPECT_EQ(t, (Texts{"0", "0", "1", "2", "2", "2", "8"}));
    t = Texts(6, "x");
    applyExample(rowOf("TGeradeDlg"), t);
    EXPECT_EQ(t, (Texts{"1", "2", "-1", "1", "-1", "2"}));
    t = Texts(15, "");
    applyExample(rowOf("TPunkteGeradeGeradeDlg"), t);
    EXPECT_EQ(
        t, (Texts{"-4", "3", "3", "1", "-1", "0", "1", "2", "1", "0", "0", "2", "-1", "2", "0"}));
    t = Texts(6, "");
    applyExample(rowOf("TAffAbbEingabeDlg"), t);
    EXPECT_EQ(t, (Texts{"1", "0", "0", "1", "0", "0"}));
    t = Texts(6, "x");
    applyExample(rowOf("TDreieck2dlg"), t); // no example: nothing changes
    EXPECT_EQ(t, Texts(6, "x"));
}

TEST(RememberedInputs, TextsAreCutTo255Characters) {
    EXPECT_EQ(cutToRememberedLength(std::string(300, 'x')), std::string(255, 'x'));
    EXPECT_EQ(cutToRememberedLength("1.5"), "1.5");
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "ä";
    EXPECT_EQ(cutToRememberedLength(umlauts).size(), 2u * 255u); // whole characters, not bytes
    LetzteEingaben in;
    acceptTexts(rowOf("TPunktDlg"), in, {std::string(256, '1'), "2", "3"});
    EXPECT_EQ(in.point[0].size(), 255u);
}
