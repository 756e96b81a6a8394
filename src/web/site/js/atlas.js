// The site's pictures packed by drawing size into one picture each: pictures.png for the 1x
// drawings, pictures@2x.png and so on for the larger ones, indexed by pictures.json (the build
// makes them from the site's own files). One request and one decode then bring all the pictures
// of a size. A picture the index does not hold is fetched on its own, and so is every picture
// when the index or an atlas is missing or cannot be read.
import { fetchEarly } from './early_fetch.js';

function atlasFile(factor) {
  return factor === 1 ? 'pictures.png' : `pictures@${factor}x.png`;
}

async function fetchBlob(url) {
  const response = await fetchEarly(url, { cache: 'no-cache', priority: 'high' });
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return response.blob();
}

// factor → { path: [x, y, width, height] }
async function fetchIndex() {
  try {
    const { atlases } = JSON.parse(await (await fetchBlob('pictures.json')).text());
    return new Map(atlases.map(({ factor, pictures }) => [factor, pictures]));
  } catch {
    return new Map();
  }
}

// A copy of one picture's pixels out of the atlas's.
function cut(sheet, [x, y, width, height]) {
  if (x < 0 || y < 0 || width <= 0 || height <= 0 ||
      x + width > sheet.width || y + height > sheet.height) return null;
  const rgba = new Uint8ClampedArray(width * height * 4);
  for (let row = 0; row < height; row++) {
    const from = ((y + row) * sheet.width + x) * 4;
    rgba.set(sheet.rgba.subarray(from, from + width * 4), row * width * 4);
  }
  return { rgba, width, height };
}

export class PictureAtlas {
  // `decode(blob, name)` gives a file's exact pixels as { rgba, width, height }. The index and
  // the 1x atlas, which every start needs, are fetched at once, side by side.
  constructor(decode) {
    this.decode = decode;
    this.index = fetchIndex();
    this.sheets = new Map();
    this.sheet(1);
  }

  sheet(factor) {
    if (!this.sheets.has(factor)) {
      const file = atlasFile(factor);
      // The 1x atlas as index.html decoded it, where it could.
      const early = factor === 1 && window.earlyAtlas ? window.earlyAtlas : Promise.resolve(null);
      this.sheets.set(factor, early
        .then((sheet) => sheet ?? fetchBlob(file).then((blob) => this.decode(blob, file)))
        .catch(() => null));
    }
    return this.sheets.get(factor);
  }

  // The pixels of the picture at `path` (from the site's folder) drawn at `factor`, or null
  // where the atlas does not hold it.
  async take(path, factor) {
    const pictures = (await this.index).get(factor);
    const place = pictures && Object.hasOwn(pictures, path) ? pictures[path] : null;
    if (!place) return null;
    const sheet = await this.sheet(factor);
    return sheet && cut(sheet, place);
  }
}
