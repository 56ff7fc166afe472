#include "plane/plane_sheet.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "sheet/sheet.h"

void Punkt2_ausgeben(Sheet& sheet, const TPunkt2& P, int x, int y, PairAnchor* anker) {
    // "+ 0.0" writes a negative zero as 0.
    const std::string xs = ZahlText(P.x + 0.0), ys = ZahlText(P.y + 0.0);
    sheet.Outtext(x, y, P.Name + "(" + xs + "/" + ys + ")");
    if (!anker) return;
    anker->x1 = plus_int(x, sheet.textWidth(P.Name));
    anker->x2 = plus_int(x, sheet.textWidth(P.Name + "(" + xs + "/"));
    anker->oben = y;
    anker->unten = plus_int(y, sheet.h());
    anker->gesetzt = true;
}
