// The five samples through Web Audio: decoded once, every play a new source, so samples overlap
// as on the desktop. Browsers let a page sound only after a click or a key, so nothing plays
// before the first one.
//
// While the page is hidden the handheld's time stands still and nothing can sound, so the output
// is suspended: a running output at its smallest buffers keeps the browser's audio threads and
// the sound server busy hundreds of times a second. It is not suspended for mere silence, as the
// desktop closes its device: after some seconds suspended, a browser may close its stream to
// the sound server, and the next sample then waits for it to be opened again (two seconds with
// Chromium on PulseAudio).
const sampleFiles = ['Sound/Gameover.wav', 'Sound/Got.wav', 'Sound/Miss.wav', 'Sound/Move.wav',
  'Sound/Start.wav'];

export class Sound {
  constructor() {
    this.context = null;
    this.suspendedWhileHidden = false;
    this.loading = null;
    this.buffers = [];
    this.played = [];  // [sample, context time], kept for the page's tests
    this.delaysMs = [];  // from each play to its sound leaving the speakers, for the benchmark
  }

  // Fetches and decodes the samples; loaded() tells how that went.
  startLoading() {
    if (!this.loading) this.loading = this.load();
  }

  // False when the first sample, Gameover, could not be loaded: the sound folder is broken.
  loaded() {
    this.startLoading();
    return this.loading;
  }

  async load() {
    // The smallest buffers the output allows. In Chromium, 'interactive' leaves some 40 ms
    // between a play and its sound, the smallest buffers about 10 on its own output and 35
    // through PulseAudio, whose stream adds the rest.
    this.context = new AudioContext({ latencyHint: 0 });
    document.addEventListener('visibilitychange', () => this.visibilityChanged());
    const decoded = await Promise.all(sampleFiles.map(async (file) => {
      try {
        const response = await fetch(file, { cache: 'no-cache' });
        if (!response.ok) return null;
        return await this.context.decodeAudioData(await response.arrayBuffer());
      } catch {
        return null;
      }
    }));
    this.buffers = decoded;
    return decoded[0] !== null;
  }

  resume() {
    if (this.context && this.context.state !== 'running' && !document.hidden) this.context.resume();
  }

  visibilityChanged() {
    if (document.hidden && this.context.state === 'running') {
      this.suspendedWhileHidden = true;
      this.context.suspend();
    } else if (!document.hidden && this.suspendedWhileHidden) {
      this.suspendedWhileHidden = false;
      this.context.resume();
    }
  }

  // When a sample started now is heard, on the page's clock: the output's own timestamp where it
  // gives one, else the latencies the context reports.
  heardAt() {
    const c = this.context;
    const stamp = c.getOutputTimestamp ? c.getOutputTimestamp() : {};
    if (stamp.performanceTime > 0) {
      return stamp.performanceTime + (c.currentTime - stamp.contextTime) * 1000;
    }
    return performance.now() + ((c.baseLatency || 0) + (c.outputLatency || 0)) * 1000;
  }

  play(sample) {
    const buffer = this.buffers[sample];
    if (!this.context || !buffer || this.context.state !== 'running') return;
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    const asked = performance.now();
    source.start();
    this.played.push([sample, this.context.currentTime]);
    if (this.delaysMs.push(this.heardAt() - asked) > 2000) this.delaysMs.shift();
  }
}
