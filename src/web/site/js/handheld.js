// The handheld's WebAssembly module behind a small JavaScript class.
import createHandheldModule from './handheld_core.mjs';

export const Transparency = { bottomLeftKey: 0, opaque: 1 };
export const FetchedStatus = { decoded: 0, missing: 1, empty: 2, undecodable: 3 };
export const DrawRule = { atOwnSize: 0, stretched: 1, centred: 2 };
export const Cursor = { arrow: 0, hand: 1, help: 2 };

// The module compiled while the page's code came (index.html), else fetched and compiled now,
// from its bytes where the server does not call it WebAssembly.
async function instantiate(imports) {
  const compiled = await window.earlyWasm;
  if (compiled) return { instance: await WebAssembly.instantiate(compiled, imports), module: compiled };
  const response = await fetch(new URL('handheld_core.wasm', import.meta.url));
  if (!response.ok) throw new Error(`handheld_core.wasm: ${response.status} ${response.statusText}`);
  return WebAssembly.instantiate(await response.arrayBuffer(), imports);
}

export class Handheld {
  // `page`: settingsRead(name), settingsWrite(name, text), soundPlay(sample), reportError(text).
  static async load(page) {
    let failed;
    const failure = new Promise((resolve, reject) => { failed = reject; });
    const instantiateWasm = (imports, receive) => {
      instantiate(imports).then(({ instance, module }) => receive(instance, module), failed);
      return {};
    };
    const module = await Promise.race([createHandheldModule({ page, instantiateWasm }), failure]);
    return new Handheld(module);
  }

  constructor(module) {
    this.m = module;
    module._hh_new();
    this.imageCount = module._hh_image_count();
    this.imageFields = module._hh_image_fields();
  }

  ints(pointer, count) {
    return new Int32Array(this.m.HEAP32.buffer, pointer, count).slice();
  }

  withString(text, use) {
    const size = this.m.lengthBytesUTF8(text) + 1;
    const buffer = this.m._malloc(size);
    try {
      this.m.stringToUTF8(text, buffer, size);
      return use(buffer);
    } finally {
      this.m._free(buffer);
    }
  }

  setConfig(text) {
    if (text === null) this.m._hh_set_config(0, 0);
    else this.withString(text, (p) => this.m._hh_set_config(1, p));
  }

  pictureRequests() {
    const text = this.m.UTF8ToString(this.m._hh_picture_requests());
    return text.split('\n').filter((line) => line.length > 0).map((line) => ({
      transparency: Number(line[0]),
      path: line.slice(2),
    }));
  }

  // Where a picture's drawing at `factor` lies: "dir/name@2x.png" for "dir/name.png".
  largerFileName(path, factor) {
    return this.withString(path, (p) => this.m.UTF8ToString(this.m._hh_larger_file_name(p, factor)));
  }

  extensionReason(path) {
    return this.withString(path, (p) => this.m.UTF8ToString(this.m._hh_extension_reason(p)));
  }

  keysOutBottomLeft(path, transparency) {
    return this.withString(path, (p) => this.m._hh_keys_out_bottom_left(p, transparency) === 1);
  }

  recordPicture(path, transparency, status, id = -1, width = 0, height = 0) {
    this.withString(path, (p) =>
      this.m._hh_record_picture(p, transparency, status, id, width, height));
  }

  // A replayed run: the local time from `start` ({ year, month, day, hour, minute, second }) on,
  // and the balls from a coin with `seed`. Before powerOn.
  replay(start, seed) {
    const t = start;
    this.m._hh_replay(t.year, t.month, t.day, t.hour, t.minute, t.second, seed);
  }

  // The screen a fullscreen layout covers: the page's viewport.
  create(screenWidth, screenHeight) { return this.m._hh_create(screenWidth, screenHeight) === 1; }
  powerOn(noSound) { this.m._hh_power_on(noSound ? 1 : 0); }
  soundFailed() { this.m._hh_sound_failed(); }

  nextDueMs() {
    const due = this.m._hh_next_due_ms();
    return due < 0 ? null : due;
  }
  advanceTo(ms) { this.m._hh_advance_to(ms); }
  playTicks() { return this.m._hh_play_ticks(); }
  lastPlayTickMs() { return this.m._hh_last_play_tick_ms(); }

  isBound(key) { return this.m._hh_is_bound(key) === 1; }
  keyDown(key) { this.m._hh_key_down(key); }
  keyUp(key) { this.m._hh_key_up(key); }
  mouseDown(x, y, button) { this.m._hh_mouse_down(x, y, button); }
  mouseUp(button) { this.m._hh_mouse_up(button); }
  touchDown(finger, x, y) { this.m._hh_touch_down(finger, x, y); }
  touchUp(finger) { this.m._hh_touch_up(finger); }
  hitAt(x, y) { return this.m._hh_hit_at(x, y); }
  hint(image) { return this.m.UTF8ToString(this.m._hh_hint(image)); }

  zoom() { return this.m._hh_zoom(); }
  stepZoom(step) { this.m._hh_step_zoom(step); }
  pictureFactor(deviceScale) { return this.m._hh_picture_factor(deviceScale); }
  exactFactor(deviceScale, factor) { return this.m._hh_exact_factor(deviceScale, factor) === 1; }

  surface() {
    const [width, height, colour, colourKey, colourKeyOn] = this.ints(this.m._hh_surface(), 5);
    return { width, height, colour, colourKey, colourKeyOn: colourKeyOn === 1 };
  }

  images() {
    const f = this.imageFields;
    const raw = this.ints(this.m._hh_images(), this.imageCount * f);
    const images = [];
    for (let i = 0; i < this.imageCount; i++) {
      const o = i * f;
      images.push({
        visible: raw[o] === 1, picture: raw[o + 1],
        left: raw[o + 2], top: raw[o + 3], width: raw[o + 4], height: raw[o + 5],
        drawRule: raw[o + 6], cursor: raw[o + 7],
      });
    }
    return images;
  }

  takeDirty() {
    const pointer = this.m._hh_take_dirty();
    const count = this.ints(pointer, 1)[0];
    const raw = this.ints(pointer, 1 + count * 4);
    const rects = [];
    for (let i = 0; i < count; i++) {
      const o = 1 + i * 4;
      rects.push({ left: raw[o], top: raw[o + 1], width: raw[o + 2], height: raw[o + 3] });
    }
    return rects;
  }

  gameState() {
    const [mode, score, misses, hiscore1, hiscore2, sound] = this.ints(this.m._hh_game_state(), 6);
    return { mode, score, misses, hiscore1, hiscore2, sound: sound === 1 };
  }
}
