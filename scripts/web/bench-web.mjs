// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT
//
// Times Quorvel's page against a bare Qt widget's, each loaded afresh (a new tab, with the origin's HTTP
// cache, service workers and their caches cleared first) from a local server (bench/startup-web.sh):
//   node bench-web.mjs PAIRS QUORVEL_URL BARE_URL
// Prints, per run and as medians, the time from the start of the page load to the first window painted
// (Quorvel's splash; the bare widget) and, for Quorvel, to the calculator window.
import { launchBrowser, Screen } from "./page-driver.mjs";

const [pairs, quorvelUrl, bareUrl] = [Number(process.argv[2]), process.argv[3], process.argv[4]];
const browser = await launchBrowser();
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function run(url, waitForCalculator) {
  const context = browser.defaultBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Storage.clearDataForOrigin", { origin: new URL(url).origin, storageTypes: "all" });
  await cdp.send("Network.clearBrowserCache");
  const screen = new Screen(context, page);
  await screen.open(url);
  const first = await screen.waitForFirstPaint(120);
  const calculator = waitForCalculator ? await screen.waitForWindow(box => box.width >= 480, 20) : null;
  await screen.close();
  await page.close();
  return { first: first.at - screen.loadedAt, calculator: calculator && calculator.at - screen.loadedAt };
}

const results = { splash: [], calculator: [], bare: [] };
try {
  await run(quorvelUrl, true); // warm-up: the browser's own start and compile caches
  await run(bareUrl, false);
  for (let i = 0; i < pairs; ++i) {
    const order = i % 2 ? ["bare", "quorvel"] : ["quorvel", "bare"];
    for (const which of order) {
      if (which === "bare") {
        results.bare.push((await run(bareUrl, false)).first);
      } else {
        const timing = await run(quorvelUrl, true);
        results.splash.push(timing.first);
        results.calculator.push(timing.calculator);
      }
    }
    console.log(`pair ${i + 1}: splash ${results.splash.at(-1)} ms, calculator ${results.calculator.at(-1)} ms, ` +
                `bare widget ${results.bare.at(-1)} ms`);
  }
  const splash = median(results.splash), calculator = median(results.calculator), bare = median(results.bare);
  console.log(`medians of ${pairs}: splash ${splash} ms, calculator ${calculator} ms (${calculator - splash} ms ` +
              `after the splash), bare widget ${bare} ms; splash / bare = ${(splash / bare).toFixed(2)}`);
} finally {
  await browser.close();
}
