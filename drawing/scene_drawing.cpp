// The dispatcher: coordinate system, then the scene of the current kind.
#include "drawing/scene_drawing.h"

#include "core/objects.h"
#include "drawing/scene_drawing_internal.h"

TEbeneNorm normalform(const TEbene& E) {
    TEbeneNorm N;
    Parameter_zu_Normalenform(E, N);
    return N;
}

TKugel mittelpunktsform(const TKugelV& V) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    return K;
}

void Zeichne_alles(Canvas& canvas, ViewState& view, Szene& szene, Optionen& optionen,
                   const SceneDrawEvents& events) {
    Zeichner z{canvas, view, optionen};
    Zeichne_koordinatensystem(z, farbe::Weiss);
    SzenenZeichner s{z, szene, optionen, events};

    switch (szene.art) {
    case Szenenart::keine:
        return;
    case Szenenart::Punkt:
        return zeichnePunkt(s);
    case Szenenart::Linie:
        return zeichneLinie(s);
    case Szenenart::Teilverhaeltnis:
        return zeichneTeilverhaeltnis(s);
    case Szenenart::Dreieck:
        return zeichneDreieck(s);
    case Szenenart::Viereck:
        return zeichneViereck(s);
    case Szenenart::Parallelogramm:
        return zeichneParallelogramm(s);
    case Szenenart::Tetraeder:
        return zeichneTetraeder(s);
    case Szenenart::TetraederEbene:
        return zeichneTetraederEbene(s);

    case Szenenart::Gerade:
        return zeichneGerade(s);
    case Szenenart::Gerade2Punkte:
        return zeichneGerade2Punkte(s);
    case Szenenart::GeradePunkt:
        return zeichneGeradePunkt(s);
    case Szenenart::ZweiGeraden:
        return zeichneZweiGeraden(s);
    case Szenenart::PunktZweiGeraden:
        return zeichnePunktZweiGeraden(s);

    case Szenenart::Ebene:
        return zeichneEbene(s, szene.SzeneEbene);
    case Szenenart::EbenePar:
        return zeichneEbene(s, normalform(szene.SzeneEbenePar));
    case Szenenart::Ebene3Punkte:
        return zeichneEbene3Punkte(s);
    case Szenenart::EbenePunkt:
        return zeichneEbenePunkt(s, szene.SzeneEbene);
    case Szenenart::EbeneParPunkt:
        return zeichneEbenePunkt(s, normalform(szene.SzeneEbenePar));
    case Szenenart::EbeneGerade:
        return zeichneEbeneGerade(s, szene.SzeneEbene);
    case Szenenart::EbeneParGerade:
        return zeichneEbeneGerade(s, normalform(szene.SzeneEbenePar));
    case Szenenart::EbeneNormEbeneNorm:
        return zeichneZweiEbenen(s, szene.SzeneEbene1, szene.SzeneEbene2);
    case Szenenart::EbeneParEbenePar:
        return zeichneZweiEbenen(s, normalform(szene.SzeneEbenePar1),
                                 normalform(szene.SzeneEbenePar2));
    case Szenenart::EbeneParEbeneNorm:
        return zeichneZweiEbenen(s, normalform(szene.SzeneEbenePar1), szene.SzeneEbene2);

    case Szenenart::Kugel:
        return KugelZeichnen(z, szene.SzeneKugel);
    case Szenenart::KugelV:
        return KugelZeichnen(z, mittelpunktsform(szene.SzeneKugelV));
    case Szenenart::KugelGerade:
        return zeichneKugelGerade(s, szene.SzeneKugel);
    case Szenenart::KugelVGerade:
        return zeichneKugelGerade(s, mittelpunktsform(szene.SzeneKugelV));
    case Szenenart::KugelPunkt:
        return zeichneKugelPunkt(s, szene.SzeneKugel);
    case Szenenart::KugelVPunkt:
        return zeichneKugelPunkt(s, mittelpunktsform(szene.SzeneKugelV));
    case Szenenart::KugelEbene:
    case Szenenart::EbeneNormKugelM:
        return KugelEbeneZeichnen(z, szene.SzeneKugel, szene.SzeneEbene);
    case Szenenart::KugelVEbeneNorm:
        return KugelEbeneZeichnen(z, mittelpunktsform(szene.SzeneKugelV), szene.SzeneEbene);
    case Szenenart::KugelMEbenePar:
        return KugelEbeneZeichnen(z, szene.SzeneKugel, normalform(szene.SzeneEbenePar));
    case Szenenart::KugelVEbenePar:
        return KugelEbeneZeichnen(z, mittelpunktsform(szene.SzeneKugelV),
                                  normalform(szene.SzeneEbenePar));
    case Szenenart::KugelKugel:
        return KugelKugelZeichnen(z, szene.SzeneKugel1, szene.SzeneKugel2);
    case Szenenart::KugelMKugelV:
        return KugelKugelZeichnen(z, szene.SzeneKugel, mittelpunktsform(szene.SzeneKugelV));
    case Szenenart::KugelVKugelV:
        return KugelKugelZeichnen(z, mittelpunktsform(szene.SzeneKugelV1),
                                  mittelpunktsform(szene.SzeneKugelV2));
    case Szenenart::Kugel4Punkte:
        return zeichneKugel4Punkte(s);

    case Szenenart::Skalarprodukt:
        return zeichneSkalarprodukt(s);
    case Szenenart::Vektorprodukt:
        return zeichneVektorprodukt(s);
    case Szenenart::Spatprodukt:
        return zeichneSpatprodukt(s);
    case Szenenart::LineareAbh2:
        return zeichneVektoren(s, 2);
    case Szenenart::LineareAbh3:
        return zeichneVektoren(s, 3);
    case Szenenart::LineareAbh4:
        return zeichneVektoren(s, 4);
    }
}
