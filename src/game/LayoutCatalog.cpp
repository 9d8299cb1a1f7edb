#include "game/LayoutCatalog.h"

#include "game/Layout.h"
#include "game/LayoutGenerator.h"
#include "base/Log.h"

std::unique_ptr<Layout> LayoutCatalog::open(RenderEngine* re, const std::string& entry)
{
    uint32_t number = 0;
    int size = 0;
    std::unique_ptr<Layout> l;
    if (LayoutGenerator::parseFileName(entry, &number, &size)) {
        l = LayoutGenerator(number, size).makeLayout(re);
        outputError("Generated layout: " + entry);
    } else {
        l = std::make_unique<Layout>(re, entry);
    }
    return l;
}

std::vector<std::string> LayoutCatalog::generatedEntries()
{
    std::vector<std::string> entries;
    for (int size : LayoutGenerator::sizes)
        entries.push_back(LayoutGenerator(1, size).fileName());
    return entries;
}
