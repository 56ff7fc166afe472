// The matrix tasks of "&Matrizen" that have an input dialog: each reads its matrices (row by row)
// and its vector, forgets the plane task and hands the matrices over for their report.
#include "app/task_records.h"
#include "drawing/handover.h"

namespace task_rows {

namespace {

template <int N> void lies(TaskFields& f, double (&a)[N][N]) {
    for (auto& zeile : a)
        for (double& x : zeile) x = f.zahl();
}

} // namespace

void addMatrixTasks(std::vector<TaskSpec>& t) {
    t.push_back({"N2x2Matrix1Click",
                 {"&Matrizen", "Matrix", "2x2 - Matrix"},
                 "TMatrix2x2Dlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     MatrixAufgabe m;
                     lies(f, m.M2[0].a);
                     c.handover.Matrix_uebergeben(Szenenart::Matrix2, m);
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"N2x22x21Click",
                 {"&Matrizen", "Matrizenmultiplikation", "2x2 * 2x2"},
                 "TMatmult2x2Dlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     MatrixAufgabe m;
                     lies(f, m.M2[0].a);
                     lies(f, m.M2[1].a);
                     c.handover.Matrix_uebergeben(Szenenart::Matmult2, m);
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"N3x33x31Click",
                 {"&Matrizen", "Matrizenmultiplikation", "3x3 * 3x3"},
                 "TMatMul3x3Dlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     MatrixAufgabe m;
                     lies(f, m.M3[0].a);
                     lies(f, m.M3[1].a);
                     c.handover.Matrix_uebergeben(Szenenart::Matmult3, m);
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"N22Matrix1Click",
                 {"&Matrizen", "Matrix und Vektor", "2x2 - Matrix"},
                 "TMatrix2x2VektorDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     MatrixAufgabe m;
                     lies(f, m.M2[0].a);
                     for (int i = 0; i < 2; ++i) m.v[i] = f.zahl();
                     c.handover.Matrix_uebergeben(Szenenart::Matrix2Vektor, m);
                     return TaskOutcome::HandedOver;
                 }});
    t.push_back({"N3x3Matrix2Click",
                 {"&Matrizen", "Matrix und Vektor", "3x3 - Matrix"},
                 "TMatrix3x3VektorDlg",
                 "",
                 [](TaskFields& f, TaskContext& c) {
                     MatrixAufgabe m;
                     lies(f, m.M3[0].a);
                     for (double& x : m.v) x = f.zahl();
                     c.handover.Matrix_uebergeben(Szenenart::Matrix3Vektor, m);
                     return TaskOutcome::HandedOver;
                 }});
}

} // namespace task_rows
