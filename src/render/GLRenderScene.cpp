// The frame: the scene drawn through the camera, then swapped to the screen.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>

#include "render/GLRender.h"
#include "render/RenderEngine.h"

void GLRender::renderScene()
{
    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, engine->camera.fovy);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    engine->lastMaterial = nullptr;
    checkError();
}
