// The web page's start, size, idle and timer figures in a headless Chromium.
// Usage: node bench/web_page.mjs <site URL> <site folder> [ticks], the site served as
// scripts/web.sh serves it (python3 scripts/web_serve.py <port> build-web/site); bench/web_page.sh
// does that, with a sound server as the output.
// Prints the median time to the first painted frame over 10 cold loads, the gzip size of the
// WebAssembly and the page's JavaScript, the CPU the browser and the sound server take while the
// clock runs, the lateness of the timer events of games of A, and the
// error of the play tick's period over [ticks] ticks (default 1000), and the delay from each
// sample's play to its sound. Beside the timer figures it gives the machine's own: how much of
// the run the virtual machine's processors were held by its host (steal, from /proc/stat), and
// how late a plain timeout came in the bench's own process meanwhile.
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Browser } from '../tests/web/cdp.mjs';

const [url, folder, ticksText = '1000'] = process.argv.slice(2);
const ticks = Number(ticksText);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const quantile = (xs, q) => [...xs].sort((a, b) => a - b)[Math.min(xs.length - 1, Math.floor(xs.length * q))];

const js = join(folder, 'js');
const files = readdirSync(js).filter((f) => /\.(m?js|wasm)$/.test(f)).map((f) => join(js, f));
const gzipBytes = files.reduce((sum, f) => sum + gzipSync(readFileSync(f), { level: 9 }).length, 0);
console.log(`wasm + js after gzip: ${(gzipBytes / 1024).toFixed(1)} kB`);

const browser = await Browser.launch();
// A returning player's settings: the sound chosen, the splash screen off, windowed, so that the
// handheld is what the page shows first.
const setup = await browser.newPage();
await setup.goto(url);
await setup.eval(`for (const [name, text] of [['SoundMode', '0'], ['SplashScreen', '0'],
  ['FullscreenMode', '0']]) localStorage.setItem('Tessaron/Dovuruza50/' + name, text)`);
await browser.closePages();
const firstFrames = [];
for (let i = 0; i < 10; i++) {
  const page = await browser.newPage();
  // Cold: nothing kept by the page's service worker from the visit before either.
  await page.send('Storage.clearDataForOrigin',
    { origin: new URL(url).origin, storageTypes: 'service_workers,cache_storage' });
  await page.send('Network.enable');
  await page.send('Network.setCacheDisabled', { cacheDisabled: true });
  await page.goto(url);
  await page.until("performance.getEntriesByName('handheld-first-frame').length > 0");
  firstFrames.push(await page.eval("performance.getEntriesByName('handheld-first-frame')[0].startTime"));
  await browser.closePages();
}
console.log(`first frame: median ${median(firstFrames).toFixed(0)} ms of 10 cold loads (${firstFrames.map((t) => t.toFixed(0)).join(' ')})`);

// CPU time of a process and all its descendants, in /proc's clock ticks, and of the sound server.
const processCpu = () => {
  const stats = readdirSync('/proc').filter((d) => /^\d+$/.test(d)).map((pid) => {
    try {
      const text = readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = text.slice(text.lastIndexOf(')') + 2).split(' ');
      return { pid: Number(pid), name: text.slice(text.indexOf('(') + 1, text.lastIndexOf(')')),
        parent: Number(fields[1]), cpu: Number(fields[11]) + Number(fields[12]) };
    } catch {
      return null;  // ended meanwhile
    }
  }).filter(Boolean);
  const family = new Set([browser.process.pid]);
  for (let grew = true; grew;) {
    grew = false;
    for (const s of stats) if (!family.has(s.pid) && family.has(s.parent)) { family.add(s.pid); grew = true; }
  }
  const sum = (keep) => stats.filter(keep).reduce((a, s) => a + s.cpu, 0);
  return { browser: sum((s) => family.has(s.pid)), server: sum((s) => /^(pulseaudio|pipewire)/.test(s.name)) };
};

const page = await browser.newPage();
await page.goto(url);
await page.until('window.zuzazizo.then(z => z !== null)');
const key = async (type, code, vk) => page.key(type, code, code.slice(-1), vk);
// The idle clock: the handheld switched from its start-up display to the time of day, a key that
// also lets the page sound, then left alone for 20 s.
await key('rawKeyDown', 'Digit3', 0x33);
await key('keyUp', 'Digit3', 0x33);
if (existsSync('/proc/self/stat')) {
  await sleep(3000);
  const idleSeconds = 20;
  const before = processCpu();
  await sleep(idleSeconds * 1000);
  const after = processCpu();
  const perSecond = (ticks) => (ticks * 10 / idleSeconds).toFixed(1);  // 100 ticks a second
  const output = await page.eval('window.zuzazizo.then(z => z.sound.context?.state ?? "none")');
  console.log(`idle clock: the browser's processes ${perSecond(after.browser - before.browser)} ms of CPU a second, the sound server's ${perSecond(after.server - before.server)} (sound output ${output})`);
}
// The machine's own timer lateness while the games run: a chain of timeouts of 50 to 300 ms.
const control = { late: [], running: true };
(function controlTimeout() {
  if (!control.running) return;
  const delay = 50 + Math.random() * 250;
  const asked = performance.now() + delay;
  setTimeout(() => { control.late.push(performance.now() - asked); controlTimeout(); }, delay);
})();
// Time stolen by the host from all processors, and time in all, in /proc/stat's clock ticks.
const cpuTimes = () => {
  if (!existsSync('/proc/stat')) return null;
  const fields = readFileSync('/proc/stat', 'utf8').split('\n')[0].trim().split(/\s+/).slice(1).map(Number);
  return { steal: fields[7] ?? 0, total: fields.reduce((a, b) => a + b, 0) };
};
const cpuBefore = cpuTimes();
// Games of A, one after another, until enough events have run.
for (;;) {
  await key('rawKeyDown', 'Digit1', 0x31);
  await key('keyUp', 'Digit1', 0x31);
  // Waited for inside the page: a look in from here takes the page's main thread for a moment,
  // and a look a second would fall now and then on a play tick's deadline.
  await page.eval(`window.zuzazizo.then((z) => new Promise((resolve) => {
    const look = () => (z.handheld.gameState().mode === 10 ? resolve() : setTimeout(look, 1000));
    look();
  }))`);
  const n = await page.eval('window.zuzazizo.then(z => z.timing.tickLateMs.length)');
  if (n > Math.min(ticks, 1999)) break;
  await key('rawKeyDown', 'Digit3', 0x33);
  await key('keyUp', 'Digit3', 0x33);
}
control.running = false;
const cpuAfter = cpuTimes();
if (cpuBefore) {
  const steal = (cpuAfter.steal - cpuBefore.steal) / Math.max(1, cpuAfter.total - cpuBefore.total);
  console.log(`machine: processors held by the host (steal) ${(steal * 100).toFixed(1)}% of the run`);
}
const c = control.late;
console.log(`machine: a plain timeout in the bench's process came late by median ${median(c).toFixed(2)} ms, p99 ${quantile(c, 0.99).toFixed(2)} ms, max ${Math.max(...c).toFixed(2)} ms (${c.length})`);
const late = await page.eval('window.zuzazizo.then(z => z.timing.lateMs)');
console.log(`timer events: ${late.length}, lateness median ${median(late).toFixed(2)} ms, p99 ${quantile(late, 0.99).toFixed(2)} ms, max ${Math.max(...late).toFixed(2)} ms`);
// A play tick's period error: how much longer or shorter than its due period it came after the
// tick before (consecutive ticks only), from the lateness of each.
const ticksLate = await page.eval('window.zuzazizo.then(z => z.timing.tickLateMs)');
const errors = [];
for (let i = 1; i < ticksLate.length; i++) {
  if (ticksLate[i][0] === ticksLate[i - 1][0] + 1) errors.push(Math.abs(ticksLate[i][1] - ticksLate[i - 1][1]));
}
const last = errors.slice(-ticks);
console.log(`play ticks: ${last.length} periods, error median ${median(last).toFixed(2)} ms, p99 ${quantile(last, 0.99).toFixed(2)} ms, max ${Math.max(...last).toFixed(2)} ms`);
// How long after the handheld played a sample it leaves the speakers (with an audio device; on a
// machine without one the browser's null output stands in).
const delays = await page.eval('window.zuzazizo.then(z => z.sound.delaysMs)');
if (delays.length > 0) {
  const latency = await page.eval('window.zuzazizo.then(z => [z.sound.context.baseLatency, z.sound.context.outputLatency])');
  console.log(`sound: ${delays.length} samples, delay median ${median(delays).toFixed(2)} ms, p99 ${quantile(delays, 0.99).toFixed(2)} ms, max ${Math.max(...delays).toFixed(2)} ms (base latency ${(latency[0] * 1000).toFixed(1)} ms, output latency ${(latency[1] * 1000).toFixed(1)} ms)`);
}
await browser.close();
