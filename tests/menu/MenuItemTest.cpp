#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menu/MenuButton.h"
#include "menu/MenuLabel.h"
#include "menu/MenuRect.h"

using namespace menutest;

namespace {
class MenuItemTest : public MenuFixture {
protected:
    static void place(MenuItem* item, float x, float y, float w, float h)
    {
        item->x = x;
        item->y = y;
        item->width = w;
        item->height = h;
    }
};
}

TEST_F(MenuItemTest, HitTestHasInclusiveEdgesAndZeroSizesWithoutLimit)
{
    MenuRect root("Root", &engine, &input, nullptr);  // zero size: the whole window
    MenuItem* panel = root.addRect("Panel");
    place(panel, 100, 100, 200, 100);
    MenuItem* button = panel->addButton("Button");
    place(button, 150, 120, 50, 0);  // no vertical limit

    root.checkMouseInside(300, 200);  // the panel's far corner
    EXPECT_TRUE(root.inside);
    EXPECT_TRUE(panel->inside);
    EXPECT_FALSE(button->inside);

    root.checkMouseInside(200, 5000);  // below the panel: the button is not reached
    EXPECT_FALSE(panel->inside);
    root.checkMouseInside(200, 199);
    EXPECT_TRUE(button->inside);
    root.setClick(true);
    EXPECT_TRUE(button->clicked);

    // Leaving clears the pressed state of the whole subtree.
    root.checkMouseInside(301, 150);
    EXPECT_FALSE(panel->inside);
    EXPECT_FALSE(button->inside);
    EXPECT_FALSE(button->clicked);

    // Inactive or hidden items are not hit.
    panel->active = false;
    root.checkMouseInside(200, 150);
    EXPECT_FALSE(panel->inside);
    panel->active = true;
    panel->setVisibility(false);
    root.checkMouseInside(200, 150);
    EXPECT_FALSE(panel->inside);
}

TEST_F(MenuItemTest, TheOutermostActionUnderThePointerWins)
{
    MenuRect root("Root", &engine, &input, nullptr);
    MenuItem* panel = root.addRect("Panel");
    place(panel, 0, 0, 100, 100);
    MenuItem* first = panel->addButton("First");
    place(first, 0, 0, 50, 50);
    MenuItem* second = panel->addButton("Second");
    place(second, 0, 0, 50, 50);
    first->action = "FIRST";
    second->action = "SECOND";

    root.checkMouseInside(60, 60);
    EXPECT_EQ(root.getAction(), "");
    root.checkMouseInside(10, 10);
    EXPECT_EQ(root.getAction(), "FIRST");  // children in order
    panel->action = "PANEL";
    EXPECT_EQ(root.getAction(), "PANEL");
}

TEST_F(MenuItemTest, ShowingAPanelAgainKeepsChildrenHiddenOnTheirOwn)
{
    MenuRect root("Root", &engine, &input, nullptr);
    MenuItem* panel = root.addRect("Panel");
    MenuItem* shown = panel->addButton("Shown");
    MenuItem* hidden = panel->addButton("Hidden");
    MenuItem* grandchild = shown->addButton("Inner");
    hidden->setVisibility(false);

    panel->setVisibility(false);
    EXPECT_FALSE(shown->parentVisible);
    EXPECT_FALSE(grandchild->parentVisible);
    panel->setVisibility(true);
    EXPECT_TRUE(shown->visible && shown->parentVisible);
    EXPECT_TRUE(grandchild->parentVisible);
    EXPECT_FALSE(hidden->visible);
}

TEST_F(MenuItemTest, LabelTextFitsItsRectangle)
{
    useFont();
    MenuRect root("Root", &engine, &input, nullptr);
    // 200 × 50 pixels of a 1000 × 500 window: 0.2 across, 0.1 high.
    MenuLabel* label = root.addLabel("Label", "");
    place(label, 0, 0, 200, 50);

    label->changeText("0123456789");  // 1.0 wide: the width limits
    EXPECT_FLOAT_EQ(label->scale, 0.2f);
    EXPECT_FLOAT_EQ(label->textOffsetY, (0.1f - 0.2f * 0.2f) * 0.5f);
    label->changeText("ab");  // 0.2 wide: the height limits
    EXPECT_FLOAT_EQ(label->scale, 0.5f);
    label->centerText();
    EXPECT_FLOAT_EQ(label->textOffsetX, 0.1f - 0.2f * 0.5f * 0.5f);

    // A suffix takes its share of the width.
    label->setSuffix("cdefgh");
    label->setWidth();
    EXPECT_FLOAT_EQ(label->scale, 0.25f);
}
