// Paints the handheld on the canvas from the image model, one changed rectangle at a time.
//
// The canvas holds zoom × devicePixelRatio device pixels per game pixel, and pictures come from
// the drawing that matches that scale, so lines stay sharp. Outside the case the canvas is
// see-through, as the desktop window is shaped by its colour key.
import { Layer } from './compositor.js';
import { colourText, intersect, paintViewRect, targetOf } from './view_painter.js';

export class Painter {
  constructor(canvas, handheld, pictures) {
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.handheld = handheld;
    this.pictures = pictures;
    this.pending = [];
    this.frameRequested = false;
    this.onPainted = null;
  }

  // Sizes the canvas for the surface at a zoom and pixel ratio; everything is repainted.
  resize(surface, zoom, pixelRatio) {
    this.surface = surface;
    this.zoom = zoom;
    this.scale = zoom * pixelRatio;
    this.factor = this.handheld.pictureFactor(this.scale);
    this.exact = this.handheld.exactFactor(this.scale, this.factor);
    this.canvas.width = Math.round(surface.width * this.scale);
    this.canvas.height = Math.round(surface.height * this.scale);
    this.canvas.style.width = `${surface.width * zoom}px`;
    this.canvas.style.height = `${surface.height * zoom}px`;
    this.pending = [{ left: 0, top: 0, width: surface.width, height: surface.height }];
    this.paintNow();
  }

  // Rectangles the model reported; painted together at the next frame.
  invalidate(rects) {
    if (rects.length === 0) return;
    this.pending.push(...rects);
    if (this.frameRequested) return;
    this.frameRequested = true;
    requestAnimationFrame(() => this.paintNow());
  }

  paintNow() {
    this.frameRequested = false;
    const rects = this.pending;
    this.pending = [];
    if (rects.length === 0 || !this.surface) return;
    const images = this.handheld.images();
    for (const rect of rects) this.paintRect(images, rect);
    if (!this.painted) performance.mark('handheld-first-frame');
    this.painted = true;
    if (this.onPainted) this.onPainted();
  }

  // The device pixels that cover a game rectangle.
  deviceRect(r) {
    const left = Math.floor(r.left * this.scale);
    const top = Math.floor(r.top * this.scale);
    return {
      left, top,
      width: Math.ceil((r.left + r.width) * this.scale) - left,
      height: Math.ceil((r.top + r.height) * this.scale) - top,
    };
  }

  // The desktop's arithmetic where no drawing needs scaling (compositor.js), the canvas's own
  // smooth scaling elsewhere.
  paintRect(images, rect) {
    // Fullscreen: the window's own images and the game area at their different scales.
    if (this.view) return paintViewRect(this, images, rect);
    if (this.exact && this.paintRectExactly(images, rect)) return;
    const c = this.context;
    const d = this.deviceRect(rect);
    c.save();
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.beginPath();
    c.rect(d.left, d.top, d.width, d.height);
    c.clip();
    if (this.surface.colourKeyOn) {
      c.clearRect(d.left, d.top, d.width, d.height);
    } else {
      c.fillStyle = colourText(this.surface.colour);
      c.fillRect(d.left, d.top, d.width, d.height);
    }
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    for (const image of images) this.drawImage(image, rect);
    c.restore();
  }

  // The images inside a rectangle, each with its drawing and where it goes.
  placed(images, rect) {
    const placed = [];
    for (const image of images) {
      if (!image.visible || image.picture < 0 || image.width <= 0 || image.height <= 0) continue;
      const clip = intersect(image, rect);
      const found = clip && this.pictures.drawing(image.picture, this.factor);
      if (!found || !found.drawing) continue;
      const { drawing, factor } = found;
      const target = targetOf(image, drawing.width / factor, drawing.height / factor);
      placed.push({ drawing, factor, target, clip });
    }
    return placed;
  }

  // False when a drawing would have to be scaled: the canvas paints the rectangle then.
  paintRectExactly(images, rect) {
    const placed = this.placed(images, rect);
    const s = this.scale;
    const ownSize = ({ drawing, factor, target }) => factor === s &&
      target.width * s === drawing.width && target.height * s === drawing.height;
    if (!placed.every(ownSize)) return false;
    const d = this.deviceRect(rect);
    const layer = new Layer(d.left, d.top, d.width, d.height);
    if (!this.surface.colourKeyOn) {
      const c = this.surface.colour;
      layer.fill(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
    }
    for (const { drawing, target, clip } of placed) {
      layer.over(drawing.premultiplied, { left: target.left * s, top: target.top * s },
        this.deviceRect(clip));
    }
    this.context.putImageData(layer.imageData(), d.left, d.top);
    return true;
  }

  drawImage(image, rect) {
    const [found] = this.placed([image], rect);
    if (!found) return;
    const { drawing, factor, target, clip } = found;
    const c = this.context;
    c.save();
    const d = this.deviceRect(clip);
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.beginPath();
    c.rect(d.left, d.top, d.width, d.height);
    c.clip();
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    c.imageSmoothingEnabled = !(this.exact && factor === this.factor);
    c.imageSmoothingQuality = 'high';
    c.drawImage(drawing.source, target.left, target.top, target.width, target.height);
    c.restore();
  }
}
