// Fullscreen on the page in a headless Chromium: the layout over the viewport, the browser's own
// fullscreen after a gesture, the scale keys, the painting through the view and the game menu.
// Usage: node fullscreen_test.mjs <base URL>
import assert from 'node:assert/strict';
import { base, mode, open, runTests, state, stored } from './page_lib.mjs';
import {
  click, clipped, ctrlKey, desktopMenu, press, screenshot, shell, started, viewport,
} from './shell_lib.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

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

  // A viewport of a new size is a new screen: laid out again over all of it.
  await viewport(p, 1000, 700);
  await p.until(`(() => { const r = document.getElementById('handheld').getBoundingClientRect();
    return r.width === 1000 && r.height === 700; })()`, 5000, 'the canvas over the new viewport');
  const moved = await shell(p, `z.handheld.images()[z.core.imageId('im_backdrop_logo')]`);
  assert.equal(moved.left + moved.width, 1000, 'the logo in the new top-right corner');
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
  // The fullscreen layout comes after the browser's own fullscreen: its button is there then.
  await page.until(`window.zuzazizo.then(z => z.handheld.images()[z.core.imageId('btn_game_menu_background')].visible)`,
    5000, 'the game menu button in the fullscreen layout');
  await click(page, 10, 10);
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *').length"), 13);
  await press(page, 'f12');
  assert.equal(await stored(page, 'FullscreenMode'), '0');
  assert.equal(await page.eval("document.querySelectorAll('#game-menu > *').length"), 0);
  assert.deepEqual(page.errors, []);
});

await runTests(tests);
