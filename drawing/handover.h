#pragma once
// The hand-over of a computed task to the drawing and the sheet. Each operation forgets the
// previous scene, clears the sheet, stores the task's objects as the current scene, marks the
// scene kind, asks for a redraw and writes the task's report on the sheet. It needs no window:
// the redraw request is a callback (the drawing window's redraw, or nothing when headless).
#include "core/scene.h"
#include "plane/records.h"

#include <functional>
#include <utility>

class Messages;
class Sheet;

class SceneHandover {
public:
    SceneHandover(Szene& szene, Optionen& optionen, Sheet& sheet, Messages& meldungen,
                  std::function<void()> redraw = {});

    // Asks for a redraw of the drawing (TZeichnungsDlg::redraw in the program).
    std::function<void()> redraw;

    // --- Points and figures ---
    void Punkt_uebergeben(const TPunkt& P);
    void Linie_uebergeben(const TStrecke& s);
    void Teilverhaeltnis_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& T);
    void Dreieck_uebergeben(const TDreieck& d);
    void Viereck_uebergeben(const TViereck& v);
    // A, B, C of the parallelogram; D = A + C − B is completed by the drawing and the report.
    void Parallelogramm_uebergeben(const TDreieck& d);
    // Also switches the tetrahedron edges on, as every tetrahedron task does.
    void Tetraeder_uebergeben(const TViereck& t);
    void Tetraeder_Ebene_uebergeben(const TViereck& t, const TEbeneNorm& E);

    // --- Lines ---
    void Gerade_uebergeben(const TGerade& g);
    // The two points and the line through them.
    void Gerade2Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TGerade& g);
    void Gerade_Punkt_uebergeben(const TGerade& g, const TPunkt& P);
    void ZweiGeraden_uebergeben(const TGerade& g, const TGerade& h);
    void Punkt_ZweiGeraden_uebergeben(const TPunkt& P, const TGerade& g1, const TGerade& g2);

    // --- Planes ---
    void Ebene_uebergeben(const TEbeneNorm& E);
    void EbenePAR_uebergeben(const TEbene& E);
    // The three points and the plane through them in parameter form.
    void Ebene3Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& C,
                                 const TEbene& E);
    void Ebene_Punkt_uebergeben(const TEbeneNorm& E, const TPunkt& P);
    void EbenePar_Punkt_uebergeben(const TEbene& E, const TPunkt& P);
    void Ebene_Gerade_uebergeben(const TEbeneNorm& E, const TGerade& g);
    void EbenePAR_Gerade_uebergeben(const TEbene& E, const TGerade& g);
    void Zwei_Ebenen_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2);
    void EbeneNorm_EbeneNorm_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2);
    void EbenePAR_EbenePAR_uebergeben(const TEbene& E1, const TEbene& E2);
    void EbenePAR_EbeneNorm_uebergeben(const TEbene& E1, const TEbeneNorm& E2);

    // --- Spheres (each also switches the sphere's plane points on, as every sphere task does) ---
    void Kugel_uebergeben(const TKugel& K);
    void KugelV_uebergeben(const TKugelV& V);
    void Kugel_Gerade_uebergeben(const TKugel& K, const TGerade& g);
    void KugelVF_Gerade_uebergeben(const TKugelV& V, const TGerade& g);
    void Kugel_Punkt_uebergeben(const TKugel& K, const TPunkt& P);
    void KugelM_Punkt_uebergeben(const TKugel& K, const TPunkt& P);
    void KugelV_Punkt(const TKugelV& V, const TPunkt& P);
    void Kugel_Ebene_uebergeben(const TKugel& K, const TEbeneNorm& E);
    void EbeneNorm_KugelM_uebergeben(const TKugel& K, const TEbeneNorm& E);
    void KugelV_EbeneNorm_uebergeben(const TKugelV& V, const TEbeneNorm& E);
    void KugelM_EbenePAR_uebergeben(const TKugel& K, const TEbene& E);
    void KugelV_EbenePAR_uebergeben(const TKugelV& V, const TEbene& E);
    void Kugel_Kugel_uebergeben(const TKugel& K1, const TKugel& K2);
    void KugelM_KugelM_uebergeben(const TKugel& K1, const TKugel& K2);
    void KugelM_KugelV_uebergeben(const TKugel& K, const TKugelV& V);
    void KugelV_KugelV_uebergeben(const TKugelV& V1, const TKugelV& V2);
    // The four points and the sphere through them (the caller has found it and set the
    // tetrahedron edges as the result requires).
    void Kugel4Punkte_uebergeben(const TViereck& punkte, const TKugel& K);

    // --- Vectors (stored as the scene's vectors 1 … 4) ---
    void Skalarprodukt_Uebergeben(const TPunkt& a, const TPunkt& b);
    // With a zero cross product: the message box with one Cancel button, no redraw; the report
    // is written and the scene marked all the same.
    void Vektorprodukt_Uebergeben(const TPunkt& a, const TPunkt& b);
    void Spatprodukt_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c);
    void LineareAbh2_Uebergeben(const TPunkt& a, const TPunkt& b);
    void LineareAbh3_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c);
    void LineareAbh4_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& d);

    // --- Plane tasks ---
    // Switches the drawing to plane mode (Ebene2_starten): the 2-D origin in the middle, 10
    // units each way, the window's panels. The drawing window sets it; headless, the session
    // switches its view state.
    std::function<void()> ebene2Starten;
    // No plane task and no matrix task is shown any more, nor the affine scene's definitions
    // and objects (the option flags and the affine maps stay).
    void Ebene2_zuruecksetzen();
    // After a plane task stored its input and set its kind: plane mode, redraw, and the task's
    // report (which derives its values first).
    void Ebene2_berechnen();
    // The triangle A, B, C (yellow, named "A", "B", "C" by the caller).
    void Dreieck2_uebergeben(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C);
    // An ellipse task (one of EllipseMab … EllipseEllipse) with its stored data.
    void Ellipse_uebergeben(Szenenart art, const EllipsenEingabe& daten);

    // --- Matrix tasks ---
    // No plane task is shown any more; the matrices are stored, the drawing shows the bare
    // coordinate system of its current mode and the sheet the task's report.
    void Matrix_uebergeben(Szenenart art, const MatrixAufgabe& m);

private:
    // One object to store: its store and a copy of it. The copy is taken when the argument is
    // built, before anything is stored: a caller may pass records that live in the scene stores
    // themselves (the sheet's click editing does), and storing one of them must not change
    // another on the way.
    template <class T> struct Store {
        T& target;
        T value;
    };
    template <class T> static Store<T> store(T& target, const T& value) { return {target, value}; }

    // The whole hand-over: forget, store, mark, redraw, report.
    template <class... T> void handOver(Szenenart art, Store<T>... stores) {
        begin();
        ((stores.target = std::move(stores.value)), ...);
        finish(art);
    }
    // Every sphere task shows the centres of the sphere's circles in the coordinate planes;
    // the flag is never switched off again.
    template <class... T> void handOverSphere(Szenenart art, Store<T>... stores) {
        optionen_.KugelEbenenpunkte = true;
        handOver(art, std::move(stores)...);
    }

    // Forgets the scene (the report clears the sheet when it is written).
    void begin();
    // Marks the scene, asks for a redraw (unless told not to) and writes the report.
    void finish(Szenenart art, bool withRedraw = true);

    Szene& szene_;
    Optionen& optionen_;
    Sheet& sheet_;
    Messages& meldungen_;
};
