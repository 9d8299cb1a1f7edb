// The dead-end warning of the bottom bar: the moves label in a warning colour
// with "dead end", and a line over it telling how many undos lead back.
#include <algorithm>

#include "game/Level.h"
#include "main/GameEngine.h"
#include "menu/MenuLabel.h"

namespace {
const float warningColour[3] = {1.0f, 0.45f, 0.3f};
}

void GameEngine::showDeadEnd()
{
    DeadEndProbe::Report report;
    // Parking a tile is no move of the analyst's: while a slot is open it
    // might still save the board, so no warning is given then. Without moves
    // the no-moves panel says it already.
    const bool dead = level && gameState != GS_GAME_WON && movesLeft > 0 && tilesLeft > 0
        && !level->slotAvailable() && deadEnd.answer(report) && report.now == Analyst::Verdict::NotWinnable;
    if (movesText) {
        if (!movesColourKept) {
            std::copy(movesText->textColor, movesText->textColor + 3, movesColour);
            movesColourKept = true;
        }
        const float* colour = dead ? warningColour : movesColour;
        std::copy(colour, colour + 3, movesText->textColor);
        setLabel(movesText, numberText(movesLeft) + (dead ? " dead end" : ""));
    }
    if (auto* line = dynamic_cast<MenuLabel*>(menuItem("DeadEndText"))) {
        line->setVisibility(dead);
        if (dead && report.undosBack > 0)
            line->changeText("Dead end: " + std::to_string(report.undosBack)
                             + (report.undosBack == 1 ? " undo leads" : " undos lead") + " back to a winnable board");
        else if (dead)
            line->changeText("Dead end: no undo leads back to a winnable board");
    }
}
