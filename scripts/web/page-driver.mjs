// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT
//
// What the browser checks and benchmarks share: headless Chromium, and a view of the page as a user sees
// it. The program draws its windows into one canvas that the browser's accessibility tree cannot look
// into, so windows are found in screenshots: a window is the box of pixels that differ from the empty
// screen around it.
import puppeteer from "puppeteer-core";

export async function launchBrowser() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    // WebGL, which Qt draws with, through the software renderer; a tone may sound without a click.
    args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
           "--autoplay-policy=no-user-gesture-required", "--window-size=1280,800"],
    defaultViewport: { width: 1280, height: 800 },
  });
}

export const seconds = milliseconds => (milliseconds / 1000).toFixed(2);

const sleep = milliseconds => new Promise(resolve => setTimeout(resolve, milliseconds));

// Counts the tones the page plays, by wrapping Web Audio's oscillator before the page's scripts run.
function countTones() {
  window.quorvelTones = 0;
  const create = AudioContext.prototype.createOscillator;
  AudioContext.prototype.createOscillator = function () {
    window.quorvelTones += 1;
    return create.call(this);
  };
}

// Decodes a screenshot in a page of its own and finds, against the colour of the screen's top left
// corner, the box of everything drawn; `before` also gives the box of what changed since that image.
function analyse(base64, id, beforeId) {
  return (async () => {
    const blob = await (await fetch(`data:image/png;base64,${base64}`)).blob();
    const bitmap = await createImageBitmap(blob);
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext("2d");
    context.drawImage(bitmap, 0, 0);
    const { data, width, height } = context.getImageData(0, 0, bitmap.width, bitmap.height);
    window.images = window.images || {};
    window.images[id] = data;
    const differs = (other, offset) =>
      Math.abs(data[offset] - other[offset]) + Math.abs(data[offset + 1] - other[offset + 1]) +
      Math.abs(data[offset + 2] - other[offset + 2]) > 24;
    const corner = data.slice(0, 4);
    const box = (test) => {
      let left = width, top = height, right = -1, bottom = -1;
      for (let y = 0; y < height; ++y)
        for (let x = 0; x < width; ++x) {
          const offset = 4 * (y * width + x);
          if (!test(offset))
            continue;
          left = Math.min(left, x); right = Math.max(right, x);
          top = Math.min(top, y); bottom = Math.max(bottom, y);
        }
      return right < 0 ? { x: 0, y: 0, width: 0, height: 0 }
                       : { x: left, y: top, width: right - left + 1, height: bottom - top + 1 };
    };
    const drawn = box(offset => Math.abs(data[offset] - corner[0]) + Math.abs(data[offset + 1] - corner[1]) +
                                Math.abs(data[offset + 2] - corner[2]) > 24);
    const changed = beforeId === undefined ? null : box(offset => differs(window.images[beforeId], offset));
    return { drawn, changed, corner: Array.from(corner.slice(0, 3)) };
  })();
}

export class Screen {
  // `context`: the browser context (profile) that `page` belongs to.
  constructor(context, page) {
    this.context = context;
    this.page = page;
    this.captures = 0;
  }

  async open(url) {
    this.analysis = await this.context.newPage();
    await this.page.evaluateOnNewDocument(countTones);
    const origin = new URL(url).origin;
    await this.context.overridePermissions(origin, ["clipboard-read", "clipboard-write",
                                                   "clipboard-sanitized-write"]);
    await this.page.bringToFront();
    this.loadedAt = Date.now();
    await this.page.goto(url, { waitUntil: "domcontentloaded" });
  }

  async close() {
    await this.analysis?.close();
  }

  // The page once more, with the network off and the server's files out of reach: from the service
  // worker's cache alone.
  async reopenOffline(url) {
    await this.page.evaluate(() => navigator.serviceWorker.ready);
    await this.page.setOfflineMode(true);
    this.loadedAt = Date.now();
    await this.page.goto(url, { waitUntil: "domcontentloaded" });
  }

  // A screenshot, with the box of what is drawn and, given an earlier capture, of what changed since.
  async capture(before) {
    const at = Date.now();
    const base64 = await this.page.screenshot({ encoding: "base64" });
    const id = ++this.captures;
    const result = await this.analysis.evaluate(analyse, base64, id, before?.id);
    return { id, at, ...result };
  }

  // Waits until the drawn box is one that `test` accepts: a window, or windows, on the empty screen
  // that the program shows once the page's loading notice has gone.
  async waitForWindow(test, timeoutSeconds, acceptEmptyBox = false) {
    const deadline = Date.now() + timeoutSeconds * 1000;
    await this.page.waitForFunction(() => document.getElementById("loading").hidden,
                                    { polling: 20, timeout: timeoutSeconds * 1000 });
    for (;;) {
      const image = await this.capture();
      if ((image.drawn.width > 0 || acceptEmptyBox) && test(image.drawn, image))
        return { at: image.at, image, ...image.drawn };
      if (Date.now() > deadline)
        throw new Error(`no such window after ${timeoutSeconds} s (drawn: ${JSON.stringify(image.drawn)})`);
      await sleep(40);
    }
  }

  // Waits until the screen differs from `before` in more than a blinking caret, then until it is still.
  async waitForChange(before, timeoutSeconds) {
    const deadline = Date.now() + timeoutSeconds * 1000;
    for (;;) {
      await sleep(150);
      const image = await this.capture(before);
      if (image.changed.width > 20 && image.changed.height > 20)
        return { image, region: image.changed };
      if (Date.now() > deadline)
        return { image, region: image.changed };
    }
  }

  // Waits for the program's first paint of a window: a box on Qt's empty screen, or a window that
  // covers the whole screen (Qt 6.4 shows a plain QWidget full screen in the browser).
  async waitForFirstPaint(timeoutSeconds) {
    const emptyScreen = [51, 51, 51]; // the colour Qt 6.4 fills the browser's screen with
    const isEmpty = colour => colour.every((value, i) => Math.abs(value - emptyScreen[i]) < 8);
    return this.waitForWindow((box, image) => box.width > 0 || !isEmpty(image.corner), timeoutSeconds, true);
  }

  async clickTitleBar(window) {
    await this.page.mouse.click(window.x + window.width / 2, window.y + 6);
  }

  // The information badge: the picture between the buttons, at the bottom of the calculator's page.
  async clickBadge(window) {
    await this.page.mouse.click(window.x + window.width / 2, window.y + window.height - 25);
  }

  async tones() {
    return this.page.evaluate(() => window.quorvelTones);
  }

  // Presses keys one after the other; "Shift+Tab" holds the modifier for its key.
  async press(...keys) {
    for (const key of keys) {
      const parts = key.split("+");
      const main = parts.pop();
      for (const modifier of parts)
        await this.page.keyboard.down(modifier);
      await this.page.keyboard.press(main);
      for (const modifier of parts.reverse())
        await this.page.keyboard.up(modifier);
      await sleep(60);
    }
  }

  // The focused field's text, as Copy puts it on the clipboard; an empty field copies nothing.
  async copyFocusedField() {
    const nothing = "(nothing copied)";
    await this.page.evaluate(text => navigator.clipboard.writeText(text), nothing);
    await this.press("Control+A", "Control+C");
    await sleep(150);
    const text = await this.page.evaluate(() => navigator.clipboard.readText());
    return text === nothing ? "" : text;
  }

  async replaceFocusedField(text) {
    await this.press("Control+A");
    await this.page.keyboard.type(text, { delay: 30 });
  }
}
