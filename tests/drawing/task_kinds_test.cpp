// The task-kind table: every kind of the scene has exactly one complete row.
#include "sheet/task_kind.h"

#include <gtest/gtest.h>

TEST(TaskKinds, EveryKindHasOneCompleteRow) {
    EXPECT_EQ(taskKind(Szenenart::keine), nullptr);
    for (int i = 1; i <= static_cast<int>(LetzteSzenenart); ++i) {
        const auto art = static_cast<Szenenart>(i);
        const TaskKind* row = taskKind(art);
        ASSERT_NE(row, nullptr) << i;
        EXPECT_TRUE(row->art == art && row->report && row->draw && row->inputs) << i;
        // Only the plane figures are dragged; tasks in space and the matrices are not.
        if (!isPlaneKind(art)) {
            EXPECT_TRUE(!row->handles && !row->contextGroup) << i;
        }
    }
}
