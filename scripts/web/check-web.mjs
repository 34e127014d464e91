// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT
//
// Drives Quorvel for the browser in headless Chromium through the DevTools protocol, as a user would
// with a keyboard and a mouse, and checks what the page shows at each step (scripts/check-web.sh). The
// fields are read back through the clipboard, as a user would copy them.
//   node check-web.mjs URL SCREENSHOT_FOLDER
// Prints one line per step; exits with 1 on the first step that fails.
import { writeFile } from "node:fs/promises";
import { launchBrowser, Screen, seconds } from "./page-driver.mjs";

const [url, shots] = process.argv.slice(2);
const browser = await launchBrowser();
const step = text => console.log(`check-web: ${text}`);
const fail = text => {
  console.error(`check-web: FAIL: ${text}`);
  process.exitCode = 1;
};

try {
  const page = await browser.newPage();
  const screen = new Screen(browser.defaultBrowserContext(), page);
  const save = async (name) => writeFile(`${shots}/${name}.png`, await page.screenshot());

  step("the page loads, with a progress bar that fills while the program arrives");
  // On a network of 4 MB/s, as from a distant server, rather than straight from this machine.
  await page.emulateNetworkConditions({ download: 4e6, upload: 1e6, latency: 20 });
  await screen.open(url);
  await page.waitForFunction(() => {
    const bar = document.getElementById("progress");
    return bar.offsetParent !== null && bar.value > 0.2 && bar.value < 0.8;
  }, { polling: 20, timeout: 60000 });
  await save("1-loading");
  await page.emulateNetworkConditions(null);

  const splash = await screen.waitForWindow(box => box.width < 480, 60);
  step(`splash after ${seconds(splash.at - screen.loadedAt)} s (${splash.width}x${splash.height})`);
  await save("2-splash");
  const calculator = await screen.waitForWindow(box => box.width >= 480, 10);
  const gap = (calculator.at - splash.at) / 1000;
  step(`calculator window ${seconds(calculator.at - splash.at)} s after the splash ` +
       `(${calculator.width}x${calculator.height})`);
  if (gap < 1.2 || gap > 2.2)
    fail(`the calculator came ${gap.toFixed(2)} s after the splash, not about 1.5 s`);
  await save("3-calculator");

  // The title bar takes the page's focus into the program without moving its own.
  await screen.clickTitleBar(calculator);

  step("a refused key sounds one tone and leaves the field as it was");
  await page.keyboard.type(".8");
  let tones = await screen.tones();
  await page.keyboard.type("Z");
  if ((await screen.tones()) !== tones + 1)
    fail(`Z gave ${(await screen.tones()) - tones} tones, not 1`);
  const reliability = await screen.copyFocusedField();
  if (reliability !== ".8")
    fail(`the first field holds "${reliability}" after Z, not ".8"`);

  step("typed .8, Tab, 2 and Calculate show .8889");
  await screen.press("Tab", "2", "Tab", "Tab", "Space");
  await screen.press("Shift+Tab");
  const modified = await screen.copyFocusedField();
  if (modified !== ".8889")
    fail(`Calculate showed "${modified}", not ".8889"`);
  await save("4-result");

  step("typed .1 and .99 as the reliabilities wanted show 891.00 as the length change");
  await screen.press("Shift+Tab", "Shift+Tab");
  await screen.replaceFocusedField(".1");
  await screen.press("Tab", "Tab");
  await screen.replaceFocusedField(".99");
  await screen.press("Tab", "Space", "Shift+Tab", "Shift+Tab");
  const lengthChange = await screen.copyFocusedField();
  if (lengthChange !== "891.00")
    fail(`Calculate showed "${lengthChange}", not "891.00"`);

  step("Clear, then Calculate with nothing typed: a tone and the message, which Enter closes");
  await screen.press("Tab", "Tab", "Tab", "Space", "Tab", "Tab", "Tab");
  const beforeMessage = await screen.capture();
  tones = await screen.tones();
  await screen.press("Space");
  const message = await screen.waitForChange(beforeMessage, 5);
  if ((await screen.tones()) !== tones + 1)
    fail("the missing-input message came without one tone");
  await save("5-message");
  await screen.press("Enter");
  const closed = await screen.waitForChange(message.image, 5);
  if (closed.region.width < 200)
    fail("Enter did not close the message box");

  step("a click on the badge opens the information window");
  const beforeInformation = await screen.capture();
  await screen.clickBadge(calculator);
  const information = await screen.waitForChange(beforeInformation, 5);
  if (information.region.width < 300)
    fail(`the information window did not open (change ${information.region.width}x${information.region.height})`);
  await save("6-information");

  step("loaded again with the network off, the page starts from the browser's cache");
  await screen.reopenOffline(url);
  const offline = await screen.waitForWindow(box => box.width < 480, 60);
  step(`offline: splash after ${seconds(offline.at - screen.loadedAt)} s`);
  const again = await screen.waitForWindow(box => box.width >= 480, 10);
  await save("7-offline");

  step("File › Quit ends the program and leaves a page that says how to start it again");
  await screen.clickTitleBar(again);
  await screen.press("Alt+F", "ArrowUp", "Enter");
  await page.waitForFunction(() => !document.getElementById("ended").hidden, { timeout: 5000 });
  await save("8-ended");

  step("a browser without WebGL or WebAssembly gets a message that says which");
  for (const [missing, removal] of [["WebGL", () => { HTMLCanvasElement.prototype.getContext = () => null; }],
                                    ["WebAssembly", () => { delete window.WebAssembly; }]]) {
    const lacking = await browser.newPage();
    await lacking.evaluateOnNewDocument(removal);
    await lacking.goto(url);
    const message = await lacking.waitForFunction(() => {
      const notice = document.getElementById("unsupported");
      return !notice.hidden && notice.textContent;
    }, { timeout: 10000 });
    const text = await message.jsonValue();
    if (!text.startsWith(`Quorvel needs ${missing},`))
      fail(`without ${missing} the page says: ${text}`);
    await writeFile(`${shots}/9-without-${missing}.png`, await lacking.screenshot());
    await lacking.close();
  }
} catch (error) {
  fail(error.stack || String(error));
} finally {
  await browser.close();
}
