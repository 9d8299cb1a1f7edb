// The intro movie: one texture that takes each decoded frame, drawn on a
// quad over the whole window.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include "audio/Movie.h"  // the renderer draws the intro's frames
#include "render/GLRender.h"
#include "render/RenderEngine.h"

namespace {
// Movie calls can come before there is a window; OpenGL is only called once
// an OpenGL video mode exists.
bool haveMovieContext()
{
    const SDL_Surface* video = SDL_GetVideoSurface();
    return video && (video->flags & SDL_OPENGL);
}

// Frames are tightly packed rows of 3 bytes per pixel, whatever the width.
void uploadFrame(const Movie* movie, bool define)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (define)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, movie->width, movie->height, 0, GL_BGR, GL_UNSIGNED_BYTE,
                     movie->pixels);
    else
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, movie->width, movie->height, GL_BGR, GL_UNSIGNED_BYTE,
                        movie->pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}
}

bool GLRender::openAVI(Movie* movie)
{
    if (!movie || !haveMovieContext() || movie->width <= 0 || movie->height <= 0)
        return false;
    glEnable(GL_TEXTURE_2D);
    if (movie->texture == 0)
        glGenTextures(1, &movie->texture);
    glBindTexture(GL_TEXTURE_2D, movie->texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    uploadFrame(movie, true);
    return true;
}

bool GLRender::playMovie(Movie* movie)
{
    if (!movie || !haveMovieContext())
        return false;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setOrtho(1, 1);  // a unit square over the whole window, y downwards
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

bool GLRender::grabAVIFrame(Movie* movie)
{
    if (!movie || !movie->pixels || movie->texture == 0 || !haveMovieContext())
        return false;
    glBindTexture(GL_TEXTURE_2D, movie->texture);
    uploadFrame(movie, false);
    return true;
}

void GLRender::drawMovie(Movie* movie)
{
    if (!movie || !haveMovieContext())
        return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    movie->grabAVIFrame(movie->frame);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.5f);
    glBindTexture(GL_TEXTURE_2D, movie->texture);
    glVertexPointer(3, GL_FLOAT, 0, movie->vertices);
    glTexCoordPointer(2, GL_FLOAT, 0, movie->texCoords);
    glDrawArrays(GL_QUADS, 0, 4);
    SDL_GL_SwapBuffers();
    engine->redrawAll = true;
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}
