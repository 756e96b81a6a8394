// A small client of the DevTools protocol: starts a headless Chromium of its own and drives its
// pages. The WebSocket is Node's own where it has one (node --experimental-websocket from Node
// 20.10), else Debian's node-ws, as Debian 12's Node 18 has none.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const WebSocketClient = globalThis.WebSocket ??
  createRequire(import.meta.url)('/usr/share/nodejs/ws');

export class Browser {
  static async launch(executable = '/usr/bin/chromium', extraArgs = []) {
    const profile = mkdtempSync(join(tmpdir(), 'zuzazizo-chromium-'));
    const args = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--autoplay-policy=no-user-gesture-required', '--remote-debugging-port=0',
      `--user-data-dir=${profile}`, ...extraArgs, 'about:blank'];
    const process = spawn(executable, args, { stdio: ['ignore', 'ignore', 'pipe'] });
    const url = await new Promise((resolve, reject) => {
      let text = '';
      const timer = setTimeout(() => reject(new Error(`no DevTools address:\n${text}`)), 30000);
      process.stderr.on('data', (chunk) => {
        text += chunk;
        const m = /DevTools listening on (ws:\/\/\S+)/.exec(text);
        if (m) { clearTimeout(timer); resolve(m[1]); }
      });
      process.on('exit', () => reject(new Error(`chromium ended:\n${text}`)));
    });
    const browser = new Browser(process, profile, new WebSocketClient(url));
    await new Promise((resolve, reject) => {
      browser.socket.onopen = resolve;
      browser.socket.onerror = reject;
    });
    return browser;
  }

  constructor(process, profile, socket) {
    this.process = process;
    this.profile = profile;
    this.socket = socket;
    this.nextId = 1;
    this.waiting = new Map();
    this.listeners = [];
    this.pages = [];
    socket.onmessage = (message) => this.receive(JSON.parse(message.data));
  }

  receive(message) {
    if (message.id !== undefined) {
      const waiter = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) waiter.reject(new Error(`${waiter.method}: ${message.error.message}`));
      else waiter.resolve(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.socket.send(JSON.stringify({ id, method, params, sessionId }));
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, method }));
  }

  async newPage() {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    page.targetId = targetId;
    this.pages.push(page);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    return page;
  }

  async closePages() {
    for (const page of this.pages.splice(0)) {
      await this.send('Target.closeTarget', { targetId: page.targetId });
    }
  }

  async close() {
    try { await this.send('Browser.close'); } catch { /* already gone */ }
    await new Promise((resolve) => {
      if (this.process.exitCode !== null) resolve();
      else this.process.on('exit', resolve);
    });
    rmSync(this.profile, { recursive: true, force: true });
  }
}

export class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.errors = [];
    browser.listeners.push((message) => {
      if (message.sessionId !== sessionId) return;
      if (message.method === 'Runtime.exceptionThrown') {
        this.errors.push(message.params.exceptionDetails.exception?.description ??
          message.params.exceptionDetails.text);
      }
    });
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  waitFor(method, predicate = () => true, timeoutMs = 30000) {
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error(`timed out waiting for ${method}`)), timeoutMs);
      const listener = (message) => {
        if (message.sessionId !== this.sessionId || message.method !== method) return;
        if (!predicate(message.params)) return;
        clearTimeout(timer);
        this.browser.listeners.splice(this.browser.listeners.indexOf(listener), 1);
        resolve(message.params);
      };
      this.browser.listeners.push(listener);
    });
  }

  async goto(url) {
    const loaded = this.waitFor('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await loaded;
  }

  // Evaluates an expression in the page, awaiting a promise it gives.
  async eval(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) {
      throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    }
    return result.value;
  }

  async until(expression, timeoutMs = 10000, what = expression) {
    const end = Date.now() + timeoutMs;
    for (;;) {
      if (await this.eval(expression)) return;
      if (Date.now() > end) throw new Error(`timed out: ${what}`);
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  // A key as a keyboard sends it: code (its place), key (what it types) and the Windows code.
  async key(type, code, key, windowsVirtualKeyCode, extra = {}) {
    await this.send('Input.dispatchKeyEvent', {
      type, code, key, windowsVirtualKeyCode, nativeVirtualKeyCode: windowsVirtualKeyCode, ...extra,
    });
  }

  async mouse(type, x, y, button = 'left') {
    await this.send('Input.dispatchMouseEvent', { type, x, y, button, clickCount: 1 });
  }

  async touch(type, touchPoints) {
    await this.send('Input.dispatchTouchEvent', { type, touchPoints });
  }
}
