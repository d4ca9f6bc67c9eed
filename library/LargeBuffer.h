#pragma once

#include <QtGlobal>

// Tells the system that a buffer of many megabytes is about to be filled at once, so that it
// can back it with large pages: filling it then costs a few page faults instead of thousands.
// A hint only; nothing changes where the system does not take it.
void AdviseLargeBuffer(char* data, qsizetype size);
