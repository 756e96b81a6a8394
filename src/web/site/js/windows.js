// The page's windows beside the handheld: the about box, the manual viewer and the key settings
// dialog, and the three documents, each behind the command of the core's menu table that opens it.
import { AboutBox } from './about.js';
import { defineCommand } from './commands.js';
import { openDocument, openLink } from './documents.js';
import { KeyDialog } from './key_dialog.js';
import { Manual } from './manual.js';
import { setCentringRule } from './page_window.js';
import { WindowsCore } from './windows_core.js';

// `afterKeys()` runs when the key dialog changed the bindings.
export function installWindows(handheld, pictures, { afterKeys }) {
  const core = new WindowsCore(handheld);
  setCentringRule((screenW, screenH, w, h) => core.centredOn(screenW, screenH, w, h));
  const windows = {
    core,
    about: new AboutBox(core, { openLink }),
    manual: new Manual(core, handheld, pictures),
    keys: new KeyDialog(core, { afterAccept: afterKeys }),
  };
  defineCommand('about', () => windows.about.show());
  defineCommand('manual', () => windows.manual.show());
  defineCommand('keys', () => windows.keys.show());
  for (const [command, file] of Object.entries(core.design.documents)) {
    defineCommand(command, () => openDocument(file));
  }
  return windows;
}
