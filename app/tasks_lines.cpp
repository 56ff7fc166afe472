// The tasks of "&Gerade" (also reached as "Punkt und Gerade", "Ebene mit Gerade" and
// "Kugel mit Gerade"). Every one hands over a line, so every one shows the trace points.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

using O = TaskOutcome;

// The three tasks of a single line beep once more before the error box.
constexpr int einLinienPieps = 1;

} // namespace

void addLineTasks(std::vector<TaskSpec>& t) {
    t.push_back({"Geradeaus2Punkten1Click",
                 {"&Gerade", "Gerade", "Gerade druch 2 Punkte"},
                 "TGerade2PunkteDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TPunkt P = f.punkt("P", f.farbe(0));
                     TPunkt Q = f.punkt("Q", f.farbe(0));
                     TGerade g;
                     Gerade_durch_2_Punkte(P, Q, g);
                     if (!gueltig(c, IstGerade(g), einLinienPieps)) return O::Rejected;
                     nurSpurpunkte(c.optionen);
                     c.handover.Gerade2Punkte_uebergeben(P, Q, g);
                     return O::HandedOver;
                 }});
    t.push_back({"Gerade1Click",
                 {"&Gerade", "Gerade", "Gerade in Vektorform"},
                 "TGeradeDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     if (!gueltig(c, IstGerade(g), einLinienPieps)) return O::Rejected;
                     nurSpurpunkte(c.optionen);
                     c.handover.Gerade_uebergeben(g);
                     return O::HandedOver;
                 }});
    t.push_back({"GerademitPunkt1Click",
                 {"&Gerade", "Gerade mit Punkt"},
                 "TGeradePunktDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TPunkt P = f.punkt("P", f.farbe(1));
                     if (!gueltig(c, IstGerade(g), einLinienPieps)) return O::Rejected;
                     nurSpurpunkte(c.optionen);
                     c.handover.Gerade_Punkt_uebergeben(g, P);
                     return O::HandedOver;
                 }});
    t.push_back({"GerademitGerade1Click",
                 {"&Gerade", "Gerade mit Gerade"},
                 "TGeradeGeradeDLG",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TGerade h = gerade(f, "h:", "Q", "B", f.farbe(1));
                     if (!gueltig(c, IstGerade(g) && IstGerade(h))) return O::Rejected;
                     nurSpurpunkte(c.optionen);
                     c.handover.ZweiGeraden_uebergeben(g, h);
                     return O::HandedOver;
                 }});
    t.push_back({"EbeneinParameterform3Click",
                 {"&Gerade", "Gerade mit Ebene", "Ebene in Parameterform"},
                 "TGeradeEbeneParDLG",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TEbene E = ebenePar(f, "E: ", f.farbe(1));
                     if (!gueltig(c, IstGerade(g) && IstEbenePar(E))) return O::Rejected;
                     spurpunkteAn(c.optionen);
                     c.handover.EbenePAR_Gerade_uebergeben(E, g);
                     return O::HandedOver;
                 }});
    t.push_back({"EbeneinNormalenform3Click",
                 {"&Gerade", "Gerade mit Ebene", "Ebene in Normalenform"},
                 "TGeradeEbeneNormDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TEbeneNorm E = ebeneNorm(f, "E: ", f.farbe(1));
                     if (!gueltig(c, IstGerade(g) && IstEbeneNorm(E))) return O::Rejected;
                     spurpunkteAn(c.optionen);
                     c.handover.Ebene_Gerade_uebergeben(E, g);
                     return O::HandedOver;
                 }});
    t.push_back({"KugelinMittelpunksform1Click",
                 {"&Gerade", "Gerade mit Kugel", "Kugel in Mittelpunksform"},
                 "TGeradeKugelMDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TKugel K = kugelM(f, "K: ", "M", f.farbe(1));
                     if (!gueltig(c, IstGerade(g) && IstKugel(K))) return O::Rejected;
                     spurpunkteAn(c.optionen);
                     c.handover.Kugel_Gerade_uebergeben(K, g);
                     return O::HandedOver;
                 }});
    t.push_back({"KugelinVektorform2Click",
                 {"&Gerade", "Gerade mit Kugel", "Kugel in Vektorform"},
                 "TGeradeKugelVDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TGerade g = gerade(f, "g:", "P", "A", f.farbe(0));
                     TKugelV K = kugelV(f, "K: ", f.farbe(1));
                     if (!gueltig(c, IstGerade(g) && IstKugelV(K))) return O::Rejected;
                     spurpunkteAn(c.optionen);
                     c.handover.KugelVF_Gerade_uebergeben(K, g);
                     return O::HandedOver;
                 }});
    t.push_back({"GeradeGeradePunkt1Click",
                 {"&Gerade", "Gerade-Punkt-Gerade"},
                 "TPunkteGeradeGeradeDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     // Fixed colours; the dialog holds none.
                     TPunkt P = f.punkt("P", gelb);
                     TGerade g1 = gerade(f, "g1", "R", "A", cyan);
                     TGerade g2 = gerade(f, "g2", "Q", "B", gruen);
                     if (!gueltig(c, IstGerade(g1) && IstGerade(g2))) return O::Rejected;
                     nurSpurpunkte(c.optionen);
                     c.handover.Punkt_ZweiGeraden_uebergeben(P, g1, g2);
                     return O::HandedOver;
                 }});
}

} // namespace task_rows
