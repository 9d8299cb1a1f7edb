#include "game/Difficulty.h"


namespace {
const DifficultyRow difficultyTable[] = {
    {DIFFICULTY_EASY, "Easy", 0.75f, {true, true, true}, true},
    {DIFFICULTY_NORMAL, "Normal", 1.0f, {true, false, false}, true},
    {DIFFICULTY_ADVANCED, "Advanced", 2.0f, {false, false, false}, false},
};
}

const DifficultyRow& difficultyRow(int difficulty)
{
    for (const DifficultyRow& row : difficultyTable)
        if (row.value == difficulty)
            return row;
    return difficultyTable[1];
}
