// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT
//
// Drives Quorvel for the browser in headless Chromium through the DevTools protocol, as a user would
// with a keyboard and a mouse, and checks what the page shows at each step (scripts/check-web.sh).
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
  await screen.open(url);
  const save = async (name) => writeFile(`${shots}/${name}.png`, await page.screenshot());

  step("the page loads, with a progress bar until the program runs");
  if (!(await page.$eval("#progress", bar => bar.offsetParent !== null)))
    fail("no progress bar while the program loads");
  await save("1-loading");

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
  const beforeMessage = await screen.capture();
  await screen.press("Tab", "Tab", "Space", "Shift+Tab");
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
  await screen.waitForWindow(box => box.width >= 480, 10);
  await save("7-offline");
} catch (error) {
  fail(error.stack || String(error));
} finally {
  await browser.close();
}
