#include "sheet/scene_report.h"

#include "core/objects.h"
#include "sheet/reports_figures.h"
#include "sheet/reports_lines.h"
#include "sheet/reports_spheres.h"
#include "sheet/reports_vectors.h"

void Bericht_schreiben(Sheet& s, Szene& z) {
    int x = BerichtX;
    int y = BerichtY;
    switch (z.art) {
    case Szenenart::keine:
        return;
    case Szenenart::Punkt:
        return Ergebnis_punkt(s, z.SzenePunkt, x, y);
    case Szenenart::Linie:
        return Ergebnis_Linie(s, z.SzeneStrecke, x, y);
    case Szenenart::Teilverhaeltnis:
        return Ergebnis_Teilverhaeltnis(s, z.SzeneTeilpunkte[0], z.SzeneTeilpunkte[1],
                                        z.SzeneTeilpunkte[2], x, y);
    case Szenenart::Dreieck:
        return Ergebnis_Dreieck(s, z.SzeneDreieck, x, y);
    case Szenenart::Viereck:
        return Ergebnis_Viereck(s, z.SzeneViereck, x, y);
    case Szenenart::Parallelogramm:
        return Ergebnis_Parallelogramm(s, z, x, y);
    case Szenenart::Tetraeder:
        return Ergebnis_Tetraeder(s, z.SzeneTetraeder, x, y);
    case Szenenart::TetraederEbene:
        return Ergebnis_Tetraeder_Ebene(s, z, z.SzeneTetraeder, z.SzeneEbene, x, y);
    case Szenenart::Gerade:
        return Ergebnis_Gerade(s, z.SzeneGerade, x, y);
    case Szenenart::Gerade2Punkte:
        return Ergebnis_Gerade2Punkte(s, z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade, x, y);
    case Szenenart::GeradePunkt:
        return Ergebnis_Gerade_Punkt(s, z.SzeneGerade, z.SzenePunkt, x, y);
    case Szenenart::ZweiGeraden:
        return Ergebnis_ZweiGeraden(s, z.SzeneGerade1, z.SzeneGerade2, x, y);
    case Szenenart::PunktZweiGeraden:
        return Ergebnis_Punkt_ZweiGeraden(s, z.SzenePunkt, z.SzeneGerade1, z.SzeneGerade2, x, y);
    case Szenenart::Ebene:
        return Ergebnis_EbeneNormalenform(s, z.SzeneEbene, x, y);
    case Szenenart::EbenePar:
        return Ergebnis_EbeneParameterform(s, z.SzeneEbenePar, x, y);
    case Szenenart::Ebene3Punkte:
        return Ergebnis_Ebene3Punkte(s, z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C,
                                     z.SzeneEbenePar, x, y);
    case Szenenart::EbenePunkt:
        return Ergebnis_Ebene_Punkt(s, z.SzeneEbene, z.SzenePunkt, x, y);
    case Szenenart::EbeneParPunkt:
        return Ergebnis_EbenePAR_Punkt(s, z.SzeneEbenePar, z.SzenePunkt, x, y);
    case Szenenart::EbeneGerade:
        return Ergebnis_Ebene_Gerade(s, z.SzeneEbene, z.SzeneGerade, x, y);
    case Szenenart::EbeneParGerade:
        return Ergebnis_EbenePar_Gerade(s, z.SzeneEbenePar, z.SzeneGerade, x, y);
    case Szenenart::EbeneNormEbeneNorm:
        return Ergebnis_ZweiEbenenNormalenform(s, z.SzeneEbene1, z.SzeneEbene2, x, y);
    case Szenenart::EbeneParEbenePar:
        return Ergebnis_EbenenPar_EbenePar(s, z.SzeneEbenePar1, z.SzeneEbenePar2, x, y);
    case Szenenart::EbeneParEbeneNorm:
        return Ergebnis_EbenenPar_EbeneNorm(s, z.SzeneEbenePar1, z.SzeneEbene2, x, y);
    case Szenenart::Kugel:
        return Ergebnis_Kugel(s, z.SzeneKugel, x, y);
    case Szenenart::KugelV:
        return Ergebnis_KugelV(s, z.SzeneKugelV, x, y);
    case Szenenart::KugelGerade:
        return Ergebnis_Kugel_Gerade(s, z.SzeneKugel, z.SzeneGerade, x, y);
    case Szenenart::KugelVGerade:
        return Ergebnis_KugelVF_Gerade(s, z.SzeneKugelV, z.SzeneGerade, x, y);
    case Szenenart::KugelPunkt:
        return Ergebnis_Kugel_Punkt(s, z.SzeneKugel, z.SzenePunkt, x, y);
    case Szenenart::KugelVPunkt:
        return Ergebnis_KugelV_Punkt(s, z.SzeneKugelV, z.SzenePunkt, x, y);
    case Szenenart::KugelEbene:
        return Ergebnis_Kugel_Ebene(s, z.SzeneKugel, z.SzeneEbene, x, y);
    case Szenenart::EbeneNormKugelM:
        return Ergebnis_EbeneNorm_KugelM(s, z.SzeneKugel, z.SzeneEbene, x, y);
    case Szenenart::KugelVEbeneNorm:
        return Ergebnis_KugelV_EbeneNorm(s, z.SzeneKugelV, z.SzeneEbene, x, y);
    case Szenenart::KugelMEbenePar:
        return Ergebnis_KugelM_EbenePAR(s, z.SzeneKugel, z.SzeneEbenePar, x, y);
    case Szenenart::KugelVEbenePar:
        return Ergebnis_KugelV_EbenePAR(s, z.SzeneKugelV, z.SzeneEbenePar, x, y);
    case Szenenart::KugelKugel:
        return Ergebnis_Kugel_Kugel(s, z.SzeneKugel1, z.SzeneKugel2, x, y);
    case Szenenart::KugelMKugelV:
        return Ergebnis_KugelM_KugelV(s, z.SzeneKugel, z.SzeneKugelV, x, y);
    case Szenenart::KugelVKugelV:
        return Ergebnis_KugelV_KugelV(s, z.SzeneKugelV1, z.SzeneKugelV2, x, y);
    case Szenenart::Kugel4Punkte:
        return Ergebnis_Kugel4Punkte(s, z.SzeneTetraeder, z.SzeneKugel, x, y);
    case Szenenart::Skalarprodukt:
        return Ergebnis_SkalarProdukt(s, z.SzeneVek1, z.SzeneVek2, x, y);
    case Szenenart::Vektorprodukt:
        return Ergebnis_VektorProdukt(s, z.SzeneVek1, z.SzeneVek2, x, y);
    case Szenenart::Spatprodukt:
        return Ergebnis_SpatProdukt(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, x, y);
    case Szenenart::LineareAbh2:
        return Ergebnis_LineareAbh2(s, z.SzeneVek1, z.SzeneVek2, x, y);
    case Szenenart::LineareAbh3:
        return Ergebnis_LineareAbh3(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, x, y);
    case Szenenart::LineareAbh4:
        return Ergebnis_LineareAbh4(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, z.SzeneVek4, x, y);
    }
}
