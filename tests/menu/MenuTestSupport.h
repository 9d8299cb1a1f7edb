#pragma once
// Shared by the menu tests: a menu model and font written on the fly and a
// render engine with the do-nothing renderer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/WorkDir.h"
#include "main/Input.h"
#include "menu/FontObj.h"
#include "menu/Menu.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace menutest {

// A flat object of the menu model: its corners in the unit square, y upwards.
struct Piece {
    std::string name;
    float x0, y0, x1, y1;
    float z = 0.0f;
};

inline std::string objText(const std::vector<Piece>& pieces)
{
    std::ostringstream obj;
    obj << "vt 0 0\nvn 0 0 1\n";
    int base = 1;
    for (const Piece& p : pieces) {
        obj << "o " << p.name << "\n";
        obj << "v " << p.x0 << ' ' << p.y0 << ' ' << p.z << "\nv " << p.x1 << ' ' << p.y0 << ' ' << p.z
            << "\nv " << p.x1 << ' ' << p.y1 << ' ' << p.z << "\nv " << p.x0 << ' ' << p.y1 << ' ' << p.z
            << "\n";
        obj << "f " << base << "/1/1 " << base + 1 << "/1/1 " << base + 2 << "/1/1\n";
        obj << "f " << base << "/1/1 " << base + 2 << "/1/1 " << base + 3 << "/1/1\n";
        base += 4;
    }
    obj << "# the last faces are built only when another line follows\n";
    return obj.str();
}

// Printable ASCII, every glyph 10 × 20 pixels of a 100-pixel texture, no
// spacing: a character measures 0.1 across and the line 0.2 high.
inline std::string monoFont()
{
    std::ostringstream f;
    f << "FirstCharacter: 32\nTextureSize: 100\nTracking: 0\nCharacterList {";
    for (char c = 32; c < 127; ++c)
        f << " '" << c << "'";
    f << " }\nCharacterRectangles: {";
    for (int i = 0; i < 95; ++i)
        f << " (0,0,10,20)";
    f << " }\nBuildFont();\n";
    return f.str();
}

class MenuFixture : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{std::make_unique<Renderer>()};
    Input input;

    MenuFixture()
    {
        engine.windowWidth = 1000;
        engine.windowHeight = 500;
        std::fill(std::begin(Input::currentKeys), std::end(Input::currentKeys), false);
        std::fill(std::begin(Input::mouseButtons), std::end(Input::mouseButtons), false);
        Input::dragging = false;
    }
    ~MenuFixture() override { engine.clean_up(); }

    void useFont(const std::string& text = monoFont())
    {
        WorkDir::write("font.cfg", text);
        engine.loadFont("font.cfg");
    }

    // A menu on the given pieces, read from the given menu file.
    Menu* loadMenu(const std::vector<Piece>& pieces, const std::string& cfg)
    {
        WorkDir::write("menu.obj", objText(pieces));
        WorkDir::write("menu.cfg", cfg);
        menus.emplace_back(new Menu(&engine, &input, "menu.obj"));
        menus.back()->loadMenuFile("menu.cfg");
        return menus.back().get();
    }

    std::vector<std::unique_ptr<Menu>> menus;
};

}  // namespace menutest
