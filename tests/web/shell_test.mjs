// The page's shell in a headless Chromium: the splash screen and its skip rule, the context menu
// by mouse and by a long press, the shortcuts, fullscreen with its game menu and scale.
// Usage: node shell_test.mjs <base URL>
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import {
  base, centreOf, mode, open, runTests, sleep, state, stored, tap, vk,
} from './page_lib.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

const keys = {
  enter: ['Enter', 'Enter', 0x0d], escape: ['Escape', 'Escape', 0x1b], f1: ['F1', 'F1', 0x70],
  f2: ['F2', 'F2', 0x71], f3: ['F3', 'F3', 0x72], f4: ['F4', 'F4', 0x73],
  f12: ['F12', 'F12', 0x7b], digit1: ['Digit1', '1', vk.digit1], digit3: ['Digit3', '3', vk.digit3],
};

async function press(page, name, extra = {}) {
  const [code, key, code_vk] = keys[name];
  await tap(page, 'rawKeyDown', code, key, code_vk, extra);
  await tap(page, 'keyUp', code, key, code_vk, extra);
}

async function ctrlKey(page, code, key) {
  await tap(page, 'rawKeyDown', 'ControlLeft', 'Control', 0x11, { modifiers: 2 });
  await tap(page, 'rawKeyDown', code, key, 0, { modifiers: 2 });
  await tap(page, 'keyUp', code, key, 0, { modifiers: 2 });
  await tap(page, 'keyUp', 'ControlLeft', 'Control', 0x11);
}

async function viewport(page, width, height) {
  await page.send('Emulation.setDeviceMetricsOverride',
    { width, height, deviceScaleFactor: 1, mobile: false });
}

async function click(page, x, y, button = 'left') {
  await page.mouse('mouseMoved', x, y, button);
  await page.mouse('mousePressed', x, y, button);
  await page.mouse('mouseReleased', x, y, button);
}

async function centre(page, selector) {
  return page.eval(`(() => { const e = document.querySelector(${JSON.stringify(selector)});
    const b = e.getBoundingClientRect(); return { x: b.x + b.width / 2, y: b.y + b.height / 2 }; })()`);
}

async function clickOn(page, selector) {
  const { x, y } = await centre(page, selector);
  await click(page, x, y);
}

const shell = (page, expression) => page.eval(`window.zuzazizo.then(z => ${expression})`);
const started = (page) => page.until('window.zuzazizo.then(z => z !== null)');
const splashShown = (page) => page.eval("!document.getElementById('splash').hidden");
const handheldShown = (page) => page.eval(
  "getComputedStyle(document.getElementById('handheld')).visibility === 'visible'");

// Screenshots for a person to look at, when WEB_TEST_SHOTS names a folder.
async function screenshot(page, name) {
  const folder = process.env.WEB_TEST_SHOTS;
  if (!folder) return;
  mkdirSync(folder, { recursive: true });
  const { data } = await page.send('Page.captureScreenshot', { format: 'png' });
  writeFileSync(`${folder}/${name}.png`, Buffer.from(data, 'base64'));
}

// Elements under a selector whose text does not fit their box.
async function clipped(page, selector) {
  return page.eval(`[...document.querySelectorAll(${JSON.stringify(selector)})]
    .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
    .map((e) => e.dataset.name || e.textContent)`);
}

// A command of another window, recorded instead of carried out.
async function recordCommand(page, name) {
  await page.eval(`import('./js/commands.js').then((m) => {
    window.ran = window.ran || [];
    m.defineCommand(${JSON.stringify(name)}, () => window.ran.push(${JSON.stringify(name)}));
  })`);
}

// The menu table as the core exports it must read as the desktop's menu does.
const desktopMenu = [
  ['About...', 'F1'], ["View 'Readme.txt'", 'F2'], ["View 'Whatsnew.txt'", 'F3'],
  ['View manual', 'F4'], ['-', ''], ['Edit configuration file', ''], ['Key settings', ''],
  ['Reset Hiscores', ''], ['-', ''], ['Display in fullscreen mode', 'F12'],
  ['Display splash screen at startup', ''], ['-', ''], ['Exit', 'Esc'],
];

test('splash: first visit, the texts and places of the core, PLAY after a choice', async (b) => {
  const page = await open(b, 'ok', {}, { asStored: true });
  await started(page);
  assert.equal(await splashShown(page), true);
  assert.equal(await handheldShown(page), false, 'the handheld waits behind the splash screen');
  const texts = await shell(page, 'z.core.splashTexts()');
  assert.equal(texts.caption, 'About this game...');
  assert.equal(texts.la_game_title, 'Zuzazizo (Corvane, Pocketeer) Simulator');
  assert.equal(texts.la_version, 'Version 5.00 * Final *');
  assert.equal(texts.chb_splashscreen, 'Display this splash screen at startup');
  assert.deepEqual(texts.cb_sound, ['Web Audio', '(no sound)']);
  const shown = await page.eval(`Object.fromEntries([...document.querySelectorAll('.splash-client > [data-name]')]
    .map((e) => [e.dataset.name, e.textContent]))`);
  for (const name of ['la_game_title', 'la_version', 'la_release_date', 'la_website_1',
    'la_website_2', 'la_email_1', 'la_email_2', 'la_sound_select', 'chb_splashscreen']) {
    assert.equal(shown[name], texts[name], name);
  }
  // Every component at its place in the client area.
  const places = await shell(page, 'z.core.splashLayout().places');
  const boxes = await page.eval(`(() => { const c = document.querySelector('.splash-client').getBoundingClientRect();
    return Object.fromEntries([...document.querySelectorAll('.splash-client > [data-name]')].map((e) => {
      const b = e.getBoundingClientRect();
      return [e.dataset.name, { left: b.left - c.left, top: b.top - c.top, width: b.width, height: b.height }];
    })); })()`);
  for (const [name, place] of Object.entries(places)) {
    if (name === 'btn_play') continue;  // hidden until a choice
    assert.deepEqual(boxes[name], place, name);
  }
  assert.deepEqual(await clipped(page, '.splash-label, .splash-check'), []);
  await page.until(`[...document.querySelectorAll('#splash img')]
    .every((i) => i.complete && i.naturalWidth > 0)`, 5000, 'every picture of the form decoded');
  assert.equal(await page.eval("document.querySelector('[data-name=la_email_2]').href"),
    'mailto:zuzazizo@example.org');
  assert.match(await page.eval("document.querySelector('[data-name=btn_paypal]').href"), /^https:/);
  assert.match(await page.eval("document.querySelector('[data-name=la_website_2]').href"), /^http:/);
  await screenshot(page, 'splash');

  // Nothing chosen: the disabled PLAY with its hint, and Enter or 1 do nothing.
  assert.equal(await page.eval("document.querySelector('[data-name=btn_play_disabled]').title"),
    'please select sound driver first');
  assert.equal(await page.eval("document.querySelector('[data-name=btn_play]').hidden"), true);
  await press(page, 'enter');
  await press(page, 'digit1');
  assert.equal(await splashShown(page), true);

  await page.eval(`(() => { const s = document.querySelector('#splash select'); s.selectedIndex = 0;
    s.dispatchEvent(new Event('change')); })()`);
  await clickOn(page, '[data-name=btn_play]');
  await page.until('window.zuzazizo.then(z => z.shell.handheldShown)');
  assert.equal(await splashShown(page), false);
  assert.equal((await state(page)).mode, mode.startup);
  assert.equal(await stored(page, 'SoundMode'), '0');
  assert.equal(await stored(page, 'SplashScreen'), '1');
  await page.until("window.zuzazizo.then(z => z.sound.context.state === 'running')", 5000,
    'PLAY is the gesture that lets the page sound');
  assert.deepEqual(page.errors, []);
});

test('splash: "(no sound)" and the box unchecked are stored, and the next start skips it', async (b) => {
  const page = await open(b, 'ok', { FullscreenMode: '0' }, { asStored: true });
  await started(page);
  await page.eval(`(() => { const s = document.querySelector('#splash select'); s.selectedIndex = 1;
    s.dispatchEvent(new Event('change')); })()`);
  await clickOn(page, '.splash-check input');
  await page.eval("document.querySelector('#splash select').focus()");
  await press(page, 'digit1');
  await page.until('window.zuzazizo.then(z => z.shell.handheldShown)');
  assert.equal(await stored(page, 'SoundMode'), '2');
  assert.equal(await stored(page, 'SplashScreen'), '0');
  assert.equal(await shell(page, 'z.sound.context'), null, 'no sound output was started');

  await page.goto(`${base}/ok/`);
  await started(page);
  assert.equal(await splashShown(page), false);
  assert.equal(await handheldShown(page), true);
  assert.equal((await state(page)).mode, mode.startup);
  assert.equal((await state(page)).sound, false);
});

test('splash: the skip rule is the desktop\'s, and a stored mode selects its item', async (b) => {
  const cases = [
    { SoundMode: '-1', SplashScreen: '0', shows: true, selected: '' },
    { SoundMode: '0', SplashScreen: '0', shows: false },
    { SoundMode: '1', SplashScreen: '0', shows: false },
    { SoundMode: '2', SplashScreen: '0', shows: false },
    { SoundMode: '1', SplashScreen: '1', shows: true, selected: 'Web Audio' },
    { SoundMode: '2', SplashScreen: '1', shows: true, selected: '(no sound)' },
    { SoundMode: '5', SplashScreen: '0', shows: true, selected: '' },
    { SoundMode: 'x', SplashScreen: '0', shows: true, selected: '' },
  ];
  for (const { shows, selected, ...storage } of cases) {
    const page = await open(b, 'ok', { ...storage, FullscreenMode: '0' }, { asStored: true });
    await started(page);
    const what = JSON.stringify(storage);
    assert.equal(await splashShown(page), shows, what);
    if (!shows) {
      assert.equal(await handheldShown(page), true, what);
      continue;
    }
    assert.equal(await page.eval(`(() => { const s = document.querySelector('#splash select');
      return s.selectedIndex < 0 ? '' : s.value; })()`), selected, what);
    assert.equal(await page.eval("document.querySelector('[data-name=btn_play]').hidden"),
      selected === '', what);
  }
});

test('context menu: the table\'s items, shortcuts and marks; hiscore and splashscreen by mouse', async (b) => {
  const page = await open(b, 'ok', { HiScore1: '500', HiScore2: '70' });
  await started(page);
  assert.equal((await state(page)).hiscore1, 500);
  await click(page, 100, 100, 'right');
  assert.equal(await page.eval("!document.getElementById('context-menu').hidden"), true);
  const rows = await page.eval(`[...document.querySelectorAll('#context-menu > *')].map((e) =>
    e.classList.contains('context-menu-separator') ? ['-', ''] :
      [e.querySelector('.caption').textContent, e.querySelector('.shortcut').textContent])`);
  assert.deepEqual(rows, desktopMenu);
  const items = await shell(page, 'z.core.menuItems().map((i) => [i.caption, i.shortcut])');
  assert.deepEqual(rows, items);
  assert.equal(await page.eval("getComputedStyle(document.querySelector('[data-name=pm_1_about] .caption')).fontWeight"), '700');
  const mark = (name) => page.eval(`document.querySelector('[data-name=${name}]').getAttribute('aria-checked')`);
  assert.equal(await mark('pm_10_fullscreen'), 'false');
  assert.equal(await mark('pm_11_splashscreen'), 'false', 'SplashScreen 0 from the store');
  assert.deepEqual(await clipped(page, '#context-menu .caption, #context-menu .shortcut'), []);
  await screenshot(page, 'context_menu');

  await clickOn(page, '[data-name=pm_8_hiscore]');
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true);
  assert.deepEqual([await stored(page, 'HiScore1'), await stored(page, 'HiScore2')], ['0', '0']);
  const s = await state(page);
  assert.deepEqual([s.hiscore1, s.hiscore2], [0, 0]);
  assert.equal(await shell(page, 'z.shell.beeps'), 1, 'one beep per reset');

  await click(page, 100, 100, 'right');
  await clickOn(page, '[data-name=pm_11_splashscreen]');
  assert.equal(await stored(page, 'SplashScreen'), '1');
  await click(page, 100, 100, 'right');
  assert.equal(await mark('pm_11_splashscreen'), 'true');
  // The popup reads the store afresh each time it opens.
  await page.eval(`localStorage.setItem('Tessaron/Dovuruza50/SplashScreen', '0')`);
  await press(page, 'escape');
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true,
    'Escape closes an open menu and does not exit');
  assert.equal(await splashShown(page), false);
  await click(page, 100, 100, 'right');
  assert.equal(await mark('pm_11_splashscreen'), 'false');
  assert.deepEqual(page.errors, []);
});

test('commands by mouse and by shortcut: F1 to F4 run theirs, F12 switches, Escape exits', async (b) => {
  const page = await open(b, 'ok');
  await started(page);
  for (const name of ['about', 'readme', 'whatsnew', 'manual']) await recordCommand(page, name);
  for (const key of ['f1', 'f2', 'f3', 'f4']) await press(page, key);
  assert.deepEqual(await page.eval('window.ran'), ['about', 'readme', 'whatsnew', 'manual']);
  // A shortcut is its key alone.
  await press(page, 'f1', { modifiers: 8 });
  assert.equal(await page.eval('window.ran.length'), 4);
  for (const name of ['pm_1_about', 'pm_2_readme', 'pm_3_whatsnew', 'pm_4_manual']) {
    await click(page, 100, 100, 'right');
    await clickOn(page, `[data-name=${name}]`);
  }
  assert.equal(await page.eval('window.ran.length'), 8);
  // The open menu has the keyboard: the handheld does not see a key, the arrows and Enter choose.
  await click(page, 100, 100, 'right');
  await press(page, 'digit3');
  assert.equal((await state(page)).mode, mode.startup, 'the key stayed in the menu');
  await tap(page, 'rawKeyDown', 'ArrowDown', 'ArrowDown', 0x28);
  await tap(page, 'rawKeyDown', 'ArrowDown', 'ArrowDown', 0x28);
  await press(page, 'enter');
  assert.equal(await page.eval('window.ran[8]'), 'readme');
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true);

  await press(page, 'f12');
  await page.until('document.fullscreenElement !== null', 5000, 'the browser in fullscreen');
  assert.equal(await stored(page, 'FullscreenMode'), '1');
  assert.equal(await page.eval("document.body.classList.contains('fullscreen-layout')"), true);
  await press(page, 'f12');
  await page.until('document.fullscreenElement === null', 5000, 'the browser back in its window');
  assert.equal(await stored(page, 'FullscreenMode'), '0');

  await click(page, 100, 100, 'right');
  await clickOn(page, '[data-name=pm_10_fullscreen]');
  await page.until('document.fullscreenElement !== null', 5000, 'fullscreen by the menu');
  await click(page, 300, 300, 'right');
  await clickOn(page, '[data-name=pm_10_fullscreen]');
  await page.until('document.fullscreenElement === null', 5000, 'windowed by the menu');

  // Exit: the splash screen again, and the handheld's time stands still behind it.
  await click(page, 100, 100, 'right');
  await clickOn(page, '[data-name=pm_14_exit]');
  assert.equal(await splashShown(page), true);
  assert.equal(await handheldShown(page), false);
  assert.equal(await shell(page, 'z.handheld.nextDueMs()'), null);
  await press(page, 'enter');
  await page.until('window.zuzazizo.then(z => z.shell.handheldShown)');
  assert.equal((await state(page)).mode, mode.startup);
  assert.notEqual(await shell(page, 'z.handheld.nextDueMs()'), null);
  await press(page, 'escape');
  assert.equal(await splashShown(page), true, 'Escape is Exit');
  await press(page, 'escape');
  assert.equal(await splashShown(page), true, 'the splash screen stays: a page cannot close');
  await press(page, 'f1');
  assert.equal(await page.eval('window.ran.length'), 9, 'no shortcuts behind the splash screen');
  assert.deepEqual(page.errors, []);
});

test('fullscreen mode: laid out at once, the browser follows at the first key; scale keys', async (b) => {
  const p = await open(b, 'ok', { FullscreenMode: '1' });
  await viewport(p, 1300, 800);
  await p.goto(`${base}/ok/`);
  await started(p);
  const canvas = () => p.eval(`(() => { const c = document.getElementById('handheld');
    const r = c.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()`);
  assert.deepEqual(await canvas(), [0, 0, 1300, 800], 'the canvas covers the viewport');
  assert.equal(await p.eval('document.fullscreenElement'), null, 'no fullscreen before a gesture');
  const logo = await shell(p, `z.handheld.images()[z.core.imageId('im_backdrop_logo')]`);
  assert.equal(logo.visible, true);
  assert.equal(logo.left + logo.width, 1300, 'the logo in the top-right corner');
  await press(p, 'digit3');
  await p.until('document.fullscreenElement !== null', 5000, 'fullscreen at the first key');
  assert.equal((await state(p)).mode, mode.time1, 'the key still reached the handheld');
  await screenshot(p, 'fullscreen');

  // Ctrl with + and - choose FullscreenScale, Ctrl+0 the game at its own size.
  const width = await p.eval('window.innerWidth');
  const height = await p.eval('window.innerHeight');
  const fit = Math.min(width / 609, height / 377);
  const cases = [
    { keys: [['Equal', '=']], scale: '1', factor: Math.floor(fit) > 1 ? Math.floor(fit) : 1 },
    { keys: [['Equal', '=']], scale: '2', factor: fit },
    { keys: [['Equal', '=']], scale: '2', factor: fit },
    { keys: [['Minus', '-'], ['Minus', '-']], scale: '0', factor: 1 },
    { keys: [['Equal', '='], ['Digit0', '0']], scale: '0', factor: 1 },
  ];
  for (const { keys: strokes, scale, factor } of cases) {
    for (const [code, key] of strokes) await ctrlKey(p, code, key);
    await shell(p, 'z.display.laidOut');
    assert.equal(await stored(p, 'FullscreenScale'), scale);
    assert.ok(Math.abs(await shell(p, 'z.core.view().factor') - factor) < 1e-6, `scale ${scale}`);
  }
  assert.equal(await stored(p, 'Zoom'), null, 'the windowed zoom is left alone');

  // The game area lands where the view says: GAME A pressed by the mouse in the fitted view.
  await ctrlKey(p, 'Equal', '=');
  await ctrlKey(p, 'Equal', '=');
  await shell(p, 'z.display.laidOut');
  const v = await shell(p, 'z.core.view()');
  const image = await shell(p, `z.handheld.images()[z.core.imageId('btn_game_a_top')]`);
  const x = v.windowLeft + (image.left + image.width / 2 - v.gameLeft) * v.factor;
  const y = v.windowTop + (image.top + image.height / 2 - v.gameTop) * v.factor;
  // What the press changes on the canvas is the pressed button's picture, where the view puts it.
  const snapshot = `(z.painter.paintNow(), document.getElementById('handheld').getContext('2d')
    .getImageData(0, 0, ${width}, ${height}).data)`;
  await shell(p, `(window.before = ${snapshot}, 0)`);
  await p.mouse('mouseMoved', x, y);
  await p.mouse('mousePressed', x, y);
  assert.equal((await state(p)).mode, mode.readyA);
  const down = await shell(p, `z.handheld.images()[z.core.imageId('btn_game_a_down')]`);
  // The part of the pressed picture that is not see-through, in game pixels.
  const drawn = await shell(p, `(async () => {
    const path = z.pictures.entries[${down.picture}].path.replace('/site/', '');
    const bitmap = await createImageBitmap(await (await fetch(path)).blob());
    const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    c.drawImage(bitmap, 0, 0);
    const px = c.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const box = { left: bitmap.width, top: bitmap.height, right: 0, bottom: 0 };
    for (let y = 0; y < bitmap.height; y++) for (let x = 0; x < bitmap.width; x++) {
      if (px[(y * bitmap.width + x) * 4 + 3] === 0) continue;
      box.left = Math.min(box.left, x); box.right = Math.max(box.right, x + 1);
      box.top = Math.min(box.top, y); box.bottom = Math.max(box.bottom, y + 1);
    }
    return box;
  })()`);
  const expected = {
    left: v.windowLeft + (down.left + drawn.left - v.gameLeft) * v.factor,
    top: v.windowTop + (down.top + drawn.top - v.gameTop) * v.factor,
    right: v.windowLeft + (down.left + drawn.right - v.gameLeft) * v.factor,
    bottom: v.windowTop + (down.top + drawn.bottom - v.gameTop) * v.factor,
  };
  // Around the button only: the press also changes the LCD, far from it.
  const changed = await shell(p, `(() => {
    const after = ${snapshot};
    const box = { left: ${width}, top: ${height}, right: -1, bottom: -1 };
    const around = 20;
    for (let py = Math.floor(${expected.top}) - around; py < ${expected.bottom} + around; py++) {
      for (let px = Math.floor(${expected.left}) - around; px < ${expected.right} + around; px++) {
        const i = (py * ${width} + px) * 4;
        if (Math.abs(after[i] - before[i]) + Math.abs(after[i + 1] - before[i + 1]) +
            Math.abs(after[i + 2] - before[i + 2]) < 30) continue;
        box.left = Math.min(box.left, px); box.right = Math.max(box.right, px);
        box.top = Math.min(box.top, py); box.bottom = Math.max(box.bottom, py);
      }
    }
    return box;
  })()`);
  const middle = (box) => [(box.left + box.right) / 2, (box.top + box.bottom) / 2];
  const [cx, cy] = middle(changed);
  const [ex, ey] = middle(expected);
  assert.ok(changed.left >= expected.left - 2 && changed.right <= expected.right + 2 &&
    changed.top >= expected.top - 2 && changed.bottom <= expected.bottom + 2 &&
    Math.abs(cx - ex) <= 2 && Math.abs(cy - ey) <= 2,
    `pressed GAME A changed ${JSON.stringify(changed)}, its picture lies at ${JSON.stringify(expected)}`);
  await p.mouse('mouseReleased', x, y);
  assert.deepEqual(p.errors, []);
});

test('game menu: the table\'s rows under the button, a row runs its command, right click folds', async (b) => {
  const page = await open(b, 'ok', { FullscreenMode: '1', SplashScreen: '1', SoundMode: '0' },
    { asStored: true });
  await started(page);
  await press(page, 'enter');
  await page.until('window.zuzazizo.then(z => z.shell.handheldShown)');
  const background = () => shell(page, `z.handheld.images()[z.core.imageId('btn_game_menu_background')]`);
  assert.deepEqual(Object.values(await background()).slice(0, 1), [true]);
  assert.deepEqual([(await background()).width, (await background()).height], [36, 32]);
  await click(page, 10, 10);
  assert.deepEqual([(await background()).width, (await background()).height], [256, 448]);
  const rows = await page.eval("[...document.querySelectorAll('#game-menu > *')].map((e) => e.textContent)");
  assert.deepEqual(rows, await shell(page, 'z.core.gameMenuRows(true, true).map((r) => r.text)'));
  assert.deepEqual(rows, desktopMenu.map(([caption]) => caption === '-' ? '' :
    `   ${caption}${/fullscreen|splash/.test(caption) ? ' [V]' : ''}`));
  const boxes = await page.eval(`[...document.querySelectorAll('#game-menu > *')].map((e) => {
    const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })`);
  boxes.forEach((box, i) => assert.deepEqual(box, [0, 32 * (i + 1), 256, 32], `row ${i + 1}`));
  assert.deepEqual(await clipped(page, '#game-menu > *'), []);
  await screenshot(page, 'game_menu');
  // The title row of the picture is opaque black, the panel below it lets the backdrop through.
  const pixel = (x, y) => shell(page, `(z.painter.paintNow(), Array.from(document
    .getElementById('handheld').getContext('2d').getImageData(${x}, ${y}, 1, 1).data))`);
  assert.deepEqual(await pixel(250, 2), [0, 0, 0, 255]);

  // A separator is inert; the splash row switches the setting and folds the menu.
  await click(page, 100, 32 * 5 + 16);
  assert.equal(await page.eval("document.getElementById('game-menu').hidden"), false);
  await click(page, 100, 32 * 11 + 16);
  assert.equal(await stored(page, 'SplashScreen'), '0');
  assert.equal(await page.eval("document.getElementById('game-menu').hidden"), true);
  assert.deepEqual([(await background()).width, (await background()).height], [36, 32]);

  // Opened again: the marks of this moment; a right click folds it before the popup shows.
  await click(page, 10, 10);
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *')[10].textContent"),
    '   Display splash screen at startup');
  await click(page, 100, 32 * 3 + 16, 'right');
  assert.equal(await page.eval("document.getElementById('game-menu').hidden"), true,
    'a right click on a row is one on the window too');
  assert.equal(await page.eval("!document.getElementById('context-menu').hidden"), true);
  await press(page, 'escape');

  // The fullscreen row switches to windowed mode: no button, no rows.
  await click(page, 10, 10);
  await click(page, 100, 32 * 10 + 16);
  assert.equal(await stored(page, 'FullscreenMode'), '0');
  assert.equal((await background()).visible, false);
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *').length"), 0);
  // F12 with the menu unfolded switches the mode and leaves no rows behind.
  await press(page, 'f12');
  await click(page, 10, 10);
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *').length"), 13);
  await press(page, 'f12');
  assert.equal(await stored(page, 'FullscreenMode'), '0');
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *').length"), 0);
  assert.deepEqual(page.errors, []);
});

test('touch: a long press beside the buttons opens the menu, on a button it holds the button', async (b) => {
  const page = await open(b, 'ok');
  await started(page);
  await tap(page, 'rawKeyDown', 'Digit3', '3', vk.digit3);
  await tap(page, 'keyUp', 'Digit3', '3', vk.digit3);
  const box = await page.eval(`(() => { const r = document.getElementById('handheld').getBoundingClientRect();
    return { x: r.left + 20, y: r.top + r.height / 2 }; })()`);
  await page.touch('touchStart', [{ ...box, id: 1 }]);
  await sleep(800);
  await page.touch('touchEnd', []);
  assert.equal(await page.eval("!document.getElementById('context-menu').hidden"), true);
  await page.touch('touchStart', [{ x: 2, y: 2, id: 2 }]);
  await page.touch('touchEnd', []);
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true,
    'a touch elsewhere closes it');

  const gameA = await centreOf(page, 'btn_game_a_top');
  await page.touch('touchStart', [{ ...gameA, id: 3 }]);
  await sleep(800);
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true);
  assert.equal((await state(page)).mode, mode.readyA);
  await page.touch('touchEnd', []);
  assert.equal((await state(page)).mode, mode.gameA);
  // A short touch beside the buttons is no long press.
  await page.touch('touchStart', [{ ...box, id: 4 }]);
  await page.touch('touchEnd', []);
  await sleep(700);
  assert.equal(await page.eval("document.getElementById('context-menu').hidden"), true);
});

await runTests(tests);
