#include "menu/Menu.h"

#include <algorithm>

#include "base/Log.h"
#include "menu/MenuButton.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuRect.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
#include "base/WordReader.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Take.h"

Menu::Menu(RenderEngine* re, Input* in, const std::string& modelFile)
    : Model(re, modelFile), renderEngine(re), input(in)
{
}

// The items go before the menu model, whose objects they show.
Menu::~Menu() = default;

void Menu::draw()
{
    if (root)
        root->draw();
}

void Menu::constructMenu()
{
    if (root)
        root->constructMenuItem(this);
}

MenuItem* Menu::getItemByID(const std::string& id)
{
    return root ? root->getItemByID(id) : nullptr;
}

void Menu::setActive(const std::string& id, bool active)
{
    if (MenuItem* item = getItemByID(id))
        item->active = active;
}

std::string Menu::getAction()
{
    return root ? root->getAction() : std::string();
}

void Menu::update()
{
    Model::update();
    if (root)
        root->update();
}

void Menu::resizeMenu()
{
    if (root)
        root->resize(this);
}

void Menu::closePanels()
{
    for (const char* id : {"LayoutPanel", "LayoutKeepPanel", "OptionsPanel", "PlayerPanel", "StatsPanel", "TileSetPanel"})
        if (MenuItem* item = getItemByID(id))
            item->setVisibility(false);
}

bool Menu::takePlaying() const
{
    return currentTake && currentTake->playing;
}

namespace {
const char* const textBoxPrompt = "Enter Name Here";

// "U V" in pixels of the 1024 × 1024 menu texture as a texture shift.
void readOffset(WordReader& in, float* offset)
{
    float u = 0.0f, v = 0.0f;
    in.readFloat(u);
    in.readFloat(v);
    offset[0] = u * 0.0009765625f;
    offset[1] = 1.0f - v * 0.0009765625f;
}

bool isClosingTag(const std::string& word)
{
    return word == "</Rect>" || word == "</button>" || word == "</checkbox>" || word == "</label>"
        || word == "</TextBox>" || word == "</tileslot>";
}
}

void Menu::loadMenuFile(const std::string& file)
{
    WordReader in(file);
    if (!in.ok()) {
        outputError("Missing menu config file " + file);
        return;
    }
    MenuItem* current = root.get();
    bool strayReported = false;
    // Tags and keys with no item to act on (before the root) are skipped;
    // the first one is logged.
    auto stray = [&](const std::string& word) {
        if (!strayReported)
            outputError("Menu config entry before the root item: " + word + " in " + file);
        strayReported = true;
    };
    std::string word;
    while (in.next(word)) {
        if (word == "<Rect>" || word == "<button>" || word == "<checkbox>" || word == "<TextBox>"
            || word == "<tileslot>") {
            std::string name;
            in.next(name);
            if (!current) {
                if (word != "<Rect>") {
                    stray(word);
                    continue;
                }
                root = std::make_unique<MenuRect>(name, renderEngine, input, nullptr);
                current = root.get();
            } else if (word == "<Rect>") {
                current = current->addRect(name);
            } else if (word == "<button>") {
                current = current->addButton(name);
            } else if (word == "<checkbox>") {
                current = current->addCheckBox(name);
            } else if (word == "<TextBox>") {
                current = current->addTextBox(name);
            } else {
                current = current->addTileSlot(name);
            }
        } else if (word == "<label>") {
            std::string name, text;
            in.next(name);
            in.next(text);
            if (text == "text:") {
                text = in.restOfLine(255);
                if (!text.empty())
                    text.erase(0, 1);  // the blank after the colon
                const size_t cr = text.find('\r');
                if (cr != std::string::npos)
                    text.erase(cr);
            }
            if (!current) {
                stray(word);
                continue;
            }
            current = current->addLabel(name, text);
        } else if (isClosingTag(word)) {
            if (!current) {
                stray(word);
                continue;
            }
            closeItem(current, word);
            if (current->parent)
                current = current->parent;
        } else if (!word.empty() && word.back() == ':') {
            readKey(in, current, word, stray);
        }
    }
    // Children are closed before their parents are bound, so an item that
    // lies on its parent's picture finds it only now: bind the whole tree
    // again from the root down.
    if (root)
        root->resize(this);
    outputError("Loaded menu config file: " + file);
}

void Menu::closeItem(MenuItem* item, const std::string& tag)
{
    item->constructMenuItem(this);
    if (item->objects.empty() || item->objects.front()->name != item->id) {
        // Labels normally lie on their parent's picture; other items are
        // expected to have objects of their own.
        if (tag != "</label>")
            outputError("Menu item has no model object of its ID: " + item->id);
    }
    auto* label = dynamic_cast<MenuLabel*>(item);
    auto* box = dynamic_cast<MenuTextbox*>(item);
    auto* slot = dynamic_cast<MenuTileSlot*>(item);
    if (tag == "</label>" && label) {
        label->place();
    } else if (tag == "</TextBox>" && box) {
        if (!box->label)
            box->createLabel(this, textBoxPrompt);
    } else if (tag == "</tileslot>" && slot) {
        slot->setProjectionPosition();
    } else if ((tag == "</label>") != (label != nullptr) || (tag == "</TextBox>") != (box != nullptr)
               || (tag == "</tileslot>") != (slot != nullptr)) {
        outputError("Menu item closed by another kind's tag: " + item->id + " " + tag);
    }
}

template <class Report>
void Menu::readKey(WordReader& in, MenuItem* item, const std::string& key, Report& stray)
{
    std::string value;
    if (!item) {
        // The key's value is read all the same, so it is not taken for a tag.
        if (key != "textureOffset:" && key != "hoverOffset:" && key != "clickOffset:"
            && key != "text-color:")
            in.next(value);
        stray(key);
        return;
    }
    auto* label = dynamic_cast<MenuLabel*>(item);
    if (key == "ID:") {
        if (in.next(value))
            item->id = value;
    } else if (key == "action:") {
        if (in.next(value))
            item->action = value;
    } else if (key == "active:") {
        in.next(value);
        item->active = value != "false";
    } else if (key == "visible:") {
        in.next(value);
        item->setVisibility(value != "false");
    } else if (key == "width:") {
        in.readFloat(item->width);
    } else if (key == "height:") {
        in.readFloat(item->height);
    } else if (key == "textureOffset:") {
        readOffset(in, item->textureOffset);
    } else if (key == "hoverOffset:") {
        readOffset(in, item->hoverOffset);
    } else if (key == "clickOffset:") {
        readOffset(in, item->clickOffset);
    } else if (key == "textureOverride:") {
        if (in.next(value) && renderEngine && renderEngine->renderer)
            item->overrideTexture = renderEngine->renderer->loadTexture(value);
    } else if (key == "text:") {
        if (in.next(value) && label)
            label->changeText(value);
    } else if (key == "text-color:") {
        float rgb[3] = {0.0f, 0.0f, 0.0f};
        for (float& c : rgb)
            in.readFloat(c);
        if (label)
            std::copy(rgb, rgb + 3, label->textColor);
    } else if (key == "centerText:") {
        in.next(value);
        if (label && value == "true") {
            label->centred = true;
            label->centerText();
        }
    }
}
