// Values that the report and the drawing of a figure task both show, computed once.
#include "core/scene.h"

#include "core/relations.h"

TViereck completeParallelogram(const TDreieck& abc) {
    TViereck v;
    v.A = abc.A;
    v.B = abc.B;
    v.C = abc.C;
    v.D = summe(abc.A, differenz(abc.C, abc.B));
    v.D.Farbe = farbe::Lime;
    v.D.Name = "  D";
    v.Farbe = abc.Farbe;
    return v;
}

void cutTetrahedronEdges(const TViereck& t, const TEbeneNorm& E, TPunkt S[6], int da[6]) {
    const struct {
        const TPunkt *P, *Q;
        const char* name;
    } kanten[6] = {{&t.A, &t.B, "Sab"}, {&t.B, &t.C, "Sbc"}, {&t.A, &t.C, "Sac"},
                   {&t.B, &t.D, "Sbd"}, {&t.A, &t.D, "Sad"}, {&t.C, &t.D, "Scd"}};
    for (int i = 0; i < 6; ++i) {
        TGerade g;
        Gerade_durch_2_Punkte(*kanten[i].P, *kanten[i].Q, g);
        int code = 0;
        TPunkt P;
        Schnittpunkt_Gerade_Ebene(g, E, code, P);
        P.Name = kanten[i].name;
        P.Farbe = E.Farbe;
        S[i] = P;
        da[i] = code == 1 ? 1 : 0;
    }
}
