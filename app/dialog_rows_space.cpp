// The rows of the three-dimensional dialogs: points, lines, planes, spheres and vectors.
// Colours of the objects are listed in field order (for "Gerade mit Punkt": line yellow, point
// green).
#include "app/dialog_rows.h"

namespace dialog_rows {

namespace {

using G = InputGroup;

std::vector<DialogLine> fourPoints() {
    return {point("A"), point("B"), point("C"), point("D")};
}

} // namespace

void addSpaceRows(std::vector<DialogRow>& t) {
    // "&Punkte"
    t.push_back({.className = "TPunktDlg",
                 .caption = "Punkt",
                 .lines = {point("P")},
                 .bindings = {{G::Point, 0, 3}},
                 .colours = {{"P", farbe::Lime}},
                 .colourButton = true,
                 .exampleCaption = "Beispiel",
                 .example = texts("1, 2, 5")});
    t.push_back({.className = "TLinieDlg",
                 .caption = "Linie",
                 .lines = {point("P"), point("Q")},
                 .bindings = {{G::TwoPoints, 0, 6}},
                 .colours = {{"Strecke PQ", farbe::Gelb}},
                 .colourButton = true,
                 .exampleCaption = "Beispiel",
                 .example = texts("2, 2, 2, 3, 4, 8")});
    t.push_back({.className = "TTeilverhaeltnisDlg",
                 .caption = "Teilverhältnis",
                 .lines = {point("A"), point("B"), point("T")},
                 .bindings = {{G::DivisionRatio, 0, 9}},
                 .exampleCaption = "Beispiel",
                 .example = texts("2, 2, 1, 2, 5, 4, 2, 4, 3")});
    t.push_back({.className = "TDreieckDlg",
                 .caption = "Dreieck",
                 .lines = {point("A"), point("B"), point("C")},
                 .bindings = {{G::Triangle, 0, 9}},
                 .colours = {{"Dreieck ABC", farbe::Gelb}},
                 .colourButton = true});
    t.push_back({.className = "TViereckDlg",
                 .caption = "Beliebiges Viereck:",
                 .lines = fourPoints(),
                 .bindings = {{G::Quadrilateral, 0, 12}},
                 .colours = {{"Viereck ABCD", farbe::Gelb}},
                 .colourButton = true});
    t.push_back({.className = "TTetraederDlg",
                 .caption = "Tetraeder",
                 .lines = fourPoints(),
                 .bindings = {{G::FourPoints, 0, 12}},
                 .colours = {{"Tetraeder ABCD", farbe::Lime}}});
    {
        std::vector<DialogLine> lines = fourPoints();
        lines.push_back(planeNorm("E:"));
        t.push_back({.className = "TTetraederEbeneDlg",
                     .caption = "Tetraeder mit Ebene:",
                     .lines = lines,
                     .bindings = {{G::FourPoints, 0, 12}, {G::PlaneNorm, 0, 4}}});
    }
    t.push_back(
        {.className = "TParallelogrammDlg",
         .caption = "zu Parallelogramm vervollständigen",
         .lines = {point("A"), point("B"), point("C"), {label("gesucht: Punkt "), label("D")}},
         .bindings = {{G::Triangle, 0, 9}},
         .colours = {{"Parallelogramm ABCD", farbe::Gelb}},
         .colourButton = true});

    // "&Gerade"
    t.push_back({.className = "TGerade2PunkteDlg",
                 .caption = "Gerade durch zwei Punkte:",
                 .lines = {point("P"), point("Q")},
                 .bindings = {{G::TwoPoints, 0, 6}},
                 .colours = {{"g", farbe::Gelb}},
                 .exampleCaption = "Beispiel",
                 .example = texts("3, 2, 1, 1, 4, 3")});
    t.push_back({.className = "TGeradeDlg",
                 .caption = "Gerade:",
                 .lines = {line("X = ")},
                 .bindings = {{G::Line, 0, 6}},
                 .colours = {{"g", farbe::Gelb}},
                 .colourButton = true,
                 .exampleCaption = "Bsp.",
                 .example = texts("1, 2, -1, 1, -1, 2")});
    t.push_back({.className = "TGeradePunktDlg",
                 .caption = "Gerade mit Punkt:",
                 .lines = {line("g: x ="), point("P")},
                 .bindings = {{G::Line, 0, 6}, {G::Point, 0, 3}},
                 .colours = {{"g", farbe::Gelb}, {"P", farbe::Lime}},
                 .exampleCaption = "Beispiel",
                 .example = texts("2, 2, 2, -1, 2, 1, 2, 2, 8")});
    t.push_back({.className = "TGeradeGeradeDLG",
                 .caption = "Gerade mit Gerade:",
                 .lines = {line("g: x ="), line("h: x =")},
                 .bindings = {{G::Line1, 0, 6}, {G::Line2, 0, 6}},
                 .colours = {{"g", farbe::Gelb}, {"h", farbe::Lime}}});
    t.push_back({.className = "TPunkteGeradeGeradeDlg",
                 .caption = "Punkt und zwei Geraden:",
                 .lines = {text("Die Routine berechnet eine Gerade von einem "),
                           text("Punkt aus, die zwei andere windschiefe Geraden"),
                           text("schneidet."), point("P"), line("g1: x ="), line("g2: x =")},
                 .bindings = {{G::Point, 0, 3}, {G::Line1, 0, 6}, {G::Line2, 0, 6}},
                 .exampleCaption = "Beispiel",
                 .example = texts("-4, 3, 3, 1, -1, 0, 1, 2, 1, 0, 0, 2, -1, 2, 0"),
                 .emptyFieldsToZero = true});

    // "&Ebene"
    t.push_back({.className = "TEbene3PunkteDlg",
                 .caption = "Ebene durch 3 Punkte:",
                 .lines = {point("A"), point("B"), point("C")},
                 .bindings = {{G::Triangle, 0, 9}},
                 .colours = {{"E", farbe::Gelb}}});
    t.push_back({.className = "TEbenePDLG",
                 .caption = "Ebenen in Parameterform:",
                 .lines = {planePar("E: x =")},
                 .bindings = {{G::PlanePar, 0, 9}},
                 .colours = {{"E", farbe::Gelb}}});
    t.push_back({.className = "TEbeneNormDlg",
                 .caption = "Ebene in Normalenform:",
                 .lines = {planeNorm("E:")},
                 .bindings = {{G::PlaneNorm, 0, 4}},
                 .colours = {{"E", farbe::Gelb}}});
    t.push_back({.className = "TEbeneNPunktDLG",
                 .caption = "Ebene mit Punkt:",
                 .lines = {planeNorm("E:"), point("P")},
                 .bindings = {{G::PlaneNorm, 0, 4}, {G::Point, 0, 3}},
                 .colours = {{"E", farbe::Gelb}, {"P", farbe::Lime}},
                 .exampleCaption = "Beispiel",
                 .example = texts("·, ·, ·, ·, 2, 2, 8")});
    t.push_back({.className = "TEbeneParPunktDlg",
                 .caption = "Ebene mit Punkt:",
                 .lines = {planePar("E: x ="), point("P")},
                 .bindings = {{G::PlanePar, 0, 9}, {G::Point, 0, 3}},
                 .colours = {{"E", farbe::Gelb}, {"P", farbe::Lime}},
                 .exampleCaption = "Beispiel",
                 .example = texts("3, 0, 0, 1, 1, 0, -1, 0, 1, 2, 2, 8")});
    t.push_back({.className = "TGeradeEbeneParDLG",
                 .caption = "Gerade und Ebene:",
                 .lines = {line("g: x ="), planePar("E: x =")},
                 .bindings = {{G::Line, 0, 6}, {G::PlanePar, 0, 9}},
                 .colours = {{"g", farbe::Lime}, {"E", farbe::Gelb}}});
    t.push_back({.className = "TGeradeEbeneNormDlg",
                 .caption = "Gerade und Ebene",
                 .lines = {line("g: x ="), planeNorm("E:")},
                 .bindings = {{G::Line, 0, 6}, {G::PlaneNorm, 0, 4}},
                 .colours = {{"g", farbe::Lime}, {"E", farbe::Gelb}}});
    t.push_back({.className = "TEbeneParEbeneParDlg",
                 .caption = "Zwei Ebenen:",
                 .lines = {planePar("E1: x ="), planePar("E2: x =")},
                 .bindings = {{G::PlanePar1, 0, 9}, {G::PlanePar2, 0, 9}},
                 .colours = {{"E1", farbe::Gelb}, {"E2", farbe::Lime}}});
    t.push_back({.className = "TEbeneParEbeneNormDlg",
                 .caption = "Zwei Ebenen:",
                 .lines = {planePar("E1: x ="), planeNorm("E2:")},
                 .bindings = {{G::PlanePar, 0, 9}, {G::PlaneNorm, 0, 4}},
                 .colours = {{"E1", farbe::Gelb}, {"E2", farbe::Lime}}});
    t.push_back({.className = "TEbeneNormEbeneNormDlg",
                 .caption = "Zwei Ebenen:",
                 .lines = {planeNorm("E1:"), planeNorm("E2:")},
                 .bindings = {{G::PlaneNorm1, 0, 4}, {G::PlaneNorm2, 0, 4}},
                 .colours = {{"E1", farbe::Gelb}, {"E2", farbe::Lime}}});

    // Lines, planes and points with spheres
    t.push_back({.className = "TGeradeKugelMDlg",
                 .caption = "Gerade und Kugel:",
                 .lines = {line("g: x ="), sphereM("K:")},
                 .bindings = {{G::Line, 0, 6}, {G::SphereM, 0, 4}},
                 .colours = {{"g", farbe::Gelb}, {"K", farbe::Rot}}});
    t.push_back({.className = "TGeradeKugelVDlg",
                 .caption = "Gerade und Kugel:",
                 .lines = {line("g: x ="), sphereV("K:")},
                 .bindings = {{G::Line, 0, 6}, {G::SphereV, 0, 4}},
                 .colours = {{"g", farbe::Gelb}, {"K", farbe::Lime}}});
    t.push_back({.className = "TEbeneNormKugelMDlg",
                 .caption = "Ebene und Kugel:",
                 .lines = {planeNorm("E:"), sphereM("K:")},
                 .bindings = {{G::PlaneNorm, 0, 4}, {G::SphereM, 0, 4}},
                 .colours = {{"E", farbe::Gelb}, {"K", farbe::Rot}}});
    t.push_back({.className = "TKugelV_EbeneNormDlg",
                 .caption = "Dialog",
                 .lines = {planeNorm("E:"), sphereV("K:")},
                 .bindings = {{G::PlaneNorm, 0, 4}, {G::SphereV, 0, 4}},
                 .colours = {{"E", farbe::Gelb}, {"K", farbe::Lime}}});
    t.push_back({.className = "TKugelMEbeneParDlg",
                 .caption = "Kugel und Ebene:",
                 .lines = {planePar("E: x ="), sphereM("K:")},
                 .bindings = {{G::PlanePar, 0, 9}, {G::SphereM, 0, 4}},
                 .colours = {{"E", farbe::Gelb}, {"K", farbe::Lime}}});
    t.push_back({.className = "TKugelVEbeneParDlg",
                 .caption = "Kugel und Ebene:",
                 .lines = {planePar("E: x ="), sphereV("K:")},
                 .bindings = {{G::PlanePar, 0, 9}, {G::SphereV, 0, 4}},
                 .colours = {{"E", farbe::Gelb}, {"K", farbe::Lime}}});

    // "&Kugel"
    t.push_back({.className = "TKugelMDlg",
                 .caption = "Kugel in Mittelpunktsform:",
                 .lines = {sphereM("K:")},
                 .bindings = {{G::SphereM, 0, 4}},
                 .colours = {{"K", farbe::Aqua}}});
    t.push_back({.className = "TKugelVDlg",
                 .caption = "Kugel in Vektorform:",
                 .lines = {sphereV("K:")},
                 .bindings = {{G::SphereV, 0, 4}},
                 .colours = {{"K", farbe::Aqua}}});
    t.push_back({.className = "TKugelMPunktDlg",
                 .caption = "Punkt und Kugel:",
                 .lines = {point("P"), sphereM("K:")},
                 .bindings = {{G::Point, 0, 3}, {G::SphereM, 0, 4}},
                 .colours = {{"P", farbe::Lime}, {"K", farbe::Gelb}},
                 .exampleCaption = "Beispiel",
                 .example = texts("2, 2, 8, 2, 2, 0, 3")});
    t.push_back({.className = "TKugelVPunktDlg",
                 .caption = "Kugel und Punkt:",
                 .lines = {point("P"), sphereV("K:")},
                 .bindings = {{G::Point, 0, 3}, {G::SphereV, 0, 4}},
                 .colours = {{"P", farbe::Lime}, {"K", farbe::Gelb}},
                 .exampleCaption = "Beispiel",
                 .example = texts("2, 2, 8, 0, 4, 0, 10")});
    t.push_back({.className = "TKugelMKugelMDlg",
                 .caption = "Kugel und Kugel:",
                 .lines = {sphereM("K1:"), sphereM("K2:")},
                 .bindings = {{G::SphereM1, 0, 4}, {G::SphereM2, 0, 4}},
                 .colours = {{"K1", farbe::Rot}, {"K2", farbe::Rot}}});
    t.push_back({.className = "TKugelMKugelVDlg",
                 .caption = "Kugel und Kugel:",
                 .lines = {sphereM("K1:"), sphereV("K2:")},
                 .bindings = {{G::SphereM, 0, 4}, {G::SphereV, 0, 4}},
                 .colours = {{"K1", farbe::Rot}, {"K2", farbe::Lime}}});
    t.push_back({.className = "TKugelVKugelVDlg",
                 .caption = "Kugel und Kugel:",
                 .lines = {sphereV("K1:"), sphereV("K2:")},
                 .bindings = {{G::SphereV1, 0, 4}, {G::SphereV2, 0, 4}},
                 .colours = {{"K1", farbe::Aqua}, {"K2", farbe::Lime}}});
    t.push_back({.className = "TKugel4PunkteDlg",
                 .caption = "Kugel durch vier Punkte:",
                 .lines = fourPoints(),
                 .bindings = {{G::FourPoints, 0, 12}},
                 .colours = {{"K", farbe::Lime}},
                 .checkBox = "mit einbeschriebenem Tetraeder zeichnen"});

    // "&Vektor": the first two serve several tasks, whose handlers set the caption.
    t.push_back({.className = "TSkalarProduktDLG",
                 .captionFromCaller = true,
                 .lines = {vectors({"p", "q"})},
                 .bindings = {{G::VectorP, 0, 3}, {G::VectorQ, 0, 3}},
                 .colours = {{"p", farbe::Gelb}, {"q", farbe::Lime}}});
    t.push_back({.className = "TSpatProduktDlg",
                 .captionFromCaller = true,
                 .lines = {vectors({"p", "q", "r"})},
                 .bindings = {{G::VectorP, 0, 3}, {G::VectorQ, 0, 3}, {G::VectorR, 0, 3}},
                 .colours = {{"p", farbe::Gelb}, {"q", farbe::Lime}, {"r", farbe::Aqua}}});
    // The four colours of this dialog are never preset: all four vectors come out black.
    t.push_back({.className = "TLineeareAbh4Dlg",
                 .caption = "Lineare Abhängigkeit (4 Vektoren)",
                 .lines = {vectors({"p", "q", "r", "s"})},
                 .bindings = {{G::VectorP, 0, 3},
                              {G::VectorQ, 0, 3},
                              {G::VectorR, 0, 3},
                              {G::VectorS, 0, 3}},
                 .colours = {{"p", 0}, {"q", 0}, {"r", 0}, {"s", 0}}});
}

} // namespace dialog_rows
