#pragma once

// Hands the pages of memory that has been freed back to the system. The C
// library keeps what a program frees for its next allocations, in every
// thread's pool; after start-up, whose decoding buffers are gone by then,
// that is several megabytes the game will not ask for again.
void returnFreedMemory();
