// The main window's popup menu (`pm_0_menu`): a right click anywhere on the handheld's page, or a
// long press of a finger beside its buttons, opens it at the pointer. Its items, captions, check
// marks, shortcut column and bold default item are the core's menu table.
import { runCommand } from './commands.js';
import { virtualKeyOf } from './keys.js';

// How long a finger rests before the menu opens, and how far it may wander meanwhile.
const longPressMs = 500;
const longPressSlopPx = 10;

export class ContextMenu {
  // `opening()` runs as the menu is about to open (`pm_0_menuPopup`) and gives the check marks.
  // `enabled()` says whether the main window takes the mouse now.
  // `areas` are the elements of the main window: the page around the handheld and the game menu.
  constructor({ core, areas, opening, enabled, buttonAt }) {
    this.opening = opening;
    this.enabled = enabled;
    this.buttonAt = buttonAt;
    this.items = core.menuItems();
    this.core = core;
    this.element = document.createElement('div');
    this.element.id = 'context-menu';
    this.element.setAttribute('role', 'menu');
    this.element.hidden = true;
    this.rows = this.items.map((item) => this.makeRow(item));
    this.element.append(...this.rows);
    document.body.appendChild(this.element);
    this.press = null;
    this.highlighted = -1;

    for (const area of areas) {
      area.addEventListener('contextmenu', (e) => {
        e.preventDefault();
        // A finger's own long press is timed below; browsers that also report it would open twice.
        if (e.pointerType === 'touch') return;
        if (this.enabled()) this.openAt(e.clientX, e.clientY);
      });
    }
    const [page] = areas;
    page.addEventListener('pointerdown', (e) => this.touchDown(e));
    for (const type of ['pointerup', 'pointercancel']) page.addEventListener(type, () => this.touchEnd());
    page.addEventListener('pointermove', (e) => this.touchMove(e));
    window.addEventListener('pointerdown', (e) => {
      if (!this.element.hidden && !this.element.contains(e.target)) this.close();
    }, { capture: true });
    window.addEventListener('blur', () => this.close());
  }

  makeRow(item) {
    if (item.separator) {
      const line = document.createElement('div');
      line.className = 'context-menu-separator';
      line.setAttribute('role', 'separator');
      return line;
    }
    const row = document.createElement('div');
    row.className = 'context-menu-item';
    row.setAttribute('role', item.checkable ? 'menuitemcheckbox' : 'menuitem');
    row.dataset.name = item.name;
    row.dataset.command = item.command;
    if (item.isDefault) row.classList.add('default');
    const check = document.createElement('span');
    check.className = 'check';
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.textContent = item.caption;
    const shortcut = document.createElement('span');
    shortcut.className = 'shortcut';
    shortcut.textContent = item.shortcut;
    row.append(check, caption, shortcut);
    row.addEventListener('click', () => {
      this.close();
      runCommand(item.command);
    });
    return row;
  }

  isOpen() { return !this.element.hidden; }

  openAt(x, y) {
    const checks = this.opening();
    const marks = this.core.menuChecks(checks.fullscreen, checks.splashscreen);
    this.items.forEach((item, i) => {
      if (!item.checkable) return;
      this.rows[i].setAttribute('aria-checked', marks[i] ? 'true' : 'false');
      this.rows[i].querySelector('.check').textContent = marks[i] ? '\u2713' : '';
    });
    this.element.hidden = false;
    // Inside the viewport, as a desktop menu flips at the screen's edge.
    const { width, height } = this.element.getBoundingClientRect();
    const left = x + width > window.innerWidth ? Math.max(0, x - width) : x;
    const top = y + height > window.innerHeight ? Math.max(0, y - height) : y;
    this.element.style.left = `${left}px`;
    this.element.style.top = `${top}px`;
  }

  close() {
    this.element.hidden = true;
    this.highlight(-1);
  }

  highlight(index) {
    this.highlighted = index;
    this.rows.forEach((row, i) => row.classList.toggle('highlighted', i === index));
  }

  // The open menu has the keyboard, as a desktop popup menu does: arrows move through the items,
  // Enter runs the highlighted one, Escape closes it. A shortcut goes on (it closes the menu and
  // runs its command); every other key stops here. True when the key was taken.
  keyDown(event) {
    const items = this.items.map((item, i) => (item.separator ? -1 : i)).filter((i) => i >= 0);
    const at = items.indexOf(this.highlighted);
    if (event.code === 'Escape') {
      this.close();
    } else if (event.code === 'ArrowDown' || event.code === 'ArrowUp') {
      const step = event.code === 'ArrowDown' ? 1 : -1;
      const next = at < 0 ? (step > 0 ? 0 : items.length - 1) : (at + step + items.length) % items.length;
      this.highlight(items[next]);
    } else if ((event.code === 'Enter' || event.code === 'NumpadEnter') && at >= 0) {
      const { command } = this.items[this.highlighted];
      this.close();
      runCommand(command);
    } else if (this.core.shortcutCommand(virtualKeyOf(event)) === '') {
      return true;
    } else {
      return false;
    }
    return true;
  }

  touchDown(event) {
    if (event.pointerType !== 'touch' || !this.enabled()) return;
    this.touchEnd();
    // A finger on a pictured button holds that button; the menu is for the rest of the page.
    if (this.buttonAt(event)) return;
    const { clientX: x, clientY: y, pointerId: id } = event;
    this.press = { x, y, id, timer: setTimeout(() => this.openAt(x, y), longPressMs) };
  }

  touchMove(event) {
    const p = this.press;
    if (!p || event.pointerId !== p.id) return;
    if (Math.hypot(event.clientX - p.x, event.clientY - p.y) > longPressSlopPx) this.touchEnd();
  }

  touchEnd() {
    if (this.press) clearTimeout(this.press.timer);
    this.press = null;
  }
}
