// The skin's pictures, fetched and decoded by the browser, numbered for the handheld.
//
// Number 0 is the marker drawn where a named picture is missing: 10 by 10, red inside a one-pixel
// black outline. Each picture keeps its drawings at 1 to 4 times; the larger ones come from
// "name@2x.png" and so on beside it, fetched when a zoom first needs them, and a picture without
// a larger drawing of exactly the right size is enlarged smoothly instead. A request may name its
// larger drawings itself (`larger(path, factor)`, null for none), as the manual's pages do.
import { PictureAtlas } from './atlas.js';
import { premultiply } from './compositor.js';
import { FetchedStatus } from './handheld.js';

const siteDir = '/site/';

function urlOf(path) {
  return path.startsWith(siteDir) ? path.slice(siteDir.length) : path;
}

// One drawing of a picture: its pixels as the file holds them (straight alpha), premultiplied
// for the page's own compositing, and as a canvas for the browser to scale; the last two are
// made when first needed.
export class Drawing {
  constructor(rgba, width, height) {
    Object.assign(this, { rgba, width, height });
    this.premultipliedPixels = null;
    this.canvas = null;
  }

  get premultiplied() {
    if (!this.premultipliedPixels) {
      const { data, rows } = premultiply(this.rgba, this.width);
      this.premultipliedPixels = { data, rows, width: this.width, height: this.height };
    }
    return this.premultipliedPixels;
  }

  get source() {
    if (!this.canvas) {
      this.canvas = new OffscreenCanvas(this.width, this.height);
      this.canvas.getContext('2d').putImageData(new ImageData(this.rgba, this.width, this.height), 0, 0);
    }
    return this.canvas;
  }
}

const typesByExtension = { png: 'image/png', bmp: 'image/bmp', jpg: 'image/jpeg', jpeg: 'image/jpeg', gif: 'image/gif' };

// The file's pixels exactly as it holds them, through the image decoder where there is one
// (index.html's decodeExactly), else as exactly as a canvas gives them.
async function decode(blob, path) {
  const extension = path.slice(path.lastIndexOf('.') + 1).toLowerCase();
  const type = blob.type.startsWith('image/') ? blob.type : typesByExtension[extension] || blob.type;
  const exact = await window.decodeExactly(blob.stream(), type);
  if (exact) return new Drawing(exact.rgba, exact.width, exact.height);
  const bitmap = await createImageBitmap(blob, { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
  const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const rgba = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
  return new Drawing(rgba, bitmap.width, bitmap.height);
}

// A drawing's bottom-left colour becomes see-through, as the desktop program keys it out.
function keyOutBottomLeft(drawing) {
  const px = drawing.rgba;
  const k = (drawing.height - 1) * drawing.width * 4;
  const [r, g, b] = [px[k], px[k + 1], px[k + 2]];
  for (let i = 0; i < px.length; i += 4) {
    if (px[i] === r && px[i + 1] === g && px[i + 2] === b) px[i + 3] = 0;
  }
  return drawing;
}

function makeMarker() {
  const canvas = new OffscreenCanvas(10, 10);
  const context = canvas.getContext('2d');
  context.fillStyle = '#ff0000';
  context.fillRect(0, 0, 10, 10);
  context.strokeStyle = '#000000';
  context.lineWidth = 1;
  context.strokeRect(0.5, 0.5, 9, 9);
  return new Drawing(context.getImageData(0, 0, 10, 10).data, 10, 10);
}

// What a fetch and decode of one file gave: { status, drawing }.
async function fetchPicture(url, keyed) {
  let response;
  try {
    response = await fetch(url, { cache: 'no-cache', priority: 'high' });
  } catch {
    return { status: FetchedStatus.missing };
  }
  if (!response.ok) return { status: FetchedStatus.missing };
  const blob = await response.blob();
  if (blob.size === 0) return { status: FetchedStatus.empty };
  try {
    return decoded(await decode(blob, url), keyed);
  } catch {
    return { status: FetchedStatus.undecodable };
  }
}

function decoded(drawing, keyed) {
  return { status: FetchedStatus.decoded, drawing: keyed ? keyOutBottomLeft(drawing) : drawing };
}

export class Pictures {
  constructor() {
    this.entries = [{ path: null, drawings: [null, makeMarker()] }];
    this.atlas = new PictureAtlas(decode);
  }

  // A picture's drawing at `factor` (its file `name`), from the atlas where it holds the picture.
  async fetch(path, name, factor, keyed) {
    const packed = await this.atlas.take(urlOf(path), factor);
    if (packed) return decoded(new Drawing(packed.rgba, packed.width, packed.height), keyed);
    return fetchPicture(urlOf(name), keyed);
  }

  // Fetches every requested picture and records the outcome with the handheld, which also names
  // the larger drawings of a request that does not name them itself.
  async loadAll(handheld, requests) {
    const largerName = (path, factor) => handheld.largerFileName(path, factor);
    await Promise.all(requests.map(async ({ path, transparency, larger = largerName }) => {
      const keyed = handheld.keysOutBottomLeft(path, transparency);
      const fetched = await this.fetch(path, path, 1, keyed);
      if (fetched.status !== FetchedStatus.decoded) {
        handheld.recordPicture(path, transparency, fetched.status);
        return;
      }
      const id = this.entries.length;
      this.entries.push({ path, keyed, larger, drawings: [null, fetched.drawing] });
      handheld.recordPicture(path, transparency, fetched.status, id,
        fetched.drawing.width, fetched.drawing.height);
    }));
  }

  // Makes sure every picture, or those numbered `ids`, has its drawing at `factor`; a picture
  // asked for again while its drawing is on the way waits for the same fetch.
  async prepare(factor, ids = null) {
    if (factor <= 1) return;
    const entries = ids ? ids.map((id) => this.entries[id]).filter(Boolean) : this.entries;
    await Promise.all(entries.map((entry) => {
      entry.preparing = entry.preparing || {};
      if (!entry.preparing[factor]) entry.preparing[factor] = this.fetchLarger(entry, factor);
      return entry.preparing[factor];
    }));
  }

  async fetchLarger(entry, factor) {
    const base = entry.drawings[1];
    const name = entry.path ? entry.larger(entry.path, factor) : null;
    let larger = null;
    if (name) {
      const fetched = await this.fetch(entry.path, name, factor, entry.keyed);
      const ok = fetched.status === FetchedStatus.decoded &&
        fetched.drawing.width === base.width * factor &&
        fetched.drawing.height === base.height * factor;
      if (ok) larger = fetched.drawing;
    }
    entry.drawings[factor] = larger;
  }

  // The drawing to paint at `factor`, and the factor it was drawn for: a smaller one when the
  // picture has no drawing of that size, and it must then be scaled smoothly.
  drawing(id, factor) {
    const entry = this.entries[id];
    if (!entry) return null;
    const larger = entry.drawings[factor];
    if (factor > 1 && larger) return { drawing: larger, factor };
    return { drawing: entry.drawings[1], factor: 1 };
  }
}
