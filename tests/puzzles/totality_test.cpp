// The chest puzzles' shapes and answers for every value a ChestPuzzle can hold: the ten
// named puzzles and everything outside them. Under the sanitizers a read past the shape
// table aborts.

#include "../support/edges.h"
#include "puzzles/chest_quest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace puzzles;

TEST(PuzzlesTotality, ChestPuzzleShapes)
{
    const std::vector<std::string> filled(12, "1");
    for (const int value : test::edgeValues32()) {
        const auto p = static_cast<ChestPuzzle>(value);
        const int count = chestPuzzleFieldCount(p);
        const int length = chestPuzzleFieldLength(p);
        if (value >= 0 && value < kChestPuzzleCount) {
            EXPECT_GE(count, 1) << value;
            EXPECT_GE(length, 1) << value;
        } else {
            // Not a puzzle: no fields and no answer.
            EXPECT_EQ(count, 0) << value;
            EXPECT_EQ(length, 0) << value;
            EXPECT_EQ(solveChestPuzzle(p, filled), "") << value;
            EXPECT_EQ(solveChestPuzzle(p, {}), "") << value;
        }
    }
}
