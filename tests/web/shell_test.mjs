// The page's shell in a headless Chromium: the splash screen and its skip rule, the context menu
// by mouse, by keys and by a long press, the shortcuts and the commands of the main window.
// Usage: node shell_test.mjs <base URL>
import assert from 'node:assert/strict';
import {
  base, centreOf, mode, open, runTests, sleep, state, stored, tap, vk,
} from './page_lib.mjs';
import {
  click, clickOn, clipped, desktopMenu, handheldShown, press, recordCommand, screenshot, shell,
  splashShown, started,
} from './shell_lib.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

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
  // A player who reads the form for a while still sees the start-up display for its 30 s.
  await sleep(2500);
  await clickOn(page, '[data-name=btn_play]');
  await page.until('window.zuzazizo.then(z => z.shell.handheldShown)');
  assert.equal(await splashShown(page), false);
  assert.equal((await state(page)).mode, mode.startup);
  const startupLeft = await shell(page, 'z.handheld.nextDueMs() - z.timing.nowMs()');
  assert.ok(startupLeft > 29000, `the start-up display is timed from PLAY (${startupLeft} ms left)`);
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
