#include "app/linear_systems.h"

#include "core/messages.h"
#include "core/number_input.h"

#include <stdexcept>

const std::vector<LinearSystemSpec>& linearSystems() {
    static const std::vector<LinearSystemSpec> table = {
        {"N2x2LGS1Click", "Matrizen/Lineare Gleichungssystem/2 x 2 - LGS",
         "Lösen eines LGS (2 x 2)", 2},
        {"N3x3LGS1Click", "Matrizen/Lineare Gleichungssystem/3 x 3 - LGS",
         "Lösen eines LGS (3 x 3)", 3},
    };
    return table;
}

const LinearSystemSpec* findLinearSystemByPath(std::string_view path) {
    for (const LinearSystemSpec& s : linearSystems())
        if (path == s.path) return &s;
    return nullptr;
}

namespace {

template <int N> LGS<N> lies(const std::vector<std::string>& texts) {
    LGS<N> s;
    std::size_t k = 0;
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) s.a[i][j] = parseNumber(texts[k++]);
        s.b[i] = parseNumber(texts[k++]);
    }
    return s;
}

} // namespace

std::optional<LGSAnzeige> solveLinearSystem(const LinearSystemSpec& linearSystem,
                                            const std::vector<std::string>& texts,
                                            Messages& meldungen) {
    if (static_cast<int>(texts.size()) != linearSystem.fieldCount())
        throw std::invalid_argument("wrong number of fields for a linear system");
    // No pivot search: the first pivot must be typed non-zero (an exact comparison).
    auto ohnePivot = [&](double a11) {
        if (a11 != 0) return false;
        meldungen.infoBox(a11Null);
        return true;
    };
    if (linearSystem.size == 2) {
        const LGS<2> s = lies<2>(texts);
        if (ohnePivot(s.a[0][0])) return std::nullopt;
        return LGS_anzeigen(loese(s));
    }
    const LGS<3> s = lies<3>(texts);
    if (ohnePivot(s.a[0][0])) return std::nullopt;
    return LGS_anzeigen(loese(s));
}

std::vector<std::string> linearSystemExample() {
    return {"3", "-4", "2", "10", "5", "-3", "4", "3", "-2", "5", "-3", "-7"};
}
