// The statistics panel: the current player's best results per layout and
// per tile set, a page of rows at a time.
#include <algorithm>

#include "main/GameEngine.h"
#include "menu/Menu.h"
#include "menu/MenuLabel.h"
#include "persist/Player.h"
#include "persist/StatsTable.h"

namespace {
constexpr int statsRows = 10;
}

void GameEngine::statsPanelOpen()
{
    statsFirstRow = 0;
    openPanel("StatsPanel");
    showStatsPage();
    action.clear();
}

void GameEngine::statsPageStep(int step)
{
    const Player* p = activePlayer();
    const int count = p ? static_cast<int>(StatsTable::rows(*p).size()) : 0;
    const int lastFirst = count > 0 ? (count - 1) / statsRows * statsRows : 0;
    statsFirstRow = std::clamp(statsFirstRow + step * statsRows, 0, lastFirst);
    showStatsPage();
    action.clear();
}

void GameEngine::showStatsPage()
{
    const Player* p = activePlayer();
    const std::vector<StatsTable::Row> rows = p ? StatsTable::rows(*p) : std::vector<StatsTable::Row>();
    if (auto* name = dynamic_cast<MenuLabel*>(menuItem("StatsPlayerName"))) {
        name->changeText(p ? p->name : std::string("No player chosen"));
        name->centerText();
    }
    for (int i = 0; i < statsRows; ++i) {
        const size_t at = static_cast<size_t>(statsFirstRow + i);
        const StatsTable::Row* r = at < rows.size() ? &rows[at] : nullptr;
        const std::string row = std::to_string(i + 1);
        std::string first = r ? r->name : std::string();
        if (!r && i == 0)
            first = p ? "No game won yet." : "";
        setLabel("StatsName" + row, first);
        if (auto* label = dynamic_cast<MenuLabel*>(menuItem("StatsName" + row)))
            label->highlightText(r && r->heading);
        setLabel("StatsWon" + row, r ? r->won : std::string());
        setLabel("StatsTime" + row, r ? r->time : std::string());
        setLabel("StatsScore" + row, r ? r->score : std::string());
        setLabel("StatsHints" + row, r ? r->hints : std::string());
        setLabel("StatsShuffles" + row, r ? r->shuffles : std::string());
        setLabel("StatsUndos" + row, r ? r->undos : std::string());
    }
    const int pages = std::max(1, (static_cast<int>(rows.size()) + statsRows - 1) / statsRows);
    if (auto* page = dynamic_cast<MenuLabel*>(menuItem("StatsPage"))) {
        page->changeText("Page " + std::to_string(statsFirstRow / statsRows + 1) + " of " + std::to_string(pages));
        page->centerText();
    }
}
