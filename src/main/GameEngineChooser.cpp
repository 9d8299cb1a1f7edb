// The layouts chooser beside its list: the deal number, the number of a
// generated layout, and keeping a generated layout as one of the player's.
#include <algorithm>

#include "game/Layout.h"
#include "game/LayoutCatalog.h"
#include "game/LayoutGenerator.h"
#include "game/Level.h"
#include "main/GameEngine.h"
#include "menu/Menu.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "persist/PlayerLayouts.h"

namespace {
// The number and size of a generated layout; false for any other.
bool generated(const Layout* l, uint32_t* number, int* size)
{
    return l && LayoutGenerator::parseFileName(l->fileName, number, size);
}
}

std::vector<std::string>::iterator GameEngine::layoutEntry(const std::string& name)
{
    auto it = std::find(layoutFiles.begin(), layoutFiles.end(), name);
    int size = 0;
    if (it != layoutFiles.end() || !LayoutGenerator::parseFileName(name, nullptr, &size))
        return it;
    return std::find_if(layoutFiles.begin(), layoutFiles.end(), [size](const std::string& entry) {
        int entrySize = 0;
        return LayoutGenerator::parseFileName(entry, nullptr, &entrySize) && entrySize == size;
    });
}

void GameEngine::showLayoutPreview()
{
    if (MenuItem* picture = menuItem("LayoutPreview"))
        picture->overrideTexture = layout ? layout->preview() : nullptr;
}

void GameEngine::showLayoutPicks()
{
    auto show = [this](const char* id, uint32_t n) {
        if (auto* label = dynamic_cast<MenuLabel*>(menuItem(id))) {
            label->changeText(numberText(static_cast<int>(n)));
            label->centerText();
        }
    };
    show("LayoutDealNumber", browsedDeal);
    uint32_t number = 0;
    const bool isGenerated = generated(layout, &number, nullptr);
    showItem("LayoutNumberRow", isGenerated);
    showItem("LayoutKeep", isGenerated);
    if (isGenerated)
        show("LayoutNumber", number);
}

void GameEngine::dealPick(int step)
{
    browsedDeal = step != 0 ? ChooserPicks::step(browsedDeal, step) : picks.random(browsedDeal);
    showLayoutPicks();
    action.clear();
}

void GameEngine::layoutNumberPick(int step)
{
    uint32_t number = 0;
    int size = 0;
    if (level && generated(layout, &number, &size)) {
        number = step != 0 ? ChooserPicks::step(number, step) : picks.random(number);
        browseLayout(LayoutCatalog::open(&renderEngine, LayoutGenerator::fileNameOf(number, size)));
    }
    showLayoutEntry();
    action.clear();
}

// ---- keeping a generated layout ---------------------------------------------

bool GameEngine::keepPanelShown() const
{
    const MenuItem* panel = menuItem("LayoutKeepPanel");
    return panel && panel->visible;
}

MenuTextbox* GameEngine::activeTextBox() const
{
    if (keepPanelShown())
        return dynamic_cast<MenuTextbox*>(menuItem("LayoutKeepTextBox"));
    if (gameState == GS_NEW_PLAYER)
        return dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox"));
    return nullptr;
}

namespace {
// The panel's prompt line shows text, or the prompt the menu file gave it.
void showKeepPrompt(GameEngine& e, std::string& prompt, const std::string& text)
{
    auto* label = dynamic_cast<MenuLabel*>(e.menuItem("LayoutKeepPrompt"));
    if (!label)
        return;
    if (prompt.empty())
        prompt = label->text;
    label->changeText(text.empty() ? prompt : text);
    label->centerText();
}
}

void GameEngine::keepPanelToggle(bool close)
{
    if (auto* box = dynamic_cast<MenuTextbox*>(menuItem("LayoutKeepTextBox"))) {
        box->enterPressed = box->escapePressed = false;
        box->reset();
    }
    showKeepPrompt(*this, keepPrompt, std::string());
    // Only a generated layout is kept; the chooser under the panel takes no
    // click while it is open.
    const bool open = !close && generated(layout, nullptr, nullptr);
    showItem("LayoutKeepPanel", open);
    if (menu)
        menu->setActive("LayoutPanel", !open);
    action.clear();
}

void GameEngine::keepLayoutKey()
{
    MenuTextbox* box = typeInto(dynamic_cast<MenuTextbox*>(menuItem("LayoutKeepTextBox")), false);
    if (!box)
        return;
    if (box->escapePressed) {
        keepPanelToggle(true);
    } else if (box->enterPressed) {
        box->enterPressed = false;
        action = "KEEP_LAYOUT_CONFIRMED";
    }
}

void GameEngine::keepLayout()
{
    action.clear();
    auto* box = dynamic_cast<MenuTextbox*>(menuItem("LayoutKeepTextBox"));
    if (!box || !generated(layout, nullptr, nullptr))
        return;
    const std::string name = box->showsPrompt() ? std::string() : box->text();
    std::string problem = PlayerLayouts::nameProblem(name);
    std::string file;
    if (problem.empty()) {
        file = PlayerLayouts::keep(*layout, name);
        if (file.empty())
            problem = "That layout could not be kept.";
    }
    if (!problem.empty()) {
        showKeepPrompt(*this, keepPrompt, problem);
        box->reset();
        return;
    }
    keepPanelToggle(true);
    offerKeptLayout(file);
}

void GameEngine::offerKeptLayout(const std::string& file)
{
    // Among the player's layouts, in order of path, before the generated
    // entries; the list's positions are held as indexes across the insertion.
    auto place = std::find_if(layoutFiles.begin(), layoutFiles.end(), [&file](const std::string& entry) {
        return LayoutGenerator::parseFileName(entry, nullptr, nullptr)
            || (PlayerLayouts::isPlayers(entry) && entry > file);
    });
    const auto current = currentLayout - layoutFiles.begin();
    const auto at = place - layoutFiles.begin();
    layoutFiles.insert(place, file);
    currentLayout = layoutFiles.begin() + (current >= at ? current + 1 : current);
    selectedLayout = layoutFiles.begin() + at;
    browseLayout(LayoutCatalog::open(&renderEngine, file));
    showLayoutEntry();
}
