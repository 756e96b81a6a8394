// The page installable and offline, in a headless Chromium: after a first visit it starts and
// plays with its server stopped, and a new build on the server replaces the kept one at the next
// visit. The test serves its own copy of the built site (WEB_SITE_DIR, see run.sh), so that it can
// stop and start the server. Usage: node offline_test.mjs <base URL>
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { message, mode, prefix, runTests, sleep, state, tap, vk } from './page_lib.mjs';
import { isOpen, root, run, selector } from './windows_lib.mjs';

const tests = [];
const test = (name, body) => tests.push({ name, body });

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function reachable(url) {
  try {
    await fetch(url);
    return true;
  } catch {
    return false;
  }
}

// python3's http.server over `folder`, on `port`; stop() ends it and waits until it is gone.
async function serve(folder, port) {
  const process = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
    '--directory', folder], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100 && !(await reachable(url)); i++) await sleep(50);
  return {
    stop: async () => {
      process.kill();
      await new Promise((resolve) => (process.exitCode !== null ? resolve() : process.on('exit', resolve)));
      assert.equal(await reachable(url), false, 'the server is gone');
    },
  };
}

// A copy of the built site under <folder>/ok/.
function copySite() {
  const folder = mkdtempSync(join(tmpdir(), 'zuzazizo-offline-'));
  cpSync(process.env.WEB_SITE_DIR, join(folder, 'ok'), { recursive: true });
  return folder;
}

// The page with the handheld running at once (no splash screen), as a returning player has it.
async function startedAt(browser, url) {
  const page = await browser.newPage();
  await page.goto(`${url}style.css`);
  await page.eval(`localStorage.setItem('${prefix}SplashScreen', '0');
    localStorage.setItem('${prefix}SoundMode', '0')`);
  await page.goto(url);
  await page.until('Promise.race([window.zuzazizo.then(z => z !== null), new Promise(r => setTimeout(() => r(false), 2000))])');
  return page;
}

// Like page.until, through a reload of the page: an expression cut off by it is asked again.
async function settled(page, expression, what) {
  const end = Date.now() + 30000;
  for (;;) {
    try {
      if (await page.eval(expression)) return;
    } catch { /* the page was reloading */ }
    if (Date.now() > end) {
      const seen = await page.eval(`navigator.serviceWorker.getRegistration().then(async r => JSON.stringify({
        active: r && r.active && r.active.state, waiting: r && r.waiting && r.waiting.state,
        installing: r && r.installing && r.installing.state, caches: await caches.keys(),
        controller: !!navigator.serviceWorker.controller }))`).catch((e) => String(e));
      throw new Error(`timed out: ${what}: ${seen}`);
    }
    await sleep(50);
  }
}

// The service worker has taken the page over: everything it asks for now comes from the cache.
async function controlled(page) {
  await page.until('navigator.serviceWorker.controller !== null', 30000, 'the service worker');
}

// The site on a server of its own, with a page that the service worker has taken over.
async function firstVisit(b) {
  const folder = copySite();
  const port = await freePort();
  const server = await serve(folder, port);
  const url = `http://127.0.0.1:${port}/ok/`;
  const page = await startedAt(b, url);
  await controlled(page);
  return { folder, port, server, url, page };
}

test('installable: the manifest with the program\'s icons, and nothing that stops installing', async (b) => {
  const { folder, server, page } = await firstVisit(b);
  try {
    const { errors, data } = await page.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.equal(manifest.display, 'standalone');
    assert.deepEqual(manifest.icons.map((i) => i.sizes), ['192x192', '512x512']);
    for (const icon of manifest.icons) {
      const size = await page.eval(`fetch('${icon.src}').then(r => r.blob()).then(createImageBitmap)
        .then(i => i.width + 'x' + i.height)`);
      assert.equal(size, icon.sizes);
    }
    const { installabilityErrors } = await page.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    assert.deepEqual(page.errors, []);
  } finally {
    await server.stop();
    rmSync(folder, { recursive: true, force: true });
  }
});

test('offline: after the first visit the page starts and plays with its server stopped', async (b) => {
  const visit = await firstVisit(b);
  const { folder, port, url, page } = visit;
  let { server } = visit;
  try {
    await server.stop();
    await page.goto(url);
    await page.until('Promise.race([window.zuzazizo.then(z => z !== null), new Promise(r => setTimeout(() => r(false), 2000))])');
    assert.equal(await message(page), '', 'no picture, sound or Config.ini missing');
    assert.equal((await state(page)).mode, mode.startup);
    // A game by keys, offline.
    await tap(page, 'rawKeyDown', 'Digit3', '3', vk.digit3);
    await tap(page, 'keyUp', 'Digit3', '3', vk.digit3);
    await tap(page, 'rawKeyDown', 'Digit1', '1', vk.digit1);
    await tap(page, 'keyUp', 'Digit1', '1', vk.digit1);
    assert.equal((await state(page)).mode, mode.gameA);
    // The windows and their pictures come from the cache too.
    await run(page, 'manual');
    await page.until(`document.querySelector('${selector('manual')}:not([hidden])') !== null`);
    // The larger drawings too, by the names the page asks for them.
    for (const file of ['Graphics/Manual/1@2x.png', 'Graphics/Skin/im_background@2x.png']) {
      assert.equal(await page.eval(`Promise.race([fetch('${file}').then(r => r.ok, () => false),
        new Promise(r => setTimeout(() => r(false), 5000))])`), true, file);
    }
    await run(page, 'about');
    await page.until(`document.querySelector('${selector('about')} img').naturalWidth === 116`);
    assert.equal(await isOpen(page, 'about'), true);
    assert.equal(await message(page), '');
    assert.deepEqual(page.errors, []);

    // A new build on the server: the next visit runs it, and only its files are kept.
    appendFileSync(join(folder, 'ok', 'Whatsnew.txt'), '\nA newer build.\n');
    const rebuilt = spawnSync('python3', [join(root, 'scripts', 'lib', 'web_offline.py'),
      join(folder, 'ok')]);
    assert.equal(rebuilt.status, 0, String(rebuilt.stderr));
    server = await serve(folder, port);
    const next = await startedAt(b, url);
    // The page reloads itself once the new build has taken over. Asked without a fetch, which
    // would keep the old build's worker busy and so in charge.
    await settled(next, "performance.getEntriesByType('navigation')[0].type === 'reload'",
      'the new build taking over');
    await settled(next, 'Promise.race([window.zuzazizo.then(z => z !== null), new Promise(r => setTimeout(() => r(false), 2000))])', 'the new build started');
    assert.equal(await next.eval("fetch('Whatsnew.txt').then(r => r.text())" +
      ".then(t => t.includes('A newer build.'))"), true, 'the new build\'s files');
    await next.until('caches.keys().then(k => k.length === 1)', 10000, 'the old build dropped');
    assert.deepEqual(next.errors, []);
  } finally {
    await server.stop().catch(() => {});
    rmSync(folder, { recursive: true, force: true });
  }
});

runTests(tests);
