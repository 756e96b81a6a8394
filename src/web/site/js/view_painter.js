// Painting in fullscreen mode, where the canvas is the page's viewport: the backdrop, the logo and
// the game menu at their own size and place, the game area through the view (the fullscreen
// scale), as the desktop window paints. The painter hands each changed rectangle here while it
// has a view.
import { DrawRule } from './handheld.js';

export function colourText(value) {
  return `rgb(${value & 0xff}, ${(value >> 8) & 0xff}, ${(value >> 16) & 0xff})`;
}

export function intersect(a, b) {
  const left = Math.max(a.left, b.left);
  const top = Math.max(a.top, b.top);
  const right = Math.min(a.left + a.width, b.left + b.width);
  const bottom = Math.min(a.top + a.height, b.top + b.height);
  return right > left && bottom > top ? { left, top, width: right - left, height: bottom - top } : null;
}

// The window rectangle that covers a game rectangle.
function windowCover(v, r) {
  const left = Math.floor(v.windowLeft + (r.left - v.gameLeft) * v.factor);
  const top = Math.floor(v.windowTop + (r.top - v.gameTop) * v.factor);
  return {
    left, top,
    width: Math.ceil(v.windowLeft + (r.left + r.width - v.gameLeft) * v.factor) - left,
    height: Math.ceil(v.windowTop + (r.top + r.height - v.gameTop) * v.factor) - top,
  };
}

// Where a picture of the given size goes for an image, in game pixels.
export function targetOf(image, width, height) {
  if (image.drawRule === DrawRule.stretched) {
    return { left: image.left, top: image.top, width: image.width, height: image.height };
  }
  if (image.drawRule === DrawRule.centred) {
    // Centred in whole game pixels first, as the desktop rounds, so every scale agrees.
    const cx = Math.trunc((2 * image.left + image.width - 1) / 2);
    const cy = Math.trunc((2 * image.top + image.height - 1) / 2);
    return { left: cx - Math.trunc(width / 2), top: cy - Math.trunc(height / 2), width, height };
  }
  return { left: image.left, top: image.top, width, height };
}

// Draws one image clipped to a device rectangle, with `transform` from its coordinates to the
// canvas's device pixels: [scale, offsetX, offsetY].
function drawImage(painter, image, deviceClip, [scale, dx, dy], factor) {
  const found = painter.pictures.drawing(image.picture, factor);
  if (!found || !found.drawing) return;
  const { drawing } = found;
  const target = targetOf(image, drawing.width / found.factor, drawing.height / found.factor);
  const c = painter.context;
  c.save();
  c.setTransform(1, 0, 0, 1, 0, 0);
  c.beginPath();
  c.rect(deviceClip.left, deviceClip.top, deviceClip.width, deviceClip.height);
  c.clip();
  c.setTransform(scale, 0, 0, scale, dx, dy);
  c.beginPath();
  c.rect(image.left, image.top, image.width, image.height);
  c.clip();
  c.imageSmoothingEnabled = !(Number.isInteger(scale) && found.factor === scale);
  c.imageSmoothingQuality = 'high';
  c.drawImage(drawing.source, target.left, target.top, target.width, target.height);
  c.restore();
}

// Repaints a rectangle of the window (in CSS pixels) from every image in stacking order.
function paintWindowRect(painter, images, w) {
  const { view: v, pixelRatio: ratio } = painter;
  const left = Math.floor(w.left * ratio);
  const top = Math.floor(w.top * ratio);
  const d = {
    left, top,
    width: Math.ceil((w.left + w.width) * ratio) - left,
    height: Math.ceil((w.top + w.height) * ratio) - top,
  };
  if (d.width <= 0 || d.height <= 0) return;
  const c = painter.context;
  c.save();
  c.setTransform(1, 0, 0, 1, 0, 0);
  c.fillStyle = colourText(painter.surface.colour);
  c.fillRect(d.left, d.top, d.width, d.height);
  c.restore();
  const own = [ratio, 0, 0];
  const scale = ratio * v.factor;
  const game = [scale, ratio * (v.windowLeft - v.gameLeft * v.factor),
    ratio * (v.windowTop - v.gameTop * v.factor)];
  images.forEach((image, i) => {
    if (!image.visible || image.picture < 0 || image.width <= 0 || image.height <= 0) return;
    const windowLevel = painter.windowLevel[i];
    const shown = windowLevel ? image : windowCover(v, image);
    if (!intersect(shown, w)) return;
    drawImage(painter, image, d, windowLevel ? own : game,
      windowLevel ? painter.ownFactor : painter.gameFactor);
  });
}

// A rectangle the model reported: where the game area shows it and, unless the view is the
// identity, where the window's own images lie (the report does not say whose it was).
export function paintViewRect(painter, images, rect) {
  const v = painter.view;
  paintWindowRect(painter, images, windowCover(v, rect));
  const identity = v.factor === 1 && v.gameLeft === v.windowLeft && v.gameTop === v.windowTop;
  if (!identity) paintWindowRect(painter, images, rect);
}
