#pragma once

#include <thread>

// Starts the font configuration's first initialisation (reading the configuration files and
// the font caches, about 10 ms) on a thread of its own, so that it runs while the application
// connects to the display instead of when the first font is needed. The thread is joined when
// the returned object goes.
std::jthread StartFontConfigWarmUp();
