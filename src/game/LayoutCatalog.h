#pragma once
#include <memory>
#include <string>
#include <vector>

class Layout;
class RenderEngine;

// Where a layout entry of the chooser, the settings or a saved game comes
// from: a generated layout's name ("Generated/SIZE/NUMBER") is made by the
// generator, anything else is read as a layout file. Statistics and saved
// games thus name a generated layout by its size and number, and a resumed
// game finds the same positions again.
class LayoutCatalog {
public:
    // The layout behind an entry.
    static std::unique_ptr<Layout> open(RenderEngine* re, const std::string& entry);
    // The generated entries the chooser offers after the layout files: the
    // first number of each size.
    static std::vector<std::string> generatedEntries();
};
