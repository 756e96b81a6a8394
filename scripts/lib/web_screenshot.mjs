// Takes the README's pictures of the page through the DevTools protocol (Page.captureScreenshot).
// Usage: node web_screenshot.mjs <site URL> <folder>; writes web_wide.png and web_phone.png.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Browser } from '../../tests/web/cdp.mjs';

const [url, folder] = process.argv.slice(2);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The page as a returning player finds it: no splash screen, no sound, the time of day showing.
async function opened(browser, width, height, scale, mobile) {
  const page = await browser.newPage();
  await page.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: scale, mobile });
  if (mobile) await page.send('Emulation.setTouchEmulationEnabled', { enabled: true });
  await page.goto(`${url}style.css`);
  await page.eval(`localStorage.setItem('Tessaron/Dovuruza50/SplashScreen', '0');
    localStorage.setItem('Tessaron/Dovuruza50/SoundMode', '2')`);
  await page.goto(url);
  await page.until('window.zuzazizo.then(z => z !== null)');
  for (const type of ['rawKeyDown', 'keyUp']) {
    await page.key(type, 'Digit3', '3', 0x33);
  }
  return page;
}

async function save(page, name) {
  await sleep(300);
  const { data } = await page.send('Page.captureScreenshot', { format: 'png' });
  writeFileSync(join(folder, name), Buffer.from(data, 'base64'));
  console.log(join(folder, name));
}

const browser = await Browser.launch();
try {
  const wide = await opened(browser, 1440, 810, 1, false);
  await wide.eval(`import('./js/commands.js').then(m => m.runCommand('manual'))`);
  await wide.until(`document.querySelector('section[data-window="manual"]:not([hidden])') !== null`);
  // The manual beside the handheld rather than over it, as a player would drag it.
  await wide.eval(`window.zuzazizo.then(z => { const w = z.windows.manual.window;
    w.left = window.innerWidth - w.element.offsetWidth - 24; w.top = 24; w.place(); })`);
  await save(wide, 'web_wide.png');
  const phone = await opened(browser, 390, 844, 3, true);
  await save(phone, 'web_phone.png');
} finally {
  await browser.close();
}
