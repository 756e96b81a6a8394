// The key settings dialog (the desktop's TKeysForm) as a modal window of the page.
//
// Built once, at its first opening, from the core's design and from the core's model of it, which
// lives as long as the page: a selection left unsaved by Escape is what the next opening shows.
// Enter accepts when no two lists share a key; Escape closes without saving. The handheld and the
// page's shortcuts get no keys and no presses while the dialog is open.
import { KeyAction, cssColour } from './windows_core.js';
import { PageWindow } from './page_window.js';
import { virtualKeyOf } from './keys.js';

function place(element, [left, top, width, height]) {
  Object.assign(element.style, {
    left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
  });
  return element;
}

export class KeyDialog {
  // `afterAccept()` runs once the bindings changed, so the page can show the buttons' new hints.
  constructor(core, { afterAccept }) {
    this.core = core;
    this.design = core.design.keys;
    this.afterAccept = afterAccept;
    this.window = null;
  }

  build() {
    const d = this.design;
    this.window = new PageWindow({
      name: 'keys', caption: d.caption, width: d.width, height: d.height, modal: true,
      onKey: (event) => this.FormKeyDown(event),
    });
    const client = this.window.client;
    client.classList.add('dialog-blue', 'key-dialog');
    client.style.background = cssColour(this.core.design.dialogBlue);
    client.style.fontSize = `${d.fontPx}px`;
    // Declaration order, as designed: the headings and labels, then the lists, then accept.
    const heading = (label) => {
      const element = this.label(label);
      element.classList.add('heading');
      return element;
    };
    const labels = d.buttonLabels.map((label) => this.label(label));
    client.append(heading(d.laMain), ...labels.slice(0, 3), heading(d.laControls), ...labels.slice(3));
    this.labels = labels;
    this.lists = d.lists.map((bounds, i) => this.list(bounds, i + 1));
    client.append(...this.lists);
    this.accept = place(document.createElement('button'), d.accept.bounds);
    this.accept.type = 'button';
    this.accept.className = 'accept';
    this.accept.textContent = d.accept.caption;
    this.accept.addEventListener('click', () => this.btn_acceptClick());
    client.append(this.accept);
    this.cbChange();
  }

  label({ caption, bounds, rightAligned }) {
    const element = place(document.createElement('span'), bounds);
    element.className = rightAligned ? 'label right' : 'label';
    element.textContent = caption;
    return element;
  }

  list(bounds, slot) {
    const select = place(document.createElement('select'), bounds);
    select.dataset.slot = String(slot);
    for (const caption of this.design.items) select.add(new Option(caption));
    select.selectedIndex = this.core.keysSelected(slot);
    select.addEventListener('change', () => {
      this.core.keysSelect(slot, select.selectedIndex);
      this.cbChange();
    });
    return select;
  }

  // `pm_7_keysClick`: centred at every opening, with the keys in the first list.
  show() {
    if (!this.window) this.build();
    this.window.show({ centred: true });
    this.lists[0].focus({ preventScroll: true });
  }

  get isOpen() { return this.window !== null && this.window.isOpen; }

  // `CheckKeys` through the core's rule, then accept enabled exactly when nothing is shared.
  cbChange() {
    const marked = this.core.keysMarked();
    this.labels.forEach((label, i) => {
      label.style.color = cssColour(marked[i] ? this.design.conflictColour : this.design.cleanColour);
    });
    this.accept.disabled = !this.core.keysCanAccept();
  }

  btn_acceptClick() {
    if (!this.core.keysCanAccept()) return;
    this.core.keysAccept();
    this.window.hide();
    this.afterAccept();
  }

  // Enter accepts (when it can) and Escape closes; every other key goes on to the focused list.
  FormKeyDown(event) {
    if (event.type !== 'keydown') return false;
    const action = this.core.keysKey(virtualKeyOf(event));
    if (action === KeyAction.accept) {
      if (!this.accept.disabled) this.btn_acceptClick();
      return true;
    }
    if (action === KeyAction.close) {
      this.window.hide();
      return true;
    }
    return false;
  }
}
