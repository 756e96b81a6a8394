// The C++ side's imports, forwarded to the object the page installs as Module.page.
mergeInto(LibraryManager.library, {
  page_settings_read__deps: ['malloc'],
  page_settings_read: function (name) {
    const text = Module.page.settingsRead(UTF8ToString(name));
    if (text === null || text === undefined) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
  },
  page_settings_write: function (name, text) {
    return Module.page.settingsWrite(UTF8ToString(name), UTF8ToString(text)) ? 1 : 0;
  },
  page_sound_play: function (sample) {
    Module.page.soundPlay(sample);
  },
  page_report_error: function (text) {
    Module.page.reportError(UTF8ToString(text));
  },
});
