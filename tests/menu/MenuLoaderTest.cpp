#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
#include "render/Object.h"

using namespace menutest;

namespace {
const std::vector<Piece> pieces = {
    {"Root", 0.0f, 0.0f, 1.0f, 1.0f},
    {"Panel", 0.2f, 0.2f, 0.6f, 0.8f, 0.1f},
    {"Ok", 0.3f, 0.3f, 0.5f, 0.4f, 0.2f},
    {"Box", 0.25f, 0.5f, 0.55f, 0.6f, 0.2f},
};

class MenuLoaderTest : public MenuFixture {};
}

TEST_F(MenuLoaderTest, BuildsTheTreeWithKindsKeysAndBindings)
{
    useFont();
    Menu* menu = loadMenu(pieces,
                          "<Rect> Root\n"
                          "  <Rect> Panel\n    visible: false\n"
                          "    <button> Ok\n      action: OK_PRESSED\n      hoverOffset: 512 256\n"
                          "    </button>\n"
                          "    <checkbox> Tick\n      active: nope\n    </checkbox>\n"
                          "    <label> Title text: Two  words\r\n      text-color: 0 0 1\n    </label>\n"
                          "    <label> Plain Word\n    </label>\n"
                          "    <TextBox> Box\n    </TextBox>\n"
                          "    <tileslot> Slot1\n    </tileslot>\n"
                          "  </Rect>\n"
                          "</Rect>\n"
                          "<Rect> Second\n</Rect>\n");
    MenuItem* panel = menu->getItemByID("Panel");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->visible);
    // Bound to its object in pixels of the 1000 × 500 window, y downwards.
    EXPECT_FLOAT_EQ(panel->y, 100.0f);
    EXPECT_FLOAT_EQ(panel->height, 300.0f);

    MenuItem* ok = menu->getItemByID("Ok");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->action, "OK_PRESSED");
    EXPECT_FALSE(ok->parentVisible);

    // Any value but "false" means true; an item without an object of its
    // own borrows its parent's.
    auto* tick = dynamic_cast<MenuCheckbox*>(menu->getItemByID("Tick"));
    ASSERT_NE(tick, nullptr);
    EXPECT_TRUE(tick->active);
    ASSERT_EQ(tick->objects.size(), 1u);
    EXPECT_EQ(tick->objects.front()->name, "Panel");

    // text: takes the rest of the line, inner blanks kept, CR LF or LF alike.
    auto* title = dynamic_cast<MenuLabel*>(menu->getItemByID("Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Two  words");
    ASSERT_NE(dynamic_cast<MenuLabel*>(menu->getItemByID("Plain")), nullptr);
    EXPECT_EQ(static_cast<MenuLabel*>(menu->getItemByID("Plain"))->text, "Word");

    auto* box = dynamic_cast<MenuTextbox*>(menu->getItemByID("Box"));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->label, nullptr);
    EXPECT_EQ(box->label->text, "Enter Name Here");

    EXPECT_NE(dynamic_cast<MenuTileSlot*>(menu->getItemByID("Slot1")), nullptr);
    // A second top-level Rect becomes the root's last child.
    EXPECT_EQ(menu->root->children.back()->id, "Second");
}

TEST_F(MenuLoaderTest, BadFilesAreLoggedAndLeaveAUsableMenu)
{
    dir.clearLog();
    Menu* missing = loadMenu(pieces, "");
    missing->loadMenuFile("nowhere.cfg");
    // Keys and tags before the root, stray and mismatched closing tags,
    // IDs that name no object, unreadable numbers, a cut-off label.
    Menu* bad = loadMenu(pieces,
                         "visible: false width: 7 </button> <button> Early\n"
                         "<Rect> Root\n  <label> Lonely text: x\n  </TextBox>\n"
                         "  <button> Ghost\n    width: huge\n    textureOffset: 1e99 x\n  </button>\n"
                         "</Rect>\n</Rect>\n</label>\n<label> Cut");
    for (const char* line : {"Missing menu config file nowhere.cfg", "before the root",
                             "no model object of its ID: Ghost", "closed by another kind's tag: Lonely"})
        EXPECT_EQ(1, dir.count(line)) << line;

    ASSERT_NE(bad->root.get(), nullptr);
    EXPECT_EQ(bad->getItemByID("Early"), nullptr);
    ASSERT_NE(bad->getItemByID("Ghost"), nullptr);
    EXPECT_EQ(bad->getItemByID("Cut")->parent, bad->root.get());
    // Every lookup tolerates what is not there.
    bad->setActive("Nothing", false);
    bad->closePanels();
    EXPECT_EQ(bad->getAction(), "");
    Menu empty(&engine, &input, "");
    EXPECT_EQ(empty.getItemByID("TilesText"), nullptr);
}
