#include "app/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

std::jthread StartFontConfigWarmUp() {
    return std::jthread([] { FcInit(); });
}
