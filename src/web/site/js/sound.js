// The five samples through Web Audio: decoded once, every play a new source, so samples overlap
// as on the desktop. Browsers let a page sound only after a click or a key, so nothing plays
// before the first one.
const sampleFiles = ['Sound/Gameover.wav', 'Sound/Got.wav', 'Sound/Miss.wav', 'Sound/Move.wav',
  'Sound/Start.wav'];

export class Sound {
  constructor() {
    this.context = null;
    this.loading = null;
    this.buffers = [];
    this.played = [];  // [sample, context time], kept for the page's tests
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
    this.context = new AudioContext({ latencyHint: 'interactive' });
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
    if (this.context && this.context.state !== 'running') this.context.resume();
  }

  play(sample) {
    const buffer = this.buffers[sample];
    if (!this.context || !buffer || this.context.state !== 'running') return;
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    source.start();
    this.played.push([sample, this.context.currentTime]);
  }
}
