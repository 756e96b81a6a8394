// The main window's commands by the names of the core's menu table (about, readme, whatsnew,
// manual, config, keys, hiscore, fullscreen, splashscreen, exit). The window that carries out a
// command defines it; the context menu, the game menu and the shortcuts only run it by name, so
// none of them needs to know the others.
const handlers = new Map();

export function defineCommand(name, handler) {
  handlers.set(name, handler);
}

// Runs a command; false when no window has defined it.
export function runCommand(name) {
  const handler = handlers.get(name);
  if (!handler) return false;
  handler();
  return true;
}
