// Keyboard events as the handheld's virtual-key codes, the codes its key bindings are kept in.
//
// The digit row counts by its physical key, so Shift+5 or a layout that types other characters
// there is still 5. Letters count by the letter the layout types, falling back to the key's place
// for layouts without Latin letters. Other keys count by their place.
const vk = {
  enter: 0x0d, shift: 0x10, control: 0x11, alt: 0x12, escape: 0x1b, space: 0x20,
  left: 0x25, up: 0x26, right: 0x27, down: 0x28, digit0: 0x30, letterA: 0x41, f1: 0x70,
};

const byCode = {
  ShiftLeft: vk.shift, ShiftRight: vk.shift,
  ControlLeft: vk.control, ControlRight: vk.control,
  AltLeft: vk.alt, AltRight: vk.alt,
  Space: vk.space, Enter: vk.enter, NumpadEnter: vk.enter, Escape: vk.escape,
  ArrowLeft: vk.left, ArrowUp: vk.up, ArrowRight: vk.right, ArrowDown: vk.down,
};

export function virtualKeyOf(event) {
  const code = event.code || '';
  let m = /^Digit([0-9])$/.exec(code);
  if (m) return vk.digit0 + Number(m[1]);
  if (/^Key[A-Z]$/.test(code) || /^[a-z]$/i.test(event.key)) {
    const letter = /^[a-z]$/i.test(event.key) ? event.key.toUpperCase() : code.slice(3);
    return vk.letterA + letter.charCodeAt(0) - 65;
  }
  m = /^F([1-9]|1[0-2])$/.exec(code);
  if (m) return vk.f1 + Number(m[1]) - 1;
  return byCode[code] ?? 0;
}
