// Reading and writing the configuration file "jadeloom_demo.cfg": the window,
// the highlight colour, the last player, difficulty, layout, tile set, music
// and volume, carried from one run to the next, and smooth edges when the
// player chose otherwise than the default.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "game/LayoutCatalog.h"
#include "main/GameEngine.h"
#include "base/Log.h"
#include "base/AtomicFile.h"
#include "persist/Player.h"
#include "persist/PlayerLayouts.h"
#include "base/WordReader.h"

namespace {
const char* const configFile = "jadeloom_demo.cfg";

void readFlag(WordReader& reader, bool& flag)
{
    bool value;
    if (reader.readBool(value))
        flag = value;
}

std::vector<std::string>::iterator findEntry(std::vector<std::string>& list, const std::string& word)
{
    auto it = list.begin();
    while (it != list.end() && *it != word)
        ++it;
    return it;
}

const char* difficultyName(int difficulty)
{
    switch (difficulty) {
    case DIFFICULTY_EASY: return "Easy";
    case DIFFICULTY_ADVANCED: return "Advanced";
    default: return "Normal";
    }
}
}

void GameEngine::loadConfig()
{
    lastPlayerName = "DefaultNoNameYet";

    outputError("Load layout files");
    outputError("Iterator created");
    // The built-in entries always come first, then the files found on disk.
    layoutFiles = chooserFiles({"Assets/Layouts/turtle_demo.lyt"}, "Assets/Layouts", ".lyt");
    // The player's own layouts follow ours; only those that deal are listed.
    for (const std::string& file : PlayerLayouts::scan())
        layoutFiles.push_back(file);
    // Then generated layouts, named by size and number.
    for (const std::string& entry : LayoutCatalog::generatedEntries())
        layoutFiles.push_back(entry);
    outputError("Layout files loaded");
    outputError("Load tileSet files");
    tileSetFiles = chooserFiles({"Assets/Tiles/Standard/standard_tiles_demo.tls",
                                 "Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls"},
                                "Assets/Tiles", ".tls");
    outputError("TileSet files loaded");
    selectedLayout = currentLayout = layoutFiles.end();
    selectedTileSet = currentTileSet = tileSetFiles.end();

    WordReader reader{std::string(configFile)};
    if (!reader.ok()) {
        outputError("jadeloom.cfg is missing");
        throw "Failed to load config file";
    }

    std::string key;
    while (reader.next(key)) {
        if (key == "WindowSize:") {
            int w, h;
            if (reader.readInt(w))
                renderEngine.setwindowWidth(w);
            if (reader.readInt(h))
                renderEngine.setwindowHeight(h);
        } else if (key == "WindowPos:") {
            reader.readInt(renderEngine.windowX);
            reader.readInt(renderEngine.windowY);
        } else if (key == "Fullscreen:") {
            readFlag(reader, renderEngine.fullscreen);
        } else if (key == "Maximized:") {
            readFlag(reader, renderEngine.maximized);
        } else if (key == "HighlightColor:") {
            for (float& component : renderEngine.highlightColor)
                reader.readFloat(component);
        } else if (key == "LastPlayer:") {
            std::string name = reader.restOfLine(255);
            if (!name.empty())
                name.erase(0, 1);  // the blank after the key
            const size_t cr = name.find('\r');
            if (cr != std::string::npos)
                name.erase(cr, 1);
            lastPlayerName = name;
        } else if (key == "Difficulty:") {
            std::string word;
            reader.next(word);
            if (word == "Easy")
                difficulty = DIFFICULTY_EASY;
            else if (word == "Normal")
                difficulty = DIFFICULTY_NORMAL;
            else if (word == "Advanced")
                difficulty = DIFFICULTY_ADVANCED;
        } else if (key == "LastLayout:") {
            std::string word;
            reader.next(word);
            selectedLayout = currentLayout = layoutEntry(word);
            if (currentLayout != layoutFiles.end())
                *currentLayout = word;
        } else if (key == "TileSet:") {
            std::string word;
            reader.next(word);
            selectedTileSet = currentTileSet = findEntry(tileSetFiles, word);
        } else if (key == "PlayMusic:") {
            readFlag(reader, playMusic);
        } else if (key == "SmoothEdges:") {
            bool on;
            if (reader.readBool(on))
                renderEngine.smoothEdgesChoice = on;
        } else if (key == "Volume:") {
            float v;
            // The volume runs from 0 to 1 whatever the file says.
            if (reader.readFloat(v) && !std::isnan(v))
                volume = std::clamp(v / 10.0f, 0.0f, 1.0f);
        }
    }

    // A missing or unknown layout or tile set would leave start-up nothing to
    // build: fall back to the first entry of the list.
    if (currentLayout == layoutFiles.end() && !layoutFiles.empty()) {
        selectedLayout = currentLayout = layoutFiles.begin();
        outputError("No known layout in config, using " + *currentLayout);
    }
    if (currentTileSet == tileSetFiles.end() && !tileSetFiles.empty()) {
        selectedTileSet = currentTileSet = tileSetFiles.begin();
        outputError("No known tile set in config, using " + *currentTileSet);
    }
}

void GameEngine::saveConfig()
{
    // In full screen the window's place is the desktop's corner; the windowed
    // place was read when full screen began.
    if (!renderEngine.fullscreen)
        renderEngine.updateWindowPos();

    // Written beside the old file and renamed over it, so that a crash or a
    // full disk during the write never loses the player's settings.
    AtomicFile::write(configFile, [this](std::ostream& out) {
        const bool windowed = !(renderEngine.maximized || renderEngine.fullscreen);
        out << "WindowSize: "
            << (windowed ? renderEngine.getwindowWidth() : renderEngine.getPrevwindowWidth()) << " "
            << (windowed ? renderEngine.getwindowHeight() : renderEngine.getPrevwindowHeight()) << "\n";
        out << "WindowPos: " << renderEngine.windowX << " " << renderEngine.windowY << "\n";
        out << "Fullscreen: " << (savedFullscreen.value_or(renderEngine.fullscreen) ? "true" : "false") << "\n";
        out << "Maximized: " << (renderEngine.maximized ? "true" : "false") << "\n";
        out << "HighlightColor: " << static_cast<double>(renderEngine.highlightColor[0]) << " "
            << static_cast<double>(renderEngine.highlightColor[1]) << " "
            << static_cast<double>(renderEngine.highlightColor[2]) << " "
            << static_cast<double>(renderEngine.highlightColor[3]) << "\n";
        // The player current at exit is the one to resume at the next start.
        std::string playerName = lastPlayerName;
        if (players.empty())
            playerName = "DefaultNoNameYet";
        else if (const Player* current = activePlayer())
            playerName = current->name;
        out << "LastPlayer: " << playerName << "\n";
        out << "Difficulty: " << difficultyName(difficulty) << "\n";
        out << "LastLayout: " << (currentLayout != layoutFiles.end() ? *currentLayout : std::string()) << "\n";
        out << "TileSet: " << (currentTileSet != tileSetFiles.end() ? *currentTileSet : std::string()) << "\n";
        out << "PlayMusic: " << (playMusic ? "true" : "false") << "\n";
        out << "Volume: " << 10.0 * static_cast<double>(volume);
        // Only a choice that differs from this machine's default is kept,
        // so settings that never had one are written as they were read.
        const std::optional<bool>& smooth = renderEngine.smoothEdgesChoice;
        if (smooth && *smooth != renderEngine.smoothEdgesDefault)
            out << "\nSmoothEdges: " << (*smooth ? "true" : "false");
    });
}
