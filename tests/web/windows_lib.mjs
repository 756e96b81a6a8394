// What the tests of the page's windows share: running a command, finding a window and its parts,
// and checking that no text of a window is cut off.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { open } from './page_lib.mjs';

export const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');

// The texts in double quotes of a source file: what the core writes, for "the same texts as the
// desktop program, character for character".
export function quotedTexts(path) {
  const text = readFileSync(join(root, path), 'utf8');
  return [...text.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((m) => m[1]);
}

// The page with the handheld running at once: the splash screen switched off and the page's sound
// output chosen, as a returning player has it.
export async function started(browser, site = 'ok', storage = {}) {
  const page = await open(browser, site, { SplashScreen: '0', SoundMode: '0', ...storage });
  await page.until('window.zuzazizo.then(z => z !== null)');
  return page;
}

// Runs a command of the page by name, as its menus and shortcuts do: from a gesture of the user,
// without which a browser opens no new tab.
export async function run(page, command) {
  const { result, exceptionDetails } = await page.send('Runtime.evaluate', {
    expression: `Promise.resolve(window.zuzazizoModules.commands).then(m => m.runCommand(${JSON.stringify(command)}))`,
    awaitPromise: true, returnByValue: true, userGesture: true,
  });
  if (exceptionDetails) throw new Error(`${command}: ${exceptionDetails.text}`);
  return result.value;
}

export const selector = (name) => `section.page-window[data-window="${name}"]`;

export async function isOpen(page, name) {
  return page.eval(`(() => { const w = document.querySelector('${selector(name)}');
    return w !== null && !w.hidden; })()`);
}

// A window's box and its client area's box on the page, in CSS pixels.
export async function boxes(page, name) {
  return page.eval(`(() => {
    const w = document.querySelector('${selector(name)}');
    const box = (e) => { const r = e.getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height }; };
    return { outer: box(w), client: box(w.querySelector('.client')),
      clientSize: [w.querySelector('.client').offsetWidth, w.querySelector('.client').offsetHeight] };
  })()`);
}

// The middle of an element of a window, in viewport coordinates.
export async function middle(page, css) {
  return page.eval(`(() => { const r = document.querySelector(${JSON.stringify(css)})
    .getBoundingClientRect(); return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
}

export async function click(page, { x, y }, button = 'left') {
  await page.mouse('mouseMoved', x, y);
  await page.mouse('mousePressed', x, y, button);
  await page.mouse('mouseReleased', x, y, button);
}

export async function tapAt(page, { x, y }) {
  await page.touch('touchStart', [{ x, y, id: 1 }]);
  await page.touch('touchEnd', []);
}

export async function keyPress(page, code, key, vk, extra = {}) {
  await page.key('rawKeyDown', code, key, vk, extra);
  await page.key('keyUp', code, key, vk, extra);
}

// Every text of the open windows shows whole: none is wider or taller than its box, and every box
// lies inside its window's client area.
export async function clippedTexts(page) {
  return page.eval(`(() => {
    const clipped = [];
    for (const w of document.querySelectorAll('section.page-window:not([hidden])')) {
      const client = w.querySelector('.client').getBoundingClientRect();
      const caption = w.querySelector('.caption-bar .caption');
      const texts = [...w.querySelectorAll('.client span, .client button, .client select')];
      if (caption) texts.push(caption);
      for (const e of texts) {
        const r = e.getBoundingClientRect();
        const inside = e === caption || (r.left >= client.left - 0.5 && r.right <= client.right + 0.5 &&
          r.top >= client.top - 0.5 && r.bottom <= client.bottom + 0.5);
        if (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight || !inside) {
          clipped.push(e.textContent.slice(0, 30));
        }
      }
    }
    return clipped;
  })()`);
}

// Saves a screenshot of the page for people to look at.
export async function screenshot(page, path) {
  const { data } = await page.send('Page.captureScreenshot', { format: 'png' });
  const { writeFileSync } = await import('node:fs');
  writeFileSync(path, Buffer.from(data, 'base64'));
}

export function assertNoErrors(page) {
  assert.deepEqual(page.errors, []);
}
