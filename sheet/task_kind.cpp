#include "sheet/task_kind.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::size_t kindCount = static_cast<std::size_t>(LetzteSzenenart) + 1;

// Every family's rows, indexed by kind. A kind without a row, or with two, is a programming
// error that the first lookup reports.
std::array<const TaskKind*, kindCount> buildIndex() {
    std::array<const TaskKind*, kindCount> index{};
    for (auto family : {figureKinds, lineKinds, planeKinds, sphereKinds, vectorKinds,
                        planeFigureKinds, ellipseKinds, matrixKinds, affineKinds}) {
        for (const TaskKind& row : family()) {
            const auto i = static_cast<std::size_t>(row.art);
            if (i >= kindCount || index[i]) throw std::logic_error("task kind listed twice");
            index[i] = &row;
        }
    }
    for (std::size_t i = 1; i < kindCount; ++i)
        if (!index[i]) throw std::logic_error("task kind without a row");
    return index;
}

} // namespace

const TaskKind* taskKind(Szenenart art) {
    static const std::array<const TaskKind*, kindCount> index = buildIndex();
    const auto i = static_cast<std::size_t>(art);
    return i < kindCount ? index[i] : nullptr;
}

void deriveScene(Szene& szene) {
    const TaskKind* kind = taskKind(szene.art);
    if (kind && kind->derive) kind->derive(szene);
}

bool isPlaneKind(Szenenart art) {
    const TaskKind* kind = taskKind(art);
    return kind && kind->contextGroup;
}

bool isMatrixKind(Szenenart art) {
    for (const TaskKind& row : matrixKinds())
        if (row.art == art) return true;
    return false;
}
