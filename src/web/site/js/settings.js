// The settings store's backend in localStorage, under the names the desktop program files its
// values under. Storage that is switched off or full reads as empty and refuses writes.
const prefix = 'Tessaron/Dovuruza50/';

export function settingsRead(name) {
  try {
    return window.localStorage.getItem(prefix + name);
  } catch {
    return null;
  }
}

export function settingsWrite(name, text) {
  try {
    window.localStorage.setItem(prefix + name, text);
    return true;
  } catch {
    return false;
  }
}
