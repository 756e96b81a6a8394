// The manual viewer (the desktop's TManualForm) as a borderless window of the page.
//
// Its size and pages come from Config.ini's Manual section through the core's layout; the pages
// are fetched and decoded at the first opening. The page turns when a button or an arrow key is
// released, by the core's page rules, and `manual_page` is kept while the viewer is closed, so it
// reopens where it was left. A left press on a visible button captures it until the release; any
// other left press on the page drags the window. The viewer is not modal.
//
// On a screen of more than one pixel to a CSS pixel a page shows its drawing with twice the
// pixels, where that decodes at exactly twice the page's size; the page itself otherwise.
import { ManualButton, ManualGlyph } from './windows_core.js';
import { PageWindow } from './page_window.js';
import { virtualKeyOf } from './keys.js';

const glyphOf = { [ManualButton.close]: ManualGlyph.cross, [ManualButton.left]: ManualGlyph.arrowLeft,
  [ManualButton.right]: ManualGlyph.arrowRight };
const nameOf = { [ManualButton.close]: 'close', [ManualButton.left]: 'left', [ManualButton.right]: 'right' };
// A finger's width in CSS pixels: on a touch screen a button answers this far around its centre.
const fingerPx = 44;

export class Manual {
  // `pictures`: the page's picture store, which fetches, decodes and numbers the pages.
  constructor(core, handheld, pictures) {
    this.core = core;
    this.handheld = handheld;
    this.pictures = pictures;
    this.window = null;
    this.manual_page = 1;
    this.captured = null;
  }

  async build() {
    const recorder = {
      extensionReason: (path) => this.handheld.extensionReason(path),
      keysOutBottomLeft: (path, transparency) =>
        this.handheld.keysOutBottomLeft(path, transparency),
      recordPicture: (path, transparency, status, id, width, height) =>
        this.core.manualRecord(path, status, id, width, height),
    };
    const largerFactor = this.core.manualLargerFactor();
    const larger = (path, factor) => (factor === largerFactor ? this.core.manualLargerPage(path) : null);
    const requests = this.core.manualRequests().map((request) => ({ ...request, larger }));
    await this.pictures.loadAll(recorder, requests);
    const layout = this.core.manualLayout();
    this.pages = layout.pages;
    this.size = [layout.width, layout.height];
    this.factor = window.devicePixelRatio > 1 ? largerFactor : 1;
    await this.pictures.prepare(this.factor, this.pages.filter((id) => id > 0));
    this.window = new PageWindow({
      name: 'manual', width: layout.width, height: layout.height,
      onKey: (event) => this.key(event),
    });
    this.window.deactivated = () => this.letGo();
    this.window.onClose = () => this.letGo();
    const client = this.window.client;
    client.classList.add('manual');
    this.im_page_top = document.createElement('canvas');
    this.im_page_top.className = 'page';
    this.im_page_top.style.width = `${layout.width}px`;
    this.im_page_top.style.height = `${layout.height}px`;
    client.append(this.im_page_top);
    this.buttons = {};
    for (const button of [ManualButton.close, ManualButton.left, ManualButton.right]) {
      this.buttons[button] = { down: this.picture(button, true), up: this.picture(button, false) };
    }
    this.placeButtons(layout.width, layout.height);
    // Page 1 comes first: the previous-page button is hidden from the start.
    this.showPair(ManualButton.left, false);
    client.addEventListener('pointerdown', (event) => this.pointerDown(event));
    client.addEventListener('pointerup', (event) => this.pointerUp(event));
    client.addEventListener('pointercancel', (event) => this.pointerUp(event));
    this.window.dragBy(client, (event) => this.buttonAt(event) === null && this.captured === null);
  }

  picture(button, pressed) {
    const { buttonWidth: w, buttonHeight: h } = this.core.design.manual;
    const canvas = document.createElement('canvas');
    // Drawn as finely as the pages: at the larger factor, twice the pixels at the same size.
    canvas.width = w * this.factor;
    canvas.height = h * this.factor;
    canvas.style.width = `${w}px`;
    canvas.style.height = `${h}px`;
    canvas.className = `button ${nameOf[button]} ${pressed ? 'down' : 'up'}`;
    canvas.getContext('2d').putImageData(
      this.core.manualButtonPicture(glyphOf[button], pressed, this.factor), 0, 0);
    this.window.client.append(canvas);
    return canvas;
  }

  placeButtons(width, height) {
    const { buttonWidth: w, buttonHeight: h, buttonInset: inset } = this.core.design.manual;
    const at = { [ManualButton.close]: [width - inset - w, inset],
      [ManualButton.left]: [inset, height - inset - h],
      [ManualButton.right]: [width - inset - w, height - inset - h] };
    for (const [button, [left, top]] of Object.entries(at)) {
      for (const canvas of Object.values(this.buttons[button])) {
        canvas.style.left = `${left}px`;
        canvas.style.top = `${top}px`;
      }
    }
  }

  // `pm_4_manualClick`: centred at the first showing, afterwards where it was left.
  async show() {
    if (!this.window) {
      if (!this.building) this.building = this.build();
      await this.building;
    }
    this.window.show({ centred: false });
    this.Vid_Show_Page();
  }

  get isOpen() { return this.window !== null && this.window.isOpen; }

  showPair(button, shown) {
    this.buttons[button].down.hidden = !shown;
    this.buttons[button].up.hidden = !shown;
  }

  Vid_Show_Page() {
    const id = this.pages[this.manual_page - 1];
    const found = id >= 0 ? this.pictures.drawing(id, this.factor) : null;
    // The canvas holds the pixels of the drawing shown, at the page's size on the screen.
    const factor = found ? found.factor : 1;
    const [width, height] = this.size;
    this.im_page_top.width = width * factor;
    this.im_page_top.height = height * factor;
    const context = this.im_page_top.getContext('2d');
    context.clearRect(0, 0, this.im_page_top.width, this.im_page_top.height);
    if (found && found.drawing) context.drawImage(found.drawing.source, 0, 0);
    const { left, right } = this.core.manualPageButtons(this.manual_page);
    if (left !== null) this.showPair(ManualButton.left, left);
    if (right !== null) this.showPair(ManualButton.right, right);
  }

  press(button) {
    this.buttons[button].up.hidden = true;
  }

  release(button) {
    if (button === ManualButton.close) {
      this.buttons[button].up.hidden = false;
      this.window.hide();
      return;
    }
    this.manual_page = this.core.manualPageAfter(button, this.manual_page);
    this.Vid_Show_Page();
  }

  // Keys by the core's rule: a press and its release ask alike, so a held arrow turns one page.
  key(event) {
    const button = this.core.manualKeyButton(virtualKeyOf(event), this.manual_page);
    if (button < 0) return false;
    if (event.type === 'keydown') this.press(button);
    else this.release(button);
    return true;
  }

  // The visible button under a press; on a touch screen a button answers a finger's width around.
  buttonAt(event) {
    const box = this.window.client.getBoundingClientRect();
    const scale = this.window.scale;
    const x = (event.clientX - box.left) / scale;
    const y = (event.clientY - box.top) / scale;
    const reach = event.pointerType === 'mouse' ? 0 : Math.max(0, fingerPx / scale / 2 - 8);
    for (const button of [ManualButton.close, ManualButton.left, ManualButton.right]) {
      const up = this.buttons[button].up;
      if (up.hidden) continue;
      const left = up.offsetLeft - reach;
      const top = up.offsetTop - reach;
      if (x >= left && x < up.offsetLeft + up.width + reach &&
          y >= top && y < up.offsetTop + up.height + reach) return button;
    }
    return null;
  }

  pointerDown(event) {
    if (event.button !== 0 || this.captured !== null) return;
    const button = this.buttonAt(event);
    if (button === null) return;
    this.captured = { button, id: event.pointerId };
    this.window.client.setPointerCapture(event.pointerId);
    event.preventDefault();
    this.press(button);
  }

  pointerUp(event) {
    if (!this.captured || event.pointerId !== this.captured.id) return;
    const { button } = this.captured;
    this.captured = null;
    if (event.type === 'pointerup' && event.button === 0) this.release(button);
    else this.letGoOf(button);
  }

  // A press held on a button while the viewer closes or loses the pointer ends without a turn,
  // and the button looks released again; a pair that the page hid stays hidden.
  letGo() {
    if (!this.captured) return;
    const { button } = this.captured;
    this.captured = null;
    this.letGoOf(button);
  }

  letGoOf(button) {
    if (!this.buttons[button].down.hidden) this.buttons[button].up.hidden = false;
  }
}
