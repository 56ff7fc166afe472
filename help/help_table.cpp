#include "help/help_table.h"

#include "core/errors.h"
#include "help/solution_layout.h"
#include "help/solution_writers.h"

namespace {

using A = Szenenart;

// Kinds that share a page and a writer stand together. The page names are the files' names as
// shipped: they are looked up case-exactly.
constexpr HelpKind rows[] = {
    {A::Punkt, "punkt.rtf", "Punkt:", writePoint},
    {A::Linie, "strecke.rtf", "Strecke:", writeSegment},
    {A::KugelPunkt, "Punkt_und_Kugel.rtf", "Kugel und Punkt", writePointSphere},
    {A::KugelVPunkt, "Punkt_und_Kugel.rtf", "Kugel und Punkt", writePointSphere},
    {A::Gerade, "gerade.rtf", "Gerade", writeLine},
    {A::Gerade2Punkte, "gerade.rtf", "Gerade", writeLine},
    {A::GeradePunkt, "gerade_und_punkt.rtf", "Gerade und Punkt:", writeLinePoint},
    {A::PunktZweiGeraden, "punkt_zweigeraden.rtf", "Punkt und zwei Geraden:", writePointTwoLines},
    {A::ZweiGeraden, "gerade_und_gerade.rtf", "Gerade und Gerade", writeLineLine},
    {A::EbeneGerade, "gerade_und_Ebene.rtf", "Gerade und Ebene", writeLinePlane},
    {A::EbeneParGerade, "gerade_und_Ebene.rtf", "Gerade und Ebene", writeLinePlane},
    {A::KugelGerade, "gerade_und_kugel.rtf", "Kugel und Gerade", writeSphereLine},
    {A::KugelVGerade, "gerade_und_kugel.rtf", "Kugel und Gerade", writeSphereLine},
    {A::Ebene, "ebene.rtf", "Ebene", writePlane},
    {A::EbenePar, "ebene.rtf", "Ebene", writePlane},
    {A::Ebene3Punkte, "ebene.rtf", nullptr},
    {A::EbenePunkt, "Ebene_und_Punkt.rtf", "Ebene und Punkt", writePlanePoint},
    {A::EbeneParPunkt, "Ebene_und_Punkt.rtf", "Ebene und Punkt", writePlanePoint},
    {A::EbeneNormEbeneNorm, "Ebene_und_Ebene.rtf", "Ebene und Ebene", writePlanePlane},
    {A::EbeneParEbenePar, "Ebene_und_Ebene.rtf", "Ebene und Ebene", writePlanePlane},
    {A::EbeneParEbeneNorm, "Ebene_und_Ebene.rtf", "Ebene und Ebene", writePlanePlane},
    {A::KugelEbene, "Ebene_und_kugel.rtf", "Ebene und Kugel", writePlaneSphere},
    {A::EbeneNormKugelM, "Ebene_und_kugel.rtf", "Ebene und Kugel", writePlaneSphere},
    {A::KugelVEbeneNorm, "Ebene_und_kugel.rtf", "Ebene und Kugel", writePlaneSphere},
    {A::KugelMEbenePar, "Ebene_und_kugel.rtf", "Ebene und Kugel", writePlaneSphere},
    {A::KugelVEbenePar, "Ebene_und_kugel.rtf", "Ebene und Kugel", writePlaneSphere},
    {A::Kugel, "kugel.rtf", "Kugel", writeSphere},
    {A::KugelV, "kugel.rtf", "Kugel", writeSphere},
    {A::KugelKugel, "Kugel_und_Kugel.rtf", "Kugel und Kugel", writeSphereSphere},
    {A::KugelMKugelV, "Kugel_und_Kugel.rtf", "Kugel und Kugel", writeSphereSphere},
    {A::KugelVKugelV, "Kugel_und_Kugel.rtf", "Kugel und Kugel", writeSphereSphere},
    {A::Kugel4Punkte, "kugel_durch_4_Punkte.rtf", "Kugel durch 4 Punkte:", writeSphereFourPoints},
    {A::Skalarprodukt, "SkalarProdukt.rtf", "Skalarprodukt", writeScalarProduct},
    {A::Vektorprodukt, "vektorProdukt.rtf", "VektorProdukt", writeVectorProduct},
    {A::Dreieck, "dreiecksflaeche.rtf", "Dreiecksfläche", writeTriangleArea},
    {A::Spatprodukt, "SpatProdukt.rtf", "Spat", writeTripleProduct},
    {A::Tetraeder, "Tetraeder.rtf", "Tetraeder", writeTetrahedron},
    {A::TetraederEbene, "Tetraeder.rtf", "Tetraeder", writeTetrahedron},
    {A::LineareAbh2, "Lineare_Abhaengigkeit.rtf", "Lineare Abhängigkeit", writeLinearDependence},
    {A::LineareAbh3, "Lineare_Abhaengigkeit.rtf", "Lineare Abhängigkeit", writeLinearDependence},
    {A::LineareAbh4, "Lineare_Abhaengigkeit.rtf", "Lineare Abhängigkeit", writeLinearDependence},
    {A::Dreieck2, "Dreieck_in_Ebene.rtf", "Dreieck in der Ebene", writePlaneTriangle},
    {A::EllipseMab, "Ellipse.rtf", "Ellipse aus Mittelpunkt und Halbachsen", writeEllipse},
    {A::EllipseEP, "Ellipse_eP.rtf", "Ellipse aus Exzentrizität und Punkt", writeEllipse},
    {A::EllipseAT, "Ellipse_aT.rtf", "Ellipse aus Achse und Tangente", writeEllipse},
    {A::EllipseFFP, "Ellipse_FP.rtf", "Ellipse aus Brennpunkten und Punkt", writeEllipse},
    {A::EllipseFPT, "Ellipse_FtP.rtf", "Ellipse aus Brennpunkt, Punkt und Tangente", writeEllipse},
    {A::EllipseFT, "Ellipse_Ft.rtf", "Ellipse aus Brennpunkt und Tangente", writeEllipse},
    {A::EllipseMPQ, "Ellipse_MPQ.rtf", "Ellipse aus Mittelpunkt und 2 Punkten", writeEllipse},
    {A::EllipseMAT, "Ellipse_Mat.rtf", "Ellipse aus Mittelpunkt, Achse a und Tangente",
     writeEllipse},
    {A::EllipsePunkt, "Ellipse_und_Punkt.rtf", "Ellipse und Punkt", writeEllipse},
    {A::EllipseGerade, "Ellipse_mit_Gerade.rtf", "Ellipse und Gerade", writeEllipse},
    {A::EllipseEllipse, "Ellipse_und_Ellipse.rtf", "Zwei Ellipsen", writeEllipse},
    {A::AffineAbbildung, "Affine_abbildungen.rtf", "Affine Abbildung", writeAffineMap},
};

} // namespace

std::span<const HelpKind> helpKinds() {
    return rows;
}

const HelpKind* helpKind(Szenenart art) {
    for (const HelpKind& k : rows)
        if (k.art == art) return &k;
    return nullptr;
}

std::vector<std::string> workedSolution(const Szene& szene) {
    const HelpKind* k = helpKind(szene.art);
    if (!k || !k->write) return {};
    SolutionText out;
    out.heading(k->heading);
    try {
        k->write(out, szene);
    } catch (const QuillonError& e) {
        // A case the computation cannot finish (a zero vector where a direction is needed) ends
        // the solution with the reason instead of taking the page with it.
        out.line("Hier lässt sich nicht weiterrechnen: " + std::string(e.what()));
    }
    out.end();
    return out.lines();
}
