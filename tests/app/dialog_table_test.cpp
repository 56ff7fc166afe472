// The dialog table: captions, the remembered groups each dialog shares, the
// first-use values, OK without a window, the example texts and the 255-character limit.
#include "app/dialog_table.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace

TEST(DialogTable, EveryDialogHasItsCaption) {
    // Field counts follow from the texts the task tests type into every dialog.
    // clang-format off
    const std::map<std::string, std::string> dialogs = {
        {"TPunktDlg", "Punkt"}, {"TLinieDlg", "Linie"}, {"TTeilverhaeltnisDlg", "Teilverhältnis"},
        {"TDreieckDlg", "Dreieck"}, {"TViereckDlg", "Beliebiges Viereck:"},
        {"TTetraederDlg", "Tetraeder"}, {"TTetraederEbeneDlg", "Tetraeder mit Ebene:"},
        {"TParallelogrammDlg", "zu Parallelogramm vervollständigen"},
        {"TEbeneParPunktDlg", "Ebene mit Punkt:"}, {"TEbeneNPunktDLG", "Ebene mit Punkt:"},
        {"TKugelMPunktDlg", "Punkt und Kugel:"}, {"TKugelVPunktDlg", "Kugel und Punkt:"},
        {"TGerade2PunkteDlg", "Gerade durch zwei Punkte:"}, {"TGeradeDlg", "Gerade:"},
        {"TGeradePunktDlg", "Gerade mit Punkt:"}, {"TGeradeGeradeDLG", "Gerade mit Gerade:"},
        {"TGeradeEbeneParDLG", "Gerade und Ebene:"}, {"TGeradeEbeneNormDlg", "Gerade und Ebene"},
        {"TGeradeKugelMDlg", "Gerade und Kugel:"}, {"TGeradeKugelVDlg", "Gerade und Kugel:"},
        {"TPunkteGeradeGeradeDlg", "Punkt und zwei Geraden:"},
        {"TEbene3PunkteDlg", "Ebene durch 3 Punkte:"}, {"TEbenePDLG", "Ebenen in Parameterform:"},
        {"TEbeneNormDlg", "Ebene in Normalenform:"}, {"TEbeneParEbeneParDlg", "Zwei Ebenen:"},
        {"TEbeneParEbeneNormDlg", "Zwei Ebenen:"}, {"TEbeneNormEbeneNormDlg", "Zwei Ebenen:"},
        {"TEbeneNormKugelMDlg", "Ebene und Kugel:"}, {"TKugelV_EbeneNormDlg", "Dialog"},
        {"TKugelMEbeneParDlg", "Kugel und Ebene:"}, {"TKugelVEbeneParDlg", "Kugel und Ebene:"},
        {"TKugelMDlg", "Kugel in Mittelpunktsform:"}, {"TKugelVDlg", "Kugel in Vektorform:"},
        {"TKugelMKugelMDlg", "Kugel und Kugel:"}, {"TKugelMKugelVDlg", "Kugel und Kugel:"},
        {"TKugelVKugelVDlg", "Kugel und Kugel:"}, {"TKugel4PunkteDlg", "Kugel durch vier Punkte:"},
        {"TLineeareAbh4Dlg", "Lineare Abhängigkeit (4 Vektoren)"},
        {"TEllipseMPQDlg", "Êllipse aus Mittelpunkt und 2 Punkten:"},
        {"TEllipse_EllipseDlg", "Dialog"},
        {"TMatmult2x2Dlg", "Matrizenmultiplikation (2x2 * 2x2) :"},
    };
    // clang-format on
    for (const auto& [name, caption] : dialogs) {
        const DialogRow* row = findDialog(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(dialogCaption(*row, {}), caption) << name;
    }
    // The vector dialogs serve several tasks; their handlers set the caption.
    EXPECT_EQ(dialogCaption(rowOf("TSkalarProduktDLG"), {"Vektorprodukt:", 1}), "Vektorprodukt:");
    EXPECT_EQ(findDialog("TNichtDaDlg"), nullptr);
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
            EXPECT_TRUE(b.group == G::None ||
                        std::size_t(b.first + b.count) <= in.group(b.group).size());
        }
        EXPECT_EQ(bound, row.fieldCount());
        EXPECT_EQ(row.example.empty(), row.exampleCaption.empty());
        EXPECT_TRUE(row.example.empty() || int(row.example.size()) == bound);
        EXPECT_TRUE(!row.colourButton || row.colours.size() == 1u);
        EXPECT_EQ(row.captionFromCaller, row.caption.empty());
        EXPECT_LT(std::max({row.copyFrom, row.copyTo}), row.fieldCount());
        for (const auto& [field, text] : row.presetOnOpen) EXPECT_LT(field, row.fieldCount());
    }
    EXPECT_EQ(rowOf("TAffAbb3PDlg").fieldCount(), 12);
    EXPECT_EQ(rowOf("TPunktFPGeradeDlg").fieldCount(), 7);
}

TEST(DialogTable, DialogsShareTheirRememberedGroups) {
    // clang-format off
    const std::map<G, std::set<std::string>> sharing = {
        {G::Point, {"TPunktDlg", "TGeradePunktDlg", "TEbeneNPunktDLG", "TEbeneParPunktDlg",
                    "TKugelMPunktDlg", "TKugelVPunktDlg", "TPunkteGeradeGeradeDlg"}},
        {G::TwoPoints, {"TGerade2PunkteDlg", "TLinieDlg"}},
        {G::Triangle, {"TDreieckDlg", "TEbene3PunkteDlg", "TParallelogrammDlg"}},
        {G::Quadrilateral, {"TViereckDlg"}},
        {G::FourPoints, {"TTetraederDlg", "TKugel4PunkteDlg", "TTetraederEbeneDlg"}},
        {G::Line, {"TGeradeDlg", "TGeradePunktDlg", "TGeradeEbeneParDLG", "TGeradeEbeneNormDlg",
                   "TGeradeKugelMDlg", "TGeradeKugelVDlg"}},
        {G::Line1, {"TGeradeGeradeDLG", "TPunkteGeradeGeradeDlg"}},
        {G::Line2, {"TGeradeGeradeDLG", "TPunkteGeradeGeradeDlg"}},
        {G::PlanePar, {"TEbenePDLG", "TGeradeEbeneParDLG", "TEbeneParPunktDlg",
                       "TEbeneParEbeneNormDlg", "TKugelMEbeneParDlg", "TKugelVEbeneParDlg"}},
        {G::PlaneNorm, {"TEbeneNormDlg", "TEbeneNPunktDLG", "TGeradeEbeneNormDlg",
                        "TEbeneParEbeneNormDlg", "TEbeneNormKugelMDlg", "TKugelV_EbeneNormDlg",
                        "TTetraederEbeneDlg"}},
        {G::PlanePar1, {"TEbeneParEbeneParDlg"}}, {G::PlanePar2, {"TEbeneParEbeneParDlg"}},
        {G::PlaneNorm1, {"TEbeneNormEbeneNormDlg"}}, {G::PlaneNorm2, {"TEbeneNormEbeneNormDlg"}},
        {G::SphereM, {"TGeradeKugelMDlg", "TEbeneNormKugelMDlg", "TKugelMEbeneParDlg",
                      "TKugelMKugelVDlg", "TKugelMPunktDlg", "TKugelMDlg"}},
        {G::SphereV, {"TGeradeKugelVDlg", "TKugelV_EbeneNormDlg", "TKugelVEbeneParDlg",
                      "TKugelMKugelVDlg", "TKugelVPunktDlg", "TKugelVDlg"}},
        {G::SphereM1, {"TKugelMKugelMDlg"}}, {G::SphereM2, {"TKugelMKugelMDlg"}},
        {G::SphereV1, {"TKugelVKugelVDlg"}}, {G::SphereV2, {"TKugelVKugelVDlg"}},
        {G::VectorP, {"TSkalarProduktDLG", "TSpatProduktDlg", "TLineeareAbh4Dlg"}},
        {G::VectorQ, {"TSkalarProduktDLG", "TSpatProduktDlg", "TLineeareAbh4Dlg"}},
        {G::VectorR, {"TSpatProduktDlg", "TLineeareAbh4Dlg"}}, {G::VectorS, {"TLineeareAbh4Dlg"}},
        {G::DivisionRatio, {"TTeilverhaeltnisDlg"}}, {G::PlaneTriangle, {"TDreieck2dlg"}},
        {G::Ellipse, {"TEllipsenGlnDlg", "TEllipseHatDlg", "TEllipseMPQDlg", "TEllipseMatDlg",
                      "TEllipse_PunktDlg", "TEllipse_GeradeDlg", "TEllipse_EllipseDlg"}},
        {G::Ellipse2, {"TEllipse_EllipseDlg"}}, {G::Eccentricity, {"TEllipseEPDlg"}},
        {G::EllipsePoint, {"TEllipseEPDlg", "TEllipse_PunktDlg"}},
        {G::Tangent, {"TEllipseHatDlg", "TEllipseFPtDlg", "TEllipseFtDlg", "TEllipseMatDlg",
                      "TEllipse_GeradeDlg"}},
        {G::Focus1, {"TEllipseF1F2PDlg", "TEllipseFPtDlg", "TEllipseFtDlg"}},
        {G::Focus2, {"TEllipseF1F2PDlg"}},
        {G::EllipseP, {"TEllipseF1F2PDlg", "TEllipseFPtDlg", "TEllipseMPQDlg"}},
        {G::EllipseQ, {"TEllipseMPQDlg"}},
        {G::Matrix2, {"TMatrix2x2Dlg", "TMatmult2x2Dlg", "TMatrix2x2VektorDlg"}},
        {G::Matrix2b, {"TMatmult2x2Dlg"}},
        {G::Matrix3, {"TMatMul3x3Dlg", "TMatrix3x3VektorDlg"}}, {G::Matrix3b, {"TMatMul3x3Dlg"}},
        {G::PlaneVector, {"TMatrix2x2VektorDlg"}}, {G::SpaceVector, {"TMatrix3x3VektorDlg"}},
        {G::Map1, {"TAffAbbEingabeDlg"}}, {G::ThreePointsAndImages, {"TAffAbb3PDlg"}},
        {G::PointImageAndFixedPoints, {"TPunktFPunktDlg"}},
        {G::PointImageAndLineOfFixedPoints, {"TPunktFPGeradeDlg"}},
    };
    // clang-format on
    std::map<G, std::set<std::string>> actual;
    for (const DialogRow& row : dialogTable())
        for (const FieldBinding& b : row.bindings)
            if (b.group != G::None) actual[b.group].insert(row.className);
    EXPECT_EQ(actual, sharing);

    // Dialogs that ask for part of a group read just that part.
    LetzteEingaben in;
    seedFirstUseValues(in); // ellipse 1, 1, 5, 3; focus F1 -3, 2
    EXPECT_EQ(opening("TEllipseHatDlg", in)[0], "5");
    EXPECT_EQ(opening("TEllipseMatDlg", in)[2], "5");
    EXPECT_EQ(opening("TEllipseFtDlg", in)[0], "-3");
}

TEST(DialogTable, FirstUseValuesFillOnlyTheSeededGroups) {
    LetzteEingaben in;
    in.point = {"7", "8", "9"};
    seedFirstUseValues(in);
    const std::vector<std::pair<std::string, Texts>> faelle = {
        {"TDreieckDlg", {"4", "1", "0", "0", "6", "0", "0", "1", "7"}},
        {"TViereckDlg", {"4", "1", "0", "0", "6", "2", "0", "1", "7", "2", "-3", "6"}},
        {"TKugel4PunkteDlg", {"3", "0", "0", "0", "5", "0", "0", "0", "6", "-1", "-1", "0"}},
        {"TEbeneNormDlg", {"0", "0", "1", "2"}},
        {"TGeradeDlg", Texts(6, "")},
        {"TPunktDlg", {"7", "8", "9"}},
        {"TDreieck2dlg", {"-4", "-1", "4", "-1", "0", "6"}},
        {"TEllipseMPQDlg", {"1", "1", "2", "4", "-2", "-1.5"}},
        {"TEllipse_EllipseDlg", {"1", "1", "5", "3", "1", "1", "4", "6"}},
        {"TEllipseEPDlg", {"5", "3", "3"}},
        {"TEllipseF1F2PDlg", {"-3", "2", "2", "2", "2", "4"}},
        {"TMatmult2x2Dlg", {"1", "2", "1", "0", "1", "0", "-1", "3"}},
        {"TMatrix3x3VektorDlg", {"1", "0", "2", "-1", "1", "-1", "2", "-1", "1", "1", "1", "1"}},
        {"TMatrix2x2VektorDlg", {"1", "2", "1", "0", "1", "1"}},
    };
    for (const auto& [name, texts] : faelle) EXPECT_EQ(opening(name, in), texts) << name;
    const Texts b = opening("TMatMul3x3Dlg", in);
    EXPECT_EQ(Texts(b.begin() + 9, b.end()),
              (Texts{"0", "1", "-1", "2", "-2", "-1", "1", "0", "-2"}));
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

    // The affine dialog writes the group of its slot only.
    acceptTexts(rowOf("TAffAbbEingabeDlg"), in, {"1", "2", "3", "4", "5", "6"}, {"", 3});
    EXPECT_EQ(in.map3[5], "6");
    EXPECT_EQ(in.map1[5], "");

    // At most 255 whole characters are remembered, not bytes.
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "ä";
    EXPECT_EQ(cutToRememberedLength(umlauts).size(), 2u * 255u);
    EXPECT_EQ(cutToRememberedLength("1.5"), "1.5");
    acceptTexts(rowOf("TPunktDlg"), in, {std::string(256, '1'), "2", "3"});
    EXPECT_EQ(in.point[0].size(), 255u);
}

TEST(DialogTable, ExamplesFillExactlyTheFieldsTheyName) {
    Texts t(15, "");
    applyExample(rowOf("TPunkteGeradeGeradeDlg"), t);
    EXPECT_EQ(
        t, (Texts{"-4", "3", "3", "1", "-1", "0", "1", "2", "1", "0", "0", "2", "-1", "2", "0"}));
    t = Texts(7, "x");
    applyExample(rowOf("TKugelVPunktDlg"), t);
    EXPECT_EQ(t, (Texts{"2", "2", "8", "0", "4", "0", "10"}));
    t = Texts(6, "x");
    applyExample(rowOf("TDreieck2dlg"), t); // no example: nothing changes
    EXPECT_EQ(t, Texts(6, "x"));
}
