// `TSplashForm`, the splash screen, as a window inside the page: the title, the release line and
// the box picture, the links, the list of sound outputs (the page's own and "(no sound)") and the
// check box, all at the places, in the texts and with the rules of the core. Its PLAY button is
// also the click that browsers want before a page may sound.
import { virtualKeyOf } from './keys.js';

// Windows colour values are 00BBGGRR.
function colourText(value) {
  return `rgb(${value & 0xff}, ${(value >> 8) & 0xff}, ${(value >> 16) & 0xff})`;
}

export class Splash {
  // `onPlay({ soundEnabled, showAtStartup, gesture })` runs the rest of the play action.
  constructor({ core, onPlay }) {
    this.core = core;
    this.onPlay = onPlay;
    this.texts = core.splashTexts();
    const { places, look } = core.splashLayout();
    this.places = places;
    this.look = look;
    this.pictures = core.dialogPictures();
    this.played = false;
    this.build();
  }

  place(element, name) {
    const p = this.places[name];
    element.dataset.name = name;
    Object.assign(element.style, {
      left: `${p.left}px`, top: `${p.top}px`, width: `${p.width}px`, height: `${p.height}px`,
    });
    this.client.appendChild(element);
    return element;
  }

  label(name, text, className) {
    const element = document.createElement('div');
    element.className = `splash-label ${className}`;
    element.textContent = text;
    return this.place(element, name);
  }

  link(name, text, href) {
    const element = document.createElement('a');
    element.className = 'splash-label splash-link';
    element.textContent = text;
    element.href = href;
    element.target = '_blank';
    element.rel = 'noopener';
    element.style.color = colourText(this.look.linkColour);
    return this.place(element, name);
  }

  // The drawing with twice the pixels on screens that have them.
  static image(picture) {
    const image = document.createElement('img');
    image.src = picture.path;
    image.srcset = `${picture.path} 1x, ${picture.larger} 2x`;
    image.alt = '';
    image.draggable = false;
    return image;
  }

  picture(name, picture) {
    return this.place(Splash.image(picture), name);
  }

  build() {
    const t = this.texts;
    this.element = document.createElement('div');
    this.element.id = 'splash';
    this.element.setAttribute('role', 'dialog');
    this.element.setAttribute('aria-label', t.caption);
    this.element.hidden = true;
    const frame = document.createElement('div');
    frame.className = 'splash-frame';
    const title = document.createElement('div');
    title.className = 'splash-caption';
    title.textContent = t.caption;
    this.client = document.createElement('div');
    this.client.className = 'splash-client';
    Object.assign(this.client.style, {
      width: `${this.look.width}px`, height: `${this.look.height}px`,
      fontSize: `${this.look.textHeight}px`,
    });
    frame.append(title, this.client);
    this.element.appendChild(frame);
    this.frame = frame;
    window.addEventListener('resize', () => this.fit());

    this.picture('im_background', this.pictures.splash_background);
    const box = this.place(document.createElement('div'), 'im_box_picture');
    const boxImage = Splash.image(this.pictures.splash_box);
    boxImage.style.height = `${this.places.im_box_picture.height}px`;
    box.appendChild(boxImage);
    this.label('la_game_title', t.la_game_title, 'centred bold white');
    this.label('la_version', t.la_version, 'centred bold white');
    this.label('la_release_date', t.la_release_date, 'centred');
    this.label('la_website_1', t.la_website_1, '');
    this.link('la_website_2', t.la_website_2, t.website_address);
    this.label('la_email_1', t.la_email_1, '');
    this.link('la_email_2', t.la_email_2, t.email_address);
    this.label('la_sound_select', t.la_sound_select, '');
    this.buildButtons();
    this.buildChoices();
    // Keys typed into the form stay in it: the handheld behind does not see them.
    for (const type of ['keydown', 'keyup']) this.element.addEventListener(type, (e) => e.stopPropagation());
    document.body.appendChild(this.element);
  }

  buildButtons() {
    this.btnPlay = this.picture('btn_play', this.pictures.play);
    this.btnPlay.classList.add('splash-button');
    this.btnPlay.setAttribute('role', 'button');
    this.btnPlay.addEventListener('click', () => this.playClick(true));
    this.btnPlayDisabled = this.picture('btn_play_disabled', this.pictures.play_disabled);
    this.btnPlayDisabled.title = this.texts.play_hint;
    this.btnPlayDisabled.classList.add('splash-hint');
    this.btnPlayDisabled.hidden = true;
    const donation = document.createElement('a');
    donation.href = this.texts.donation_address;
    donation.target = '_blank';
    donation.rel = 'noopener';
    donation.className = 'splash-button';
    donation.appendChild(Splash.image(this.pictures.donate));
    this.place(donation, 'btn_paypal');
  }

  buildChoices() {
    this.cbSound = document.createElement('select');
    for (const item of this.texts.cb_sound) this.cbSound.add(new Option(item, item));
    this.cbSound.selectedIndex = -1;
    this.cbSound.addEventListener('change', () => this.cbSoundChange());
    this.place(this.cbSound, 'cb_sound');
    const label = document.createElement('label');
    label.className = 'splash-check';
    label.style.background = colourText(this.look.blueColour);
    this.chbSplashscreen = document.createElement('input');
    this.chbSplashscreen.type = 'checkbox';
    this.chbSplashscreen.checked = true;
    label.append(this.chbSplashscreen, document.createTextNode(this.texts.chb_splashscreen));
    this.place(label, 'chb_splashscreen');
  }

  get visible() { return !this.element.hidden; }
  shown() { return this.cbSound.selectedIndex < 0 ? '' : this.cbSound.value; }

  // `FormCreate`, at the start (`again` false) or when "Exit" brings the form back: the stored
  // choices, then either the quick start, unseen, or the form. True when it played at once.
  start(again = false) {
    this.played = false;
    const soundMode = this.core.soundMode();
    this.cbSound.selectedIndex = this.core.splashListPosition(soundMode);
    this.chbSplashscreen.checked = this.core.splashSetting(true);
    if (!again && !this.core.splashShowsAtStart(soundMode, this.chbSplashscreen.checked)) {
      this.playClick(false);
      return true;
    }
    this.cbSoundChange();
    this.element.hidden = false;
    this.fit();
    this.cbSound.focus();
    return false;
  }

  // On a screen narrower or lower than the form (a phone), the whole form is made smaller to
  // fit rather than cut: its places stay those of the layout, in the form's own pixels.
  fit() {
    if (!this.visible) return;
    this.frame.style.transform = '';
    const margin = 8;
    const scale = Math.min(1, (window.innerWidth - margin) / this.frame.offsetWidth,
      (window.innerHeight - margin) / this.frame.offsetHeight);
    if (scale < 1) this.frame.style.transform = `scale(${scale})`;
  }

  // The play button is usable exactly when the list shows an item.
  cbSoundChange() {
    const usable = this.core.splashPlayUsable(this.shown());
    this.btnPlay.hidden = !usable;
    this.btnPlayDisabled.hidden = usable;
  }

  playClick(gesture) {
    if (this.played) return;
    this.played = true;
    const choice = this.core.splashPlay(this.shown());
    if (choice) this.core.setSoundMode(choice.soundMode);
    const showAtStartup = this.chbSplashscreen.checked;
    this.core.setSplashSetting(showAtStartup);
    // The keys go to the handheld now, not to a control of the hidden form.
    if (this.element.contains(document.activeElement)) document.activeElement.blur();
    this.element.hidden = true;
    this.onPlay({ soundEnabled: choice ? choice.soundEnabled : false, showAtStartup, gesture });
  }

  // The form sees every key first: Enter and 1 play when the button is usable. Escape would end
  // the program, which a page cannot do: the form stays. True when the key was taken.
  keyDown(event) {
    const action = this.core.splashKey(virtualKeyOf(event));
    if (action === 'quit') return true;
    if (action !== 'play' || this.btnPlay.hidden || event.repeat) return false;
    this.playClick(true);
    return true;
  }
}
