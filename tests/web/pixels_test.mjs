// The page against the desktop program, pixel by pixel: both play the same script
// (pixels_script.txt) on simulated time from the same time of day and with the same coin, the
// desktop main window through tools/frames, and each frame of the page's canvas at zoom 1 and
// pixel ratio 1 must equal the window's. Usage: node pixels_test.mjs <base URL>, with
// ZUZAZIZO_SKIN_DIR naming the desktop build's bin folder (run.sh sets it).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { base, open, runTests, state } from './page_lib.mjs';

const scriptPath = new URL('./pixels_script.txt', import.meta.url).pathname;
const binDir = process.env.ZUZAZIZO_SKIN_DIR;

// The keys the script names, as the browser reports them: code, key and Windows code.
const keyOf = (name) => {
  if (name === 'left') return ['ArrowLeft', 'ArrowLeft', 0x25];
  if (name === 'right') return ['ArrowRight', 'ArrowRight', 0x27];
  if (/^[0-9]$/.test(name)) return [`Digit${name}`, name, name.charCodeAt(0)];
  return [`Key${name.toUpperCase()}`, name, name.toUpperCase().charCodeAt(0)];
};

function readScript() {
  const script = { start: null, seed: 0, steps: [] };
  for (const raw of readFileSync(scriptPath, 'utf8').split('\n')) {
    const words = raw.split('#')[0].trim().split(/\s+/).filter((w) => w.length > 0);
    if (words.length === 0) continue;
    const [word, arg, more] = words;
    if (word === 'start') script.start = `${arg}T${more}`;
    else if (word === 'seed') script.seed = Number(arg);
    else script.steps.push({ word, arg });
  }
  return script;
}

// The desktop window's frames: name -> { png (base64), mode, score, misses }.
function desktopFrames() {
  const out = mkdtempSync(join(tmpdir(), 'frames-'));
  try {
    const lines = execFileSync(join(binDir, 'zuzazizo_frames'), [binDir, scriptPath, out],
      { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    const frames = new Map();
    for (const line of lines.trim().split('\n')) {
      const [name, mode, score, misses] = line.split(' ');
      frames.set(name, {
        png: readFileSync(join(out, `${name}.png`)).toString('base64'),
        mode: Number(mode), score: Number(score), misses: Number(misses),
      });
    }
    return frames;
  } finally {
    rmSync(out, { recursive: true, force: true });
  }
}

// The canvas against a desktop frame. Where the page leaves the canvas see-through the desktop
// window must have painted the colour key, which its shape cuts away; everywhere else the
// colours must be the same. Gives the size of both and the pixels that differ (the first few).
function compareInPage(png) {
  return `window.zuzazizo.then(async (z) => {
    z.painter.paintNow();
    const canvas = document.getElementById('handheld');
    const page = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const bytes = Uint8Array.from(atob('${png}'), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
      { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    const frame = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    frame.drawImage(bitmap, 0, 0);
    const desk = frame.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const sizes = [canvas.width, canvas.height, bitmap.width, bitmap.height];
    if (canvas.width !== bitmap.width || canvas.height !== bitmap.height) return { sizes, count: -1 };
    const surface = z.handheld.surface();
    const key = [surface.colourKey & 0xff, (surface.colourKey >> 8) & 0xff, (surface.colourKey >> 16) & 0xff];
    const differing = [];
    let count = 0;
    for (let i = 0; i < page.length; i += 4) {
      const p = [page[i], page[i + 1], page[i + 2], page[i + 3]];
      const d = [desk[i], desk[i + 1], desk[i + 2], desk[i + 3]];
      const same = p[3] === 0
        ? surface.colourKeyOn && d[0] === key[0] && d[1] === key[1] && d[2] === key[2]
        : p.every((v, c) => v === d[c]);
      if (same) continue;
      if (count++ < 5) {
        const n = i / 4;
        differing.push({ x: n % canvas.width, y: Math.floor(n / canvas.width), page: p, desktop: d });
      }
    }
    return { sizes, count, differing };
  })`;
}

// The page's frame as a PNG in the folder WEB_PIXELS_DUMP, for a look at what differs.
async function dumpCanvas(page, name) {
  const url = await page.eval('document.getElementById(\'handheld\').toDataURL(\'image/png\')');
  writeFileSync(join(process.env.WEB_PIXELS_DUMP, `${name}.png`), Buffer.from(url.split(',')[1], 'base64'));
}

async function playOnPage(b, script, frames) {
  const page = await open(b, 'ok',
    { FullscreenMode: '0', Zoom: '1', SplashScreen: '0', SoundMode: '2' });
  await page.goto(`${base}/ok/?replay=${script.start}&seed=${script.seed}`);
  await page.until('window.zuzazizo.then(z => z !== null)');
  assert.equal(await page.eval('window.devicePixelRatio'), 1);
  const shots = [];
  for (const { word, arg } of script.steps) {
    if (word === 'wait') {
      await page.eval(`window.zuzazizo.then(z => z.timing.advance(${Number(arg)}))`);
    } else if (word === 'down' || word === 'up') {
      await page.key(word === 'down' ? 'rawKeyDown' : 'keyUp', ...keyOf(arg));
    } else if (word === 'shot') {
      const desktop = frames.get(arg);
      const s = await state(page);
      assert.deepEqual([s.mode, s.score, s.misses], [desktop.mode, desktop.score, desktop.misses],
        `${arg}: the page plays the same game (mode, score, misses)`);
      shots.push({ name: arg, ...(await page.eval(compareInPage(desktop.png))) });
      if (process.env.WEB_PIXELS_DUMP) await dumpCanvas(page, arg);
    }
  }
  assert.deepEqual(page.errors, []);
  return shots;
}

const tests = [];
const test = (name, body) => tests.push({ name, body });

test('the same script gives the desktop main window\'s pixels: all segments, clock, a game with a strike and misses, game over', async (b) => {
  const script = readScript();
  const frames = desktopFrames();
  const names = script.steps.filter((s) => s.word === 'shot').map((s) => s.arg);
  assert.deepEqual([...frames.keys()], names, 'the desktop program saved every frame');
  // What the script claims to show, so that a changed game cannot leave it comparing less.
  const modes = names.map((name) => frames.get(name).mode);
  assert.ok(modes.includes(0) && modes.includes(1) && modes.includes(8) && modes.includes(10));
  assert.ok(names.some((name) => frames.get(name).score > 0), 'a strike');
  assert.ok(names.some((name) => frames.get(name).misses > 0), 'a miss');

  const shots = await playOnPage(b, script, frames);
  const wrong = shots.filter((s) => s.count !== 0);
  for (const s of wrong) {
    console.log(`     ${s.name}: canvas ${s.sizes[0]}x${s.sizes[1]}, desktop ${s.sizes[2]}x${s.sizes[3]}, ` +
      `${s.count} pixels differ: ${JSON.stringify(s.differing)}`);
  }
  assert.deepEqual(wrong.map((s) => s.name), [], 'frames whose pixels differ');
  assert.equal(shots.length, names.length);
});

// Every picture of the atlases, at every drawing size, against its own file decoded on its own;
// the page's start fetches none of the handheld's picture files.
test('the atlases hold every picture of the skin with its file\'s exact pixels', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  const fetchedAlone = await page.eval(`performance.getEntriesByType('resource')
    .map(r => new URL(r.name).pathname).filter(p => p.includes('/Graphics/Skin/'))`);
  assert.deepEqual(fetchedAlone, [], 'picture files fetched at the start');
  const report = await page.eval(`window.zuzazizo.then(async (z) => {
    const index = JSON.parse(await (await fetch('pictures.json')).text());
    const own = async (url) => {
      const decoder = new ImageDecoder({ data: await (await fetch(url)).arrayBuffer(),
        type: 'image/png', premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
      const { image } = await decoder.decode();
      const rgba = new Uint8Array(image.codedWidth * image.codedHeight * 4);
      await image.copyTo(rgba, { format: 'RGBA', layout: [{ offset: 0, stride: image.codedWidth * 4 }] });
      return { rgba, width: image.codedWidth, height: image.codedHeight };
    };
    const counts = {};
    const wrong = [];
    for (const { factor, pictures } of index.atlases) {
      counts[factor] = Object.keys(pictures).length;
      for (const path of Object.keys(pictures)) {
        const file = factor === 1 ? path : path.replace(/[.]png$/, '@' + factor + 'x.png');
        const [packed, alone] = [await z.pictures.atlas.take(path, factor), await own(file)];
        const same = packed && packed.width === alone.width && packed.height === alone.height &&
          packed.rgba.every((v, i) => v === alone.rgba[i]);
        if (!same) wrong.push(file);
      }
    }
    return { counts, wrong };
  })`);
  const skin = join(binDir, 'Graphics', 'Skin');
  const files = readdirSync(skin).filter((f) => f.endsWith('.png'));
  assert.equal(report.counts[1], files.filter((f) => !f.includes('@')).length, '1x pictures packed');
  for (const factor of [2, 3, 4]) {
    assert.equal(report.counts[factor], files.filter((f) => f.endsWith(`@${factor}x.png`)).length,
      `${factor}x pictures packed`);
  }
  assert.deepEqual(report.wrong, []);
});

runTests(tests);
