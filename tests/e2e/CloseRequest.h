#pragma once

// Asks a window of the X display named by $DISPLAY to close, as a window manager's close
// button does: the WM_DELETE_WINDOW message. False when the display cannot be opened or the
// message cannot be sent.
bool SendCloseRequest(unsigned long windowId);
