// The eleven ellipse tasks of "2-&dim. Geometrie" › "Ellipse": each reads its dialog's fields
// into the ellipse store, runs the input test of its determination (the tasks that take an
// ellipse as typed have none) and hands the store over.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

using A = Ellipsenart;

TEllipse2 ellipse(TaskFields& f, const char* name, const char* mitte, TFarbe farbe) {
    TEllipse2 E;
    E.M = f.punkt2(mitte, gelb);
    E.a = f.zahl();
    E.b = f.zahl();
    E.Name = name;
    E.Farbe = farbe;
    return E;
}

TGeradeGl2 gerade(TaskFields& f) {
    TGeradeGl2 g;
    g.u = f.zahl();
    g.v = f.zahl();
    g.w = f.zahl();
    g.Farbe = cyan;
    return g;
}

// The fields in the reading order of the task's dialog.
EllipsenEingabe lesen(A art, TaskFields& f) {
    EllipsenEingabe in;
    switch (art) {
    case A::MittelpunktAchsen:
        in.E = ellipse(f, "E:", "M", gelb);
        break;
    case A::ExzentrizitaetPunkt:
        in.e = f.zahl();
        in.P = f.punkt2("P", cyan);
        break;
    case A::AchseTangente:
        in.E.a = f.zahl();
        in.t = gerade(f);
        break;
    case A::BrennpunktePunkt:
        in.F1 = f.punkt2("F1", cyan);
        in.F2 = f.punkt2("F2", cyan);
        in.P = f.punkt2("P", cyan);
        break;
    case A::BrennpunktPunktTangente:
        in.F1 = f.punkt2("F1", cyan);
        in.P = f.punkt2("P", cyan);
        in.t = gerade(f);
        break;
    case A::BrennpunktTangente:
        in.F1 = f.punkt2("F1", cyan);
        in.t = gerade(f);
        break;
    case A::MittelpunktZweiPunkte:
        in.E.M = f.punkt2("M", gelb);
        in.P = f.punkt2("P", cyan);
        in.Q = f.punkt2("Q", cyan);
        break;
    case A::MittelpunktAchseTangente:
        in.E.M = f.punkt2("M", gelb);
        in.E.a = f.zahl();
        in.t = gerade(f);
        break;
    case A::EllipsePunkt:
        in.E = ellipse(f, "E:", "M", gelb);
        in.P = f.punkt2("P", cyan);
        break;
    case A::EllipseGerade:
        in.E = ellipse(f, "E:", "M", gelb);
        in.t = gerade(f);
        break;
    case A::ZweiEllipsen:
        in.E = ellipse(f, "E1:", "M1", gelb);
        in.E2 = ellipse(f, "E2:", "M2", gruen);
        in.E2.M.Farbe = gruen;
        break;
    }
    return in;
}

template <A art> TaskOutcome ellipsenAufgabe(TaskFields& f, TaskContext& c) {
    const EllipsenEingabe in = lesen(art, f);
    if (!gueltig(c, Ellipse_gueltig(art, in))) return TaskOutcome::Rejected;
    c.handover.Ellipse_uebergeben(ellipsenSzene(art), in);
    return TaskOutcome::HandedOver;
}

template <A art>
void add(std::vector<TaskSpec>& t, const char* handler, const char* gruppe, const char* eintrag,
         const char* dialog) {
    t.push_back({handler,
                 {"2-&dim. Geometrie", "Ellipse", gruppe, eintrag},
                 dialog,
                 "",
                 ellipsenAufgabe<art>});
}

} // namespace

void addEllipseTasks(std::vector<TaskSpec>& t) {
    add<A::MittelpunktAchsen>(t, "EllipseMab1Click", "Mittelpunkt und Achsen", "Ellipse ((M, a, b)",
                              "TEllipsenGlnDlg");
    add<A::ExzentrizitaetPunkt>(t, "Eingabe1Click", "Exzentr. und Pukt", "Eingabe (e, B)",
                                "TEllipseEPDlg");
    add<A::AchseTangente>(t, "Eingabe2Click", "Halbachse und Tangente", "Eingabe (a, t)",
                          "TEllipseHatDlg");
    add<A::BrennpunktePunkt>(t, "EingabeFP1Click", "Brennpunkte und Punkt", "Eingabe (F1,F2, P)",
                             "TEllipseF1F2PDlg");
    add<A::BrennpunktPunktTangente>(t, "EingabeFPt1Click", "Brennpunkt, Punkt und Tangente",
                                    "Eingabe(F,P, t);", "TEllipseFPtDlg");
    add<A::BrennpunktTangente>(t, "EingabeFt1Click", "Brennpunkt und Tangente", "Eingabe (F, t)",
                               "TEllipseFtDlg");
    add<A::MittelpunktZweiPunkte>(t, "EingabeMPQ1Click", "Mittelpunkt und 2 Punkte",
                                  "Eingabe (M, P,Q)", "TEllipseMPQDlg");
    add<A::MittelpunktAchseTangente>(t, "EingabeMat1Click", "Mittelpunkt, Achse a und Tangente",
                                     "Eingabe (M, a,t)", "TEllipseMatDlg");
    add<A::EllipsePunkt>(t, "EingabeEllipseP1Click", "Lage: Ellipse-Punkt", "Eingabe (Ellipse, P)",
                         "TEllipse_PunktDlg");
    add<A::EllipseGerade>(t, "EingabeEllipseGerade1Click", "Lage: Ellipse-Gerade",
                          "Eingabe (Ellipse, Gerade)", "TEllipse_GeradeDlg");
    add<A::ZweiEllipsen>(t, "EingabeE1E21Click", "Lage: Zwei Ellipsen", "Eingabe: (E1, E2)",
                         "TEllipse_EllipseDlg");
}

} // namespace task_rows
