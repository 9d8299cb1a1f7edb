// Menu files: building a tree on a small menu model from whatever the input
// is, then laying it out, hit testing and drawing it with the do-nothing
// renderer.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "main/Input.h"
#include "menu/Menu.h"
#include "menu/MenuItem.h"
#include "menu/MenuTextbox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    static const std::string model = [] {
        const char obj[] = "vt 0 0\nvn 0 0 1\no Root\nv 0 0 0\nv 1 0 0\nv 1 1 0\nf 1/1/1 2/1/1 3/1/1\n"
                           "o Box\nv 0.2 0.2 0.1\nv 0.6 0.2 0.1\nv 0.6 0.4 0.1\nf 4/1/1 5/1/1 6/1/1\n";
        return fuzzsupport::writeInput("menu.obj", reinterpret_cast<const uint8_t*>(obj), sizeof obj - 1);
    }();
    const std::string path = fuzzsupport::writeInput("menu.cfg", data, size);
    Input input;
    {
        Menu menu(&engine, &input, model);
        menu.loadMenuFile(path);
        menu.resizeMenu();
        if (menu.root) {
            menu.root->checkMouseInside(300, 200);
            menu.root->setClick(true);
        }
        menu.getAction();
        menu.update();
        menu.draw();
        menu.closePanels();
    }
    engine.clean_up();
    return 0;
}
