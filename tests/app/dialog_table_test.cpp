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

TEST(DialogTable, CaptionsAsTheUserSeesThem) {
    // A sample of the captions that are easy to get wrong: without a colon, "Dialog", odd
    // characters and blanks.
    const std::map<std::string, std::string> dialogs = {
        {"TPunktDlg", "Punkt"},
        {"TGeradeEbeneNormDlg", "Gerade und Ebene"},
        {"TKugelV_EbeneNormDlg", "Dialog"},
        {"TParallelogrammDlg", "zu Parallelogramm vervollständigen"},
        {"TEbenePDLG", "Ebenen in Parameterform:"},
        {"TKugel4PunkteDlg", "Kugel durch vier Punkte:"},
        {"TLineeareAbh4Dlg", "Lineare Abhängigkeit (4 Vektoren)"},
        {"TEllipseMPQDlg", "Êllipse aus Mittelpunkt und 2 Punkten:"},
        {"TMatmult2x2Dlg", "Matrizenmultiplikation (2x2 * 2x2) :"},
    };
    for (const auto& [name, caption] : dialogs) EXPECT_EQ(dialogCaption(rowOf(name), {}), caption);
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
        {G::DivisionRatio, {"TTeilverhaeltnisDlg"}},
        // Of the plane groups, one shared three ways and the affine map's.
        {G::Focus1, {"TEllipseF1F2PDlg", "TEllipseFPtDlg", "TEllipseFtDlg"}},
        {G::Map1, {"TAffAbbEingabeDlg"}},
    };
    // clang-format on
    std::map<G, std::set<std::string>> actual;
    for (const DialogRow& row : dialogTable())
        for (const FieldBinding& b : row.bindings)
            if (sharing.count(b.group)) actual[b.group].insert(row.className);
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

// What OK remembers is checked on the real dialog; here what differs without a window.
TEST(DialogTable, AcceptingTextsRemembersThemLikeOk) {
    LetzteEingaben in;
    DialogResult r =
        acceptTexts(rowOf("TGeradePunktDlg"), in, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.colours, (std::vector<TFarbe>{0x00FFFF, 0x00FF00}));
    EXPECT_EQ(opening("TKugelMPunktDlg", in), (Texts{"7", "8", "9", "", "", "", ""}));
    EXPECT_THROW(acceptTexts(rowOf("TPunktDlg"), in, {"1", "2"}), std::invalid_argument);
    EXPECT_EQ(in.point, (LetzteEingaben::Texts<3>{"7", "8", "9"}));

    // At most 255 whole characters are remembered, not bytes.
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "ä";
    EXPECT_EQ(cutToRememberedLength(umlauts).size(), 2u * 255u);
    EXPECT_EQ(cutToRememberedLength("1.5"), "1.5");
}

TEST(DialogTable, ExamplesFillExactlyTheFieldsTheyName) {
    Texts t(15, "");
    applyExample(rowOf("TPunkteGeradeGeradeDlg"), t);
    EXPECT_EQ(
        t, (Texts{"-4", "3", "3", "1", "-1", "0", "1", "2", "1", "0", "0", "2", "-1", "2", "0"}));
    t = Texts(7, "x");
    applyExample(rowOf("TKugelVPunktDlg"), t);
    EXPECT_EQ(t, (Texts{"2", "2", "8", "0", "4", "0", "10"}));
}
