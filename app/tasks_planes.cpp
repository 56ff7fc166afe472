// The tasks of "&Ebene" (also reached as "Punkt und Ebene" and "Kugel mit Ebene"); the planes
// with a line belong to "&Gerade".
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

using O = TaskOutcome;

} // namespace

void addPlaneTasks(std::vector<TaskSpec>& t) {
    t.push_back({"EbeneinParameterform2Click",
                 {"&Punkte", "Punkt und Ebene", "Ebene in Parameterform"},
                 "TEbeneParPunktDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbene E = ebenePar(f, "E: ", f.farbe(0));
                     TPunkt P = f.punkt("P", f.farbe(1));
                     if (!gueltig(c, IstEbenePar(E))) return O::Rejected;
                     c.handover.EbenePar_Punkt_uebergeben(E, P);
                     return O::HandedOver;
                 }});
    t.push_back({"EbeneinNormalenform2Click",
                 {"&Punkte", "Punkt und Ebene", "Ebene in Normalenform"},
                 "TEbeneNPunktDLG",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbeneNorm E = ebeneNorm(f, "E: ", f.farbe(0));
                     TPunkt P = f.punkt("P", f.farbe(1));
                     if (!gueltig(c, IstEbeneNorm(E))) return O::Rejected;
                     c.handover.Ebene_Punkt_uebergeben(E, P);
                     return O::HandedOver;
                 }});
    t.push_back({"Ebenedurch3Punkte1Click",
                 {"&Ebene", "Ebene", "Ebene durch 3 Punkte"},
                 "TEbene3PunkteDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TPunkt A = f.punkt("A", f.farbe(0));
                     TPunkt B = f.punkt("B", f.farbe(0));
                     TPunkt C = f.punkt("C", f.farbe(0));
                     TEbene E;
                     Ebene_durch_3_Punkte(A, B, C, E);
                     E.Name = "E: ";
                     E.Farbe = f.farbe(0);
                     if (!gueltig(c, IstEbenePar(E))) return O::Rejected;
                     c.handover.Ebene3Punkte_uebergeben(A, B, C, E);
                     return O::HandedOver;
                 }});
    t.push_back({"inParameterform1Click",
                 {"&Ebene", "Ebene", "in Parameterform"},
                 "TEbenePDLG",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbene E = ebenePar(f, "E: ", f.farbe(0));
                     if (!gueltig(c, IstEbenePar(E))) return O::Rejected;
                     c.handover.EbenePAR_uebergeben(E);
                     return O::HandedOver;
                 }});
    t.push_back({"inNormalenform1Click",
                 {"&Ebene", "Ebene", "in Normalenform"},
                 "TEbeneNormDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbeneNorm E = ebeneNorm(f, "E: ", f.farbe(0));
                     if (!gueltig(c, IstEbeneNorm(E))) return O::Rejected;
                     c.handover.Ebene_uebergeben(E);
                     return O::HandedOver;
                 }});
    t.push_back({"beideinParameterform1Click",
                 {"&Ebene", "Ebene mit Ebene", "beide in Parameterform"},
                 "TEbeneParEbeneParDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbene E1 = ebenePar(f, "E1: ", f.farbe(0));
                     TEbene E2 = ebenePar(f, "E2: ", f.farbe(1));
                     if (!gueltig(c, IstEbenePar(E1) && IstEbenePar(E2))) return O::Rejected;
                     c.handover.EbenePAR_EbenePAR_uebergeben(E1, E2);
                     return O::HandedOver;
                 }});
    t.push_back({"ParameterNormalenform1Click",
                 {"&Ebene", "Ebene mit Ebene", "Parameter/Normalenform"},
                 "TEbeneParEbeneNormDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbene E1 = ebenePar(f, "E1: ", f.farbe(0));
                     TEbeneNorm E2 = ebeneNorm(f, "E2: ", f.farbe(1));
                     if (!gueltig(c, IstEbenePar(E1) && IstEbeneNorm(E2))) return O::Rejected;
                     c.handover.EbenePAR_EbeneNorm_uebergeben(E1, E2);
                     return O::HandedOver;
                 }});
    t.push_back({"beideinNormalenform1Click",
                 {"&Ebene", "Ebene mit Ebene", "beide in Normalenform"},
                 "TEbeneNormEbeneNormDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbeneNorm E1 = ebeneNorm(f, "E1: ", f.farbe(0));
                     TEbeneNorm E2 = ebeneNorm(f, "E2: ", f.farbe(1));
                     if (!gueltig(c, IstEbeneNorm(E1) && IstEbeneNorm(E2))) return O::Rejected;
                     c.handover.EbeneNorm_EbeneNorm_uebergeben(E1, E2);
                     return O::HandedOver;
                 }});
    t.push_back(
        {"KugelinMittelpunktsform5Click",
         {"&Ebene", "Ebene mit Kugel", "Ebene in Normalenform", "Kugel in Mittelpunktsform"},
         "TEbeneNormKugelMDlg",
         "",
         [](TaskFields& f, TaskContext& c) {
             TEbeneNorm E = ebeneNorm(f, "E: ", f.farbe(0));
             TKugel K = kugelM(f, "K: ", "M", f.farbe(1));
             if (!gueltig(c, IstEbeneNorm(E) && IstKugel(K))) return O::Rejected;
             c.handover.EbeneNorm_KugelM_uebergeben(K, E);
             return O::HandedOver;
         }});
    t.push_back({"KugelinVektorform6Click",
                 {"&Ebene", "Ebene mit Kugel", "Ebene in Normalenform", "Kugel in Vektorform"},
                 "TKugelV_EbeneNormDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbeneNorm E = ebeneNorm(f, "E: ", f.farbe(0));
                     TKugelV K = kugelV(f, "K: ", f.farbe(1));
                     if (!gueltig(c, IstEbeneNorm(E) && IstKugelV(K))) return O::Rejected;
                     c.handover.KugelV_EbeneNorm_uebergeben(K, E);
                     return O::HandedOver;
                 }});
    t.push_back(
        {"KugelinMittelpunktsform6Click",
         {"&Ebene", "Ebene mit Kugel", "Ebene in Parameterform", "Kugel in Mittelpunktsform"},
         "TKugelMEbeneParDlg",
         "",
         [](TaskFields& f, TaskContext& c) {
             TEbene E = ebenePar(f, "E: ", f.farbe(0));
             TKugel K = kugelM(f, "K: ", "M", f.farbe(1));
             if (!gueltig(c, IstEbenePar(E) && IstKugel(K))) return O::Rejected;
             c.handover.KugelM_EbenePAR_uebergeben(K, E);
             return O::HandedOver;
         }});
    t.push_back({"KugelinVektorform7Click",
                 {"&Ebene", "Ebene mit Kugel", "Ebene in Parameterform", "Kugel in Vektorform"},
                 "TKugelVEbeneParDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     TEbene E = ebenePar(f, "E: ", f.farbe(0));
                     TKugelV K = kugelV(f, "K: ", f.farbe(1));
                     if (!gueltig(c, IstEbenePar(E) && IstKugelV(K))) return O::Rejected;
                     c.handover.KugelV_EbenePAR_uebergeben(K, E);
                     return O::HandedOver;
                 }});
}

} // namespace task_rows
