// The handheld on the page in a headless Chromium: start-up, pixels, keys, mouse, fingers, time,
// sound, settings and errors. Usage: node handheld_test.mjs <base URL>
import assert from 'node:assert/strict';
import {
  base, centreOf, largestDifferenceFromWholeRepaint, leaveStartup, message, mode, open, runTests,
  sleep, state, stored, tap, vk,
} from './page_lib.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

test('start-up: all segments at once, painted whole at zoom 1', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  assert.equal((await state(page)).mode, mode.startup);
  assert.equal(await message(page), '');
  assert.equal(await largestDifferenceFromWholeRepaint(page), 0);
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
  assert.equal(await largestDifferenceFromWholeRepaint(page), 0);
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
  assert.equal(await largestDifferenceFromWholeRepaint(page), 0, 'after a miss and a move');
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

// In the clock the page wakes once a second; a key between two wake-ups is timed from its own
// moment all the same: GAME A's ready screen lasts its 3100 ms from the release, not from the
// second before it.
test('an input between two timer events is timed from its own moment', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  const wakeUps = await page.eval('window.zuzazizo.then(z => z.timing.wakeUps)');
  await page.until(`window.zuzazizo.then(z => z.timing.wakeUps > ${wakeUps})`, 3000, 'a second');
  await sleep(600);
  await page.eval(`addEventListener('keyup', (e) => { window.releasedAt = e.timeStamp; },
    { once: true, capture: true })`);
  await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(page, 'keyUp', 'Digit1', '1', vk.digit1);
  assert.equal((await state(page)).mode, mode.gameA);
  // The ready screen ends at the first play tick.
  const readyMs = await page.eval(`window.zuzazizo.then((z) => new Promise((resolve) => {
    const ticks = z.handheld.playTicks();
    const look = () => (z.handheld.playTicks() === ticks ? setTimeout(look, 5)
      : resolve(performance.now() - window.releasedAt));
    look();
  }))`);
  assert.ok(readyMs >= 3100, `the game started ${readyMs.toFixed(0)} ms after the release`);
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

// The page's timing over a handheld of its own making, on a clock of the test's own (each look at
// it a microsecond on), with the browser's timeouts recorded instead of set.
test('timing: a near deadline in two steps, the clock\'s second in one, close events in one turn', async (b) => {
  const page = await open(b, 'ok');
  await page.until('window.zuzazizo.then(z => z !== null)');
  const seen = await page.eval(`window.zuzazizo.then((z) => {
    const dues = [];
    const ran = [];
    const handheld = {
      nextDueMs: () => (dues.length > 0 ? dues[0] : null),
      advanceTo: (ms) => { while (dues.length > 0 && dues[0] <= ms) ran.push(dues.shift()); },
      playTicks: () => ran.length,
      lastPlayTickMs: () => ran.at(-1) ?? 0,
    };
    const real = { setTimeout: window.setTimeout, now: performance.now };
    let clock = 5000;
    performance.now = () => (clock += 0.001);
    const timeouts = [];
    window.setTimeout = (callback, delay) => timeouts.push({ callback, delay, at: clock });
    // As browsers do, a timeout counts whole milliseconds: the fraction is cut off.
    const fire = () => { const t = timeouts.at(-1); clock += Math.trunc(t.delay); t.callback(); };
    try {
      const timing = new z.timing.constructor(handheld, () => {});
      const result = {};
      const tick = Math.ceil(timing.nowMs()) + 300;  // the handheld's deadlines are whole milliseconds
      dues.push(tick);
      timing.schedule();
      fire();
      fire();
      result.tick = timeouts.map((t) => t.delay);
      result.secondStepEndsBefore = tick + timing.origin - (timeouts[1].at + timeouts[1].delay);
      result.tickLate = timing.nowMs() - ran.at(-1);
      timeouts.length = 0;
      dues.push(Math.ceil(timing.nowMs()) + 1000);
      timing.schedule();
      result.second = timeouts.map((t) => t.delay);
      timeouts.length = 0;
      dues.length = 0;
      ran.length = 0;
      // Two events a millisecond apart and one 300 ms later.
      const now = Math.ceil(timing.nowMs());
      dues.push(now + 10, now + 11, now + 300);
      timing.schedule();
      fire();
      result.close = { ran: ran.length, late: timing.nowMs() - ran.at(-1), asked: timeouts.map((t) => t.delay) };
      return result;
    } finally {
      window.setTimeout = real.setTimeout;
      performance.now = real.now;
    }
  })`);
  const [longStep, shortStep] = seen.tick;
  assert.equal(seen.tick.length, 2, `a tick 300 ms away is asked for in two steps: ${seen.tick}`);
  assert.ok(longStep > 265 && longStep < 280 && shortStep > 20 && shortStep < 30, `${seen.tick}`);
  // The second step is asked for the deadline itself, not some milliseconds before it: what the
  // browser cuts off the delay is the whole of the wait on the main thread.
  assert.ok(Math.abs(seen.secondStepEndsBefore) < 0.1, `the second step ends ${seen.secondStepEndsBefore} ms before the tick`);
  assert.ok(seen.tickLate >= 0 && seen.tickLate < 0.1, `the tick ran ${seen.tickLate} ms late`);
  assert.equal(seen.second.length, 1, 'the clock\'s second is asked for in one step');
  assert.ok(seen.second[0] > 990, `${seen.second}`);
  assert.equal(seen.close.ran, 2, 'the events a millisecond apart run in one turn');
  assert.ok(seen.close.late < 0.1, `the second of them ran ${seen.close.late} ms late`);
  const [first, towardsThird] = seen.close.asked;
  assert.ok(first > 5 && first < 11 && towardsThird > 250 && towardsThird < 289, `${seen.close.asked}`);
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

// What the page fetches and decodes ahead of its code at the start has a slower way beside it: the
// pictures one by one where the atlas is damaged, the atlas fetched again where the browser has no
// image decoder, the WebAssembly from its bytes where the server does not say what it is (its
// streaming compile then fails).
test('start-up: a damaged atlas, no image decoder or a WebAssembly file of no known type still start the handheld, a missing one says so', async (b) => {
  const canvas = "document.getElementById('handheld').toDataURL()";
  const ok = await open(b, 'ok');
  await ok.until('window.zuzazizo.then(z => z !== null)');
  const badAtlas = await open(b, 'bad-atlas');
  await badAtlas.until('window.zuzazizo.then(z => z !== null)');
  assert.equal(await message(badAtlas), '');
  assert.equal(await badAtlas.eval(canvas), await ok.eval(canvas), 'the same all-segments frame');

  const untyped = await open(b, 'ok', null, { before: `delete window.ImageDecoder;
    WebAssembly.compileStreaming = () => Promise.reject(new TypeError('Incorrect response MIME type'));` });
  await untyped.until('window.zuzazizo.then(z => z !== null)');
  assert.equal((await state(untyped)).mode, mode.startup);
  assert.ok(await untyped.eval('window.zuzazizo.then(z => z.pictures.atlas.sheet(1)).then(s => s !== null)'),
    'the atlas decoded without the image decoder');

  const noWasm = await open(b, 'no-wasm');
  await noWasm.until('window.zuzazizo.then(z => z === null)');
  assert.match(await message(noWasm), /^The handheld could not be started: .*handheld_core\.wasm/);
  assert.deepEqual([ok.errors, badAtlas.errors, untyped.errors, noWasm.errors], [[], [], [], []]);
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

test('sound: the output is suspended while the page is hidden, and runs again on return', async (b) => {
  const page = await open(b, 'ok', { SoundMode: '0', SplashScreen: '0' });
  await page.until('window.zuzazizo.then(z => z !== null)');
  await leaveStartup(page);
  const output = (state) => `window.zuzazizo.then(z => z.sound.context?.state === '${state}')`;
  const hide = (hidden) => page.eval(`Object.defineProperty(document, 'hidden',
    { value: ${hidden}, configurable: true }); document.dispatchEvent(new Event('visibilitychange'))`);
  await page.until(output('running'), 5000, 'the output started');
  // Silence alone does not suspend it: the next sample must not wait for the output to reopen.
  await sleep(2000);
  assert.equal(await page.eval('window.zuzazizo.then(z => z.sound.context.state)'), 'running');
  await hide(true);
  await page.until(output('suspended'), 5000, 'suspended while hidden');
  await hide(false);
  await page.until(output('running'), 5000, 'running again on return');
  await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
  await tap(page, 'keyUp', 'Digit1', '1', vk.digit1);
  assert.deepEqual(await page.eval('window.zuzazizo.then(z => z.sound.played.map(p => p[0]))'), [4]);
  assert.deepEqual(page.errors, []);
});

await runTests(tests);
