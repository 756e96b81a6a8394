// A window inside the page: the page's stand-in for the desktop program's own top-level windows.
//
// Each window has a client area of its designed size in CSS pixels, with or without a caption
// bar. It is placed by the core's centring rule (the viewport is its screen), dragged by its
// caption bar or by whatever part of it the window names, and stacked above the handheld and
// above the windows opened before it. A modal window lays a veil over everything beneath, as the
// desktop disables the main window under the key dialog.
//
// Keys go to the active window, as the desktop sends them to the active top-level window: a
// window is active from its opening or a press on it until a press elsewhere on the page (the
// handheld's turn again) or its closing. A key the active window takes goes no further: not to the
// handheld and not to the page's shortcuts.
//
// Where the viewport is smaller than a window (a phone's screen), the whole window is scaled down
// to fit, so no text is cut off; it is never scaled up.
const open = [];
let active = null;
let nextLayer = 10;
let centre = null;

// The core's centring rule, given once by whoever has the core: (screenW, screenH, w, h) -> place.
export function setCentringRule(rule) {
  centre = rule;
}

export function activeWindow() {
  return active;
}

function topmostModal() {
  for (let i = open.length - 1; i >= 0; i--) if (open[i].modal) return open[i];
  return null;
}

// Keys held down for the handheld when a window took the keys: their release still goes there, or
// the handheld's button would stay held.
const heldForPage = new Set();

function routeKey(event) {
  const target = topmostModal() ?? active;
  if (event.type === 'keyup' && heldForPage.delete(event.code)) return;
  if (!target || !target.onKey) {
    if (event.type === 'keydown') heldForPage.add(event.code);
    return;
  }
  // Taken from the handheld and the shortcuts either way; the window decides about the default.
  event.stopPropagation();
  if (target.onKey(event)) event.preventDefault();
}

function pressOutside(event) {
  if (open.some((w) => w.element.contains(event.target))) return;
  if (topmostModal()) {
    // The veil holds everything beneath: the dialog keeps the keys, as the desktop's does.
    event.stopPropagation();
    event.preventDefault();
    return;
  }
  if (active) active.deactivated();
  active = null;
}

window.addEventListener('keydown', routeKey, true);
window.addEventListener('keyup', routeKey, true);
window.addEventListener('pointerdown', pressOutside, true);
window.addEventListener('resize', () => open.forEach((w) => w.fit()));

export class PageWindow {
  // `caption`: the caption bar's text, or null for a borderless window. `closeBox`: the caption
  // bar has a close button. `onKey(event)`: the window's key handling, true when it used the key.
  // `onClose()`: runs whenever the window closes, however it closes.
  constructor({ name, caption = null, width, height, modal = false, closeBox = false,
    onKey = null, onClose = null }) {
    this.modal = modal;
    this.onKey = onKey;
    this.onClose = onClose;
    this.shownBefore = false;
    this.scale = 1;
    this.left = 0;
    this.top = 0;

    this.element = document.createElement('section');
    this.element.className = 'page-window';
    this.element.dataset.window = name;
    this.element.tabIndex = -1;
    this.element.hidden = true;
    this.element.setAttribute('role', modal ? 'dialog' : 'region');
    if (modal) this.element.setAttribute('aria-modal', 'true');
    if (caption !== null) this.buildCaptionBar(caption, closeBox);
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.element.append(this.client);
    this.resizeClient(width, height);
    this.element.addEventListener('pointerdown', () => this.activate());

    if (modal) {
      this.veil = document.createElement('div');
      this.veil.className = 'page-window-veil';
      this.veil.hidden = true;
    }
    document.body.append(...(this.veil ? [this.veil] : []), this.element);
  }

  buildCaptionBar(caption, closeBox) {
    this.captionBar = document.createElement('header');
    this.captionBar.className = 'caption-bar';
    const text = document.createElement('span');
    text.className = 'caption';
    text.textContent = caption;
    this.captionBar.append(text);
    if (closeBox) {
      this.closeBox = document.createElement('button');
      this.closeBox.type = 'button';
      this.closeBox.className = 'close-box';
      this.closeBox.setAttribute('aria-label', 'Close');
      this.closeBox.textContent = '\u00d7';
      this.closeBox.addEventListener('click', () => this.hide());
      // A press on the close box is no drag.
      this.closeBox.addEventListener('pointerdown', (e) => e.stopPropagation());
      this.captionBar.append(this.closeBox);
    }
    this.element.append(this.captionBar);
    this.dragBy(this.captionBar);
  }

  resizeClient(width, height) {
    this.client.style.width = `${width}px`;
    this.client.style.height = `${height}px`;
  }

  get isOpen() { return !this.element.hidden; }

  // The window's size on the page before scaling.
  outerSize() {
    return { width: this.element.offsetWidth, height: this.element.offsetHeight };
  }

  // Shows the window, centred when `centred` (the core's rule, on the viewport), and activates it.
  show({ centred }) {
    const wasOpen = this.isOpen;
    this.element.hidden = false;
    if (this.veil) this.veil.hidden = false;
    if (!wasOpen) open.push(this);
    this.fitScale();
    if (centred || !this.shownBefore) this.centre();
    this.shownBefore = true;
    this.place();
    this.activate();
  }

  hide() {
    if (!this.isOpen) return;
    this.element.hidden = true;
    if (this.veil) this.veil.hidden = true;
    open.splice(open.indexOf(this), 1);
    if (active === this) active = null;
    this.deactivated();
    if (this.onClose) this.onClose();
  }

  // In front of the others, with the keys.
  activate() {
    if (!this.isOpen) return;
    const layer = nextLayer++;
    if (this.veil) this.veil.style.zIndex = String(layer);
    this.element.style.zIndex = String(nextLayer++);
    open.splice(open.indexOf(this), 1);
    open.push(this);
    if (active !== this) {
      active = this;
      if (!this.element.contains(document.activeElement)) this.element.focus({ preventScroll: true });
    }
  }

  // A press elsewhere took the keys; a window may end what a press of its own began.
  deactivated() {}

  fitScale() {
    const { width, height } = this.outerSize();
    this.scale = Math.min(1, window.innerWidth / width, window.innerHeight / height);
    this.element.style.transform = this.scale < 1 ? `scale(${this.scale})` : '';
  }

  centre() {
    const { width, height } = this.outerSize();
    const place = centre(window.innerWidth, window.innerHeight,
      Math.round(width * this.scale), Math.round(height * this.scale));
    this.left = place.left;
    this.top = place.top;
  }

  // A window dragged or left partly off the viewport keeps a corner in it to be grabbed by.
  place() {
    const { width, height } = this.outerSize();
    const grip = 32;
    const w = width * this.scale;
    const h = height * this.scale;
    this.left = Math.min(Math.max(this.left, Math.min(0, grip - w)), window.innerWidth - grip);
    this.top = Math.min(Math.max(this.top, 0), Math.max(0, window.innerHeight - Math.min(h, grip)));
    this.element.style.left = `${this.left}px`;
    this.element.style.top = `${this.top}px`;
  }

  // After the viewport changed (a phone turned): scaled to fit again, and moved wholly into view.
  fit() {
    this.fitScale();
    const { width, height } = this.outerSize();
    this.left = Math.max(0, Math.min(this.left, window.innerWidth - width * this.scale));
    this.top = Math.max(0, Math.min(this.top, window.innerHeight - height * this.scale));
    this.place();
  }

  moveBy(dx, dy) {
    this.top += dy;
    this.left += dx;
    this.place();
  }

  // A left press (or a finger) on `handle` drags the window; `accepts(event)` may turn a press
  // away, as a press on a button of the handle is no drag. The pointer stays on the point of the
  // window it pressed, so the move is the pointer's own.
  dragBy(handle, accepts = () => true) {
    let origin = null;
    handle.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || !accepts(event)) return;
      origin = { x: event.clientX, y: event.clientY, id: event.pointerId };
      handle.setPointerCapture(event.pointerId);
      event.preventDefault();
    });
    handle.addEventListener('pointermove', (event) => {
      if (!origin || event.pointerId !== origin.id) return;
      this.moveBy(event.clientX - origin.x, event.clientY - origin.y);
      origin.x = event.clientX;
      origin.y = event.clientY;
    });
    const end = (event) => { if (origin && event.pointerId === origin.id) origin = null; };
    handle.addEventListener('pointerup', end);
    handle.addEventListener('pointercancel', end);
  }
}
