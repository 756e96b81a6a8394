// Delivers the handheld's timer events at their deadlines, from performance.now().
//
// The page sleeps until the next deadline the handheld reports, less a little, and then waits out
// the last stretch, since browsers wake a timeout a millisecond or more late. The handheld's time
// stands still while the page is hidden (browsers then slow timeouts to once a second): a game
// does not play on without its player, and on return the clock shows the time again at its next
// second.
const earlyWakeMs = 2;

// A replayed run, asked for by the page's address: "?replay=2026-12-09T10:29:57&seed=7" starts
// the handheld's local time at that moment and its coin with that seed, and its time moves only
// when advance() is called (the pixel test plays the desktop program's script so). Null for an
// ordinary visit.
export function replayRequest(search) {
  const query = new URLSearchParams(search);
  const match = /^(\d+)-(\d+)-(\d+)T(\d+):(\d+):(\d+)$/.exec(query.get('replay') || '');
  if (!match) return null;
  const [year, month, day, hour, minute, second] = match.slice(1).map(Number);
  return { start: { year, month, day, hour, minute, second }, seed: Number(query.get('seed') || 0) };
}

export class Timing {
  // `manual`: time moves only by advance(), whatever the real time and the page's visibility.
  constructor(handheld, afterEvents, { manual = false } = {}) {
    this.handheld = handheld;
    this.afterEvents = afterEvents;
    this.manualMs = manual ? 0 : null;
    this.origin = performance.now();
    this.pausedMs = 0;
    this.hiddenAt = document.hidden ? this.origin : null;
    this.timeout = null;
    this.wakeUps = 0;
    this.lateMs = [];
    document.addEventListener('visibilitychange', () => this.visibilityChanged());
  }

  // The handheld's time: real time since the start, less the time spent hidden.
  nowMs() {
    if (this.manualMs !== null) return this.manualMs;
    const real = this.hiddenAt !== null ? this.hiddenAt : performance.now();
    return real - this.origin - this.pausedMs;
  }

  // A replayed run's time moves on by `ms`, firing every timer event due on the way.
  advance(ms) {
    this.manualMs += ms;
    this.handheld.advanceTo(this.manualMs);
    this.afterEvents();
  }

  visibilityChanged() {
    if (this.manualMs !== null) return;
    if (document.hidden) {
      if (this.hiddenAt === null) this.hiddenAt = performance.now();
      this.cancel();
    } else {
      if (this.hiddenAt !== null) this.pausedMs += performance.now() - this.hiddenAt;
      this.hiddenAt = null;
      this.schedule();
    }
  }

  cancel() {
    if (this.timeout !== null) clearTimeout(this.timeout);
    this.timeout = null;
  }

  // Called after anything that may have started or stopped a timer.
  schedule() {
    this.cancel();
    if (this.hiddenAt !== null || this.manualMs !== null) return;
    const due = this.handheld.nextDueMs();
    if (due === null) return;
    const delay = Math.max(0, due - this.nowMs() - earlyWakeMs);
    this.timeout = setTimeout(() => this.wake(due), delay);
  }

  wake(due) {
    this.timeout = null;
    if (this.hiddenAt !== null) return;
    this.wakeUps++;
    while (this.nowMs() < due) { /* the last stretch: at most earlyWakeMs */ }
    // How late each event ran, kept for the page's timing benchmark (the last 2000).
    if (this.lateMs.push(this.nowMs() - due) > 2000) this.lateMs.shift();
    this.handheld.advanceTo(Math.floor(this.nowMs()));
    this.afterEvents();
    this.schedule();
  }
}
