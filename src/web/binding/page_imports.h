// What the page supplies to the handheld: storage, sound and the error box.
//
// Implemented in JavaScript (page_imports.js, linked as an Emscripten library), which forwards
// each call to the page's own modules. Strings cross as UTF-8; a string handed back to C++ was
// allocated with malloc and is freed by the caller.
#pragma once

extern "C" {
// The stored text of a settings value, or null when it is absent or storage is unavailable.
char* page_settings_read(const char* name);
// Nonzero when the value was stored.
int page_settings_write(const char* name, const char* text);
// One of the five samples, in the order of zuzazizo::all_samples.
void page_sound_play(int sample);
// The page's message box: the same texts the desktop program shows.
void page_report_error(const char* text);
}
