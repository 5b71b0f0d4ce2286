// Firefox ESR for page_test.py, through puppeteer-core over WebDriver BiDi (Debian has no
// geckodriver): a request a line on standard input, [name, ...details] in JSON, and its answer a
// line out, [value] or {error}.
const puppeteer = require('puppeteer-core');

let browser;
let page;
const requests = {
  async launch(width, height) {
    browser = await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr'});
    page = (await browser.pages())[0];
    await page.setViewport({width, height});
  },
  goto: (url) => page.goto(url),
  reload: () => page.reload(),
  js: (script) => page.evaluate((body) => new Function(body)(), script),
  // Each press its modifiers held around its key, `gap` milliseconds apart.
  async keys(presses, gap) {
    for (const [index, [modifiers, key]] of presses.entries()) {
      await new Promise((resolve) => setTimeout(resolve, index ? gap : 0));
      for (const modifier of modifiers) await page.keyboard.down(modifier);
      await page.keyboard.press(key);
      for (const modifier of [...modifiers].reverse()) await page.keyboard.up(modifier);
    }
  },
  // As an input method commits what was typed.
  type: (text) => page.evaluate((typed) => document.execCommand('insertText', false, typed), text),
  click: (x, y, count) => page.mouse.click(x, y, {count}),
  save: (path) => page.screenshot({path}),
};

require('readline').createInterface({input: process.stdin}).on('line', async (line) => {
  const [name, ...details] = JSON.parse(line);
  const answer = await requests[name](...details).then((value) => [name === 'js' ? value : null],
    (failure) => ({error: String(failure)}));
  process.stdout.write(JSON.stringify(answer) + '\n');
}).on('close', () => (browser ? browser.close() : Promise.resolve()).then(() => process.exit(0)));
