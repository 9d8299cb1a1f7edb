#pragma once

class Movie;

// Where a movie is shown. The movie decodes and times its frames; the screen
// makes its texture, uploads each frame and draws it over the window. An
// interface, so that sound and video need nothing of the renderer: the
// render engine is the one screen the game has.
class MovieScreen {
public:
    virtual ~MovieScreen() = default;
    virtual bool openAVI(Movie* movie) = 0;
    virtual bool playMovie(Movie* movie) = 0;
    virtual bool grabAVIFrame(Movie* movie) = 0;
    virtual void drawMovie(Movie* movie) = 0;
    virtual void removeTexture(unsigned int* texture) = 0;
    virtual void resizeWindow(int width, int height) = 0;
};
