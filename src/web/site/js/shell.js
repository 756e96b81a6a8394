// The page's shell around the handheld: the splash screen first, then the context menu, the game
// menu, the shortcut keys and the commands that belong to the main window itself (fullscreen,
// splashscreen, hiscore, exit). A page cannot close its own tab, so "Exit" and Escape bring the
// splash screen back, with the handheld's time standing still behind it.
import { defineCommand, runCommand } from './commands.js';
import { ContextMenu } from './context_menu.js';
import { GameMenu } from './game_menu.js';
import { virtualKeyOf } from './keys.js';
import { Splash } from './splash.js';

// The system's default beep, which "Reset Hiscores" sounds.
const beepHz = 880;
const beepMs = 120;

export class Shell {
  // `firstFrame`: settled once the handheld's first frame is shown.
  constructor({ handheld, core, display, sound, timing, pictures, canvas, afterInput, firstFrame }) {
    Object.assign(this, { handheld, core, display, sound, timing, afterInput, firstFrame });
    this.beeps = 0;
    this.splashChecked = true;
    this.handheldShown = false;
    this.splash = new Splash({ core, onPlay: (choice) => this.play(choice) });
    this.gameMenu = new GameMenu({
      handheld, core, pictures, canvas, checks: () => this.checks(), afterChange: afterInput,
    });
    display.onLaidOut = () => this.gameMenu.fold();
    display.beforeFullscreen = () => this.gameMenu.drawPicture();
    this.menu = new ContextMenu({
      core, areas: [document.querySelector('main'), this.gameMenu.rows],
      opening: () => this.popupOpening(),
      enabled: () => this.handheldShown && !this.mainDisabled(),
      buttonAt: (event) => {
        const box = canvas.getBoundingClientRect();
        const hit = handheld.hitAt(Math.floor(event.clientX - box.left), Math.floor(event.clientY - box.top));
        return hit >= 0 && core.isButton(hit);
      },
    });
    defineCommand('fullscreen', () => display.toggle());
    defineCommand('splashscreen', () => {
      this.splashChecked = !this.splashChecked;
      core.setSplashSetting(this.splashChecked);
    });
    defineCommand('hiscore', () => {
      core.resetHiscores();
      this.beep();
    });
    defineCommand('exit', () => this.exit());
    // Before the handheld's own listeners, which take every other key.
    window.addEventListener('keydown', (e) => this.keyDown(e), { capture: true });
    window.addEventListener('keyup', (e) => this.keyUp(e), { capture: true });
  }

  // The splash screen, or the quick start. Resolves once the handheld is on, or the form shown.
  // The quick start shows the handheld at once, as the sound loads.
  start() {
    this.powered = new Promise((resolve) => { this.poweredOn = resolve; });
    return this.splash.start() ? this.powered : Promise.resolve();
  }

  checks() {
    return { fullscreen: this.core.fullscreenMode(), splashscreen: this.splashChecked };
  }

  // `pm_0_menuPopup`: the splash mark from the store, with the splash box as its default; in
  // fullscreen an unfolded game menu folds away first.
  popupOpening() {
    this.splashChecked = this.core.splashSetting(this.splash.chbSplashscreen.checked);
    if (this.core.fullscreenMode() && this.gameMenu.open) this.gameMenu.fold();
    return this.checks();
  }

  // While a modal box or dialog is up, the main window takes no commands.
  mainDisabled() {
    return document.querySelector(
      'dialog:modal, [role=alertdialog]:not([hidden]), [aria-modal=true]:not([hidden])') !== null;
  }

  // The rest of the play action. The handheld is switched on and shown before its sounds are
  // ready; a broken sound folder then silences it, with the desktop's message. PLAY is the click
  // that lets the page sound, so the output starts in it.
  async play({ soundEnabled, showAtStartup, gesture }) {
    this.splashChecked = showAtStartup;
    // PLAY's click lets the output start; the quick start opens it after the handheld's first
    // frame, since opening it takes a while.
    if (soundEnabled && gesture) {
      this.sound.startLoading();
      this.sound.resume();
    }
    this.core.goOn(this.timing.nowMs());
    // The handheld's time as of the click: the start-up display lasts its full time from here.
    this.timing.catchUp();
    this.handheld.powerOn(!soundEnabled);
    this.showHandheld(true);
    if (gesture) this.display.enterBrowserFullscreenIfWanted();
    else this.display.armBrowserFullscreen();
    this.afterInput();
    if (soundEnabled && !gesture) await this.firstFrame;
    if (soundEnabled && !(await this.sound.loaded())) this.handheld.soundFailed();
    this.poweredOn();
  }

  showHandheld(shown) {
    this.handheldShown = shown;
    document.body.classList.toggle('splash-up', !shown);
  }

  exit() {
    this.menu.close();
    this.gameMenu.fold();
    this.display.leaveBrowserFullscreen();
    this.core.standStill(this.timing.nowMs());
    this.timing.schedule();
    this.showHandheld(false);
    this.splash.start(true);
  }

  beep() {
    this.beeps++;
    try {
      const context = this.sound.context ?? (this.beepContext ??= new AudioContext());
      const oscillator = context.createOscillator();
      const gain = context.createGain();
      oscillator.type = 'square';
      oscillator.frequency.value = beepHz;
      gain.gain.value = 0.1;
      oscillator.connect(gain).connect(context.destination);
      oscillator.start();
      oscillator.stop(context.currentTime + beepMs / 1000);
    } catch { /* no audio at all: the reset stands without its beep */ }
  }

  keyDown(event) {
    const stop = () => { event.preventDefault(); event.stopImmediatePropagation(); };
    if (this.splash.visible) {
      if (this.splash.keyDown(event)) stop();
      else if (!this.splash.element.contains(event.target)) event.stopImmediatePropagation();
      return;
    }
    if (this.menu.isOpen() && this.menu.keyDown(event)) return stop();
    if (!this.handheldShown || this.mainDisabled() || event.target.closest?.('[role=dialog], dialog')) return;
    // A shortcut is its key alone, and a held one acts once.
    if (event.repeat || event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
    const command = this.core.shortcutCommand(virtualKeyOf(event));
    if (!command) return;
    stop();
    this.menu.close();
    runCommand(command);
  }

  keyUp(event) {
    if (this.splash.visible && !this.splash.element.contains(event.target)) {
      event.stopImmediatePropagation();
    }
  }
}
