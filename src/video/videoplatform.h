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

// libvlc decodes and draws on threads that come and go with each video. The C library gives such
// threads allocator arenas of their own and keeps what they freed, so that every video played
// would leave tens of MB resident. Makes all threads share one arena; call it first thing in
// main(), before any thread exists (the video engine calls it again when it starts, for programs
// that did not: arenas made before stay).
void limitAllocatorArenas();

// Hands the memory freed by a closed video's threads back to the system (once the arenas are
// limited; with one arena per thread little of it can be handed back).
void releaseFreedMemory();

// Both of the above on (the default) or off, to measure what they save.
void setMemoryCompaction(bool enabled);

} // namespace VideoPlatform
