// Delivers the handheld's timer events at their deadlines, from performance.now().
//
// Browsers wake a short timeout (tens of milliseconds) within a fraction of a millisecond as a
// rule, a long one (hundreds) often one to six late, since it may be held back to share a wake-up
// with other work. So the page asks in two steps for a deadline under a second away (a play
// tick's): a long timeout to some 25 ms before it, then a short one to the deadline itself. The
// browser counts that one in whole milliseconds, cutting off the fraction, so it comes up to a
// millisecond early, and the rest is waited out at once. That wait is kept that short on purpose:
// a longer one is now and then cut into by the machine itself, which may take the processor from
// a busy thread for a few milliseconds, more often when other programs run. Deadlines a second or
// more away (the clock's seconds) are asked for in one step, so that the idle clock wakes the page
// once a second. An event due within a few milliseconds of the one before runs in the same turn:
// a timeout asked for from inside another is kept back to at least 4 ms. The handheld's time
// stands still while the page is hidden (browsers then slow timeouts to once a second): a game
// does not play on without its player, and on return the clock shows the time again at its next
// second.
const wakeUp = {
  approachMs: 25,  // the second step's timeout, for deadlines nearer than twoStepsUnderMs
  twoStepsUnderMs: 900,
  nestedMinimumMs: 4,  // what browsers make of a shorter timeout asked for inside another
  turnMaxMs: 10,  // events running one after another in a turn give the page back after this
};

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
    this.tickLateMs = [];
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
    const delay = Math.max(0, due - this.nowMs());
    if (delay > 2 * wakeUp.approachMs && delay < wakeUp.twoStepsUnderMs) {
      this.timeout = setTimeout(() => this.schedule(), delay - wakeUp.approachMs);
      return;
    }
    this.timeout = setTimeout(() => this.wake(due), delay);
  }

  // Brings the handheld's time up to now before a key, a click or a finger reaches it: what the
  // input starts is then timed from the moment it came, not from the last timer event (up to a
  // second before, in the clock), and whatever fell due before it has run first.
  catchUp() {
    if (this.manualMs !== null || this.hiddenAt !== null) return;
    this.advanceToNow(null);
  }

  // Runs the events due by now. How late they ran is kept for the page's timing benchmark (of the
  // last 2000 timer wake-ups, `due` the deadline they were for; and of the play ticks, whoever ran
  // them, their number and lateness).
  advanceToNow(due) {
    const now = this.nowMs();
    const ticks = this.handheld.playTicks();
    this.handheld.advanceTo(Math.floor(now));
    if (due !== null && this.lateMs.push(now - due) > 2000) this.lateMs.shift();
    const ticked = this.handheld.playTicks();
    if (ticked !== ticks && this.tickLateMs.push([ticked, now - this.handheld.lastPlayTickMs()]) > 2000) {
      this.tickLateMs.shift();
    }
  }

  wake(due) {
    this.timeout = null;
    if (this.hiddenAt !== null) return;
    this.wakeUps++;
    const turnEnd = performance.now() + wakeUp.turnMaxMs;
    for (;;) {
      while (this.nowMs() < due) { /* the last stretch */ }
      this.advanceToNow(due);
      const next = this.handheld.nextDueMs();
      const near = next !== null && next - this.nowMs() <= wakeUp.nestedMinimumMs;
      if (!near || performance.now() > turnEnd) break;
      due = next;
    }
    this.afterEvents();
    this.schedule();
  }
}
