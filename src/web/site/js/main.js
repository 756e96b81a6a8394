// The page's start-up, in the desktop program's order: settings, layout from Config.ini, key
// bindings and high scores, then the sound output and the all-segments display at once.
import { Handheld } from './handheld.js';
import { Input } from './input.js';
import { showError } from './message_box.js';
import { Painter } from './painter.js';
import { Pictures } from './pictures.js';
import { settingsRead, settingsWrite } from './settings.js';
import { Sound } from './sound.js';
import { replayRequest, Timing } from './timing.js';
import { fitToScreen, watchScreen } from './fit.js';
import { registerOffline } from './offline.js';
import { installWindows } from './windows.js';

async function fetchConfig() {
  try {
    const response = await fetch('Config.ini', { cache: 'no-cache', priority: 'high' });
    return response.ok ? await response.text() : null;
  } catch {
    return null;
  }
}

const zoomSteps = { Equal: 1, NumpadAdd: 1, Minus: -1, NumpadSubtract: -1 };

async function start() {
  const canvas = document.getElementById('handheld');
  const sound = new Sound();
  // Config.ini comes while the WebAssembly compiles.
  const config = fetchConfig();
  const handheld = await Handheld.load({
    settingsRead, settingsWrite, reportError: showError,
    soundPlay: (sample) => sound.play(sample),
  });
  performance.mark('handheld-module-ready');
  const replay = replayRequest(location.search);
  if (replay) handheld.replay(replay.start, replay.seed);
  const pictures = new Pictures();
  handheld.setConfig(await config);
  await pictures.loadAll(handheld, handheld.pictureRequests());
  performance.mark('handheld-pictures-ready');
  // The sounds, where chosen, come while the handheld is laid out and first painted.
  const noSound = handheld.soundChoiceIsNone();
  if (!noSound) sound.startLoading();
  if (!handheld.create()) return null;  // no Config.ini: the handheld never runs

  const painter = new Painter(canvas, handheld, pictures);
  const repaint = () => painter.invalidate(handheld.takeDirty());
  const timing = new Timing(handheld, repaint, { manual: replay !== null });
  const afterInput = () => { repaint(); timing.schedule(); };

  const layOut = async () => {
    const zoom = handheld.zoom();
    await pictures.prepare(handheld.pictureFactor(zoom * window.devicePixelRatio));
    handheld.takeDirty();
    painter.resize(handheld.surface(), zoom, window.devicePixelRatio);
    fitToScreen(canvas);
  };
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', layOut);

  const zoomKey = (event) => {
    if (event.code === 'Digit0' || event.code === 'Numpad0') {
      handheld.stepZoom(1 - handheld.zoom());
    } else if (zoomSteps[event.code] !== undefined) {
      handheld.stepZoom(zoomSteps[event.code]);
    } else {
      return false;
    }
    layOut();
    return true;
  };
  new Input(canvas, handheld, { afterInput, firstGesture: () => sound.resume(), zoomKey });
  const windows = installWindows(handheld, pictures, { afterKeys: afterInput });

  // The handheld is switched on and shown before its sounds are ready: the page may sound only
  // after the player's first key or click anyway. A broken sound folder then silences it, with
  // the desktop's message, as it would have before the start.
  handheld.powerOn(noSound);
  await layOut();
  watchScreen(canvas);
  afterInput();
  if (!noSound && !(await sound.loaded())) handheld.soundFailed();
  return { handheld, painter, timing, sound, pictures, windows };
}

// Kept on the window for the page's tests, which read the handheld's state and the timing.
window.zuzazizo = start().then((started) => {
  registerOffline();
  return started;
}).catch((error) => {
  showError(`The handheld could not be started: ${error && error.message ? error.message : error}`);
  return null;
});
