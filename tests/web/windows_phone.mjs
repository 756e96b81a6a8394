// The page on a phone-sized screen (390 by 844 CSS pixels, three device pixels to one, touch),
// upright and on its side: the handheld fits the width, its buttons answer a finger, and the
// windows fit the screen with every text whole. Screenshots go to WEB_SCREENSHOT_DIR if set.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { imageRect, mode, state } from './page_lib.mjs';
import {
  clippedTexts, isOpen, middle, run, screenshot, selector, started, tapAt,
} from './windows_lib.mjs';

async function phone(page, width, height) {
  await page.send('Emulation.setDeviceMetricsOverride',
    { width, height, deviceScaleFactor: 3, mobile: true });
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  await page.send('Emulation.setEmitTouchEventsForMouse', { enabled: true, configuration: 'mobile' });
}

async function shot(page, name) {
  if (process.env.WEB_SCREENSHOT_DIR) await screenshot(page, join(process.env.WEB_SCREENSHOT_DIR, name));
}

async function handheldBox(page) {
  return page.eval(`(() => { const r = document.getElementById('handheld').getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height,
      scrollW: document.documentElement.scrollWidth, scrollH: document.documentElement.scrollHeight }; })()`);
}

// Each window opened by its command and checked: inside the screen, every text whole.
async function windowsFit(page, width, height, name) {
  for (const command of ['keys', 'about', 'manual']) {
    await run(page, command);
    await page.until(`document.querySelector('${selector(command)}:not([hidden])') !== null`);
    const r = await page.eval(`(() => { const r = document.querySelector('${selector(command)}')
      .getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; })()`);
    assert.ok(r[0] >= 0 && r[1] >= 0 && r[2] <= width + 0.5 && r[3] <= height + 0.5,
      `${command} inside the screen: ${r}`);
    assert.deepEqual(await clippedTexts(page), [], command);
    await shot(page, `${name}-${command}.png`);
    if (command === 'keys') {
      await tapAt(page, await middle(page, `${selector('keys')} .accept`));
      assert.equal(await isOpen(page, 'keys'), false, 'accepted by a finger');
    }
  }
}

export const phoneTests = [390, 844].map((width) => ({
  name: `phone ${width === 390 ? 'upright' : 'on its side'}: fits, fingers press buttons, windows whole`,
  body: async (b) => {
    const height = width === 390 ? 844 : 390;
    const page = await started(b);
    await phone(page, width, height);
    await page.until(`document.getElementById('handheld').getBoundingClientRect().width > 0`);
    await page.eval('new Promise(r => setTimeout(r, 100))');
    const box = await handheldBox(page);
    const ini = await page.eval("fetch('Config.ini').then(r => r.text())");
    const gameWidth = Number(/GameWidth=(\d+)/.exec(ini)[1]);
    const gameHeight = Number(/GameHeight=(\d+)/.exec(ini)[1]);
    const scale = Math.min(width / gameWidth, height / gameHeight);
    assert.ok(Math.abs(box.width - gameWidth * scale) < 1 && box.width <= width + 0.5 &&
      box.height <= height + 0.5, `the handheld fits: ${JSON.stringify(box)}`);
    assert.ok(box.scrollW <= width && box.scrollH <= height, 'nothing to scroll');
    await shot(page, `${width}x${height}.png`);
    // TIME by a finger at its middle, then GAME A by a finger landing just right of its picture.
    const s = box.width / gameWidth;
    const time = await imageRect(page, 'btn_time_top');
    await tapAt(page, { x: box.left + (time.left + time.width / 2) * s,
      y: box.top + (time.top + time.height / 2) * s });
    assert.equal((await state(page)).mode, mode.time1);
    const gameA = await imageRect(page, 'btn_game_a_top');
    const beside = { x: box.left + (gameA.left + gameA.width) * s + 8,
      y: box.top + (gameA.top + gameA.height / 2) * s };
    await page.touch('touchStart', [{ ...beside, id: 1 }]);
    assert.equal((await state(page)).mode, mode.readyA, 'a finger beside the button presses it');
    await page.touch('touchEnd', []);
    assert.equal((await state(page)).mode, mode.gameA);
    await windowsFit(page, width, height, `${width}x${height}`);
    // The manual's page buttons, a finger's width, turn its pages.
    await tapAt(page, await middle(page, `${selector('manual')} canvas.right.up`));
    assert.equal(await page.eval('window.zuzazizo.then(z => z.windows.manual.manual_page)'), 2);
    // Turned the other way with the manual open: the handheld and the window fit again.
    await phone(page, height, width);
    await page.until(`Math.abs(document.getElementById('handheld').getBoundingClientRect().width -
      ${gameWidth} * Math.min(${height} / ${gameWidth}, ${width} / ${gameHeight})) < 1`);
    const r = await page.eval(`(() => { const r = document.querySelector('${selector('manual')}')
      .getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; })()`);
    assert.ok(r[0] >= 0 && r[1] >= 0 && r[2] <= height + 0.5 && r[3] <= width + 0.5, `${r}`);
    assert.deepEqual(page.errors, []);
  },
}));
