// The tasks of "&Punkte" (those reached there that belong to lines, planes and spheres live
// with those) and of "&Vektor". None of them has an input test.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

using O = TaskOutcome;

// The vector tasks: p, q, r, s in this order, each in its own colour from the dialog. The
// operands are the scene's vector stores, which the sheet's editing changes later.
void vektorenLesen(TaskFields& f, TaskContext& c, int anzahl) {
    TPunkt v[4];
    const char* const namen[4] = {"p", "q", "r", "s"};
    for (int i = 0; i < anzahl; ++i) v[i] = f.punkt(namen[i], f.farbe(i));
    TPunkt* stores[4] = {&c.szene.SzeneVek1, &c.szene.SzeneVek2, &c.szene.SzeneVek3,
                         &c.szene.SzeneVek4};
    for (int i = 0; i < anzahl; ++i) *stores[i] = v[i];
}

} // namespace

void addPointTasks(std::vector<TaskSpec>& t) {
    t.push_back(
        {"Punkt1Click", {"&Punkte", "Punkt"}, "TPunktDlg", "", [](TaskFields& f, TaskContext& c) {
             TPunkt P = f.punkt("P", f.farbe(0));
             c.handover.Punkt_uebergeben(P);
             return O::HandedOver;
         }});
    t.push_back(
        {"Linie2Click", {"&Punkte", "Strecke"}, "TLinieDlg", "", [](TaskFields& f, TaskContext& c) {
             // One colour for both points and the segment.
             TStrecke s;
             s.A = f.punkt("P", f.farbe(0));
             s.B = f.punkt("Q", f.farbe(0));
             s.Farbe = f.farbe(0);
             c.handover.Linie_uebergeben(s);
             return O::HandedOver;
         }});
    t.push_back({"Teilverhltnis1Click",
                 {"&Punkte", "Teilverhältnis"},
                 "TTeilverhaeltnisDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     // Fixed colours; the dialog holds none.
                     TPunkt A = f.punkt("A", gelb);
                     TPunkt B = f.punkt("B", gelb);
                     TPunkt T = f.punkt("T", rot);
                     c.handover.Teilverhaeltnis_uebergeben(A, B, T);
                     return O::HandedOver;
                 }});
    t.push_back({"Dreieck1Click",
                 {"&Punkte", "Dreieck"},
                 "TDreieckDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TDreieck d;
                     d.A = f.punkt("A", f.farbe(0));
                     d.B = f.punkt("B", f.farbe(0));
                     d.C = f.punkt("C", f.farbe(0));
                     d.Farbe = f.farbe(0);
                     c.handover.Dreieck_uebergeben(d);
                     return O::HandedOver;
                 }});
    t.push_back({"Viereck1Click",
                 {"&Punkte", "Viereck (beliebig)"},
                 "TViereckDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TViereck v = vierPunkte(f, f.farbe(0));
                     c.handover.Viereck_uebergeben(v);
                     return O::HandedOver;
                 }});
    t.push_back({"Tetraeder1Click",
                 {"&Punkte", "Tetraeder"},
                 "TTetraederDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TViereck v = vierPunkte(f, f.farbe(0));
                     c.optionen.TetraederKanten = true;
                     c.handover.Tetraeder_uebergeben(v);
                     return O::HandedOver;
                 }});
    t.push_back({"TetraedermitEbene2Click",
                 {"&Punkte", "Tetraeder mit Ebene"},
                 "TTetraederEbeneDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TViereck v = vierPunkte(f, gruen);
                     TEbeneNorm E = ebeneNorm(f, "Ebene E: ", gelb);
                     c.optionen.TetraederKanten = true;
                     c.handover.Tetraeder_Ebene_uebergeben(v, E);
                     return O::HandedOver;
                 }});
    t.push_back({"fehlendePunkte1Click",
                 {"&Punkte", "Parallelogramm"},
                 "TParallelogrammDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TDreieck d;
                     d.A = f.punkt("A", f.farbe(0));
                     d.B = f.punkt("B", f.farbe(0));
                     d.C = f.punkt("C", f.farbe(0));
                     d.Farbe = f.farbe(0);
                     c.handover.Parallelogramm_uebergeben(d);
                     return O::HandedOver;
                 }});
}

void addVectorTasks(std::vector<TaskSpec>& t) {
    t.push_back({"Skalarprodukt1Click",
                 {"&Vektor", "Skalarprodukt"},
                 "TSkalarProduktDLG",
                 "Skalarprodukt:",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 2);
                     c.handover.Skalarprodukt_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2);
                     return O::HandedOver;
                 }});
    t.push_back({"Vektorprodukt1Click",
                 {"&Vektor", "Vektorprodukt"},
                 "TSkalarProduktDLG",
                 "Vektorprodukt:",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 2);
                     c.handover.Vektorprodukt_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2);
                     return O::HandedOver;
                 }});
    t.push_back({"Spatprodukt1Click",
                 {"&Vektor", "Spatprodukt"},
                 "TSpatProduktDlg",
                 "Spatprodukt:",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 3);
                     c.handover.Spatprodukt_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2,
                                                       c.szene.SzeneVek3);
                     return O::HandedOver;
                 }});
    t.push_back({"N2Vektoren1Click",
                 {"&Vektor", "Lineare Abhängigkeit", "2 Vektoren"},
                 "TSkalarProduktDLG",
                 "Lineare Abhägigkeit:",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 2);
                     c.handover.LineareAbh2_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2);
                     return O::HandedOver;
                 }});
    t.push_back({"N3Vektoren1Click",
                 {"&Vektor", "Lineare Abhängigkeit", "3 Vektoren"},
                 "TSpatProduktDlg",
                 "Lineare Abhägigkeit:",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 3);
                     c.handover.LineareAbh3_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2,
                                                       c.szene.SzeneVek3);
                     return O::HandedOver;
                 }});
    t.push_back({"N4Vektoren1Click",
                 {"&Vektor", "Lineare Abhängigkeit", "4 Vektoren"},
                 "TLineeareAbh4Dlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     vektorenLesen(f, c, 4);
                     c.handover.LineareAbh4_Uebergeben(c.szene.SzeneVek1, c.szene.SzeneVek2,
                                                       c.szene.SzeneVek3, c.szene.SzeneVek4);
                     return O::HandedOver;
                 }});
}

} // namespace task_rows
