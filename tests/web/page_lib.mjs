// What the page's tests share: opening the page with given settings, its state, keys, and a
// runner. A test file is run as: node <file> <base URL>; the base URL serves the built site under
// ok/ and broken copies of it beside (see run.sh). WEB_TEST_FILTER picks tests by name.
import assert from 'node:assert/strict';
import { Browser } from './cdp.mjs';

export const base = process.argv[2];
export const prefix = 'Tessaron/Dovuruza50/';
export const mode = { startup: 0, time1: 1, readyA: 6, gameA: 8, gameOver: 10 };
export const vk = { digit1: 0x31, digit2: 0x32, digit3: 0x33, left: 0x25, right: 0x27, shift: 0x10 };

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The rectangle of an image as Config.ini lays it out, found by the comment naming its section.
export async function imageRect(page, name) {
  return page.eval(`fetch('Config.ini').then(r => r.text()).then(text => {
    const section = text.split('; ${name}\\n')[1].split('[')[0];
    const value = (key) => Number(new RegExp(key + '=(-?\\\\d+)').exec(section)[1]);
    return { left: value('Left'), top: value('Top'), width: value('Width'), height: value('Height') };
  })`);
}

// The viewport point at the middle of an image.
export async function centreOf(page, name) {
  const r = await imageRect(page, name);
  const box = await page.eval(`(() => { const b = document.getElementById('handheld')
    .getBoundingClientRect(); return { x: b.left, y: b.top }; })()`);
  return { x: box.x + r.left + r.width / 2, y: box.y + r.top + r.height / 2 };
}

// The settings of a player who chose the page's sound before and switched the splash screen off,
// in windowed mode: the handheld starts at once. Tests of the splash screen and of fullscreen pass
// { asStored: true } and exactly the settings they mean.
export const quickStart = { SoundMode: '0', SplashScreen: '0', FullscreenMode: '0' };

// `before`: a script run in the page ahead of its own.
export async function open(browser, site, storage = null, { asStored = false, before = null } = {}) {
  if (!asStored) storage = { ...quickStart, ...storage };
  const page = await browser.newPage();
  // The storage belongs to the origin: a blank page of it is filled before the page starts.
  await page.goto(`${base}/${site}/style.css`);
  await page.eval('localStorage.clear()');
  if (storage) {
    for (const [name, text] of Object.entries(storage)) {
      await page.eval(`localStorage.setItem(${JSON.stringify(prefix + name)}, ${JSON.stringify(text)})`);
    }
  }
  if (before) await page.send('Page.addScriptToEvaluateOnNewDocument', { source: before });
  await page.goto(`${base}/${site}/`);
  return page;
}

export async function state(page) {
  return page.eval('window.zuzazizo.then(z => z.handheld.gameState())');
}

export async function stored(page, name) {
  return page.eval(`localStorage.getItem(${JSON.stringify(prefix + name)})`);
}

export async function message(page) {
  return page.eval(`document.getElementById('message-box').hidden ? '' :
    document.getElementById('message-text').textContent`);
}

export async function tap(page, type, code, key, code_vk, extra) {
  await page.key(type, code, key, code_vk, extra);
}

// TIME leaves the all-segments display, where GAME A would only show the clock.
export async function leaveStartup(page) {
  await tap(page, 'rawKeyDown', 'Digit3', '3', vk.digit3);
  await tap(page, 'keyUp', 'Digit3', '3', vk.digit3);
  assert.equal((await state(page)).mode, mode.time1);
}

// The canvas, painted one changed rectangle at a time, against the whole handheld painted afresh
// at once: a rectangle left out or painted from a stale model shows. (That the pixels are the
// pictures' as the desktop lays them is pixels_test's.) Returns the largest channel difference.
export async function largestDifferenceFromWholeRepaint(page) {
  return page.eval(`window.zuzazizo.then((z) => {
    // The canvas and the model are taken together: the handheld runs on while pictures load.
    z.painter.paintNow();
    const canvas = document.getElementById('handheld');
    const read = () => canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const a = read();
    z.painter.resize(z.painter.surface, z.painter.zoom, window.devicePixelRatio);
    const b = read();
    let largest = a.length === b.length ? 0 : 255;
    for (let i = 0; i < a.length; i++) largest = Math.max(largest, Math.abs(a[i] - b[i]));
    return largest;
  })`);
}

// Runs the tests in order, each in a fresh set of pages of one browser; exits 1 if any failed.
export async function runTests(tests) {
  const browser = await Browser.launch();
  let failed = 0;
  const only = process.env.WEB_TEST_FILTER;
  for (const { name, body } of tests) {
    if (only && !name.includes(only)) continue;
    const started = Date.now();
    try {
      await body(browser);
      console.log(`ok   ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      failed++;
      console.log(`FAIL ${name}\n     ${error.stack}`);
    }
    await browser.closePages();
  }
  await browser.close();
  process.exit(failed === 0 ? 0 : 1);
}
