// The web page in a headless Chromium: start-up, pixels, keys, mouse, fingers, time, sound,
// settings and errors. Usage: node page_test.mjs <base URL>
// The base URL serves the built site under ok/ and broken copies of it beside (see run.sh).
import assert from 'node:assert/strict';
import { Browser } from './cdp.mjs';

const base = process.argv[2];
const prefix = 'Tessaron/Dovuruza50/';
const mode = { startup: 0, time1: 1, readyA: 6, gameA: 8, gameOver: 10 };
const vk = { digit1: 0x31, digit2: 0x32, digit3: 0x33, left: 0x25, right: 0x27, shift: 0x10 };

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The rectangle of an image as Config.ini lays it out, found by the comment naming its section.
async function imageRect(page, name) {
  return page.eval(`fetch('Config.ini').then(r => r.text()).then(text => {
    const section = text.split('; ${name}\\n')[1].split('[')[0];
    const value = (key) => Number(new RegExp(key + '=(-?\\\\d+)').exec(section)[1]);
    return { left: value('Left'), top: value('Top'), width: value('Width'), height: value('Height') };
  })`);
}

// The viewport point at the middle of an image.
async function centreOf(page, name) {
  const r = await imageRect(page, name);
  const box = await page.eval(`(() => { const b = document.getElementById('handheld')
    .getBoundingClientRect(); return { x: b.left, y: b.top }; })()`);
  return { x: box.x + r.left + r.width / 2, y: box.y + r.top + r.height / 2 };
}

async function open(browser, site, storage = null) {
  const page = await browser.newPage();
  // The storage belongs to the origin: a blank page of it is filled before the page starts.
  await page.goto(`${base}/${site}/style.css`);
  await page.eval('localStorage.clear()');
  if (storage) {
    for (const [name, text] of Object.entries(storage)) {
      await page.eval(`localStorage.setItem(${JSON.stringify(prefix + name)}, ${JSON.stringify(text)})`);
    }
  }
  await page.goto(`${base}/${site}/`);
  return page;
}

async function state(page) {
  return page.eval('window.zuzazizo.then(z => z.handheld.gameState())');
}

async function stored(page, name) {
  return page.eval(`localStorage.getItem(${JSON.stringify(prefix + name)})`);
}

async function message(page) {
  return page.eval(`document.getElementById('message-box').hidden ? '' :
    document.getElementById('message-text').textContent`);
}

async function tap(page, type, code, key, code_vk, extra) {
  await page.key(type, code, key, code_vk, extra);
}

// TIME leaves the all-segments display, where GAME A would only show the clock.
async function leaveStartup(page) {
  await tap(page, 'rawKeyDown', 'Digit3', '3', vk.digit3);
  await tap(page, 'keyUp', 'Digit3', '3', vk.digit3);
  assert.equal((await state(page)).mode, mode.time1);
}

// The canvas against the skin's own pictures: every visible image, decoded afresh by the browser
// and laid over the page's background in stacking order, must give the pixels the page painted
// one changed rectangle at a time. Returns the largest channel difference.
async function largestDifferenceFromPictures(page) {
  return page.eval(`window.zuzazizo.then(async (z) => {
    // The canvas and the model are taken together: the handheld runs on while pictures load.
    z.painter.paintNow();
    const canvas = document.getElementById('handheld');
    const a = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const images = z.handheld.images();
    const expected = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
    const paths = new Map(z.pictures.entries.map((e, i) => [i, e.path]));
    for (const image of images) {
      if (!image.visible || image.picture < 1) continue;
      const url = paths.get(image.picture).replace('/site/', '');
      const blob = await (await fetch(url)).blob();
      const bitmap = await createImageBitmap(blob, { colorSpaceConversion: 'none' });
      expected.save();
      expected.beginPath();
      expected.rect(image.left, image.top, image.width, image.height);
      expected.clip();
      expected.drawImage(bitmap, image.left, image.top);
      expected.restore();
    }
    const b = expected.getImageData(0, 0, canvas.width, canvas.height).data;
    let largest = 0;
    for (let i = 0; i < a.length; i++) largest = Math.max(largest, Math.abs(a[i] - b[i]));
    return largest;
  })`);
}

const tests = [];
const test = (name, body) => tests.push({ name, body });

test('start-up: all segments at once, painted exactly from the pictures at zoom 1', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  assert.equal((await state(page)).mode, mode.startup);
  assert.equal(await message(page), '');
  assert.equal(await largestDifferenceFromPictures(page), 0);
  // Key1..Key6 are written back at the first start, as on the desktop.
  assert.deepEqual(await Promise.all([1, 2, 3, 4, 5, 6].map((n) => stored(page, `Key${n}`))),
    ['2', '3', '4', '6', '39', '40']);
  assert.deepEqual(page.errors, []);
});

test('keys: the digit row by its place, a game by key, repainted only where it changed', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await tap(page, 'keyDown', 'Digit3', '3', vk.digit3);
  await tap(page, 'keyUp', 'Digit3', '3', vk.digit3);
  assert.equal((await state(page)).mode, mode.time1, 'TIME leaves the all-segments display');
  assert.equal(await largestDifferenceFromPictures(page), 0);
  // Shift+1 types '!', and is still the key 1: GAME A.
  await tap(page, 'rawKeyDown', 'ShiftLeft', 'Shift', vk.shift);
  await tap(page, 'rawKeyDown', 'Digit1', '!', vk.digit1, { modifiers: 8 });
  assert.equal((await state(page)).mode, mode.readyA);
  await tap(page, 'keyUp', 'Digit1', '!', vk.digit1, { modifiers: 8 });
  await tap(page, 'keyUp', 'ShiftLeft', 'Shift', vk.shift);
  assert.equal((await state(page)).mode, mode.gameA);
  await page.until('window.zuzazizo.then(z => z.handheld.gameState().misses > 0)', 30000, 'a miss');
  await tap(page, 'rawKeyDown', 'ArrowLeft', 'ArrowLeft', vk.left);
  await tap(page, 'keyUp', 'ArrowLeft', 'ArrowLeft', vk.left);
  assert.equal(await largestDifferenceFromPictures(page), 0, 'after a miss and a move');
  assert.deepEqual(page.errors, []);
});

test('fingers: GAME A held while LEFT is tapped starts a silent game; the page never scrolls', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  const gameA = await centreOf(page, 'btn_game_a_top');
  const left = await centreOf(page, 'btn_left_top');
  await page.touch('touchStart', [{ ...gameA, id: 1 }]);
  assert.equal((await state(page)).mode, mode.readyA);
  await page.touch('touchStart', [{ ...gameA, id: 1 }, { ...left, id: 2 }]);
  await page.touch('touchEnd', [{ ...gameA, id: 1 }]);
  await page.touch('touchEnd', []);
  const s = await state(page);
  assert.equal(s.mode, mode.gameA);
  assert.equal(s.sound, false, 'LEFT held at the start silences the game');
  assert.deepEqual(await page.eval('[window.scrollX, window.scrollY]'), [0, 0]);
});

test('mouse: a press holds the button until the release, wherever the pointer went', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  const gameA = await centreOf(page, 'btn_game_a_top');
  await page.mouse('mouseMoved', gameA.x, gameA.y);
  await page.mouse('mousePressed', gameA.x, gameA.y);
  assert.equal((await state(page)).mode, mode.readyA);
  assert.equal(await page.eval("document.getElementById('handheld').style.cursor"), 'pointer');
  await page.mouse('mouseMoved', 5, 5);
  await page.mouse('mouseReleased', 5, 5);
  assert.equal((await state(page)).mode, mode.gameA);
});

test('a game over by keys keeps its high score at once and across a reload', async (b) => {
  const page = await open(b, 'ok', { SoundMode: '0', SplashScreen: '0' });
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(page, 'keyUp', 'Digit1', '1', vk.digit1);
  // The batter stays in the centre: balls of the centre lane are struck, the others missed.
  await page.until(`window.zuzazizo.then(z => z.handheld.gameState().mode === ${mode.gameOver})`,
    120000, 'game over');
  const { score } = await state(page);
  assert.ok(score > 0, 'the centre lane scored');
  assert.equal(await stored(page, 'HiScore1'), String(score));
  const played = await page.eval('window.zuzazizo.then(z => z.sound.played.map(p => p[0]))');
  assert.ok(played.includes(4) && played.includes(0), `start and game-over samples: ${played}`);
  await page.goto(`${base}/ok/`);
  await page.until('window.zuzazizo.then(z => z !== null)');
  assert.equal((await state(page)).hiscore1, score);
});

test('settings: garbage reads as the defaults, integer text as on the desktop', async (b) => {
  const cases = [
    { storage: { HiScore1: 'abc', Key1: 'zz', Zoom: '99' }, hiscore: 0, width: 609 },
    { storage: { HiScore1: '$64', Zoom: '2' }, hiscore: 100, width: 1218 },
    { storage: { HiScore1: ' 0x10', Zoom: '-1' }, hiscore: 16, width: 609 },
  ];
  for (const { storage, hiscore, width } of cases) {
    const page = await open(b, 'ok', storage);
    await page.until('window.zuzazizo.then(z => z !== null)');
    assert.equal((await state(page)).hiscore1, hiscore, JSON.stringify(storage));
    assert.equal(await page.eval("document.getElementById('handheld').getBoundingClientRect().width"), width);
    await leaveStartup(page);
    await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
    assert.equal((await state(page)).mode, mode.readyA, 'Key1 is the key 1 whatever was stored');
  }
});

test('zoom keys: the handheld grows, paints from the larger drawings and keeps the zoom', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await tap(page, 'rawKeyDown', 'Equal', '=', 0xbb, { modifiers: 2 });
  await tap(page, 'keyUp', 'Equal', '=', 0xbb, { modifiers: 2 });
  await page.until("document.getElementById('handheld').width === 1218");
  assert.equal(await stored(page, 'Zoom'), '2');
  assert.equal(await page.eval('window.zuzazizo.then(z => z.painter.factor)'), 2);
});

test('time stands still while the page is hidden', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  const hide = (hidden) => page.eval(`Object.defineProperty(document, 'hidden',
    { value: ${hidden}, configurable: true }); document.dispatchEvent(new Event('visibilitychange'))`);
  await leaveStartup(page);
  await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(page, 'keyUp', 'Digit1', '1', vk.digit1);
  await hide(true);
  const before = await page.eval('window.zuzazizo.then(z => [z.timing.nowMs(), z.timing.wakeUps])');
  await sleep(1500);
  const during = await page.eval('window.zuzazizo.then(z => [z.timing.nowMs(), z.timing.wakeUps])');
  assert.ok(during[0] - before[0] < 50, `handheld time moved ${during[0] - before[0]} ms while hidden`);
  assert.equal(during[1], before[1], 'no timer event while hidden');
  await hide(false);
  await sleep(500);
  const after = await page.eval('window.zuzazizo.then(z => z.timing.nowMs())');
  assert.ok(after - during[0] >= 450 && after - during[0] < 1000,
    `the handheld's time goes on from where it stood: ${after - during[0]} ms in 500`);
  await page.until(`window.zuzazizo.then(z => z.timing.wakeUps > ${during[1]})`, 5000,
    'the game start after the return');
});

test('idle: the clock wakes the page about once a second and paints only what changed', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  const count = () => page.eval('window.zuzazizo.then(z => z.timing.wakeUps)');
  const before = await count();
  await sleep(3000);
  const woken = (await count()) - before;
  assert.ok(woken >= 2 && woken <= 4, `${woken} wake-ups in 3 s`);
  assert.equal(await page.eval('window.zuzazizo.then(z => z.painter.frameRequested)'), false,
    'no frame is waiting between the seconds');
});

test('errors: the desktop texts in the page box, and the page never dies', async (b) => {
  const noConfig = await open(b, 'no-config');
  await noConfig.until('window.zuzazizo.then(z => z === null)');
  assert.equal(await message(noConfig),
    'Configuration file (Config.ini) not found. Please reinstall the game.');

  const badPicture = await open(b, 'bad-picture');
  await badPicture.until("!document.getElementById('message-box').hidden");
  const text = await message(badPicture);
  assert.match(text, /im_hero_1_1\.png/);
  assert.match(text, /damaged or is not a PNG picture/);
  await badPicture.eval("document.getElementById('message-ok').click()");
  assert.equal((await state(badPicture)).mode, mode.startup, 'the handheld runs after the box');

  const noSound = await open(b, 'no-sound', { SoundMode: '0', SplashScreen: '0' });
  await noSound.until("!document.getElementById('message-box').hidden");
  assert.equal(await message(noSound), 'Sound folder unproperly installed. Please reinstall the game.');
  assert.equal(await stored(noSound, 'SoundMode'), '-1');
  assert.equal(await stored(noSound, 'SplashScreen'), '1');
  assert.deepEqual([noConfig.errors, badPicture.errors, noSound.errors], [[], [], []]);
});

test('sound: samples only after the first key, and none with "(no sound)" chosen', async (b) => {
  const silent = await open(b, 'ok', { SoundMode: '2', SplashScreen: '0' });
  await silent.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(silent);
  await tap(silent, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(silent, 'keyUp', 'Digit1', '1', vk.digit1);
  assert.equal((await state(silent)).mode, mode.gameA);
  await sleep(300);
  assert.deepEqual(await silent.eval('window.zuzazizo.then(z => z.sound.played)'), []);

  const loud = await open(b, 'ok', { SoundMode: '1', SplashScreen: '0' });
  await loud.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(loud);
  await tap(loud, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(loud, 'keyUp', 'Digit1', '1', vk.digit1);
  await loud.until('window.zuzazizo.then(z => z.sound.played.length > 0)', 5000, 'start sample');
  assert.equal(await loud.eval('window.zuzazizo.then(z => z.sound.played[0][0])'), 4);
});

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
