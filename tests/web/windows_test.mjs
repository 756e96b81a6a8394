// The page's windows in a headless Chromium: the key settings dialog, the manual viewer, the about
// box and the three documents, each opened by its command, used and closed; and the page on a
// phone-sized screen in both orientations, by touch. Usage: node windows_test.mjs <base URL>
import assert from 'node:assert/strict';
import { copyFileSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { base, imageRect, mode, runTests, state, stored, tap, vk } from './page_lib.mjs';
import {
  assertNoErrors, boxes, click, clippedTexts, isOpen, keyPress, middle, quotedTexts, run,
  selector, started,
} from './windows_lib.mjs';
import { phoneTests } from './windows_phone.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

const keys = selector('keys');
const listsShow = (page) => page.eval(`[...document.querySelectorAll('${keys} select')]
  .map(s => s.selectedIndex)`);
const labelColours = (page) => page.eval(`[...document.querySelectorAll('${keys} .label:not(.heading)')]
  .map(l => getComputedStyle(l).color === 'rgb(255, 0, 0)' ? 'red' : getComputedStyle(l).color)`);
const acceptDisabled = (page) => page.eval(`document.querySelector('${keys} .accept').disabled`);
// A list shows another key as when the player picks it.
const choose = (page, slot, position) => page.eval(`(() => {
  const s = document.querySelector('${keys} select[data-slot="${slot}"]');
  s.selectedIndex = ${position};
  s.dispatchEvent(new Event('change'));
})()`);
const white = 'rgb(255, 255, 255)';

test('key dialog: its texts from the core, its size, centred, the first list focused', async (b) => {
  const page = await started(b);
  assert.equal(await run(page, 'keys'), true);
  assert.equal(await isOpen(page, 'keys'), true);
  const { outer, clientSize } = await boxes(page, 'keys');
  assert.deepEqual(clientSize, [448, 195]);
  const viewport = await page.eval('[window.innerWidth, window.innerHeight]');
  assert.equal(outer.left, Math.floor((viewport[0] - outer.width) / 2));
  assert.equal(outer.top, Math.floor((viewport[1] - outer.height) / 2));
  const texts = await page.eval(`[...document.querySelectorAll(
    '${keys} .caption-bar, ${keys} .label, ${keys} .accept')].map(e => e.textContent)`);
  const core = quotedTexts('src/core/input/key_dialog_layout.h');
  assert.deepEqual(texts, ['Key settings', 'Main operations', 'Game A', 'Game B', 'Time',
    'Game controls', 'Light', 'Left', 'Right', '- ACCEPT -']);
  for (const text of texts) assert.ok(core.includes(text), `${text} is the core's`);
  assert.equal(await page.eval(`document.activeElement.dataset.slot`), '1');
  const items = await page.eval(`[...document.querySelector('${keys} select').options].map(o => o.text)`);
  assert.equal(items.length, 44);
  assert.deepEqual(await listsShow(page), [1, 2, 3, 5, 38, 39], 'the stored bindings');
  assert.deepEqual(await clippedTexts(page), []);
  assertNoErrors(page);
});

test('key dialog: the conflict rule marks labels red and holds accept and Enter', async (b) => {
  const page = await started(b);
  await run(page, 'keys');
  // The arrow keys move the focused list, as the player would.
  await tap(page, 'rawKeyDown', 'Tab', 'Tab', 9);
  await tap(page, 'keyUp', 'Tab', 'Tab', 9);
  await keyPress(page, 'ArrowUp', 'ArrowUp', 0x26);
  assert.deepEqual(await listsShow(page), [1, 1, 3, 5, 38, 39]);
  assert.deepEqual(await labelColours(page), ['red', 'red', white, white, white, white]);
  assert.equal(await acceptDisabled(page), true);
  await keyPress(page, 'Enter', 'Enter', 0x0d);
  assert.equal(await isOpen(page, 'keys'), true, 'Enter does nothing while keys are shared');
  await choose(page, 4, 1);
  assert.deepEqual(await labelColours(page), ['red', 'red', white, 'red', white, white]);
  await choose(page, 2, 7);
  assert.deepEqual(await labelColours(page), ['red', white, white, 'red', white, white]);
  assert.equal(await acceptDisabled(page), true);
  await choose(page, 4, 5);
  assert.deepEqual(await labelColours(page), Array(6).fill(white));
  assert.equal(await acceptDisabled(page), false);
  // The handheld hears nothing while the dialog is open: not a key, not a press.
  await keyPress(page, 'Digit3', '3', vk.digit3);
  const canvas = await middle(page, '#handheld');
  await click(page, { x: canvas.x, y: 5 });
  assert.equal((await state(page)).mode, mode.startup);
  assert.equal(await isOpen(page, 'keys'), true);
  await keyPress(page, 'Enter', 'Enter', 0x0d);
  assert.equal(await isOpen(page, 'keys'), false, 'Enter accepts');
  assert.equal(await stored(page, 'Key2'), '8', 'the choice number of the eighth key');
  assertNoErrors(page);
});

test('key dialog: Escape keeps the bindings and the unsaved choice; accept rebinds LEFT', async (b) => {
  const page = await started(b);
  await run(page, 'keys');
  const up = await page.eval(`[...document.querySelector('${keys} select').options]
    .findIndex(o => o.text === '<UP ARROW>')`);
  await choose(page, 5, up);
  await keyPress(page, 'Escape', 'Escape', 0x1b);
  assert.equal(await isOpen(page, 'keys'), false);
  assert.equal(await stored(page, 'Key5'), '39');
  const bound = (key) => page.eval(`window.zuzazizo.then(z => z.handheld.isBound(${key}))`);
  assert.equal(await bound(0x26), false, 'the up arrow still works no button');
  await run(page, 'keys');
  assert.equal((await listsShow(page))[4], up, 'the unsaved choice is shown again');
  await click(page, await middle(page, `${keys} .accept`));
  assert.equal(await isOpen(page, 'keys'), false);
  assert.equal(await stored(page, 'Key5'), String(up + 1));
  assert.equal(await bound(0x26), true);
  const left = await imageRect(page, 'btn_left_top');
  const hint = await page.eval(`window.zuzazizo.then(z => z.handheld.hint(z.handheld.hitAt(
    ${left.left + left.width / 2}, ${left.top + left.height / 2})))`);
  assert.match(hint, /up arrow/);
  // The up arrow now moves the batter left, in a game.
  await keyPress(page, 'Digit3', '3', vk.digit3);
  await keyPress(page, 'Digit1', '1', vk.digit1);
  assert.equal((await state(page)).mode, mode.gameA);
  assertNoErrors(page);
});

// ---- The manual viewer.

const manual = selector('manual');

// The page on view against the built picture of that page (or another file of the manual),
// decoded afresh: the largest channel difference.
const pageDifference = (page, n, file = `${n}.bmp`) => page.eval(`(async () => {
  const canvas = document.querySelector('${manual} canvas.page');
  const a = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const blob = await (await fetch('Graphics/Manual/${file}', { cache: 'no-cache' })).blob();
  const bitmap = await createImageBitmap(blob, { colorSpaceConversion: 'none' });
  const expected = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
  expected.drawImage(bitmap, 0, 0);
  const b = expected.getImageData(0, 0, canvas.width, canvas.height).data;
  let largest = bitmap.width === canvas.width && bitmap.height === canvas.height ? 0 : 255;
  for (let i = 0; i < a.length; i++) largest = Math.max(largest, Math.abs(a[i] - b[i]));
  return largest;
})()`);
const buttonsShown = (page) => page.eval(`Object.fromEntries([...document.querySelectorAll(
  '${manual} canvas.button')].map(c => [c.className.replace('button ', ''), !c.hidden]))`);
const manualPage = (page) => page.eval('window.zuzazizo.then(z => z.windows.manual.manual_page)');

test('manual: every page equals its picture; the arrow keys turn on release, one per hold', async (b) => {
  const page = await started(b);
  await run(page, 'manual');
  await page.until(`document.querySelector('${manual}:not([hidden])') !== null`);
  const { clientSize } = await boxes(page, 'manual');
  const ini = await page.eval("fetch('Config.ini').then(r => r.text())");
  assert.deepEqual(clientSize, [Number(/ManualWidth=(\d+)/.exec(ini)[1]),
    Number(/ManualHeight=(\d+)/.exec(ini)[1])]);
  assert.deepEqual(await buttonsShown(page), { 'close down': true, 'close up': true,
    'left down': false, 'left up': false, 'right down': true, 'right up': true });
  for (let n = 1; n <= 8; n++) {
    assert.equal(await manualPage(page), n);
    assert.equal(await pageDifference(page, n), 0, `page ${n}`);
    const shown = await buttonsShown(page);
    assert.equal(shown['left up'], n > 1);
    assert.equal(shown['right up'], n < 8);
    await page.key('rawKeyDown', 'ArrowRight', 'ArrowRight', 0x27);
    if (n < 8) assert.equal((await buttonsShown(page))['right up'], false, 'pressed');
    assert.equal(await manualPage(page), n, 'the page turns on the release');
    await page.key('keyUp', 'ArrowRight', 'ArrowRight', 0x27);
  }
  assert.equal(await manualPage(page), 8, 'no page after the last');
  // A held key repeats its press and is released once: one page.
  for (let i = 0; i < 5; i++) {
    await page.key('rawKeyDown', 'ArrowLeft', 'ArrowLeft', 0x25, { autoRepeat: i > 0 });
  }
  await page.key('keyUp', 'ArrowLeft', 'ArrowLeft', 0x25);
  assert.equal(await manualPage(page), 7);
  assert.equal((await state(page)).mode, mode.startup, 'the handheld heard none of it');
  await keyPress(page, 'Escape', 'Escape', 0x1b);
  assert.equal(await isOpen(page, 'manual'), false);
  assertNoErrors(page);
});

test('manual: buttons by mouse, reopened where it was left, dragged by its page', async (b) => {
  const page = await started(b);
  await run(page, 'manual');
  await page.until(`document.querySelector('${manual}:not([hidden])') !== null`);
  const next = await middle(page, `${manual} canvas.right.up`);
  await click(page, next, 'right');
  assert.equal(await manualPage(page), 1, 'the right mouse button does nothing');
  await page.mouse('mouseMoved', next.x, next.y);
  await page.mouse('mousePressed', next.x, next.y);
  assert.equal((await buttonsShown(page))['right up'], false, 'the pressed picture shows');
  assert.equal(await manualPage(page), 1);
  await page.mouse('mouseReleased', next.x, next.y);
  assert.equal(await manualPage(page), 2);
  for (let n = 2; n < 5; n++) await click(page, next);
  assert.equal(await manualPage(page), 5);
  // Dragged by the page: the window moves by the pointer's own movement.
  const before = (await boxes(page, 'manual')).outer;
  const grip = { x: before.left + 100, y: before.top + 100 };
  await page.mouse('mouseMoved', grip.x, grip.y);
  await page.mouse('mousePressed', grip.x, grip.y);
  await page.mouse('mouseMoved', grip.x - 40, grip.y + 25);
  await page.mouse('mouseReleased', grip.x - 40, grip.y + 25);
  const after = (await boxes(page, 'manual')).outer;
  assert.deepEqual([after.left - before.left, after.top - before.top], [-40, 25]);
  assert.equal(await manualPage(page), 5, 'a drag turns no page');
  await click(page, await middle(page, `${manual} canvas.close.up`));
  assert.equal(await isOpen(page, 'manual'), false);
  await run(page, 'manual');
  await page.until(`document.querySelector('${manual}:not([hidden])') !== null`);
  assert.equal(await manualPage(page), 5);
  assert.equal(await pageDifference(page, 5), 0);
  const shown = await buttonsShown(page);
  assert.equal(shown['left up'] && shown['right up'], true, 'both page buttons on page 5');
  assert.deepEqual((await boxes(page, 'manual')).outer, after, 'where it was left');
  // The viewer is not modal: a press on the handheld gives it the keys again.
  const gameA = await page.eval(`(() => { const b = document.getElementById('handheld')
    .getBoundingClientRect(); return { x: b.left + 3, y: b.top + 3 }; })()`);
  await click(page, gameA);
  await keyPress(page, 'Digit3', '3', vk.digit3);
  assert.equal((await state(page)).mode, mode.time1);
  assert.equal(await isOpen(page, 'manual'), true);
  assertNoErrors(page);
});

// On a screen of pixel ratio 2 a page shows its drawing with twice the pixels, at the page's
// size; a page whose larger drawing is missing (2) or of the page's own size (3) shows itself.
// The buttons show their finer drawing.
test('manual: at pixel ratio 2 the pages drawn with twice the pixels, where they fit', async (b) => {
  const dir = join(process.env.WEB_SITE_DIR, 'Graphics', 'Manual');
  const third = readFileSync(join(dir, '3@2x.png'));
  renameSync(join(dir, '2@2x.png'), join(dir, '2@2x.png.away'));
  copyFileSync(join(dir, '3.bmp'), join(dir, '3@2x.png'));
  try {
    // The site changed under the browser: what the tests before kept offline goes first.
    const blank = await b.newPage();
    await blank.send('Storage.clearDataForOrigin',
      { origin: new URL(base).origin, storageTypes: 'service_workers,cache_storage' });
    const page = await started(b);
    await page.send('Emulation.setDeviceMetricsOverride',
      { width: 1024, height: 768, deviceScaleFactor: 2, mobile: false });
    assert.equal(await page.eval('window.devicePixelRatio'), 2);
    await run(page, 'manual');
    await page.until(`document.querySelector('${manual}:not([hidden])') !== null`);
    const canvasSizes = () => page.eval(`(() => { const c = document.querySelector('${manual} canvas.page');
      const r = c.getBoundingClientRect(); return [c.width, c.height, r.width, r.height]; })()`);
    for (let n = 1; n <= 8; n++) {
      assert.equal(await manualPage(page), n);
      const larger = n !== 2 && n !== 3;
      assert.deepEqual(await canvasSizes(), larger ? [780, 600, 390, 300] : [390, 300, 390, 300],
        `page ${n}`);
      assert.equal(await pageDifference(page, n, larger ? `${n}@2x.png` : `${n}.bmp`), 0, `page ${n}`);
      await keyPress(page, 'ArrowRight', 'ArrowRight', 0x27);
    }
    assert.deepEqual((await boxes(page, 'manual')).clientSize, [390, 300]);
    // The buttons too: twice the pixels at their own size, drawn finer than doubled.
    const buttons = await page.eval(`[...document.querySelectorAll('${manual} canvas.button')].map((c) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      const at = (x, y) => d[(y * c.width + x) * 4] * 65536 + d[(y * c.width + x) * 4 + 1] * 256 + d[(y * c.width + x) * 4 + 2];
      let split = 0;
      for (let y = 0; y < c.height; y += 2) for (let x = 0; x < c.width; x += 2) {
        if (at(x + 1, y) !== at(x, y) || at(x, y + 1) !== at(x, y) || at(x + 1, y + 1) !== at(x, y)) split++;
      }
      return [c.width, c.height, c.style.width, c.style.height, split > 4];
    })`);
    assert.equal(buttons.length, 6);
    for (const button of buttons) assert.deepEqual(button, [32, 28, '16px', '14px', true]);
    assertNoErrors(page);
  } finally {
    writeFileSync(join(dir, '3@2x.png'), third);
    renameSync(join(dir, '2@2x.png.away'), join(dir, '2@2x.png'));
  }
});

// ---- The about box and the documents.

// The next event of the browser itself (not of a page), of the given methods, that passes
// `predicate`.
function browserEvent(browser, method, predicate) {
  return new Promise((resolve) => {
    const listener = (message) => {
      if (message.sessionId || !method.includes(message.method) || !predicate(message.params)) return;
      browser.listeners.splice(browser.listeners.indexOf(listener), 1);
      resolve(message.params);
    };
    browser.listeners.push(listener);
  });
}

const about = selector('about');

test('about box: the core\'s texts and picture; Escape, the close box and a link close it', async (b) => {
  const page = await started(b);
  await page.eval(`Promise.resolve(window.zuzazizoModules.documents).then(m => { window.opened = [];
    m.setLinkOpener(url => window.opened.push(url)); })`);
  await run(page, 'about');
  assert.equal(await isOpen(page, 'about'), true);
  assert.deepEqual((await boxes(page, 'about')).clientSize, [397, 176]);
  const texts = await page.eval(`[...document.querySelectorAll(
    '${about} .caption-bar .caption, ${about} .client span')].map(e => e.textContent)`);
  const core = [...quotedTexts('src/core/windows/about_texts.h'),
    ...quotedTexts('src/core/common/program_release.h')];
  assert.equal(texts[0], 'About the author...');
  assert.equal(texts.length, 15);
  for (const text of texts) {
    assert.ok(core.some((c) => c.includes(text)), `"${text}" is the core's`);
  }
  await page.until(`document.querySelector('${about} img').complete`);
  assert.deepEqual(await page.eval(`(() => { const i = document.querySelector('${about} img');
    return [i.naturalWidth, i.naturalHeight, i.offsetLeft, i.offsetTop]; })()`), [116, 160, 8, 8]);
  assert.deepEqual(await clippedTexts(page), []);
  await keyPress(page, 'Escape', 'Escape', 0x1b);
  assert.equal(await isOpen(page, 'about'), false);
  assert.equal((await state(page)).mode, mode.startup, 'the handheld runs on underneath');
  await run(page, 'about');
  await click(page, await middle(page, `${about} .close-box`));
  assert.equal(await isOpen(page, 'about'), false);
  // Opened again while open, above the manual: it comes to the front.
  await run(page, 'about');
  await run(page, 'manual');
  await page.until(`document.querySelector('${manual}:not([hidden])') !== null`);
  await run(page, 'about');
  assert.ok(await page.eval(`Number(document.querySelector('${about}').style.zIndex) >
    Number(document.querySelector('${manual}').style.zIndex)`));
  await click(page, await middle(page, `${about} .link`));
  assert.equal(await isOpen(page, 'about'), false);
  await run(page, 'about');
  await click(page, await middle(page, `${about} .link:last-of-type`));
  assert.deepEqual(await page.eval('window.opened'),
    ['http://www.example.org/zuzazizo/about/', 'mailto:zuzazizo@example.org']);
  assert.equal(await isOpen(page, 'about'), false);
  assertNoErrors(page);
});

test('a key held for the handheld while a window opens is released to the handheld', async (b) => {
  const page = await started(b);
  await keyPress(page, 'Digit3', '3', vk.digit3);
  await page.key('rawKeyDown', 'Digit1', '1', vk.digit1);
  assert.equal((await state(page)).mode, mode.readyA);
  await run(page, 'about');
  await page.key('rawKeyDown', 'Digit1', '1', vk.digit1, { autoRepeat: true });
  await page.key('keyUp', 'Digit1', '1', vk.digit1);
  assert.equal((await state(page)).mode, mode.gameA, 'GAME A let go: the game starts');
  assert.equal(await isOpen(page, 'about'), true);
  await keyPress(page, 'Digit2', '2', vk.digit2);
  assert.equal((await state(page)).mode, mode.gameA, 'the about box has the keys now');
  assertNoErrors(page);
});

test('documents: Readme.txt, Whatsnew.txt and Config.ini open as text in new tabs', async (b) => {
  const page = await started(b);
  const site = process.env.WEB_SITE_DIR;
  await b.send('Target.setDiscoverTargets', { discover: true });
  const seen = new Set();
  for (const [command, file] of [['readme', 'Readme.txt'], ['whatsnew', 'Whatsnew.txt'],
    ['config', 'Config.ini']]) {
    const created = browserEvent(b, ['Target.targetCreated', 'Target.targetInfoChanged'],
      (p) => p.targetInfo.url.startsWith('blob:') && !seen.has(p.targetInfo.targetId));
    assert.equal(await run(page, command), true);
    const { targetInfo } = await created;
    seen.add(targetInfo.targetId);
    const { sessionId } = await b.send('Target.attachToTarget',
      { targetId: targetInfo.targetId, flatten: true });
    await b.send('Runtime.enable', {}, sessionId);
    let shown = '';
    for (let i = 0; i < 100 && shown === ''; i++) {
      const { result } = await b.send('Runtime.evaluate', { expression:
        "document.readyState === 'complete' ? document.body.innerText : ''",
      returnByValue: true }, sessionId);
      shown = result.value;
      if (shown === '') await new Promise((r) => setTimeout(r, 50));
    }
    const expected = readFileSync(join(site, file), 'utf8');
    assert.equal(shown.replace(/\r?\n$/, ''), expected.replace(/\r\n/g, '\n').replace(/\n$/, ''));
    await b.send('Target.closeTarget', { targetId: targetInfo.targetId });
  }
  assertNoErrors(page);
});

tests.push(...phoneTests);
runTests(tests);
