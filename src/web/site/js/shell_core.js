// The core's rules for the page's shell, from the WebAssembly module: the menu table, the splash
// screen's texts, layout and rules, the display modes and the settings they keep.
const lines = (text) => text.split('\n').filter((line) => line.length > 0);

export class ShellCore {
  constructor(handheld) {
    this.handheld = handheld;
    this.m = handheld.m;
  }

  text(pointer) { return this.m.UTF8ToString(pointer); }
  withString(text, use) { return this.handheld.withString(text, use); }

  // The thirteen items in menu order.
  menuItems() {
    return lines(this.text(this.m._sh_menu_items())).map((line) => {
      const [name, caption, shortcut, key, command, checkable, isDefault] = line.split('\t');
      return {
        name, caption, shortcut, key: Number(key), command,
        checkable: checkable === '1', isDefault: isDefault === '1', separator: command === '',
      };
    });
  }
  menuChecks(fullscreen, splashscreen) {
    return [...this.text(this.m._sh_menu_checks(fullscreen ? 1 : 0, splashscreen ? 1 : 0))]
      .map((c) => c === '1');
  }
  shortcutCommand(key) { return this.text(this.m._sh_shortcut_command(key)); }
  gameMenuRows(fullscreen, splashscreen) {
    const text = this.text(this.m._sh_game_menu_rows(fullscreen ? 1 : 0, splashscreen ? 1 : 0));
    return text.split('\n').slice(0, -1).map((line) => {
      const [rowText, command] = line.split('\t');
      return { text: rowText, command, interactive: command !== '' };
    });
  }
  gameMenuLook() {
    const [head, numbers] = this.text(this.m._sh_game_menu_look()).split('\n');
    const [title, fontFamily] = head.split('\t');
    const n = numbers.split('\t').filter((v) => v !== '').map(Number);
    const names = ['pictureWidth', 'pictureHeight', 'closedWidth', 'closedHeight', 'rowHeight',
      'rowCount', 'openWidth', 'openHeight', 'panelAlpha', 'barLeft', 'barWidth', 'barHeight',
      'barGap', 'titleLeft', 'fontCellHeight'];
    return Object.fromEntries([['title', title], ['fontFamily', fontFamily],
      ...names.map((name, i) => [name, n[i]])]);
  }

  splashTexts() {
    const texts = { cb_sound: [] };
    for (const line of lines(this.text(this.m._sh_splash_texts()))) {
      const [name, value] = line.split('\t');
      if (name === 'cb_sound') texts.cb_sound.push(value);
      else texts[name] = value;
    }
    return texts;
  }
  splashLayout() {
    const places = {};
    let look = null;
    for (const line of lines(this.text(this.m._sh_splash_layout()))) {
      const [name, ...n] = line.split(' ');
      const v = n.map(Number);
      if (name === 'look') {
        look = { width: v[0], height: v[1], textHeight: v[2], linkColour: v[3], blueColour: v[4] };
      } else {
        places[name] = { left: v[0], top: v[1], width: v[2], height: v[3] };
      }
    }
    return { places, look };
  }
  // name: { path, larger } (the drawing with twice the pixels).
  dialogPictures() {
    return Object.fromEntries(lines(this.text(this.m._sh_dialog_pictures())).map((line) => {
      const [name, path, larger] = line.split('\t');
      return [name, { path, larger }];
    }));
  }
  splashListPosition(soundMode) { return this.m._sh_splash_list_position(soundMode); }
  // { soundMode, soundEnabled } for an item's text; null for any other text.
  splashPlay(shown) {
    const v = this.withString(shown, (p) => this.m._sh_splash_play(p));
    return v < 0 ? null : { soundMode: v >> 1, soundEnabled: (v & 1) === 1 };
  }
  splashPlayUsable(shown) { return this.withString(shown, (p) => this.m._sh_splash_play_usable(p)) === 1; }
  // 'play', 'quit' or null.
  splashKey(key) { return [null, 'play', 'quit'][this.m._sh_splash_key(key)]; }
  splashShowsAtStart(soundMode, splashScreen) {
    return this.m._sh_splash_shows_at_start(soundMode, splashScreen ? 1 : 0) === 1;
  }

  // Whether the start shows the splash screen, by the stored choices.
  splashAtStart() { return this.splashShowsAtStart(this.soundMode(), this.splashSetting(true)); }

  soundMode() { return this.m._sh_sound_mode(); }
  setSoundMode(mode) { this.m._sh_set_sound_mode(mode); }
  splashSetting(fallback) { return this.m._sh_splash_setting(fallback ? 1 : 0) === 1; }
  setSplashSetting(show) { this.m._sh_set_splash_setting(show ? 1 : 0); }

  fullscreenMode() { return this.m._dp_fullscreen_mode() === 1; }
  setFullscreenMode(on, width, height) { this.m._dp_set_fullscreen_mode(on ? 1 : 0, width, height); }
  layOutAgain(width, height) { this.m._dp_lay_out_again(width, height); }
  fullscreenPictureRequests() {
    return lines(this.text(this.m._dp_fullscreen_picture_requests())).map((line) => ({
      transparency: Number(line[0]), path: line.slice(2),
    }));
  }
  zoomKey(step) { this.m._dp_zoom_key(step); }
  view() {
    const [gameLeft, gameTop, windowLeft, windowTop] = this.handheld.ints(this.m._dp_view_points(), 4);
    return { factor: this.m._dp_view_factor(), gameLeft, gameTop, windowLeft, windowTop };
  }
  windowLevel() {
    return Array.from({ length: this.handheld.imageCount }, (_, i) => this.m._dp_is_window_level(i) === 1);
  }
  isButton(image) { return this.m._dp_is_button(image) === 1; }
  imageId(name) { return this.withString(name, (p) => this.m._dp_image_id(p)); }
  setGameMenuPicture(id, width, height) { this.m._dp_set_game_menu_picture(id, width, height); }
  setGameMenuOpen(open) { this.m._dp_set_game_menu_open(open ? 1 : 0); }
  standStill(nowMs) { this.m._dp_stand_still(nowMs); }
  goOn(nowMs) { this.m._dp_go_on(nowMs); }
  resetHiscores() { this.m._dp_reset_hiscores(); }
}
