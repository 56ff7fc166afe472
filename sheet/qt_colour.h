#pragma once
// The one conversion between the palette's 0x00BBGGRR colours and Qt's colours.
#include "core/palette.h"

#include <QColor>

inline QColor toQColor(TFarbe colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

inline TFarbe toFarbe(const QColor& c) {
    return static_cast<TFarbe>(c.blue()) << 16 | static_cast<TFarbe>(c.green()) << 8 |
           static_cast<TFarbe>(c.red());
}
