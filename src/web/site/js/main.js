// The page's start-up, in the desktop program's order: settings, layout from Config.ini, key
// bindings and high scores, then the splash screen, whose play action chooses the sound output
// and shows the all-segments display.
import * as commands from './commands.js';
import * as documents from './documents.js';
import { fetchEarly } from './early_fetch.js';
import { Display } from './fullscreen.js';
import { Handheld } from './handheld.js';
import { Input } from './input.js';
import { showError } from './message_box.js';
import { Painter } from './painter.js';
import { Pictures } from './pictures.js';
import { settingsRead, settingsWrite } from './settings.js';
import { Shell } from './shell.js';
import { ShellCore } from './shell_core.js';
import { Sound } from './sound.js';
import { replayRequest, Timing } from './timing.js';
import { watchScreen } from './fit.js';
import { registerOffline } from './offline.js';
import { installWindows } from './windows.js';

async function fetchConfig() {
  try {
    const response = await fetchEarly('Config.ini', { cache: 'no-cache', priority: 'high' });
    return response.ok ? await response.text() : null;
  } catch {
    return null;
  }
}

async function start() {
  const canvas = document.getElementById('handheld');
  const sound = new Sound();
  // Config.ini and the pictures come while the WebAssembly compiles.
  const config = fetchConfig();
  const pictures = new Pictures();
  const handheld = await Handheld.load({
    settingsRead, settingsWrite, reportError: showError,
    soundPlay: (sample) => sound.play(sample),
  });
  performance.mark('handheld-module-ready');
  const replay = replayRequest(location.search);
  if (replay) handheld.replay(replay.start, replay.seed);
  handheld.setConfig(await config);
  await pictures.loadAll(handheld, handheld.pictureRequests());
  performance.mark('handheld-pictures-ready');
  const core = new ShellCore(handheld);
  // Behind the splash screen the handheld is not seen, not even its first frame.
  if (core.splashAtStart()) document.body.classList.add('splash-up');
  const root = document.documentElement;
  if (!handheld.create(root.clientWidth, root.clientHeight)) return null;  // no Config.ini

  const painter = new Painter(canvas, handheld, pictures);
  const repaint = () => painter.invalidate(handheld.takeDirty());
  const timing = new Timing(handheld, repaint, { manual: replay !== null });
  const afterInput = () => { repaint(); timing.schedule(); };

  const display = new Display({ handheld, core, painter, pictures, canvas });
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
    .addEventListener('change', () => display.layOut());
  new Input(canvas, handheld, {
    beforeInput: () => timing.catchUp(), afterInput,
    firstGesture: () => sound.resume(), zoomKey: (e) => display.zoomKey(e),
  });
  let painted;
  const firstFrame = new Promise((resolve) => { painted = resolve; });
  const shell = new Shell({
    handheld, core, display, sound, timing, pictures, canvas, afterInput, firstFrame,
  });
  // The quick start switches the handheld on at once, so that its first frame is the switched-on
  // handheld; the splash screen waits for its PLAY.
  const started = shell.start();
  await display.layOut();
  // Settled once the browser has shown that frame, so that what waits for it (the quick start's
  // sound output, which takes a while to open) does not hold the frame back; a hidden page shows
  // no frames, and its timeouts come late anyway.
  requestAnimationFrame(() => setTimeout(painted));
  setTimeout(painted, 100);
  watchScreen(canvas);
  afterInput();
  // The other windows are made after the first frame.
  const windows = installWindows(handheld, pictures, { afterKeys: afterInput });
  await started;
  return { handheld, painter, timing, sound, pictures, core, display, shell, windows };
}

// The page's tests reach the command table and the link opener through the window.
window.zuzazizoModules = { commands, documents };

// Kept on the window for the page's tests, which read the handheld's state and the timing.
window.zuzazizo = start().then((started) => {
  registerOffline();
  return started;
}).catch((error) => {
  showError(`The handheld could not be started: ${error && error.message ? error.message : error}`);
  return null;
});
