#pragma once
// The page's side as the web host calls it: functions of the page's script
// (vxweb_library.js), each run on the browser's thread while the calling
// thread waits, so every pointer handed over stays valid for the call. They
// only start what takes longer (a clipboard write, a download) and return.
#include <cstdint>

extern "C" {
// The scene (page_scene.h) as JSON.
void vxweb_page_scene(const char* json);
// `width` x `height` canvas pixels (RGBA) for slot `slot`, showing the area
// x, y, w, h of its picture as the view shows it.
void vxweb_page_draw(int slot, const uint8_t* rgba, int width, int height, int x, int y, int w, int h);
// The save dialog; the page answers with vxweb_saveanswer(request, name or null).
void vxweb_page_savedialog(int request, const char* proposedname, const char* title, const char* message);
// A message box; the page answers with vxweb_problemclosed(request).
void vxweb_page_message(int request, const char* title, const char* text, const char* details);
// Offers the file at `path` (in the program's file system) for download as `name`;
// answers 0 when the page could not.
int vxweb_page_download(const char* path, const char* name);
void vxweb_page_copytext(const char* text);
void vxweb_page_copypicture(const uint8_t* rgba, int width, int height);
void vxweb_page_beep(void);
// How the program stands: 1 its thread has ended, 2 the application quit,
// 3 it cannot start (`text` says why).
void vxweb_page_state(int state, const char* text);
}

namespace vx::web {

// The page's area for windows, as the page last reported it (atomic: the page
// reports it from the browser's thread).
struct PageArea {
  int width;
  int height;
};
PageArea pagearea();

class WebHost;
// The host the page's calls hand their work to; none before it is made.
void setinstalledwebhost(WebHost* host);

}  // namespace vx::web
