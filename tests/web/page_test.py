#!/usr/bin/env python3
"""The page in three engines, one walk for all, by keys and clicks: Debian's Chromium (chromedriver
and Selenium), Firefox ESR (puppeteer-core over WebDriver BiDi, firefox.js) and WebKitGTK
(WebKitWebDriver and MiniBrowser, in an Xvfb of its own); a fresh browser and server each check.
    page_test.py ENGINE CHECK SITE   ENGINE: chromium, firefox or webkit; CHECK:
  scenario            the session every face plays (tests/e2e/scenario.txt)
  desktop             every caption whole; the box: its focus, copy, keys as it comes up; axe
  table-message       a site without table.csv: its message before the form
  history             Back and Forward, with a box up and without
  visits              a first visit's downloads, the next visit to a new version, then offline
  phone               360 CSS px wide: one column, text and targets, the number pad, axe
  replay              (chromium, SITE the folder of the replay page) the conversion record
Exits 77 (skipped) where the engine, its driver or axe-core (from npm) is missing. TOLVANE_SCREENSHOTS=FOLDER
keeps a screenshot of the desktop and the phone with a box up."""
import atexit, functools, http.server, json, os, re, subprocess, sys, tempfile, threading, time
from pathlib import Path

# The scenario's key names (xdotool's) as the DOM names them.
KEYS = {"Left": "ArrowLeft", "Right": "ArrowRight", "Up": "ArrowUp", "Down": "ArrowDown",
        "space": " ", "Return": "Enter", "ctrl": "Control", "alt": "Alt", "shift": "Shift"}
SCENARIO = Path(__file__).parent.parent / "e2e/scenario.txt"
AXE = Path(__file__).parent / "node_modules/axe-core/axe.min.js"
TABLE_MESSAGE = "料金設定ファイル(table.csv)がありません。再インストールしてください。"
# The page read back: the open box, the two boxes, the focus (by caption or id) and its check.
STATE = """const box = document.getElementById('box'), active = document.activeElement;
    if (!box || !document.getElementById('form') || location.pathname != '/') return {};
    const control = active.closest('label, button') || active;
    return {box: box.open && box.className + ': ' + document.getElementById('box-text').textContent,
            boxes: document.getElementById('Text1') && Text1.value + '|' + Text2.value,
            focus: control.type == 'text' ? control.id : control.textContent,
            checked: active.type == 'radio' ? active.checked : null, shown: !form.hidden}"""
# Pages of the test's own: another page to leave to, a button with an access key, and the page
# in a phone's width (WebKit's window is never that narrow).
PAGES = {"elsewhere.html": b"<!DOCTYPE html><title>elsewhere</title>",
         "access.html": b'<!DOCTYPE html><button accesskey="x">x</button>',
         "phone.html": b'<!DOCTYPE html><body style="margin:0"><iframe src="./" width="360" '
                       b'height="740" style="border:0">'}


def skip(why):
    sys.exit(print(f"skipped: {why}".splitlines()[0]) or 77)


def serve(folder, missing=()):
    """A server of `folder` on a free port: 404 for the names in `missing`, PAGES and what
    `changed` holds for theirs; `log` keeps each path asked for with its status."""
    class Handler(http.server.SimpleHTTPRequestHandler):
        def do_GET(self):
            name = self.path.lstrip("/").split("?")[0] or "index.html"
            if (body := {**PAGES, **server.changed}.get(name)) is None or name in missing:
                return self.send_error(404) if name in missing else super().do_GET()
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(name))
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_request(self, code="-", size="-"):
            server.log.append((self.path.lstrip("/").split("?")[0], int(code)))

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    server.handle_error = lambda *args: None  # the browser may drop a request it no longer needs
    server.log, server.changed, server.folder = [], {}, folder
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Browser:
    """What the walk asks of an engine; each engine's class says how its automation does it."""
    access = ("Alt",)  # an access key's modifiers
    http_cache = True  # whether a service worker finds what the page fetched in the HTTP cache

    def wait(self, what, condition, seconds=45):
        deadline = time.monotonic() + seconds
        while True:
            try:
                if value := condition():
                    return value
            except Exception:  # a page coming or going answers nothing yet
                pass
            if time.monotonic() > deadline:
                sys.exit(f"FAIL: {what}: {str(self.state())[-300:]}")
            time.sleep(0.05)

    def state(self):
        return self.js(STATE)

    def press(self, names, gap=0):
        """The scenario's key names, each press its modifiers and key, `gap` ms apart; an access
        key (alt and a letter) as the engine takes it."""
        presses = []
        for name in names.split():
            *modifiers, key = [KEYS.get(part, part) for part in name.split("+")]
            presses.append((list(self.access) if modifiers == ["Alt"] and key.isalpha() else modifiers, key))
        self.keys(presses, gap)

    def ready(self):
        self.wait("the form is shown", lambda: self.state().get("shown"))

    def load(self, url=None):
        """Loads `url`, or the page again, and waits for the new page's form."""
        self.js("window.old = true")
        self.goto(url) if url else self.reload()
        self.wait("the new page's form", lambda: not self.js("return window.old") and self.state().get("shown"))

    def message(self):
        return self.wait("a message box", lambda: self.state().get("box"))

    def axe(self, what):
        if not AXE.is_file():
            skip(f"no axe-core at {AXE} (scripts/install-deps web installs it)")
        self.js(AXE.read_text(encoding="utf-8"))
        found = self.js("""return axe.run().then(result => result.violations.map(
            v => v.id + ' ' + v.nodes.map(n => n.target).join(' ')))""")
        assert not found, f"axe finds, {what}: {found}"

    def screenshot(self, name):
        if folder := os.environ.get("TOLVANE_SCREENSHOTS"):  # once the page has been drawn
            self.js("return new Promise(drawn => requestAnimationFrame(() => requestAnimationFrame(drawn)))")
            self.save(f"{folder}/{type(self).__name__.lower()}-{name}.png")


class Selenium(Browser):
    def __init__(self, driver, url):
        self.driver, self.js, self.goto, self.reload = driver, driver.execute_script, driver.get, driver.refresh
        atexit.register(driver.quit)
        driver.set_script_timeout(120)
        driver.get(url)

    def keys(self, presses, gap):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        code = lambda key: getattr(Keys, key.removeprefix("Arrow").upper()) if len(key) > 1 else key
        chain = ActionChains(self.driver)
        for index, (modifiers, key) in enumerate(presses):
            chain.pause(gap / 1000 if index else 0)
            [chain.key_down(code(modifier)) for modifier in modifiers]
            chain.send_keys(code(key))
            [chain.key_up(code(modifier)) for modifier in reversed(modifiers)]
        chain.perform()

    def click(self, x, y, count=1):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y))
        [actions.pointer_action.click() for _ in range(count)]
        actions.perform()

    def save(self, path):
        self.driver.save_screenshot(path)


class Chromium(Selenium):
    def __init__(self, url, phone=False):
        from selenium import webdriver
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
            super().__init__(webdriver.Chrome(options=options), url)
        except Exception as failure:  # no Chromium or no driver: nothing to test with
            skip(f"no headless Chromium: {failure}")

    def type(self, text):
        """As an input method commits what was typed."""
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})


class WebKit(Selenium):
    http_cache = False  # its automation session keeps none

    def __init__(self, url, phone=False):
        from selenium import webdriver
        # An X server of its own, on the first free display, which it names once it is ready.
        read, write = os.pipe()
        try:
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp"],
                                    pass_fds=(write,), stderr=subprocess.DEVNULL)
            os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
            options = webdriver.WebKitGTKOptions()
            options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
            options.add_argument("--automation")
            driver = webdriver.WebKitGTK(options=options)
            # Its driver can wait for ever for the load of a page that Back or Forward restores
            # from its cache: a command that waits so long fails, and the walk's wait asks again.
            driver.command_executor.set_timeout(20)
        except Exception as failure:
            skip(f"no Xvfb, or no WebKitWebDriver with MiniBrowser: {failure}")
        atexit.register(xvfb.terminate)
        driver.set_window_rect(0, 0, 800, 700)
        super().__init__(driver, url + "phone.html" if phone else url)
        if phone:
            self.wait("the phone's frame", lambda: driver.switch_to.frame(0) or True)

    def type(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def save(self, path):  # the whole window: a frame's own screenshot comes out blank
        self.driver.switch_to.default_content()
        self.driver.save_screenshot(path)
        self.driver.switch_to.frame(0) if self.js("return frames.length") else None


class Firefox(Browser):
    """Each request goes to firefox.js, which answers it through puppeteer-core."""
    access = ("Alt", "Shift")

    def __init__(self, url, phone=False):
        self.bridge = subprocess.Popen(["node", Path(__file__).parent / "firefox.js"],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        atexit.register(lambda: (self.bridge.stdin.close(), self.bridge.wait(60)))
        try:
            self.launch(*((360, 740) if phone else (800, 700)))
        except AssertionError as failure:
            skip(f"no Firefox ESR through puppeteer-core: {failure}")
        # Its window has no keyboard focus, and a focused button does not answer Enter or
        # Space, until an access key has pressed a button once.
        self.goto(url.rsplit("/", 1)[0] + "/access.html")
        self.press("alt+x")
        self.wait("the window has the focus", lambda: self.js("return document.hasFocus()"))
        self.goto(url)

    def __getattr__(self, request):
        def ask(*details):
            self.bridge.stdin.write(json.dumps([request, *details]) + "\n")
            self.bridge.stdin.flush()
            answer = json.loads(self.bridge.stdout.readline() or '{"error": "firefox.js ended"}')
            assert "error" not in answer, f"{request}: {answer['error']}"
            return answer[0]
        return ask


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}


def scenario(page, site):
    """Each step's keys where the focus is, then what must follow, as the other faces' drivers."""
    boxes = page.state()["boxes"]
    for line in SCENARIO.read_text(encoding="utf-8").splitlines():
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
        elif what == "nothing":  # a box would be up by now: the keys' events have been answered
            assert not page.state()["box"], f"{line}: {page.state()}"


def click(page, selector, count=1):
    page.click(*page.js(f"""const r = document.querySelector('{selector}').getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2]"""), count)


def desktop(page, site):
    """The window's size; every caption inside its control and clear of every other; the box."""
    assert page.js("return document.fonts.check('12px \"Tolvane Noto Sans CJK JP\"')"), "no font"
    size = page.js("const r = form.getBoundingClientRect(); return [r.width, r.height]")
    assert size == [346, 343], f"the form is {size}"
    # Each caption's text as drawn: its line's width, and its font's size about the line's middle
    # (WebKit, which has no ascent-override, makes the line taller than the font's size).
    cut = page.js("""const cut = [], rect = e => {
            if (!e.classList.contains('caption')) return e.getBoundingClientRect();
            const range = document.createRange(), size = parseFloat(getComputedStyle(e).fontSize);
            range.selectNodeContents(e);
            const line = range.getBoundingClientRect(), middle = (line.top + line.bottom) / 2;
            return {left: line.left, right: line.right, top: middle - size / 2, bottom: middle + size / 2};
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
    page.axe("on the form")
    # A double-click on a button: one box, its OK focused, and so it stays, by keys and clicks.
    page.js("Text1.value = '3'; box.shown = 0; box.showModal = function() { box.shown++; HTMLDialogElement.prototype.showModal.call(box) }")
    click(page, "#Command1-0", 2)
    assert page.message() == "information: 3分間の通話で料金は約16円です。", page.state()
    page.screenshot("desktop")
    # A press that reaches a button all the same (as an assistive technology's might) is the
    # form's to ignore: no second box, and the first conversion still writes its answer.
    for how in ("Tab", "shift+Tab", "backdrop", "#box-text", "press"):
        if how == "press":
            page.js("document.getElementById('Command1-1').click()")
        else:
            page.press(how) if "Tab" in how else page.click(4, 4) if how == "backdrop" else click(page, how)
        assert page.js("return box.shown") == 1 and page.state()["focus"] == "OK", (how, page.state())
    page.press("space")
    page.wait("Space presses OK", lambda: page.state()["boxes"] == "3|16")
    assert page.js("return box.shown") == 1 and not page.state()["box"], page.state()
    page.js("Text2.value = '100'")
    page.press("alt+b")
    page.message()
    page.press("Escape")  # as OK does: the box's answer written
    page.wait("Escape closes the box", lambda: (s := page.state())["boxes"] == "40|100" and not s["box"])
    # A key pressed just after an access key meets the box: the conversion is of what was there.
    for focus, key in (("#Text1", "5"), ("#Option1-0 input", "Down")):
        page.js(f"Text1.value = '3'; document.querySelector('{focus}').focus()")
        page.press(f"alt+a {key}", gap=30)
        assert page.message() == "information: 3分間の通話で料金は約16円です。", (key, page.state())
        page.press("Return")
        page.wait(f"{key} after the access key", lambda: page.state()["boxes"] == "3|16")
    # A long sentence: shown shortened in the box, copied whole with nothing selected (WebKit
    # keeps at most 524,288 characters of a text box).
    page.js("Text1.value = '1' + '0'.repeat(400000) + 'e-400000'; document.getElementById('Command1-0').focus()")
    page.press("alt+a")
    shown = page.message()
    box = page.js("""return [box.getAttribute('role'), box.querySelector('h2').textContent, document.activeElement.textContent,
                getComputedStyle(box.querySelector('.information')).display, box.matches(':modal')]""")
    assert len(shown) < 300 and box == ["alertdialog", "Tolvane", "OK", "inline", True], (shown, box)
    page.axe("with a message box up")
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


def table_message(page, site):
    assert page.message() == "critical: " + TABLE_MESSAGE and not page.state()["shown"], page.state()
    page.press("Return")
    page.ready()
    assert page.state()["focus"] == "スーパーパックＬ", page.state()


def history(page, site):
    """Back and Forward to the page show what the boxes showed (or the form's start, where an
    engine loads the page anew), never empty boxes; a box that was up is still up, and writes
    its answer in its box."""
    def go(script, title):  # after the script, for which WebKitWebDriver would wait
        page.js(f"setTimeout(() => {script})")
        page.wait(title, lambda: page.js("return document.title") == title and (
            title == "elsewhere" or page.state().get("shown")))

    def leave_and_return(back):
        go("location.href = 'elsewhere.html'" if back else "history.back()", "elsewhere")
        go("history.back()" if back else "history.forward()", "Tolvane")
        print(f"  {'Back' if back else 'Forward'}: {page.state()}")
        return page.state()
    go("location.href = 'elsewhere.html'", "elsewhere")
    go("location.href = './'", "Tolvane")
    page.js("Text1.focus(); Text1.select()")
    page.type("3")
    assert all(leave_and_return(back)["boxes"] in ("3|0", "0|0") for back in (True, False))
    page.press("alt+a")
    assert all(leave_and_return(back)["box"] == "information: 3分間の通話で料金は約16円です。"
               for back in (True, False))
    page.press("Return")
    page.wait("the answer in its box", lambda: page.state()["boxes"] == "3|16")


def visits(page, site):
    """A first visit fetches each file once, the service worker's copies checked, not fetched
    again, where the engine keeps an HTTP cache; the next visit to a new version of the site shows
    it; with the server gone the last version seen works."""
    page.wait("the service worker controls the page", lambda: page.js(
        "return navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)"))
    file = lambda name: Path(site.folder, name or "index.html")
    sent = {name or "./": [s for n, s in site.log if n == name] for name, _ in site.log if file(name).is_file()}
    full = sum(file(n.strip("./")).stat().st_size * s.count(200) for n, s in sent.items())
    print(f"  {type(page).__name__}, first visit: {full} bytes of files in full (200), or checked (304): {sent}")
    for name in ("tolvane.wasm", "tolvane-font.woff2", "tolvane.js", "./"):
        assert sent[name].count(200) == 1 + (not page.http_cache), f"{name} sent {sent[name]}"
    site.changed.update({"index.html": file("").read_bytes().replace(b"<title>Tolvane<", b"<title>Tolvane next<"),
                         "sw.js": file("sw.js").read_bytes().replace(b"'tolvane-", b"'tolvane-next-")})
    page.load(f"http://127.0.0.1:{site.server_port}/")
    assert page.js("return document.title") == "Tolvane next", "the next visit shows the old version"
    page.wait("the new version's service worker", lambda: page.js("""return navigator.serviceWorker
        .getRegistration().then(r => !r.installing && !r.waiting && r.active.state == 'activated')"""))
    site.shutdown()
    site.server_close()
    page.load()
    page.press("alt+a")
    assert page.message() == "information: 0分間の通話で料金は約9円です。", page.state()
    assert page.js("return document.title") == "Tolvane next"


def phone(page, site):
    page.js("Text1.value = '1'; document.getElementById('Command1-0').click()")
    page.message()
    page.screenshot("phone")
    found = page.js("""const found = [], rect = e => e.getBoundingClientRect();
        if (document.documentElement.scrollWidth > innerWidth) found.push('scrolls sideways: ' + document.documentElement.scrollWidth);
        for (const e of document.querySelectorAll('h1, h2, legend, .caption, input, button, p'))
            if (e.textContent.trim() || e.type == 'text')
                if (parseFloat(getComputedStyle(e).fontSize) < 16) found.push('small text: ' + (e.textContent || e.id));
        for (const e of document.querySelectorAll('.option, .button, .box, #box button'))
            if (rect(e).width < 24 || rect(e).height < 24) found.push('small target: ' + e.textContent);
        for (const e of document.querySelectorAll('.box'))  // the number pad, with a decimal point
            if (e.inputMode != 'decimal' || e.type != 'text') found.push('keyboard: ' + e.id);
        return found""")
    assert not found, found
    page.axe("on a phone with a message box up")
    page.press("Return")
    page.axe("on a phone")


def replay(page, site):
    """The replay program built for the browser, its corpus and record in its file system."""
    status = page.wait("the replay ends", lambda: page.js(
        "return document.title.startsWith('exit ') && document.title"), seconds=300)
    print(page.js("return document.getElementById('output').value")[-2000:])
    assert status == "exit 0", status


if __name__ == "__main__":
    engine, check, folder = sys.argv[1:]
    site = serve(folder, missing=("table.csv",) if check == "table-message" else ())
    page = ENGINES[engine](f"http://127.0.0.1:{site.server_port}/" +
                           ("conversion_replay_page.html" if check == "replay" else ""), phone=check == "phone")
    if check not in ("table-message", "replay"):  # the others start at the form
        page.ready()
    {"scenario": scenario, "desktop": desktop, "table-message": table_message, "history": history,
     "visits": visits, "phone": phone, "replay": replay}[check](page, site)
    print(f"{engine} {check}: passed")
