#pragma once

// Difficulty levels: the score multiplier and how many holding slots open.
enum Difficulty : int {
    DIFFICULTY_EASY = 3000,
    DIFFICULTY_NORMAL = 3001,
    DIFFICULTY_ADVANCED = 3002
};

// What a difficulty sets: the text shown for it, the score multiplier, which
// holding slots are open and whether every tile shows its stamp (otherwise
// the stamps are left as they are).
struct DifficultyRow {
    int value;
    const char* text;
    float multiplier;
    bool slotOpen[3];
    bool stamps;
};

// The row of a difficulty value; an unknown value gets Normal's.
const DifficultyRow& difficultyRow(int difficulty);
