// The text of "quillon --help": the options, every task with its menu paths and its fields in
// reading order, and every example.
#include "app/affine_commands.h"
#include "app/dialog_table.h"
#include "app/examples.h"
#include "app/headless.h"
#include "app/linear_systems.h"
#include "app/menu_table.h"
#include "app/tasks.h"
#include "drawing/plane_options.h"

#include <algorithm>
#include <sstream>

namespace {

// What a remembered group's fields hold, in reading order.
const char* describe(InputGroup g) {
    switch (g) {
    case InputGroup::Point:
        return "P: x y z";
    case InputGroup::TwoPoints:
        return "P, Q: x y z each";
    case InputGroup::Triangle:
        return "A, B, C: x y z each";
    case InputGroup::Quadrilateral:
    case InputGroup::FourPoints:
        return "A, B, C, D: x y z each";
    case InputGroup::Line:
    case InputGroup::Line1:
    case InputGroup::Line2:
        return "line: support point x y z, direction x y z";
    case InputGroup::PlanePar:
    case InputGroup::PlanePar1:
    case InputGroup::PlanePar2:
        return "plane: support point, first and second direction (x y z each)";
    case InputGroup::PlaneNorm:
    case InputGroup::PlaneNorm1:
    case InputGroup::PlaneNorm2:
        return "plane n·x - d = 0: normal x y z, d";
    case InputGroup::SphereM:
    case InputGroup::SphereM1:
    case InputGroup::SphereM2:
        return "sphere (x - m)² = r²: centre x y z, r";
    case InputGroup::SphereV:
    case InputGroup::SphereV1:
    case InputGroup::SphereV2:
        return "sphere x² - a·x - c = 0: a x y z, c";
    case InputGroup::VectorP:
        return "p: x y z";
    case InputGroup::VectorQ:
        return "q: x y z";
    case InputGroup::VectorR:
        return "r: x y z";
    case InputGroup::VectorS:
        return "s: x y z";
    case InputGroup::DivisionRatio:
        return "A, B, T: x y z each";
    case InputGroup::PlaneTriangle:
        return "A, B, C: x y each";
    case InputGroup::Matrix2:
    case InputGroup::Matrix2b:
        return "2x2 matrix: a11 a12 a21 a22 (row by row)";
    case InputGroup::Matrix3:
    case InputGroup::Matrix3b:
        return "3x3 matrix: a11 ... a33 (row by row)";
    case InputGroup::PlaneVector:
        return "v: x y";
    case InputGroup::SpaceVector:
        return "v: x y z";
    case InputGroup::Eccentricity:
        return "e";
    case InputGroup::EllipsePoint:
    case InputGroup::EllipseP:
        return "P: x y";
    case InputGroup::EllipseQ:
        return "Q: x y";
    case InputGroup::Focus1:
        return "F1: x y";
    case InputGroup::Focus2:
        return "F2: x y";
    case InputGroup::Tangent:
        return "line u·x + v·y = w: u v w";
    case InputGroup::Map1:
        return "x' = A*x + b: a11 a21 a12 a22 b1 b2 (column by column)";
    case InputGroup::ThreePointsAndImages:
        return "P, Q, R, then P', Q', R': x y each";
    case InputGroup::PointImageAndFixedPoints:
        return "P, P', F1, F2: x y each";
    case InputGroup::PointImageAndLineOfFixedPoints:
        return "P, P': x y each; fixed-point line u*x + v*y = w: u v w";
    default:
        return "fields";
    }
}

} // namespace

std::string headlessHelp() {
    std::ostringstream o;
    o << "Usage:\n"
         "  quillon                                   open the program's windows\n"
         "  quillon STEP... [OUTPUT]\n"
         "  quillon --help | --version\n"
         "STEP:\n"
         "  --task PATH [--fields TEXT...] [--colours C...] [--checked]\n"
         "  --example CAPTION\n"
         "\n"
         "Runs tasks and examples without windows and prints the result sheet after the last\n"
         "step, one row per line. Several steps are applied in order to one session, e.g. a\n"
         "triangle, then an option of the drawing's context menu:\n"
         "  quillon --task \"2-dim. Geometrie/Dreieck/Eingabe (Dreieck)\" --fields -4 -1 4 -1 0 4 "
         "\\\n"
         "          --task \"Zweidim. Dreieck/mit Höhen\"\n"
         "  --task PATH       a menu entry's caption path without '&', joined by '/': a task\n"
         "                    below, an example (\"2-dim. Geometrie/Dreieck/Dreieck "
         "(Beispiel)\"),\n"
         "                    \"Einheiten/10 Einheiten mehr\" or \"... weniger\", or an entry of\n"
         "                    the drawing's plane context menu (listed below)\n"
         "  --fields TEXT...  the dialog's field texts in reading order (as typed: '1,5' is\n"
         "                    not a number); without --fields the dialog's first-use texts\n"
         "  --colours C...    colours of the dialog's coloured objects in order, 0xBBGGRR\n"
         "                    (0x0000FF is red); default: the dialog's presets\n"
         "  --checked         tick the dialog's check box (\"Kugel durch 4 Punkte\")\n"
         "  --example CAPTION an entry of \"Beispiele\" or an example's caption path\n"
         "  --version         print the version and the folder of the help pages\n"
         "OUTPUT:\n"
         "  --sheet FILE      save the result sheet's picture\n"
         "  --drawing FILE    save the drawing (584 x 584)\n"
         "  --bw              the drawing in black and white\n"
         "  --rechenhilfe     print the calculation help of the last task (its help page\n"
         "                    and worked solution) instead of the result sheet\n"
         "Pictures are BMP for names ending in .bmp, .ico, .emf or .wmf, SVG for .svg, PDF\n"
         "for .pdf (both drawn as vectors), PNG otherwise.\n"
         "Exit status: 0 done; 1 bad arguments; 2 the program's error box was shown (its\n"
         "text and the error's own message go to stderr, as do all other messages).\n"
         "\n"
         "Tasks (field count; fields in reading order):\n";
    for (const TaskSpec& t : taskTable()) {
        const DialogRow* row = findDialog(t.dialogClass);
        bool first = true;
        for (const std::string& path : taskPaths(t)) {
            o << "  " << path;
            if (first) {
                o << "  (" << row->fieldCount() << ")";
                first = false;
            }
            o << '\n';
        }
        for (const FieldBinding& b : row->bindings) {
            // The ellipse's fields: centre x y, then a and b; some dialogs take a part of them.
            static const char* const ellipse[] = {"M: x", "y", "a", "b"};
            if (b.group != InputGroup::Ellipse && b.group != InputGroup::Ellipse2) {
                o << "      " << describe(b.group) << '\n';
                continue;
            }
            o << "     ";
            for (int i = b.first; i < b.first + b.count && i < 4; ++i) o << ' ' << ellipse[i];
            o << '\n';
        }
    }
    o << "\nLinear systems (each run prints what the dialog shows after OK):\n";
    for (const LinearSystemSpec& l : linearSystems())
        o << "  " << l.path << "  (" << l.fieldCount() << ")\n      each row: coefficients, "
          << "then the right side (a11 must not be 0)\n";
    o << "\nExamples:\n";
    for (const ExampleSpec& e : exampleTable()) {
        // Examples that share their caption ("Beispiel") are named by their menu path.
        std::string name = e.caption;
        const auto gleich = [&](const ExampleSpec& f) { return f.caption == e.caption; };
        if (std::count_if(exampleTable().begin(), exampleTable().end(), gleich) > 1)
            for (const MenuZeile* row : zeilenMitBefehl(e.handler)) {
                name.clear();
                for (const std::string& c : row->pfad)
                    name += (name.empty() ? "" : "/") + ohneKaufmannsUnd(c);
            }
        o << "  " << name << '\n';
    }
    o << "\nAffine commands (after a map; objects and options toggle):\n";
    for (const AffineCommand& a : affineCommands())
        for (const MenuZeile* row : zeilenMitBefehl(a.handler)) {
            o << " ";
            for (const std::string& c : row->pfad)
                o << (&c == &row->pfad.front() ? " " : "/") << ohneKaufmannsUnd(c);
            o << '\n';
        }
    o << "\nDrawing options (context menu of the plane drawing):\n";
    for (const PlaneOption& p : planeOptions()) o << "  " << p.group << '/' << p.caption << '\n';
    return o.str();
}
