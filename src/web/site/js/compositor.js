// Lays pictures over one another in software, with the desktop program's arithmetic, so that the
// page gives the desktop window's pixels exactly wherever no picture has to be scaled smoothly.
//
// The desktop paints premultiplied pixels: each colour times its alpha, rounded to the nearest
// 1/255, and a picture laid over what is there keeps (255 − alpha)/255 of it, rounded the same
// way. A browser's canvas lays pictures with its own roundings (even in floating point on a
// graphics card), a unit or two apart wherever a picture is partly see-through; so where the
// scale allows it, the page does the arithmetic itself and hands the canvas finished pixels.

// x / 255 rounded to the nearest integer, for x up to 255 × 255, as the desktop computes it.
const div255 = (x) => (x + (x >> 8) + 0x80) >> 8;

// A pixel's four bytes read as one number (typed arrays keep the machine's byte order, which
// is little-endian wherever WebAssembly runs): alpha is the top byte. Most pixels of the pictures
// are wholly opaque or wholly see-through and are handled whole.
const wordsOf = (bytes) => new Uint32Array(bytes.buffer, bytes.byteOffset, bytes.length >> 2);

// A picture's pixels (RGBA, straight alpha) premultiplied, with what each row is: 1 wholly
// opaque, 0 wholly see-through, 2 mixed. Whole rows are then copied or skipped at once, which
// matters for the large pictures at a large zoom.
export function premultiply(rgba, width) {
  const out = new Uint8ClampedArray(rgba.length);
  const inWords = wordsOf(rgba);
  const outWords = wordsOf(out);
  const rows = new Uint8Array(inWords.length / width);
  for (let y = 0; y < rows.length; y++) {
    let opaque = true;
    let clear = true;
    for (let p = y * width, end = p + width; p < end; p++) {
      const word = inWords[p];
      const a = word >>> 24;
      if (a === 255) {
        outWords[p] = word;
        clear = false;
      } else {
        opaque = false;
        if (a !== 0) {
          const i = p * 4;
          out[i] = div255(rgba[i] * a);
          out[i + 1] = div255(rgba[i + 1] * a);
          out[i + 2] = div255(rgba[i + 2] * a);
          out[i + 3] = a;
          clear = false;
        }
      }
    }
    rows[y] = opaque ? 1 : clear ? 0 : 2;
  }
  return { data: out, rows };
}

// A premultiplied surface of device pixels at a place of the canvas.
export class Layer {
  constructor(left, top, width, height) {
    Object.assign(this, { left, top, width, height });
    this.data = new Uint8ClampedArray(width * height * 4);
    this.opaque = false;  // filled first: every pixel stays opaque
  }

  fill(r, g, b) {
    new Uint32Array(this.data.buffer).fill(((255 << 24) | (b << 16) | (g << 8) | r) >>> 0);
    this.opaque = true;
  }

  // Lays premultiplied pixels `src` ({ data, rows, width, height }) at `place` (device pixels,
  // its own size), only inside `clip`.
  over(src, place, clip) {
    const x0 = Math.max(clip.left, place.left, this.left);
    const x1 = Math.min(clip.left + clip.width, place.left + src.width, this.left + this.width);
    const y0 = Math.max(clip.top, place.top, this.top);
    const y1 = Math.min(clip.top + clip.height, place.top + src.height, this.top + this.height);
    const d = this.data;
    const s = src.data;
    const dWords = wordsOf(d);
    const sWords = wordsOf(s);
    for (let y = y0; y < y1; y++) {
      const row = src.rows[y - place.top];
      if (row === 0) continue;
      let dp = (y - this.top) * this.width + (x0 - this.left);
      let sp = (y - place.top) * src.width + (x0 - place.left);
      if (row === 1) {
        dWords.set(sWords.subarray(sp, sp + (x1 - x0)), dp);
        continue;
      }
      for (let x = x0; x < x1; x++, dp++, sp++) {
        const word = sWords[sp];
        const a = word >>> 24;
        if (a === 0) continue;
        if (a === 255) {
          dWords[dp] = word;
          continue;
        }
        const di = dp * 4;
        const si = sp * 4;
        const k = 255 - a;
        d[di] = s[si] + div255(d[di] * k);
        d[di + 1] = s[si + 1] + div255(d[di + 1] * k);
        d[di + 2] = s[si + 2] + div255(d[di + 2] * k);
        d[di + 3] = a + div255(d[di + 3] * k);
      }
    }
  }

  // The layer as the canvas takes it (straight alpha).
  imageData() {
    const d = this.data;
    const words = wordsOf(d);
    for (let p = 0; p < words.length && !this.opaque; p++) {
      const a = words[p] >>> 24;
      if (a === 255 || a === 0) continue;
      const i = p * 4;
      d[i] = Math.round((d[i] * 255) / a);
      d[i + 1] = Math.round((d[i + 1] * 255) / a);
      d[i + 2] = Math.round((d[i + 2] * 255) / a);
    }
    return new ImageData(d, this.width, this.height);
  }
}
