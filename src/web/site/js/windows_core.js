// The core's rules and designs of the page's windows (windows_exports.cpp), behind a small class.
export const ManualButton = { close: 0, left: 1, right: 2 };
export const ManualGlyph = { cross: 0, arrowLeft: 1, arrowRight: 2 };
export const KeyAction = { none: 0, accept: 1, close: 2 };

export class WindowsCore {
  constructor(handheld) {
    this.handheld = handheld;
    this.m = handheld.m;
    this.design = JSON.parse(this.m.UTF8ToString(this.m._wd_design()));
  }

  ints(pointer, count) { return this.handheld.ints(pointer, count); }

  // The key settings dialog; slots count from 1.
  keysSelected(slot) { return this.m._wd_keys_selected(slot); }
  keysSelect(slot, position) { this.m._wd_keys_select(slot, position); }
  keysMarked() { return Array.from(this.ints(this.m._wd_keys_marked(), 6), (v) => v === 1); }
  keysCanAccept() { return this.m._wd_keys_can_accept() === 1; }
  keysAccept() { this.m._wd_keys_accept(); }
  keysKey(virtualKey) { return this.m._wd_keys_key(virtualKey); }

  // The manual viewer.
  manualRequests() {
    const text = this.m.UTF8ToString(this.m._wd_manual_requests());
    return text.split('\n').filter((line) => line.length > 0)
      .map((line) => ({ transparency: Number(line[0]), path: line.slice(2) }));
  }
  // The page's drawing with twice the pixels; there are none at other factors.
  manualLargerFactor() { return this.m._wd_manual_larger_factor(); }
  manualLargerPage(path) {
    return this.handheld.withString(path, (p) => this.m.UTF8ToString(this.m._wd_manual_larger_page(p)));
  }
  manualRecord(path, status, id, width, height) {
    this.handheld.withString(path, (p) => this.m._wd_manual_record(p, status, id, width, height));
  }
  manualLayout() {
    const [width, height, ...pages] = this.ints(this.m._wd_manual_layout(), 10);
    return { width, height, pages };
  }
  manualKeyButton(virtualKey, page) { return this.m._wd_manual_key_button(virtualKey, page); }
  manualPageAfter(button, page) { return this.m._wd_manual_page_after(button, page); }
  manualPageButtons(page) {
    const [left, right] = this.ints(this.m._wd_manual_page_buttons(page), 2);
    const shown = (code) => (code < 0 ? null : code === 1);
    return { left: shown(left), right: shown(right) };
  }
  // An ImageData of one of the six button pictures, drawn at `scale` (1 or 2) pixels to a point.
  manualButtonPicture(glyph, pressed, scale = 1) {
    const { buttonWidth, buttonHeight } = this.design.manual;
    const [w, h] = [buttonWidth * scale, buttonHeight * scale];
    const pixels = new Uint32Array(this.m.HEAPU32.buffer,
      this.m._wd_manual_button_pixels(glyph, pressed ? 1 : 0, scale), w * h);
    const image = new ImageData(w, h);
    pixels.forEach((argb, i) => {
      image.data.set([(argb >>> 16) & 0xff, (argb >>> 8) & 0xff, argb & 0xff, 255], i * 4);
    });
    return image;
  }

  // A window's left and top, centred on a screen of the given size.
  centredOn(screenWidth, screenHeight, width, height) {
    const [left, top] = this.ints(this.m._wd_centred_on(screenWidth, screenHeight, width, height), 2);
    return { left, top };
  }
}

// A Windows colour value (00BBGGRR) as CSS.
export function cssColour(value) {
  return `rgb(${value & 0xff}, ${(value >> 8) & 0xff}, ${(value >> 16) & 0xff})`;
}
