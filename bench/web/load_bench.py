#!/usr/bin/env python3
"""How quick the page is in headless Chromium, each figure beside a baseline in the same run.
    load_bench.py SITE BENCH_BUILD_DIR [LOADS]
- From navigation to a usable form (the table read, the form shown and focused: the page's
  "tolvane-form-shown" mark) against a plain page with the same 27 controls, as the program makes
  them, the same stylesheet and font and the same fetch of the table, but no WebAssembly:
  LOADS loads of each, alternating, every one from the server (no HTTP cache, no service
  worker); the medians and their ratio.
- A conversion against reading and writing one number in the same module
  (conversion_bench_web.cpp)."""
import functools
import http.server
import os
import statistics
import sys
import tempfile
import threading
import time
from pathlib import Path

from selenium import webdriver

site, build = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
loads = int(sys.argv[3]) if len(sys.argv) > 3 else 20
folder = Path(tempfile.mkdtemp(prefix="tolvane-bench-"))
for path in [*site.iterdir(), *build.glob("conversion_bench_web.*")]:
    os.symlink(path, folder / path.name)
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=str(folder))
handler.func.log_message = lambda *args: None
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_port}/"

options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={tempfile.mkdtemp(prefix='tolvane-chromium-')}"):
    options.add_argument(argument)
driver = webdriver.Chrome(options=options)
driver.execute_cdp_cmd("Network.enable", {})
driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})


def usable(page):
    """Milliseconds from navigation to the form shown."""
    driver.get(url + page)
    for _ in range(400):
        shown = driver.execute_script(
            "const m = performance.getEntriesByName('tolvane-form-shown'); return m.length && m[0].startTime")
        if shown:
            return shown
        time.sleep(0.025)
    sys.exit(f"{page}: the form was not shown")


# The plain page: the calculator's own form as the program left it, without the program.
usable("index.html")
form = driver.execute_script("return document.getElementById('form').outerHTML")
page = (site / "index.html").read_text(encoding="utf-8")
page = page.replace('<script src="tolvane.js" defer></script>\n', "").replace(
    '<div id="form" hidden></div>', form.replace('id="form"', 'id="form" hidden', 1) + """
<script>
Promise.all([fetch('table.csv', {cache: 'no-cache'}).then(r => r.arrayBuffer()),
             document.fonts.load('12px "Tolvane Noto Sans CJK JP"', '料金')]).then(() => {
  document.getElementById('form').hidden = false;
  document.querySelector('#form input').focus();
  performance.mark('tolvane-form-shown');
});
</script>""")
(folder / "plain.html").write_text(page, encoding="utf-8")
assert len(driver.execute_script("return document.querySelectorAll('#form > * , #form > * > *')")) >= 27

times = {"index.html": [], "plain.html": []}
for _ in range(loads):
    for name, measured in times.items():
        measured.append(usable(name))
calculator, plain = (statistics.median(times[name]) for name in ("index.html", "plain.html"))
print(f"navigation to a usable form, median of {loads} alternating loads: calculator "
      f"{calculator:.1f} ms ({min(times['index.html']):.1f}-{max(times['index.html']):.1f}), "
      f"plain page {plain:.1f} ms ({min(times['plain.html']):.1f}-{max(times['plain.html']):.1f}), "
      f"ratio {calculator / plain:.2f}")

driver.get(url + "conversion_bench_web.html")
for _ in range(1200):
    output = driver.execute_script("return document.getElementById('output').value")
    if "worst ratio" in output:
        break
    time.sleep(0.1)
print(output.strip())
driver.quit()
server.shutdown()
