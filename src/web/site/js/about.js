// The about box (the desktop's TAboutForm) as a window of the page: the program's picture and its
// facts, with a web link and a mail link. Escape, its close box or a followed link closes it; it
// is not modal, and is centred at its first showing only.
import { cssColour } from './windows_core.js';
import { PageWindow } from './page_window.js';
import { virtualKeyOf } from './keys.js';

const escapeKey = 0x1b;

export class AboutBox {
  // `openLink(url)`: how the page follows a link (documents.js).
  constructor(core, { openLink }) {
    this.core = core;
    this.design = core.design.about;
    this.openLink = openLink;
    this.window = null;
  }

  build() {
    const d = this.design;
    this.window = new PageWindow({
      name: 'about', caption: d.caption, width: d.width, height: d.height, closeBox: true,
      onKey: (event) => this.FormKeyDown(event),
    });
    const client = this.window.client;
    client.classList.add('about');
    client.style.background = cssColour(this.core.design.dialogBlue);
    client.style.fontSize = `${d.fontPx}px`;
    const [left, top, width, height] = d.picture;
    this.im_picture = document.createElement('img');
    this.im_picture.className = 'picture';
    // Drawn at twice the pixels too, for screens with more than one pixel to a CSS pixel.
    this.im_picture.src = 'dialogs/about_handheld.png';
    this.im_picture.srcset = 'dialogs/about_handheld.png 1x, dialogs/about_handheld@2x.png 2x';
    this.im_picture.alt = '';
    this.im_picture.width = width;
    this.im_picture.height = height;
    Object.assign(this.im_picture.style, { left: `${left}px`, top: `${top}px` });
    client.append(this.im_picture);
    d.rows.forEach(([caption, value], row) => {
      this.text(caption, 'caption', row);
      this.text(value, row === 4 ? 'value hobby' : 'value', row);
    });
    this.la_website_2 = this.link(d.website, 5);
    this.la_email_2 = this.link(d.email, 6);
  }

  text(content, kind, row) {
    const d = this.design;
    const element = document.createElement('span');
    element.className = kind;
    element.textContent = content;
    const isCaption = kind === 'caption';
    Object.assign(element.style, {
      left: `${isCaption ? d.captionLeft : d.valueLeft}px`, top: `${d.rowTops[row]}px`,
      width: `${isCaption ? d.valueLeft - d.captionLeft : d.valueWidth}px`,
      height: `${d.rowHeight}px`, lineHeight: `${d.rowHeight}px`,
    });
    this.window.client.append(element);
    return element;
  }

  link([caption, text, address], row) {
    this.text(caption, 'caption', row);
    const element = this.text(text, 'value link', row);
    element.setAttribute('role', 'link');
    element.addEventListener('click', (event) => {
      if (event.button !== 0) return;
      this.openLink(address);
      this.window.hide();
    });
    return element;
  }

  // `pm_1_aboutClick`: shown, or brought to the front when it already is.
  show() {
    if (!this.window) this.build();
    this.window.show({ centred: false });
  }

  get isOpen() { return this.window !== null && this.window.isOpen; }

  FormKeyDown(event) {
    if (event.type !== 'keydown' || virtualKeyOf(event) !== escapeKey) return false;
    this.window.hide();
    return true;
  }
}
