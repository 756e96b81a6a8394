// Keys, mouse and fingers turned into the handheld's presses and releases.
//
// A held key repeats as more key-downs and one key-up, as the firmware expects. The mouse holds a
// button from its press until its release, wherever the pointer goes meanwhile; every finger
// holds the button it came down on, so a game button can be held while LEFT and RIGHT are
// tapped. Over the canvas the page never scrolls or zooms under a finger.
import { virtualKeyOf } from './keys.js';
import { Cursor } from './handheld.js';
import { fingerPoint, unfitted } from './fit.js';

const cursorStyles = { [Cursor.arrow]: 'default', [Cursor.hand]: 'pointer', [Cursor.help]: 'help' };

export class Input {
  // `beforeInput` runs before every input reaches the handheld, `afterInput` after every call into
  // it; `firstGesture` once, at the first.
  constructor(canvas, handheld, { beforeInput, afterInput, firstGesture, zoomKey }) {
    this.canvas = canvas;
    this.handheld = handheld;
    this.beforeInput = beforeInput;
    this.afterInput = afterInput;
    this.firstGesture = firstGesture;
    this.zoomKey = zoomKey;
    this.gestured = false;
    this.zoomKeysDown = new Set();
    window.addEventListener('keydown', (e) => this.keyDown(e));
    window.addEventListener('keyup', (e) => this.keyUp(e));
    canvas.addEventListener('pointerdown', (e) => this.pointerDown(e));
    canvas.addEventListener('pointerup', (e) => this.pointerUp(e));
    canvas.addEventListener('pointercancel', (e) => this.pointerUp(e));
    canvas.addEventListener('pointermove', (e) => this.pointerMove(e));
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  gesture() {
    if (this.gestured) return;
    this.gestured = true;
    this.firstGesture();
  }

  keyDown(event) {
    this.gesture();
    const key = virtualKeyOf(event);
    // Ctrl with plus, minus or 0 zooms the handheld rather than the page, as on the desktop.
    if (event.ctrlKey && !event.repeat && this.zoomKey(event)) {
      this.zoomKeysDown.add(event.code);
      event.preventDefault();
      return;
    }
    if (key === 0) return;
    if (this.handheld.isBound(key)) event.preventDefault();
    this.send(() => this.handheld.keyDown(key));
  }

  keyUp(event) {
    if (this.zoomKeysDown.delete(event.code)) return;
    const key = virtualKeyOf(event);
    if (key === 0) return;
    if (this.handheld.isBound(key)) event.preventDefault();
    this.send(() => this.handheld.keyUp(key));
  }

  position(event) {
    const box = this.canvas.getBoundingClientRect();
    return unfitted(this.canvas, event.clientX - box.left, event.clientY - box.top);
  }

  pointerDown(event) {
    this.gesture();
    event.preventDefault();
    const [x, y] = this.position(event);
    if (event.pointerType === 'mouse') {
      this.canvas.setPointerCapture(event.pointerId);
      this.send(() => this.handheld.mouseDown(x, y, event.button));
    } else {
      const point = fingerPoint(this.handheld, this.canvas, x, y);
      this.send(() => this.handheld.touchDown(event.pointerId, ...point));
    }
  }

  pointerUp(event) {
    if (event.pointerType === 'mouse') {
      if (event.type === 'pointercancel') return;
      this.send(() => this.handheld.mouseUp(event.button));
    } else {
      this.send(() => this.handheld.touchUp(event.pointerId));
    }
  }

  // One input into the handheld, between the two hooks.
  send(call) {
    this.beforeInput();
    call();
    this.afterInput();
  }

  pointerMove(event) {
    if (event.pointerType !== 'mouse') return;
    const [x, y] = this.position(event);
    const hit = this.handheld.hitAt(x, y);
    const images = hit >= 0 ? this.handheld.images() : null;
    this.canvas.style.cursor = cursorStyles[hit >= 0 ? images[hit].cursor : Cursor.arrow];
    const hint = hit >= 0 ? this.handheld.hint(hit) : '';
    if (this.canvas.title !== hint) this.canvas.title = hint;
  }
}
