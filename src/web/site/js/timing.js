// Delivers the handheld's timer events at their deadlines, from performance.now().
//
// The page sleeps until the next deadline the handheld reports, less a little, and then waits out
// the last stretch, since browsers wake a timeout late: a millisecond or so on a quiet machine,
// now and then several. The stretch is waited out at once: waited in turns of the event loop
// instead, a turn now and then comes a frame's painting (some 20 ms) late. How much earlier the
// page asks follows how late the recent timeouts came, within a few milliseconds, so the stretch
// stays short when the machine is quiet. The handheld's time stands still while the page is
// hidden (browsers then slow timeouts to once a second): a game does not play on without its
// player, and on return the clock shows the time again at its next second.
const earlyWake = { minMs: 3, maxMs: 8, marginMs: 2, remembered: 50 };

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
    this.askedFor = 0;
    this.timeoutLateMs = [];
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
    const delay = Math.max(0, due - this.nowMs() - this.earlyMs());
    this.askedFor = performance.now() + delay;
    this.timeout = setTimeout(() => this.wake(due), delay);
  }

  // How much before a deadline to be woken: the latest of the recent timeouts, and a margin.
  earlyMs() {
    const latest = Math.max(0, ...this.timeoutLateMs);
    return Math.min(earlyWake.maxMs, Math.max(earlyWake.minMs, latest + earlyWake.marginMs));
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
    const late = performance.now() - this.askedFor;
    if (this.timeoutLateMs.push(late) > earlyWake.remembered) this.timeoutLateMs.shift();
    while (this.nowMs() < due) { /* the last stretch: at most earlyWake.maxMs */ }
    this.advanceToNow(due);
    this.afterEvents();
    this.schedule();
  }
}
