// The skin's pictures, fetched and decoded by the browser, numbered for the handheld.
//
// Number 0 is the marker drawn where a named picture is missing: 10 by 10, red inside a one-pixel
// black outline. Each picture keeps its drawings at 1 to 4 times; the larger ones come from
// "name@2x.png" and so on beside it, fetched when a zoom first needs them, and a picture without
// a larger drawing of exactly the right size is enlarged smoothly instead.
import { FetchedStatus, Transparency } from './handheld.js';

const siteDir = '/site/';

function urlOf(path) {
  return path.startsWith(siteDir) ? path.slice(siteDir.length) : path;
}

function largerName(path, factor) {
  const slash = path.lastIndexOf('/');
  const dot = path.lastIndexOf('.');
  const stemEnd = dot > slash ? dot : path.length;
  return `${path.slice(0, stemEnd)}@${factor}x${path.slice(stemEnd)}`;
}

const decodeOptions = { premultiplyAlpha: 'default', colorSpaceConversion: 'none' };

// A bitmap's bottom-left colour becomes see-through, as the desktop program keys it out.
async function keyOutBottomLeft(bitmap) {
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext('2d');
  context.drawImage(bitmap, 0, 0);
  const data = context.getImageData(0, 0, bitmap.width, bitmap.height);
  const px = data.data;
  const k = (bitmap.height - 1) * bitmap.width * 4;
  const [r, g, b] = [px[k], px[k + 1], px[k + 2]];
  for (let i = 0; i < px.length; i += 4) {
    if (px[i] === r && px[i + 1] === g && px[i + 2] === b) px[i + 3] = 0;
  }
  return createImageBitmap(data, decodeOptions);
}

function makeMarker() {
  const canvas = new OffscreenCanvas(10, 10);
  const context = canvas.getContext('2d');
  context.fillStyle = '#ff0000';
  context.fillRect(0, 0, 10, 10);
  context.strokeStyle = '#000000';
  context.lineWidth = 1;
  context.strokeRect(0.5, 0.5, 9, 9);
  return canvas.transferToImageBitmap();
}

// What a fetch and decode of one file gave: { status, bitmap }.
async function fetchPicture(url, keyed) {
  let response;
  try {
    response = await fetch(url, { cache: 'no-cache' });
  } catch {
    return { status: FetchedStatus.missing };
  }
  if (!response.ok) return { status: FetchedStatus.missing };
  const blob = await response.blob();
  if (blob.size === 0) return { status: FetchedStatus.empty };
  try {
    const bitmap = await createImageBitmap(blob, decodeOptions);
    return { status: FetchedStatus.decoded, bitmap: keyed ? await keyOutBottomLeft(bitmap) : bitmap };
  } catch {
    return { status: FetchedStatus.undecodable };
  }
}

export class Pictures {
  constructor() {
    this.entries = [{ path: null, drawings: [null, makeMarker()] }];
  }

  // Fetches every requested picture and records the outcome with the handheld.
  async loadAll(handheld, requests) {
    await Promise.all(requests.map(async ({ path, transparency }) => {
      const keyed = transparency === Transparency.bottomLeftKey && /\.bmp$/i.test(path);
      const unreadable = handheld.extensionReason(path) !== '';
      const fetched = await fetchPicture(urlOf(path), keyed && !unreadable);
      if (fetched.status !== FetchedStatus.decoded) {
        handheld.recordPicture(path, transparency, fetched.status);
        return;
      }
      const id = this.entries.length;
      this.entries.push({ path, keyed, drawings: [null, fetched.bitmap] });
      handheld.recordPicture(path, transparency, fetched.status, id,
        fetched.bitmap.width, fetched.bitmap.height);
    }));
  }

  // Makes sure every picture has its drawing at `factor`.
  async prepare(factor) {
    if (factor <= 1) return;
    await Promise.all(this.entries.map(async (entry) => {
      if (entry.drawings[factor] !== undefined) return;
      entry.drawings[factor] = null;
      const base = entry.drawings[1];
      let larger = null;
      if (entry.path) {
        const fetched = await fetchPicture(urlOf(largerName(entry.path, factor)), entry.keyed);
        const ok = fetched.status === FetchedStatus.decoded &&
          fetched.bitmap.width === base.width * factor &&
          fetched.bitmap.height === base.height * factor;
        if (ok) larger = fetched.bitmap;
      }
      entry.drawings[factor] = larger;
    }));
  }

  // The drawing to paint at `factor`, and whether it must be scaled smoothly.
  drawing(id, factor) {
    const entry = this.entries[id];
    if (!entry) return null;
    const larger = entry.drawings[factor];
    if (factor > 1 && larger) return { bitmap: larger, factor };
    return { bitmap: entry.drawings[1], factor: 1 };
  }
}
