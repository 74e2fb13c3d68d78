#pragma once

#include <QtGlobal>

// What the video engine needs from the windowing system. libvlc draws into a widget's native
// window from its own threads: on X11 that needs Xlib's thread support switched on before the
// first connection to the display, and a platform without X11 windows (offscreen, as in
// tests and on servers) gets libvlc's dummy outputs instead.
namespace VideoPlatform {

// Switches on Xlib's thread support. Call it first thing in main(), before the application
// object exists; harmless where X11 is not used.
void initThreads();

// True when videos cannot be shown in a window: no GUI application, or a Qt platform other than
// X11 (offscreen, minimal). libvlc then decodes into dummy video and audio outputs.
bool isHeadless();

} // namespace VideoPlatform
