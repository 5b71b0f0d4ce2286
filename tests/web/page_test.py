#!/usr/bin/env python3
"""The page in a real browser: Debian's Chromium, headless, driven through chromedriver by its
keys and clicks, each check a fresh browser and a server of its own on 127.0.0.1.
    page_test.py scenario SITE SCENARIO   the session every face plays (tests/e2e/scenario.txt)
    page_test.py desktop SITE AXE         every caption whole, the message box, its copy rule, axe
    page_test.py table-message SITE       a site without table.csv: its message before the form
    page_test.py offline SITE             after one visit, with the server gone and the network off
    page_test.py phone SITE AXE           360 CSS px wide: one column, text and targets, axe
    page_test.py replay DIR               the conversion record, replayed inside the browser
Exits 77 (skipped) where Chromium, its driver, Selenium or axe-core is missing."""
import functools
import http.server
import re
import sys
import tempfile
import threading
import time
from pathlib import Path

try:
    from selenium import webdriver
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
except ImportError:
    print("skipped: no python3-selenium")
    sys.exit(77)

KEYS = {"Left": Keys.LEFT, "Right": Keys.RIGHT, "Up": Keys.UP, "Down": Keys.DOWN, "Tab": Keys.TAB,
        "space": Keys.SPACE, "Return": Keys.ENTER, "Escape": Keys.ESCAPE, "ctrl": Keys.CONTROL,
        "alt": Keys.ALT, "shift": Keys.SHIFT}
TABLE_MESSAGE = "料金設定ファイル(table.csv)がありません。再インストールしてください。"


def serve(folder, missing=()):
    """A server of `folder` on a free port, answering 404 for the names in `missing`."""
    class Handler(http.server.SimpleHTTPRequestHandler):
        def do_GET(self):
            if self.path.lstrip("/").split("?")[0] in missing:
                self.send_error(404)
            else:
                super().do_GET()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    server.handle_error = lambda *args: None  # the browser may drop a request it no longer needs
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Page:
    def __init__(self, url, phone=False):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--window-size=800,700",
                         f"--user-data-dir={tempfile.mkdtemp(prefix='tolvane-chromium-')}"):
            options.add_argument(argument)
        if phone:
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": 360, "height": 740, "pixelRatio": 2, "touch": True}})
        try:
            self.driver = webdriver.Chrome(options=options)
        except Exception as failure:  # no Chromium or no driver: nothing to test with
            print(f"skipped: no headless Chromium: {failure}".splitlines()[0])
            sys.exit(77)
        self.driver.set_script_timeout(120)
        self.driver.get(url)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def wait(self, what, condition, seconds=10):
        deadline = time.monotonic() + seconds
        while not (value := condition()):
            if time.monotonic() > deadline:
                sys.exit(f"FAIL: {what}: {str(self.state())[-300:]}")
            time.sleep(0.05)
        return value

    def state(self):
        return self.js("""const box = document.getElementById('box'), active = document.activeElement;
            const control = active.closest('label, button') || active;
            return {box: box.open && box.className + ': ' + document.getElementById('box-text').textContent,
                    boxes: document.getElementById('Text1') && Text1.value + '|' + Text2.value,
                    focus: control.type == 'text' ? control.id : control.textContent, checked: active.type == 'radio' ? active.checked : null,
                    shown: !document.getElementById('form').hidden}""")

    def press(self, names):
        for name in names.split():
            *modifiers, key = name.split("+")
            chain = ActionChains(self.driver)
            for modifier in modifiers:
                chain.key_down(KEYS[modifier])
            chain.send_keys(KEYS.get(key, key))
            for modifier in modifiers:
                chain.key_up(KEYS[modifier])
            chain.perform()

    def type(self, text):
        """As an input method commits what was typed."""
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def ready(self):
        self.wait("the form is shown", lambda: self.state()["shown"])

    def message(self):
        return self.wait("a message box", lambda: self.state()["box"])

    def axe(self, axe, what):
        if not Path(axe).is_file():
            print(f"skipped: no axe-core at {axe} (scripts/install-deps web installs it)")
            sys.exit(77)
        self.js(Path(axe).read_text(encoding="utf-8"))
        found = self.driver.execute_async_script("""const done = arguments[arguments.length - 1];
            axe.run().then(result => done(result.violations.map(v => v.id + ' ' + v.nodes.map(n => n.target).join(' '))))""")
        assert not found, f"axe finds, {what}: {found}"


def scenario(site, steps):
    """Each step's keys where the focus is, then what must follow, as the other faces' drivers."""
    page = Page(f"http://127.0.0.1:{site.server_port}/")
    page.ready()
    boxes = page.state()["boxes"]
    for line in Path(steps).read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        action, expected = line.split("\t")
        what, _, text = expected.partition(" ")
        print(" ", action)
        page.type(action[5:]) if action.startswith("type ") else page.press(action[4:])
        if what == "focus":
            name = text.replace("&", "")  # a button shows its caption without the marker
            page.wait(line, lambda: (s := page.state())["focus"] == name and s["checked"] is not False)
        elif what == "message":
            assert page.message() == "information: " + text and page.state()["boxes"] == boxes, line
        elif what == "boxes":
            boxes = page.wait(line, lambda: (s := page.state())["boxes"] == text and not s["box"] and text)
        elif what == "nothing":
            time.sleep(0.5)
            assert not page.state()["box"], f"{line}: {page.state()}"


def desktop(site, axe):
    """The window's size; every caption inside its control and clear of every other; the box."""
    page = Page(f"http://127.0.0.1:{site.server_port}/")
    page.ready()
    assert page.js("return document.fonts.check('12px \"Tolvane Noto Sans CJK JP\"')"), "no font"
    size = page.js("const r = form.getBoundingClientRect(); return [r.width, r.height]")
    assert size == [346, 343], f"the form is {size}"
    # Each caption's text as drawn (a range's box is its glyphs' line, not its element's).
    cut = page.js("""const cut = [], rect = e => {
            if (!e.classList.contains('caption')) return e.getBoundingClientRect();
            const range = document.createRange();
            range.selectNodeContents(e);
            return range.getBoundingClientRect();
        };
        const inside = (c, r) => c.left >= r.left - 0.5 && c.right <= r.right + 0.5 && c.top >= r.top - 0.5 && c.bottom <= r.bottom + 0.5;
        const apart = (a, b) => a.right <= b.left + 0.5 || b.right <= a.left + 0.5 || a.bottom <= b.top + 0.5 || b.bottom <= a.top + 0.5;
        const captions = [...document.querySelectorAll('.caption')];
        for (const caption of captions) {
            if (!inside(rect(caption), rect(caption.closest('label, button, .unit, fieldset')))) cut.push(caption.textContent);
            for (const other of captions)  // but a frame's title and what the frame holds
                if (other !== caption && !caption.closest('legend') && !other.closest('legend') && !apart(rect(caption), rect(other)))
                    cut.push(caption.textContent + ' on ' + other.textContent);
        }
        return cut""")
    assert not cut, f"captions cut or overlapping: {cut}"
    page.axe(axe, "on the form")
    # A megabyte's sentence: shown shortened in the box, copied whole with nothing selected.
    page.js("Text1.value = '1' + '0'.repeat(999999) + 'e-999999'")
    page.js("document.getElementById('Command1-0').focus()")
    page.press("alt+a")
    shown = page.message()
    box = page.js("""const box = document.getElementById('box');
        return [box.getAttribute('role'), box.querySelector('h2').textContent, document.activeElement.textContent,
                getComputedStyle(box.querySelector('.information')).display, box.matches(':modal')]""")
    assert len(shown) < 300 and box == ["alertdialog", "Tolvane", "OK", "inline", True], (shown, box)
    page.axe(axe, "with a message box up")
    page.press("ctrl+c Return")
    answer = re.search(r"約(\d+)円です。$", shown).group(1)
    page.wait("the answer after OK", lambda: page.state()["boxes"].endswith("|" + answer))
    page.js("Text2.value = ''; Text2.focus()")
    page.press("ctrl+v")
    copied = page.js("return Text2.value")
    assert copied == page.js("return Text1.value") + f"分間の通話で料金は約{answer}円です。", copied[-40:]
    # A failure: the critical icon (what the boxes keep is the form's).
    page.js("Text1.value = '-1'")
    page.press("alt+a")
    assert page.message().startswith("critical: アルゴリズム内でエラー"), page.state()


def table_message(site):
    page = Page(f"http://127.0.0.1:{site.server_port}/")
    assert page.message() == "critical: " + TABLE_MESSAGE and not page.state()["shown"], page.state()
    page.press("Return")
    page.ready()
    assert page.state()["focus"] == "スーパーパックＬ", page.state()


def offline(site):
    """One visit installs the service worker; then the server goes, the network is cut, and the
    page opens and converts with the shipped table's rates (without them: the table message)."""
    page = Page(f"http://127.0.0.1:{site.server_port}/")
    page.ready()
    page.driver.execute_async_script("""const done = arguments[arguments.length - 1];
        navigator.serviceWorker.ready.then(() => done())""")
    page.wait("the service worker controls the page", lambda: page.js(
        "return !!navigator.serviceWorker.controller"))
    site.shutdown()
    site.server_close()
    page.driver.execute_cdp_cmd("Network.enable", {})
    page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    page.driver.refresh()
    page.ready()
    page.press("alt+a")
    assert page.message() == "information: 0分間の通話で料金は約9円です。", page.state()


def phone(site, axe):
    page = Page(f"http://127.0.0.1:{site.server_port}/", phone=True)
    page.ready()
    page.js("Text1.value = '1'; document.getElementById('Command1-0').click()")
    page.message()
    found = page.js("""const found = [], rect = e => e.getBoundingClientRect();
        if (document.documentElement.scrollWidth > innerWidth) found.push('scrolls sideways: ' + document.documentElement.scrollWidth);
        for (const e of document.querySelectorAll('h1, h2, legend, .caption, input, button, p'))
            if (e.textContent.trim() || e.type == 'text')
                if (parseFloat(getComputedStyle(e).fontSize) < 16) found.push('small text: ' + (e.textContent || e.id));
        for (const e of document.querySelectorAll('.option, .button, .box, #box button'))
            if (rect(e).width < 24 || rect(e).height < 24) found.push('small target: ' + e.textContent);
        return found""")
    assert not found, found
    page.axe(axe, "on a phone with a message box up")
    page.press("Return")
    page.axe(axe, "on a phone")


def replay(folder):
    """The replay program built for the browser, its corpus and record in its file system."""
    page = Page(f"http://127.0.0.1:{serve(folder).server_port}/conversion_replay_page.html")
    status = page.wait("the replay ends", lambda: page.js(
        "return document.title.startsWith('exit ') && document.title"), seconds=300)
    print(page.js("return document.getElementById('output').value")[-2000:])
    assert status == "exit 0", status


if __name__ == "__main__":
    check, folder, *more = sys.argv[1:]
    if check == "replay":
        replay(folder)
    elif check == "table-message":
        table_message(serve(folder, missing=("table.csv",)))
    else:
        {"scenario": scenario, "desktop": desktop, "offline": offline, "phone": phone}[check](
            serve(folder), *more)
    print(f"{check}: passed")
