#pragma once
#include <memory>
#include <string>

#include "render/Model.h"

class Input;
class MenuItem;
class RenderEngine;
class WordReader;

// The tree of on-screen controls, bound to the menu model, which is the menu
// itself (its takes move the main-menu doors). Every lookup tolerates a menu
// without items: it finds nothing.
class Menu : public Model {
public:
    RenderEngine* renderEngine = nullptr;
    Input* input = nullptr;
    std::unique_ptr<MenuItem> root;  // null until the tree is built

    // An empty file name gives a menu without a model.
    Menu(RenderEngine* re, Input* input, const std::string& modelFile);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu() override;

    void draw() override;

    // Builds the tree from a menu file; a missing file leaves the menu empty.
    void loadMenuFile(const std::string& file);
    void constructMenu();
    MenuItem* getItemByID(const std::string& id);
    void setActive(const std::string& id, bool active);
    // The action of the item under the pointer, or "".
    std::string getAction();
    // Advances the model's current take, then the tree.
    void update();
    // Re-binds the whole tree after a change of window size.
    void resizeMenu();
    void closePanels();
    // True while the model's current take is playing.
    bool takePlaying() const;

private:
    // Binds an item at its closing tag, with the extra steps of the tag's kind.
    void closeItem(MenuItem* item, const std::string& tag);
    template <class Report>
    void readKey(WordReader& in, MenuItem* item, const std::string& key, Report& stray);
};
