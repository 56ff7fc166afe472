// The tasks of "&Kugel" and the spheres with a point (reached first under "&Punkte"). Every
// sphere task shows the sphere's plane points.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

using O = TaskOutcome;

} // namespace

void addSphereTasks(std::vector<TaskSpec>& t) {
    t.push_back({"KugelinMittelpunktsform3Click",
                 {"&Punkte", "Punkt und Kugel", "Kugel in Mittelpunktsform"},
                 "TKugelMPunktDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TPunkt P = f.punkt("P", f.farbe(0));
                     TKugel K = kugelM(f, "K: ", "M", f.farbe(1));
                     if (!gueltig(c, IstKugel(K))) return O::Rejected;
                     c.handover.KugelM_Punkt_uebergeben(K, P);
                     return O::HandedOver;
                 }});
    t.push_back({"KugelinVektorform4Click",
                 {"&Punkte", "Punkt und Kugel", "Kugel in Vektorform"},
                 "TKugelVPunktDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TPunkt P = f.punkt("P", f.farbe(0));
                     TKugelV K = kugelV(f, "K: ", f.farbe(1));
                     if (!gueltig(c, IstKugelV(K))) return O::Rejected;
                     c.handover.KugelV_Punkt(K, P);
                     return O::HandedOver;
                 }});
    t.push_back({"KugelinMittelpunktsform2Click",
                 {"&Kugel", "Kugel", "Kugel in Mittelpunktsform"},
                 "TKugelMDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TKugel K = kugelM(f, "K: ", "M", f.farbe(0));
                     if (!gueltig(c, IstKugel(K))) return O::Rejected;
                     c.handover.Kugel_uebergeben(K);
                     return O::HandedOver;
                 }});
    t.push_back({"KugelinVektorform3Click",
                 {"&Kugel", "Kugel", "Kugel in Vektorform"},
                 "TKugelVDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TKugelV K = kugelV(f, "K: ", f.farbe(0));
                     if (!gueltig(c, IstKugelV(K))) return O::Rejected;
                     c.handover.KugelV_uebergeben(K);
                     return O::HandedOver;
                 }});
    t.push_back({"beideKugelninMittelpunktsform1Click",
                 {"&Kugel", "Kugel mit Kugel", "beide Kugeln in Mittelpunktsform"},
                 "TKugelMKugelMDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TKugel K1 = kugelM(f, "K1: ", "M1", f.farbe(0));
                     TKugel K2 = kugelM(f, "K2: ", "M2", f.farbe(1));
                     if (!gueltig(c, IstKugel(K1) && IstKugel(K2))) return O::Rejected;
                     c.handover.KugelM_KugelM_uebergeben(K1, K2);
                     return O::HandedOver;
                 }});
    t.push_back({"MittelpunktsVektorform1Click",
                 {"&Kugel", "Kugel mit Kugel", "Mittelpunkts-/Vektorform"},
                 "TKugelMKugelVDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TKugel K1 = kugelM(f, "K1: ", "M1", f.farbe(0));
                     TKugelV K2 = kugelV(f, "K2: ", f.farbe(1));
                     if (!gueltig(c, IstKugel(K1) && IstKugelV(K2))) return O::Rejected;
                     c.handover.KugelM_KugelV_uebergeben(K1, K2);
                     return O::HandedOver;
                 }});
    t.push_back({"beideKugelninVektorform1Click",
                 {"&Kugel", "Kugel mit Kugel", "beide Kugeln in Vektorform"},
                 "TKugelVKugelVDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TKugelV K1 = kugelV(f, "K1: ", f.farbe(0));
                     TKugelV K2 = kugelV(f, "K2: ", f.farbe(1));
                     if (!gueltig(c, IstKugelV(K1) && IstKugelV(K2))) return O::Rejected;
                     c.handover.KugelV_KugelV_uebergeben(K1, K2);
                     return O::HandedOver;
                 }});
    t.push_back({"Kugeldurch4Punkte1Click",
                 {"&Kugel", "Kugel durch 4 Punkte"},
                 "TKugel4PunkteDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TViereck v = vierPunkte(f, f.farbe(0));
                     bool geloest = false;
                     TKugel K;
                     Kugel_durch_4_Punkte(v.A, v.B, v.C, v.D, geloest, K);
                     // Four points on no sphere are a failed input like any other.
                     if (!gueltig(c, geloest && IstKugel(K))) return O::Rejected;
                     c.optionen.TetraederKanten = f.checked();
                     c.handover.Kugel4Punkte_uebergeben(v, K);
                     return O::HandedOver;
                 }});
}

} // namespace task_rows
