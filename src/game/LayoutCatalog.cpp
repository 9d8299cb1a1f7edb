#include "game/LayoutCatalog.h"

#include "game/Layout.h"
#include "game/LayoutGenerator.h"
#include "base/Log.h"

Layout* LayoutCatalog::open(RenderEngine* re, const std::string& entry)
{
    uint32_t number = 0;
    int size = 0;
    if (!LayoutGenerator::parseFileName(entry, &number, &size))
        return new Layout(re, entry);
    Layout* l = LayoutGenerator(number, size).makeLayout(re);
    outputError("Generated layout: " + entry);
    return l;
}

std::vector<std::string> LayoutCatalog::generatedEntries()
{
    std::vector<std::string> entries;
    for (int size : LayoutGenerator::sizes)
        entries.push_back(LayoutGenerator(1, size).fileName());
    return entries;
}
