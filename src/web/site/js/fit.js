// The handheld on a touch screen (a phone or a tablet, in either orientation): scaled to fill the
// screen's width as far as its height allows, whatever its zoom. Elsewhere the zoom is the
// player's own choice, as on the desktop, and a page larger than its window scrolls. A finger is
// wider than the smallest buttons, so a finger that lands just beside a button still presses it.
import { Cursor } from './handheld.js';

// A finger's width in CSS pixels; a press reaches half of it around where it landed.
const fingerPx = 44;
const touchScreen = matchMedia('(pointer: coarse)');
const natural = new WeakMap();

// `canvas` was just sized by the painter (its own size at the zoom); it is scaled to fit.
export function fitToScreen(canvas) {
  natural.set(canvas, {
    width: parseFloat(canvas.style.width), height: parseFloat(canvas.style.height),
  });
  refit(canvas);
}

// Back to no fitting, for a canvas laid out to cover the viewport.
export function clearFit(canvas) {
  natural.delete(canvas);
  canvas.dataset.fitScale = '1';
}

function refit(canvas) {
  const size = natural.get(canvas);
  if (!size || !size.width || !size.height) return;
  const fits = Math.min(window.innerWidth / size.width, window.innerHeight / size.height);
  const scale = touchScreen.matches ? fits : 1;
  canvas.dataset.fitScale = String(scale);
  canvas.style.width = `${size.width * scale}px`;
  canvas.style.height = `${size.height * scale}px`;
}

export function watchScreen(canvas) {
  const again = () => refit(canvas);
  window.addEventListener('resize', again);
  touchScreen.addEventListener('change', again);
}

// How a point on the fitted canvas lies on the canvas at its own size.
export function unfitted(canvas, x, y) {
  const scale = Number(canvas.dataset.fitScale || 1);
  return [Math.floor(x / scale), Math.floor(y / scale)];
}

// Where a finger presses: where it landed, or, beside the buttons, the nearest point of a button
// within half a finger's width (searched ring by ring outwards, so the nearest button wins).
export function fingerPoint(handheld, canvas, x, y) {
  const images = handheld.images();
  const isButton = (px, py) => {
    const hit = handheld.hitAt(px, py);
    return hit >= 0 && images[hit].cursor === Cursor.hand;
  };
  if (isButton(x, y)) return [x, y];
  const scale = Number(canvas.dataset.fitScale || 1);
  const reach = fingerPx / 2 / scale;
  const step = Math.max(1, reach / 6);
  for (let r = step; r <= reach; r += step) {
    for (let k = 0; k < 16; k++) {
      const angle = (k * Math.PI) / 8;
      const px = Math.round(x + r * Math.cos(angle));
      const py = Math.round(y + r * Math.sin(angle));
      if (isButton(px, py)) return [px, py];
    }
  }
  return [x, y];
}
