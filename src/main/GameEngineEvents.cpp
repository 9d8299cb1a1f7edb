// The event queue: window, mouse and keyboard events, the camera drags, clicks
// on the board and the keyboard shortcuts of play.
#include <cmath>

#include "game/Level.h"
#include "game/Tile.h"
#include "main/GameEngine.h"
#include "menu/Menu.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuItem.h"
#include "render/Renderer.h"

namespace {
// Cursor kinds of the renderer.
constexpr int CURSOR_NORMAL = 10000;
constexpr int CURSOR_PRESSED = 10001;
// Degrees per radian as the Shift drag turns the view (slightly less than
// the exact 57.29578, which is what players are used to).
constexpr double SHIFT_TURN_FACTOR = 57.17078;
// The action of the volume knob, the one menu action that acts on press.
const char* const VOLUME_GRAB = "VOLUME_GRAB";
}

void GameEngine::checkEventQueue()
{
    videoModeChanged = false;
    if (videoModeChangePending) {
        videoModeChangePending = false;
        resizeWindow(nullptr, fullscreenWanted);
    }
    // A quit request ends the handling at once: whatever follows it in the
    // queue (such as the resizes a change of video mode can post) must not
    // keep the game from closing.
    while (!done && SDL_PollEvent(&event))
        handleEvent();
}

void GameEngine::handleEvent()
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        input.update(&event);
        break;
    default:
        break;
    }

    switch (event.type) {
    case SDL_VIDEORESIZE:
        resizeWindow(&event, fullscreenWanted);
        break;
    case SDL_QUIT:
        done = true;
        action.clear();
        break;
    case SDL_ACTIVEEVENT:
        activeEvent();
        break;
    case SDL_VIDEOEXPOSE:
        renderEngine.redrawAll = true;  // the window's picture must be drawn again
        break;
    case SDL_MOUSEMOTION:
        mouseMotion();
        break;
    case SDL_MOUSEBUTTONDOWN:
        mouseButtonDown();
        break;
    case SDL_MOUSEBUTTONUP:
        mouseButtonUp();
        break;
    case SDL_KEYDOWN:
        input.lastKeyTime = timer.get_ticks();
        // Keys typed into the keep panel's box are not commands of play.
        if (keepPanelShown())
            keepLayoutKey();
        else if (gameState == GS_PLAYING)
            checkKeys(event.key.keysym.sym);
        else if (gameState == GS_NEW_PLAYER)
            newPlayerKey();
        break;
    case SDL_KEYUP:
        if (gameState == GS_PLAYING && !keepPanelShown())
            checkKeys(event.key.keysym.sym);
        break;
    default:
        break;
    }
}

void GameEngine::activeEvent()
{
    const SDL_ActiveEvent& a = event.active;
    if (a.state & SDL_APPACTIVE) {
        if (!a.gain) {
            SDL_ShowCursor(SDL_ENABLE);
            frameDelay = 500;
            // A second loss while minimised must not overwrite the state to
            // return to. The state a panel returns to (prevGameState) is
            // left alone: the new-player panel, say, may be open.
            if (gameState != GS_MINIMIZED) {
                stateBeforeMinimise = gameState;
                gameState = GS_MINIMIZED;
            }
        } else if (frameDelay > 0) {
            frameDelay = 0;
            if (gameState == GS_MINIMIZED)
                gameState = stateBeforeMinimise;
        }
    }
    if (a.state & SDL_APPMOUSEFOCUS)
        renderEngine.mouseInWindow = a.gain != 0;
}

void GameEngine::normalisedMouse(int x, int y, double& nx, double& ny) const
{
    const double w = renderEngine.windowWidth > 0 ? renderEngine.windowWidth : 1;
    const double h = renderEngine.windowHeight > 0 ? renderEngine.windowHeight : 1;
    nx = 2.0 * x / w - 1.0;
    ny = 2.0 * y / h - 1.0;
}

void GameEngine::mouseMotion()
{
    renderEngine.mouseInWindow = true;
    const SDL_MouseMotionEvent& m = event.motion;
    MenuItem* root = menu ? menu->root.get() : nullptr;
    if (gameState == GS_PLAYING && rightDrag) {
        Camera& camera = renderEngine.camera;
        const float xrel = static_cast<float>(m.xrel);
        const float yrel = static_cast<float>(m.yrel);
        if (ctrlHeld) {
            camera.relativeRotate(-xrel * 0.5f, true, false, false);
            camera.relativeRotate(-yrel * 0.5f, false, true, false);
        } else if (altHeld) {
            camera.translate(-xrel * 0.1f, 0.0f, 0.0f, false);
            camera.translate(0.0f, 0.0f, -yrel * 0.1f, false);
        } else if (shiftHeld) {
            const double previous = std::atan2(-arcballY, -arcballX);
            double nx, ny;
            normalisedMouse(m.x, m.y, nx, ny);
            const double angle = std::atan2(-ny, -nx);
            arcballX = nx;
            arcballY = ny;
            camera.track(0.0f, static_cast<float>((angle - previous) * SHIFT_TURN_FACTOR), 0.0f, false);
        } else {
            camera.track(-yrel * 0.5f, 0.0f, xrel * 0.5f, false);
        }
        return;
    }
    if (root) {
        root->checkMouseInside(m.x, m.y);
        if (leftHeld)
            root->setClick(true);
    }
    if (gameState == GS_PLAYING && !panelOpen())
        tileHover(m.x, m.y);
}

void GameEngine::tileHover(int x, int y)
{
    Tile* picked = renderEngine.Selection(x, y);
    // A tile hovered on a board since dealt anew is gone with that board.
    if (hoverTile && level && level->boardNumber == hoverBoard)
        hoverTile->setHover(false);
    if (!picked)
        return;  // the pointer is kept, un-hovered
    if (level && static_cast<Sprite*>(picked) == level->room)
        return;
    hoverTile = picked;
    hoverBoard = level ? level->boardNumber : 0;
    if (level && level->isFree(picked))
        picked->setHover(true);
}

void GameEngine::mouseButtonDown()
{
    const SDL_MouseButtonEvent& b = event.button;
    mouseDownX = b.x;
    mouseDownY = b.y;
    renderEngine.renderer->setCursor(CURSOR_PRESSED);
    MenuItem* root = menu ? menu->root.get() : nullptr;
    if (root)
        root->checkMouseInside(b.x, b.y);

    Camera& camera = renderEngine.camera;
    switch (b.button) {
    case SDL_BUTTON_LEFT:
        // Menu actions fire on release; only the volume knob acts on press.
        // Nothing else touches the pending action here, which may be one
        // still waiting for its moment (the won panel, the opening doors).
        if (menu && menu->getAction() == VOLUME_GRAB && action.empty())
            action = VOLUME_GRAB;
        if (root)
            root->setClick(true);
        leftHeld = true;
        break;
    case SDL_BUTTON_MIDDLE:
        middleHeld = true;
        break;
    case SDL_BUTTON_RIGHT:
        if (ctrlHeld && !cameraSaved) {
            cameraSaved = true;
            savedCameraPos = camera.eye;
            savedCameraCentre = camera.centre;
            savedCameraUp = camera.up;
        }
        if (shiftHeld)
            normalisedMouse(b.x, b.y, arcballX, arcballY);
        if (gameState == GS_PLAYING) {
            rightDrag = true;
            SDL_WM_GrabInput(SDL_GRAB_ON);
        }
        break;
    case SDL_BUTTON_WHEELUP:
        if (gameState == GS_PLAYING) {
            if (shiftHeld)
                camera.fov(1.0f);
            else
                camera.zoom(static_cast<float>(-zoomStep), false);
        }
        break;
    case SDL_BUTTON_WHEELDOWN:
        if (gameState == GS_PLAYING) {
            if (shiftHeld)
                camera.fov(-1.0f);
            else
                camera.zoom(static_cast<float>(zoomStep), false);
        }
        break;
    default:
        break;
    }
}

void GameEngine::mouseButtonUp()
{
    const SDL_MouseButtonEvent& b = event.button;
    renderEngine.renderer->setCursor(CURSOR_NORMAL);
    MenuItem* root = menu ? menu->root.get() : nullptr;
    if (root) {
        root->setClick(false);
        root->checkMouseInside(b.x, b.y);
    }
    switch (b.button) {
    case SDL_BUTTON_LEFT: {
        if (!leftHeld)
            break;  // the press happened elsewhere
        leftHeld = false;
        SDL_WM_GrabInput(SDL_GRAB_OFF);
        if (altHeld || shiftHeld)
            break;
        // A release with no menu item under it leaves a pending action alone.
        // One with an item never throws away an action still waiting for its
        // moment (the won panel after the last pair's animation, the doors
        // opening): it waits behind it, a later click taking its place.
        const std::string menuAction = menu ? menu->getAction() : std::string();
        if (!menuAction.empty()) {
            if (action.empty() || action == menuAction)
                action = menuAction;
            else
                queuedAction = menuAction;
        } else if (gameState == GS_PLAYING && !panelOpen()) {
            boardClick(b.x, b.y);
        }
        break;
    }
    case SDL_BUTTON_MIDDLE:
        middleHeld = false;
        break;
    case SDL_BUTTON_RIGHT:
        // Also outside play: a drag that began in play (the state may have
        // changed under it) must not leave the camera dragging and the
        // pointer grabbed.
        if (gameState == GS_PLAYING || rightDrag) {
            rightDrag = false;
            SDL_WM_GrabInput(SDL_GRAB_OFF);
        }
        break;
    default:
        break;
    }
}

void GameEngine::boardClick(int x, int y)
{
    if (!level)
        return;
    Tile* picked = renderEngine.Selection(x, y);
    if (picked) {
        level->handleSelection(picked);
        updateSlots();
        updateBottomText();
        return;
    }
    clearShownHint();
    if (level->selectedTile)
        level->selectTile(level->selectedTile, false);
}

void GameEngine::clearShownHint()
{
    level->hintShown = false;
    for (Tile* t : pointers(level->tiles)) {
        if (t && t->hinted) {
            t->hoverHighlightTile(false);
            t->hinted = false;
        }
    }
}

void GameEngine::checkKeys(SDLKey key)
{
    const bool down = event.type == SDL_KEYDOWN;
    Camera& camera = renderEngine.camera;
    switch (key) {
    case SDLK_UP:
        trackUp = down;
        break;
    case SDLK_DOWN:
        trackDown = down;
        break;
    case SDLK_LEFT:
        if (down)
            (shiftHeld ? trackLeftShift : trackLeft) = true;
        else
            trackLeftShift = trackLeft = false;
        break;
    case SDLK_RIGHT:
        if (down)
            (shiftHeld ? trackRightShift : trackRight) = true;
        else
            trackRightShift = trackRight = false;
        break;
    case SDLK_h:
        // A hint from the keyboard is not counted.
        if (down && level)
            hintAdvisor.hint(*level);
        break;
    case SDLK_u:
        // Nor is an undo from the keyboard, which leaves the bottom bar as
        // it is; the holding slots show what the board holds.
        if (down && level) {
            level->undo();
            updateSlots();
        }
        break;
    case SDLK_r:
    case SDLK_y:
        // R, or Ctrl+Y, redoes what undo took back (not counted either).
        if (down && level && (key == SDLK_r || ctrlHeld) && gameState == GS_PLAYING) {
            level->redoList.redo(*level);
            updateSlots();
            updateBottomText();
        }
        break;
    case SDLK_f:
        if (down) {
            fullscreenWanted = !renderEngine.fullscreen;
            savedFullscreen.reset();
            resizeWindow(&event, fullscreenWanted);
        }
        break;
    case SDLK_w:
        moveForward = down;
        if (down)
            camera.translate(0.0f, 0.0f, -moveStep, false);
        break;
    case SDLK_s:
        moveBack = down;
        if (down)
            camera.translate(0.0f, 0.0f, moveStep, false);
        break;
    case SDLK_a:
        moveLeft = down;
        if (down)
            camera.translate(-moveStep, 0.0f, 0.0f, false);
        break;
    case SDLK_d:
        moveRight = down;
        if (down)
            camera.translate(moveStep, 0.0f, 0.0f, false);
        break;
    case SDLK_q:
        moveUp = down;
        if (down)
            camera.translate(0.0f, moveStep, 0.0f, false);
        break;
    case SDLK_e:
        moveDown = down;
        if (down)
            camera.translate(0.0f, -moveStep, 0.0f, false);
        break;
    case SDLK_LALT:
    case SDLK_RALT:
        altHeld = down;
        break;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        shiftHeld = down;
        break;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        // Ctrl + right drag looks around; letting go of Ctrl snaps back.
        if (!down && cameraSaved) {
            cameraSaved = false;
            camera.eye = savedCameraPos;
            camera.centre = savedCameraCentre;
            camera.up = savedCameraUp;
        }
        ctrlHeld = down;
        break;
    case SDLK_SPACE:
        if (down)
            camera.resetCamera();
        break;
    case SDLK_RETURN:
        if (down && level && level->hintShown) {
            Tile* pair[2] = {nullptr, nullptr};
            int found = 0;
            for (Tile* t : pointers(level->tiles))
                if (t && t->hinted && found < 2)
                    pair[found++] = t;
            // The pair shown may have gone stale (an undo since the hint
            // covered one of them): only a pair still takeable is removed.
            if (found == 2 && level->isFree(pair[0]) && level->isFree(pair[1])) {
                level->clearTiles(pair[0], pair[1]);
                updateSlots();
            }
        }
        break;
    default:
        break;
    }
}

void GameEngine::keyUpdates()
{
    Camera& camera = renderEngine.camera;
    if (trackUp)
        camera.track(-trackStep, 0.0f, 0.0f, false);
    if (trackDown)
        camera.track(trackStep, 0.0f, 0.0f, false);
    if (trackLeft)
        camera.track(0.0f, 0.0f, trackStep, false);
    if (trackRight)
        camera.track(0.0f, 0.0f, -trackStep, false);
    if (trackLeftShift)
        camera.track(0.0f, trackStep, 0.0f, false);
    if (trackRightShift)
        camera.track(0.0f, -trackStep, 0.0f, false);
    if (moveForward)
        camera.translate(0.0f, 0.0f, -moveStep, false);
    if (moveLeft)
        camera.translate(-moveStep, 0.0f, 0.0f, false);
    if (moveBack)
        camera.translate(0.0f, 0.0f, moveStep, false);
    if (moveRight)
        camera.translate(moveStep, 0.0f, 0.0f, false);
    if (moveUp)
        camera.translate(0.0f, moveStep, 0.0f, false);
    if (moveDown)
        camera.translate(0.0f, -moveStep, 0.0f, false);
}

void GameEngine::resizeWindow(SDL_Event* resizeEvent, bool fullscreenOn)
{
    // A key or a menu action holds no size: the window keeps the one it has.
    const bool sized = resizeEvent && resizeEvent->type == SDL_VIDEORESIZE;
    const int width = sized ? resizeEvent->resize.w : renderEngine.windowWidth;
    const int height = sized ? resizeEvent->resize.h : renderEngine.windowHeight;
    const bool sizeChanges = width != renderEngine.windowWidth || height != renderEngine.windowHeight;

    if (fullscreenOn != renderEngine.fullscreen || (renderEngine.fullscreen && sizeChanges)) {
        // A new video mode can itself post a resize; taking a second mode
        // change in the same frame could keep the queue from ever emptying.
        if (videoModeChanged) {
            videoModeChangePending = true;
            return;
        }
        videoModeChanged = true;
        renderEngine.toggleFullscreen(fullscreenOn);
    } else if (sizeChanges && !renderEngine.fullscreen) {
        renderEngine.resizeWindow(width, height);
    } else {
        return;  // the size and mode in force: nothing changes
    }
    if (menu)
        menu->resizeMenu();
    renderEngine.renderScene();
}

void GameEngine::takeQueuedResize()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) || renderEngine.fullscreen)
        return;
    SDL_PumpEvents();
    SDL_Event resize{};
    SDL_Event next;
    while (SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) > 0)
        resize = next;
    if (resize.type == SDL_VIDEORESIZE)
        renderEngine.resizeWindow(resize.resize.w, resize.resize.h);
}

void GameEngine::smoothEdges()
{
    const bool on = !renderEngine.smoothEdges();
    renderEngine.smoothEdgesChoice = on;
    if (auto* box = dynamic_cast<MenuCheckbox*>(menuItem("SmoothEdgesCheckbox")))
        box->ticked = box->toggled = on;
    action.clear();
}

void GameEngine::fullscreen()
{
    auto* box = dynamic_cast<MenuCheckbox*>(menuItem("FullscreenCheckbox"));
    const bool on = box ? !box->ticked : !fullscreenWanted;
    if (box)
        box->ticked = box->toggled = on;
    fullscreenWanted = on;
    savedFullscreen.reset();
    resizeWindow(&event, fullscreenWanted);
    action.clear();
}
