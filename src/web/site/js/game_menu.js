// The in-window game menu of fullscreen mode: the picture behind the menu button, drawn here and
// handed to the handheld's image model, and the thirteen rows that unfold below it, from the
// core's menu table. The rows lie above the canvas, at the window's top-left corner.
import { runCommand } from './commands.js';
import { Drawing } from './pictures.js';

// The largest font of the family whose ascent plus descent fits the cell height, as the rows
// were designed by their cell height.
function fontOfCellHeight(look) {
  const context = new OffscreenCanvas(1, 1).getContext('2d');
  for (let size = look.fontCellHeight; size > 1; size--) {
    context.font = `${size}px ${look.fontFamily}, "Liberation Sans", sans-serif`;
    const m = context.measureText('Hg');
    if (m.fontBoundingBoxAscent + m.fontBoundingBoxDescent <= look.fontCellHeight) return size;
  }
  return 1;
}

function drawPicture(look, fontPx, factor) {
  const canvas = new OffscreenCanvas(look.pictureWidth * factor, look.pictureHeight * factor);
  const c = canvas.getContext('2d');
  c.scale(factor, factor);
  c.fillStyle = `rgba(0, 0, 0, ${look.panelAlpha / 255})`;
  c.fillRect(0, 0, look.pictureWidth, look.pictureHeight);
  c.clearRect(0, 0, look.pictureWidth, look.rowHeight);
  c.fillStyle = '#000';
  c.fillRect(0, 0, look.pictureWidth, look.rowHeight);
  c.fillStyle = '#fff';
  const barsHeight = 3 * look.barHeight + 2 * look.barGap;
  let top = Math.trunc((look.rowHeight - barsHeight) / 2);
  for (let bar = 0; bar < 3; bar++) {
    c.fillRect(look.barLeft, top, look.barWidth, look.barHeight);
    top += look.barHeight + look.barGap;
  }
  c.font = `${fontPx}px ${look.fontFamily}, "Liberation Sans", sans-serif`;
  c.textBaseline = 'middle';
  c.fillText(look.title, look.titleLeft, look.rowHeight / 2);
  return new Drawing(c.getImageData(0, 0, canvas.width, canvas.height).data, canvas.width,
    canvas.height);
}

export class GameMenu {
  // `checks()` gives the two check marks as the menu opens: { fullscreen, splashscreen }.
  constructor({ handheld, core, pictures, canvas, checks, afterChange }) {
    this.handheld = handheld;
    this.core = core;
    this.canvas = canvas;
    this.checks = checks;
    this.afterChange = afterChange;
    this.look = core.gameMenuLook();
    this.fontPxFound = null;
    this.topId = core.imageId('btn_game_menu_top');
    this.open = false;
    this.pressed = false;
    this.rows = document.createElement('div');
    this.rows.id = 'game-menu';
    this.rows.hidden = true;
    document.body.appendChild(this.rows);
    this.pictures = pictures;
    this.pictureDrawn = false;
    if (core.fullscreenMode()) this.drawPicture();
    // Before the handheld's own listeners: a click on the menu button is the menu's.
    canvas.addEventListener('pointerdown', (e) => this.pointerDown(e), { capture: true });
    canvas.addEventListener('pointerup', (e) => this.pointerUp(e), { capture: true });
  }

  // Found when first needed: measuring a font the first time takes a while.
  get fontPx() {
    if (this.fontPxFound === null) this.fontPxFound = fontOfCellHeight(this.look);
    return this.fontPxFound;
  }

  // The picture at every drawn size, so that it stays sharp at any pixel ratio. Drawn once, when
  // fullscreen is first laid out: the windowed mode never shows it and does not pay for it.
  drawPicture() {
    if (this.pictureDrawn) return;
    this.pictureDrawn = true;
    const drawings = [null, 1, 2, 3, 4].map((f) => f && drawPicture(this.look, this.fontPx, f));
    const id = this.pictures.entries.length;
    this.pictures.entries.push({ path: null, drawings });
    this.core.setGameMenuPicture(id, this.look.pictureWidth, this.look.pictureHeight);
  }

  hitTop(event) {
    if (!this.core.fullscreenMode()) return false;
    const box = this.canvas.getBoundingClientRect();
    const x = Math.floor(event.clientX - box.left);
    const y = Math.floor(event.clientY - box.top);
    return this.handheld.hitAt(x, y) === this.topId;
  }

  pointerDown(event) {
    this.pressed = event.button === 0 && this.hitTop(event);
    if (this.pressed) event.stopImmediatePropagation();
  }

  pointerUp(event) {
    if (!this.pressed) return;
    this.pressed = false;
    event.stopImmediatePropagation();
    if (this.hitTop(event)) this.toggle();
  }

  // `btn_game_menu_topClick`.
  toggle() {
    if (this.open) this.fold();
    else this.unfold();
  }

  unfold() {
    const { fullscreen, splashscreen } = this.checks();
    this.open = true;
    this.rows.replaceChildren(...this.core.gameMenuRows(fullscreen, splashscreen)
      .map((row) => this.makeRow(row)));
    this.place();
    this.rows.hidden = false;
    this.core.setGameMenuOpen(true);
    this.afterChange();
  }

  fold() {
    const wasOpen = this.open;
    this.open = false;
    this.rows.hidden = true;
    this.rows.replaceChildren();
    if (!wasOpen) return;
    this.core.setGameMenuOpen(false);
    this.afterChange();
  }

  place() {
    const box = this.canvas.getBoundingClientRect();
    const look = this.look;
    Object.assign(this.rows.style, {
      left: `${box.left}px`, top: `${box.top + look.rowHeight}px`, width: `${look.openWidth}px`,
      font: `${this.fontPx}px ${look.fontFamily}, "Liberation Sans", sans-serif`,
    });
  }

  makeRow(row) {
    const element = document.createElement('div');
    element.className = row.interactive ? 'game-menu-row' : 'game-menu-gap';
    element.style.height = `${this.look.rowHeight}px`;
    element.textContent = row.text;
    element.dataset.command = row.command;
    // Gaps swallow the mouse, so nothing under the panel reacts through them.
    element.addEventListener('pointerdown', (e) => { e.stopPropagation(); e.preventDefault(); });
    if (!row.interactive) return element;
    let pressed = false;
    element.addEventListener('pointerdown', (e) => { pressed = e.button === 0; });
    element.addEventListener('pointerup', (e) => {
      e.stopPropagation();
      if (e.button !== 0) return;
      const inside = document.elementFromPoint(e.clientX, e.clientY) === element;
      if (pressed && inside) runCommand(row.command);
      pressed = false;
      this.fold();
    });
    return element;
  }
}
