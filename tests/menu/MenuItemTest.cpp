#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menu/MenuButton.h"
#include "menu/MenuRect.h"

using namespace menutest;

namespace {
class MenuItemTest : public MenuFixture {
protected:
    MenuRect root{"Root", &engine, &input, nullptr};  // zero size: the whole window

    static MenuItem* place(MenuItem* item, float x, float y, float w, float h)
    {
        item->x = x;
        item->y = y;
        item->width = w;
        item->height = h;
        return item;
    }
};
}

TEST_F(MenuItemTest, HitTestHasInclusiveEdgesAndZeroSizesWithoutLimit)
{
    MenuItem* panel = place(root.addRect("Panel"), 100, 100, 200, 100);
    MenuItem* button = place(panel->addButton("Button"), 150, 120, 50, 0);  // no vertical limit

    root.checkMouseInside(300, 200);  // the panel's far corner
    EXPECT_TRUE(root.inside && panel->inside);
    EXPECT_FALSE(button->inside);
    root.checkMouseInside(200, 199);
    EXPECT_TRUE(button->inside);
    root.setClick(true);
    EXPECT_TRUE(button->clicked);

    // Leaving clears the pressed state of the whole subtree.
    root.checkMouseInside(301, 150);
    EXPECT_FALSE(panel->inside || button->inside || button->clicked);

    panel->active = false;
    root.checkMouseInside(200, 150);
    EXPECT_FALSE(panel->inside);
}

TEST_F(MenuItemTest, TheOutermostActionUnderThePointerWins)
{
    MenuItem* panel = place(root.addRect("Panel"), 0, 0, 100, 100);
    place(panel->addButton("First"), 0, 0, 50, 50)->action = "FIRST";
    place(panel->addButton("Second"), 0, 0, 50, 50)->action = "SECOND";

    root.checkMouseInside(60, 60);
    EXPECT_EQ(root.getAction(), "");
    root.checkMouseInside(10, 10);
    EXPECT_EQ(root.getAction(), "FIRST");  // children in order
    panel->action = "PANEL";
    EXPECT_EQ(root.getAction(), "PANEL");
}

TEST_F(MenuItemTest, ShowingAPanelAgainKeepsChildrenHiddenOnTheirOwn)
{
    MenuItem* panel = root.addRect("Panel");
    MenuItem* shown = panel->addButton("Shown");
    MenuItem* hidden = panel->addButton("Hidden");
    MenuItem* grandchild = shown->addButton("Inner");
    hidden->setVisibility(false);

    panel->setVisibility(false);
    EXPECT_FALSE(grandchild->parentVisible);
    panel->setVisibility(true);
    EXPECT_TRUE(shown->parentVisible && grandchild->parentVisible);
    EXPECT_FALSE(hidden->visible);
}
