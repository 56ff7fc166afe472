#pragma once
// The writers of the worked solutions, one per family of tasks; the help table names them.
class SolutionText;
struct Szene;

void writePoint(SolutionText& out, const Szene& z);
void writeSegment(SolutionText& out, const Szene& z);
void writePointSphere(SolutionText& out, const Szene& z);
void writeLine(SolutionText& out, const Szene& z);
void writeLinePoint(SolutionText& out, const Szene& z);
void writePointTwoLines(SolutionText& out, const Szene& z);
void writeLineLine(SolutionText& out, const Szene& z);
void writeLinePlane(SolutionText& out, const Szene& z);
void writeSphereLine(SolutionText& out, const Szene& z);
void writePlane(SolutionText& out, const Szene& z);
void writePlanePoint(SolutionText& out, const Szene& z);
void writePlanePlane(SolutionText& out, const Szene& z);
void writePlaneSphere(SolutionText& out, const Szene& z);
void writeSphere(SolutionText& out, const Szene& z);
void writeSphereSphere(SolutionText& out, const Szene& z);
void writeSphereFourPoints(SolutionText& out, const Szene& z);
void writeScalarProduct(SolutionText& out, const Szene& z);
void writeVectorProduct(SolutionText& out, const Szene& z);
void writeTriangleArea(SolutionText& out, const Szene& z);
void writeTripleProduct(SolutionText& out, const Szene& z);
void writeTetrahedron(SolutionText& out, const Szene& z);
void writePlaneTriangle(SolutionText& out, const Szene& z);
void writeLinearDependence(SolutionText& out, const Szene& z);
// All eleven ellipse tasks; the scene's kind says which.
void writeEllipse(SolutionText& out, const Szene& z);
// The affine map shown, with its definition by points and its mapped objects.
void writeAffineMap(SolutionText& out, const Szene& z);
