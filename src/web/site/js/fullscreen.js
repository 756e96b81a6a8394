// The two display modes on the page. Windowed, the canvas is the handheld alone at its zoom. In
// fullscreen the canvas covers the page's viewport with the backdrop, the logo, the game menu
// and the handheld placed and scaled as the desktop places it on the screen; the browser's own
// fullscreen (the Fullscreen API) follows, which browsers allow only in answer to a click or a
// key: at once when the mode is switched by one, else at the first after the start.
import { clearFit, fitToScreen } from './fit.js';

const zoomSteps = { Equal: 1, NumpadAdd: 1, Minus: -1, NumpadSubtract: -1, Digit0: 0, Numpad0: 0 };

export class Display {
  constructor({ handheld, core, painter, pictures, canvas }) {
    this.handheld = handheld;
    this.core = core;
    this.painter = painter;
    this.pictures = pictures;
    this.canvas = canvas;
    this.onLaidOut = () => {};
    this.laidOut = Promise.resolve();
    this.beforeFullscreen = () => {};
    this.wantsBrowserFullscreen = false;
    this.fullscreenPicturesLoaded = false;
    painter.windowLevel = core.windowLevel();
    window.addEventListener('resize', () => {
      if (this.core.fullscreenMode()) this.relayOut();
    });
    // The first click or key after the start may take the browser to fullscreen.
    for (const type of ['pointerdown', 'keydown']) {
      window.addEventListener(type, () => this.gesture(), { capture: true });
    }
  }

  viewport() {
    return [document.documentElement.clientWidth, document.documentElement.clientHeight];
  }

  // Lays the window out afresh in its mode; in fullscreen the layout's screen is the viewport.
  async relayOut() {
    if (this.core.fullscreenMode()) {
      await this.loadFullscreenPictures();
      this.core.layOutAgain(...this.viewport());
    }
    await this.layOut();
  }

  async loadFullscreenPictures() {
    if (this.fullscreenPicturesLoaded) return;
    this.fullscreenPicturesLoaded = true;
    const known = new Set(this.pictures.entries.map((entry) => entry.path));
    const missing = this.core.fullscreenPictureRequests().filter((r) => !known.has(r.path));
    await this.pictures.loadAll(this.handheld, missing);
  }

  // Sizes the canvas and the painter for the layout the handheld has now.
  async layOut() {
    const ratio = window.devicePixelRatio;
    const fullscreen = this.core.fullscreenMode();
    document.body.classList.toggle('fullscreen-layout', fullscreen);
    const painter = this.painter;
    if (fullscreen) {
      this.beforeFullscreen();
      const view = this.core.view();
      painter.ownFactor = this.handheld.pictureFactor(ratio);
      painter.gameFactor = this.handheld.pictureFactor(view.factor * ratio);
      await this.pictures.prepare(painter.ownFactor);
      await this.pictures.prepare(painter.gameFactor);
      painter.view = view;
      painter.pixelRatio = ratio;
    } else {
      await this.pictures.prepare(this.handheld.pictureFactor(this.handheld.zoom() * ratio));
      painter.view = null;
    }
    this.handheld.takeDirty();
    painter.resize(this.handheld.surface(), fullscreen ? 1 : this.handheld.zoom(), ratio);
    // A touch screen fits the windowed handheld to itself; fullscreen covers the viewport anyway.
    if (fullscreen) clearFit(this.canvas);
    else fitToScreen(this.canvas);
    this.onLaidOut();
  }

  // The "fullscreen" command: the other mode, stored, laid out; the browser follows.
  async toggle() {
    const on = !this.core.fullscreenMode();
    if (on) await this.loadFullscreenPictures();
    this.core.setFullscreenMode(on, ...this.viewport());
    if (on) this.enterBrowserFullscreen();
    else this.leaveBrowserFullscreen();
    await this.layOut();
  }

  // Ctrl with +, - or 0: the zoom, or in fullscreen the FullscreenScale. True when taken.
  zoomKey(event) {
    const step = zoomSteps[event.code];
    if (step === undefined) return false;
    this.core.zoomKey(step);
    this.laidOut = this.layOut();
    return true;
  }

  // At the start in fullscreen mode, the browser's fullscreen waits for the first gesture.
  armBrowserFullscreen() {
    this.wantsBrowserFullscreen = this.core.fullscreenMode();
  }

  // After the splash screen's PLAY, itself a click or a key.
  enterBrowserFullscreenIfWanted() {
    if (this.core.fullscreenMode()) this.enterBrowserFullscreen();
  }

  gesture() {
    if (!this.wantsBrowserFullscreen) return;
    this.wantsBrowserFullscreen = false;
    if (this.core.fullscreenMode()) this.enterBrowserFullscreen();
  }

  enterBrowserFullscreen() {
    this.wantsBrowserFullscreen = false;
    const root = document.documentElement;
    if (document.fullscreenElement || !root.requestFullscreen) return;
    root.requestFullscreen().catch(() => { /* refused: the layout stays in the window */ });
  }

  leaveBrowserFullscreen() {
    this.wantsBrowserFullscreen = false;
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  }
}
