// What the tests of the page's shell share: keys, clicks, the shell's state, screenshots and the
// menu table as the desktop program shows it.
import { mkdirSync, writeFileSync } from 'node:fs';
import { tap, vk } from './page_lib.mjs';

export const keys = {
  enter: ['Enter', 'Enter', 0x0d], escape: ['Escape', 'Escape', 0x1b], f1: ['F1', 'F1', 0x70],
  f2: ['F2', 'F2', 0x71], f3: ['F3', 'F3', 0x72], f4: ['F4', 'F4', 0x73],
  f12: ['F12', 'F12', 0x7b], digit1: ['Digit1', '1', vk.digit1], digit3: ['Digit3', '3', vk.digit3],
};

export async function press(page, name, extra = {}) {
  const [code, key, code_vk] = keys[name];
  await tap(page, 'rawKeyDown', code, key, code_vk, extra);
  await tap(page, 'keyUp', code, key, code_vk, extra);
}

export async function ctrlKey(page, code, key) {
  await tap(page, 'rawKeyDown', 'ControlLeft', 'Control', 0x11, { modifiers: 2 });
  await tap(page, 'rawKeyDown', code, key, 0, { modifiers: 2 });
  await tap(page, 'keyUp', code, key, 0, { modifiers: 2 });
  await tap(page, 'keyUp', 'ControlLeft', 'Control', 0x11);
}

export async function viewport(page, width, height) {
  await page.send('Emulation.setDeviceMetricsOverride',
    { width, height, deviceScaleFactor: 1, mobile: false });
}

export async function click(page, x, y, button = 'left') {
  await page.mouse('mouseMoved', x, y, button);
  await page.mouse('mousePressed', x, y, button);
  await page.mouse('mouseReleased', x, y, button);
}

export async function centre(page, selector) {
  return page.eval(`(() => { const e = document.querySelector(${JSON.stringify(selector)});
    const b = e.getBoundingClientRect(); return { x: b.x + b.width / 2, y: b.y + b.height / 2 }; })()`);
}

export async function clickOn(page, selector) {
  const { x, y } = await centre(page, selector);
  await click(page, x, y);
}

export const shell = (page, expression) => page.eval(`window.zuzazizo.then(z => ${expression})`);
export const started = (page) => page.until('window.zuzazizo.then(z => z !== null)');
export const splashShown = (page) => page.eval("!document.getElementById('splash').hidden");
export const handheldShown = (page) => page.eval(
  "getComputedStyle(document.getElementById('handheld')).visibility === 'visible'");

// Screenshots for a person to look at, when WEB_TEST_SHOTS names a folder.
export async function screenshot(page, name) {
  const folder = process.env.WEB_TEST_SHOTS;
  if (!folder) return;
  mkdirSync(folder, { recursive: true });
  const { data } = await page.send('Page.captureScreenshot', { format: 'png' });
  writeFileSync(`${folder}/${name}.png`, Buffer.from(data, 'base64'));
}

// Elements under a selector whose text does not fit their box.
export async function clipped(page, selector) {
  return page.eval(`[...document.querySelectorAll(${JSON.stringify(selector)})]
    .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
    .map((e) => e.dataset.name || e.textContent)`);
}

// A command of another window, recorded instead of carried out.
export async function recordCommand(page, name) {
  await page.eval(`Promise.resolve(window.zuzazizoModules.commands).then((m) => {
    window.ran = window.ran || [];
    m.defineCommand(${JSON.stringify(name)}, () => window.ran.push(${JSON.stringify(name)}));
  })`);
}

// The menu table as the core exports it must read as the desktop's menu does.
export const desktopMenu = [
  ['About...', 'F1'], ["View 'Readme.txt'", 'F2'], ["View 'Whatsnew.txt'", 'F3'],
  ['View manual', 'F4'], ['-', ''], ['Edit configuration file', ''], ['Key settings', ''],
  ['Reset Hiscores', ''], ['-', ''], ['Display in fullscreen mode', 'F12'],
  ['Display splash screen at startup', ''], ['-', ''], ['Exit', 'Esc'],
];
