#pragma once
#include <SDL/SDL.h>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/DeadEndWatch.h"
#include "game/HintAdvisor.h"
#include "game/Difficulty.h"
#include "main/ChooserPicks.h"
#include "main/GameState.h"
#include "main/Input.h"
#include "main/Timer.h"
#include "render/RenderEngine.h"
#include "base/Vector3.h"

class Layout;
class Level;
class Menu;
class MenuItem;
class MenuLabel;
class MenuTextbox;
class MenuTileSlot;
class Player;
class SavedGame;
class SoundEngine;
class Tile;
class TileSet;

// The hub of the program: owns the render engine, the sound engine, the menu,
// the board, the current layout and tile set, the players, the input state
// and the timer, and runs start-up, the main loop and shutdown.
class GameEngine {
public:
    // Owned objects and handles.
    RenderEngine renderEngine;
    Input input;
    Timer timer;
    std::ostringstream numberStream;
    // Owned; freed in the order ~GameEngine gives (the board before the
    // menu whose holding slots show its tiles).
    std::unique_ptr<SoundEngine> soundEngine;
    std::unique_ptr<Menu> menu;
    std::unique_ptr<Level> level;
    Layout* layout = nullptr;
    TileSet* tileSet = nullptr;
    // A layout or tile set a chooser is merely browsing is owned here until
    // it is put into play (the board then owns it) or the browsing moves on;
    // empty while the chooser shows the board's own. layout and tileSet
    // point at the browsed one or at the board's.
    std::unique_ptr<Layout> browsedLayout;
    std::unique_ptr<TileSet> browsedTileSet;
    std::vector<std::unique_ptr<Player>> players;
    std::vector<std::unique_ptr<Player>>::iterator currentPlayer;
    std::string lastPlayerName;
    std::vector<std::string> layoutFiles;
    std::vector<std::string> tileSetFiles;
    std::vector<std::string>::iterator selectedLayout;
    std::vector<std::string>::iterator currentLayout;
    std::vector<std::string>::iterator selectedTileSet;
    std::vector<std::string>::iterator currentTileSet;

    // Game flow.
    std::string action;
    // A menu click that came while the pending action was still waiting;
    // it runs once that one is done.
    std::string queuedAction;
    int gameState = 0;
    int prevGameState = 0;
    // What the game was doing when the window was minimised, restored with it.
    int stateBeforeMinimise = 0;
    bool done = false;
    int frameDelay = 0;
    int difficulty = DIFFICULTY_NORMAL;
    bool gameWonShown = false;
    float volume = 1.0f;
    bool fullscreenWanted = false;
    // The loaded Fullscreen setting while the mode in force came from the
    // command line: it is what is saved, until the player picks a mode.
    std::optional<bool> savedFullscreen;
    bool showFreeTiles = false;
    bool playMusic = false;
    int musicStream = -1;

    // Hints show a pair on a winning line when the analyst finds one in time.
    HintAdvisor hintAdvisor;
    // Tells, beside play, when the board can no longer be won.
    DeadEndWatch deadEnd;
    // From the start of play until its first frame is drawn, the dead-end
    // watch is not asked (its thread would take the processor the first
    // frame needs); the question waits here.
    bool holdDeadEndWatch = false;
    bool deadEndWatchWaits = false;
    float movesColour[3] = {0.0f, 0.0f, 0.0f};  // the moves label's own, kept
    bool movesColourKept = false;               // while it shows the warning

    // Counters and clock.
    int hintsUsed = 0;
    int shufflesUsed = 0;
    int undosUsed = 0;
    int tilesLeft = 0;
    int movesLeft = 0;
    int minutes = 0;
    int seconds = 0;
    std::string timeText;
    int lastSecondTicks = 0;
    int lastKeyTicks = 0;

    // Mouse, keyboard and camera state.
    SDL_Event event{};
    Tile* hoverTile = nullptr;
    unsigned int hoverBoard = 0;  // the level's boardNumber when hoverTile was set
    bool leftHeld = false;
    bool middleHeld = false;
    bool rightDrag = false;
    bool altHeld = false;
    bool ctrlHeld = false;
    bool shiftHeld = false;
    bool cameraSaved = false;
    Vector3 savedCameraPos;
    Vector3 savedCameraCentre;
    Vector3 savedCameraUp;
    float mouseDownX = 0.0f;
    float mouseDownY = 0.0f;
    double arcballX = 0.0;
    double arcballY = 0.0;
    bool trackUp = false, trackDown = false, trackLeft = false, trackRight = false;
    bool trackLeftShift = false, trackRightShift = false;
    bool moveForward = false, moveBack = false, moveLeft = false, moveRight = false;
    bool moveUp = false, moveDown = false;
    float trackStep = 5.0f;
    float moveStep = 1.0f;
    int zoomStep = 2;

    // Menu item handles, looked up once when the loop starts.
    MenuLabel* tilesText = nullptr;
    MenuLabel* movesText = nullptr;
    MenuLabel* scoreText = nullptr;
    MenuLabel* timeTextLabel = nullptr;
    MenuTileSlot* slot1 = nullptr;
    MenuTileSlot* slot2 = nullptr;
    MenuTileSlot* slot3 = nullptr;
    MenuItem* mainMenuLeft = nullptr;
    MenuItem* mainMenuRight = nullptr;

    // Where the window's focus state comes from; tests put their own here.
    Uint8 (*appStateSource)() = &SDL_GetAppState;

    // The video mode changes at most once a frame: a full-screen switch asked
    // for after one already made this frame waits for the next.
    bool videoModeChanged = false;
    bool videoModeChangePending = false;

    GameEngine();
    explicit GameEngine(Renderer* renderer);  // for tests: any renderer
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;
    ~GameEngine();

    bool Engine_Init();
    // Full screen or a window for this run only; call before Engine_Init.
    void fullscreenThisRun(bool on);
    // The pictures loading will ask for, to be decoded ahead.
    std::vector<std::string> startupPictures() const;
    void Start_Game();
    void quitGame();
    void exitGame();
    void setGameState(int state);

    // One pass of the main loop.
    void runFrame();
    // Advances the game clock and the held-key moves (frame step 3).
    void updateClock();

    // Events (GameEngineEvents.cpp).
    void checkEventQueue();
    // Handles the one event held in event.
    void handleEvent();
    void checkKeys(SDLKey key);
    void keyUpdates();
    void resizeWindow(SDL_Event* resizeEvent, bool fullscreen);
    // Applies a resize still queued behind the close request, so that the
    // settings keep the size the window has.
    void takeQueuedResize();
    void fullscreen();
    // Turns smooth edges on or off from the next start.
    void smoothEdges();

    // Actions (GameEngineActions.cpp).
    void processAction();

    // Game control (GameControl.cpp).
    void newGame();
    void changeLayout();
    void changeTileSet(Layout* newLayout);
    void restart();
    void undo();
    void redo();
    // The moves label and the line over it, as the dead-end watch last
    // answered for the board now (GameEngineDeadEnd.cpp).
    void showDeadEnd();
    void hint();
    void shuffle();
    void setDifficulty(int mode);
    void highlightTiles();
    void highlightTiles(bool on);
    void updateSlots();
    void updateBottomText();
    void drawTime();
    void resetTime();
    void closePanels();
    // Whether any panel lies over the board (choosers, options, players, the
    // new-player, no-moves, won and delete panels): the board then takes no
    // click.
    bool panelOpen() const;
    // Marks the doors and the panels as lying over the board's layer, so that
    // the parked tiles are drawn under them.
    void markBoardCovers();
    void noMovesPanel(bool close);
    // Closes the no-moves panel if it is open and gives the top bar back.
    void closeNoMovesPanel();
    void gameWonPanel(int time, int score, int tileSetBestTime, int tileSetBestScore,
                      int layoutBestTime, int layoutBestScore);
    void gameWonPanelToggle(bool close);

    // Timer callbacks.
    void menuCursorBlink();
    void menuTextUpdate();
    // Hands the text boxes what they read of the keyboard and the pointer.
    void handTextBoxKeys();
    // The last key typed into the box (null: nothing); the box is returned.
    MenuTextbox* typeInto(MenuTextbox* box, bool repeat);

    // Configuration file.
    void loadConfig();
    void saveConfig();

    // Whether the window has input or mouse focus (the clock runs only then).
    bool windowHasFocus() const;

    // "mm:ss" for a time in seconds (negative times count as 0).
    static std::string clockText(int totalSeconds);
    // Menu helpers; every one of them accepts a missing menu or item.
    MenuItem* menuItem(const std::string& id) const;
    void showItem(const std::string& id, bool on);
    void setLabel(MenuLabel* label, const std::string& text);
    void setLabel(const std::string& id, const std::string& text);
    std::string numberText(int value);
    // Whether a new game may begin now: no tile animation is running.
    bool boardAnimationsFinished() const;

    // Players, statistics and rewards (GameEnginePlayers.cpp).
    void loadPlayerFile();
    // Copies a file read with damage to path + ".damaged", unless a copy of
    // an earlier damage is there already.
    static void keepDamagedFile(const std::string& path);
    // False (logged) when the file could not be replaced; the old one stays.
    bool savePlayerFile();
    void updatePlayerStats();
    void addPlayer();
    void changePlayer(const std::string& labelId);
    void selectPlayer();
    void deletePlayer(const std::string& labelId);
    void setRewards();
    void checkRewards();
    // The current player, or null when none is.
    Player* activePlayer() const;
    Player* findPlayer(const std::string& name) const;
    // Names the rows "Player1".."Player10" after the list (empty past its end).
    void labelPlayers(const Player* highlighted);

    // The saved game (GameEngineSaves.cpp).
    void saveGame(std::ostream& out);
    void createSaveData();
    bool loadSavedGame();

    // The player whose game the board shows: set when a game is dealt or
    // restored for the current player, null when that player was deleted.
    // A board is stored only under this player.
    Player* boardPlayer = nullptr;
    // One pass of the delete confirmation's modal loop; tests answer it.
    void (*confirmationFrame)(GameEngine&) = &GameEngine::modalFrame;
    static void modalFrame(GameEngine& engine);
    // Panels (GameEnginePanels.cpp).
    static constexpr size_t maxPlayers = 10;
    void mainMenuToggle();
    void mainMenuOpenDoors();
    void layoutPanelOpen();
    void layoutPanelChange(int step);
    void tileSetPanelOpen();
    void tileSetPanelChange(int step);
    // Puts the layout browsed in the chooser into play and deals it.
    void selectLayout();

    // The layouts chooser's numbers (GameEngineChooser.cpp). New Game deals
    // dealNumber: the layout's standard deal until the player picks another
    // in the chooser or resumes a game dealt from another.
    unsigned int dealNumber;
    unsigned int browsedDeal;  // shown in the chooser, dealt by its Play button
    ChooserPicks picks;
    // One step forward or back (1, -1), or a random number (0): the deal, or
    // the number of the generated layout the chooser shows.
    void dealPick(int step);
    void layoutNumberPick(int step);
    // The keep panel: the generated layout the chooser shows is written into
    // the player's layouts folder under a typed name.
    void keepPanelToggle(bool close);
    bool keepPanelShown() const;
    void keepLayoutKey();
    void keepLayout();
    // The text box that takes the keys now (keep or new-player panel), or null.
    MenuTextbox* activeTextBox() const;
    // The list's entry for a layout named by the settings or a saved game:
    // that entry, or for a generated layout the entry of its size, which the
    // caller renames to it once the layout is taken.
    std::vector<std::string>::iterator layoutEntry(const std::string& name);
    void optionsPanelOpen();
    void playerPanelOpen();
    // The statistics panel (GameEngineStats.cpp): opened on its first page;
    // a step of one page forward or back stays within the rows there are.
    void statsPanelOpen();
    void statsPageStep(int step);
    void showStatsPage();
    int statsFirstRow = 0;
    void newPlayerPanelToggle(bool close);
    void cancelTextBox();
    // A key pressed in the new-player panel: typed into its text box; Enter
    // asks to add the player, Escape cancels.
    void newPlayerKey();
    void volumeChange(int mode);
    // Puts the volume knob where the volume says along its travel.
    void placeVolumeKnob();
    void musicToggle(bool on);
    void setMusicOption();
    // What a chooser offers: the built-in entries first, then every file
    // with the extension found under dir, sorted by path, each entry once.
    static std::vector<std::string> chooserFiles(const std::vector<std::string>& builtIn,
                                                 const std::string& dir, const std::string& extension);

private:
    void mouseMotion();
    void mouseButtonDown();
    void mouseButtonUp();
    void boardClick(int x, int y);
    void tileHover(int x, int y);
    void activeEvent();
    void normalisedMouse(int x, int y, double& nx, double& ny) const;
    void clearShownHint();
    void applyDifficulty();

    // Players and saved games.
    void makeCurrent(Player* p);
    std::string typedPlayerName() const;
    void resetNameBox();
    // Why a typed name cannot be a new player's, or empty when it can.
    std::string playerNameProblem(const std::string& name) const;
    // The new-player panel's prompt line: the text given, or its own prompt
    // when that is empty.
    void showNamePrompt(const std::string& text);
    std::string namePrompt;
    bool confirmDeletion(const std::string& name);
    bool gameResumable() const;
    std::vector<std::string> boardSaveLines();
    void restoreHistory(const SavedGame& game);
    // Panels: a layout or tile set only browsed in a chooser is freed and
    // the chooser goes back to the entry in play.
    void dropBrowsedLayout();
    // Shows a layout just opened (not the board's) in the chooser, as the
    // browsed one; the one browsed before is freed.
    void browseLayout(std::unique_ptr<Layout> opened);
    void dropBrowsedTileSet();
    void showLayoutEntry();
    void showLayoutPicks();
    // The chooser's picture item holds the picture of the layout it shows
    // (or the one in play), never one of a layout since freed.
    void showLayoutPreview();
    // The entry named file goes into the layouts list in its place among the
    // player's, and the chooser shows it.
    void offerKeptLayout(const std::string& file);
    std::string keepPrompt;  // the keep panel's own prompt, from the menu file
    void showTileSetEntry();
    // Deals the board's layout again as a new game (the end of changeLayout).
    void dealLayout();
    bool volumeTrack(MenuItem*& knob, float& trackX, float& maxX) const;
    void setButtonsActive(bool on);
    void setModalActive(bool on);
    void activateDoors(bool on);
    void openPanel(const char* id);
};
