// Every layout file shipped under Assets/Layouts has a name of its own, an
// even number of positions and a preview, and the chooser offers it. That
// each one deals and can be won, the deal digests and the hint table show.
#include <algorithm>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "main/GameEngine.h"
#include "support/ShippedBoards.h"

TEST(ShippedLayout, EachHasANameOfItsOwnAPreviewAndAPlaceInTheChooser)
{
    shipped::Session session;
    const std::vector<std::string> files = shipped::layoutFiles();
    const std::vector<std::string> chooser
        = GameEngine::chooserFiles({Layout::builtinTurtleFile}, "Assets/Layouts", ".lyt");
    EXPECT_EQ(files.size(), chooser.size());  // the Turtle listed once
    std::set<std::string> names;
    for (const std::string& file : files) {
        EXPECT_NE(chooser.end(), std::find(chooser.begin(), chooser.end(), file)) << file;
        // "./" keeps the built-in Turtle from standing in for its file.
        Layout layout(&session.re, "./" + file);
        EXPECT_FALSE(layout.name.empty()) << file;
        EXPECT_EQ(0u, layout.tileCoordinates.size() % 2) << file;
        EXPECT_TRUE(std::filesystem::exists(layout.previewImage)) << file;
        names.insert(layout.name);
    }
    EXPECT_EQ(files.size(), names.size());  // statistics are kept by name
}
