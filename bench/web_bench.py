#!/usr/bin/python3
"""Measures the web page (scripts/web --bench):

  web_bench.py BUILD-WEB [NATIVE-BUILD] [RUNS]

- its size: every file of the page, gzip-compressed, and the module alone;
- in headless chromium, served from 127.0.0.1: from opening the page until
  the introduction is in the report box, and from Enter in the date input
  until the report is, each the median of RUNS (15), for the page and for
  the same page with a module that does nothing (the floor);
- composing the report of 27 October 1980 inside the browser, against
  ComposeDefaultReport of the native report_bench.
"""
import functools
import gzip
import http.server
import json
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

BUILD = pathlib.Path(sys.argv[1])
NATIVE = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "build/default")
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 15
SITE = BUILD / "site"
MARKS = "return performance.getEntriesByName('ombrix-report-shown').map((m) => m.startTime)"


def gzipped(path):
    return len(gzip.compress(path.read_bytes(), 9))


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Quiet, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                "--window-size=1280,800"):
        options.add_argument(arg)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def page_times(driver, url):
    """Median ms from navigation to the introduction shown, and from Enter to the report."""
    opening, entering = [], []
    for _ in range(RUNS):
        driver.get(url)
        WebDriverWait(driver, 20).until(lambda d: len(d.execute_script(MARKS)) >= 1)
        opening.append(driver.execute_script(MARKS)[0])
        driver.execute_script("""
            document.getElementById('date').addEventListener('keydown', (e) => {
              if (e.key === 'Enter') performance.mark('enter');
            }, true);""")
        driver.find_element(By.ID, "date").send_keys(Keys.ENTER)
        WebDriverWait(driver, 20).until(lambda d: len(d.execute_script(MARKS)) >= 2)
        enter = driver.execute_script("return performance.getEntriesByName('enter')[0].startTime")
        entering.append(driver.execute_script(MARKS)[1] - enter)
    return statistics.median(opening), statistics.median(entering)


def browser_compose(driver, url):
    driver.get(url)
    return driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const script = document.createElement('script');
        script.src = 'ombrix_compose_bench.js';
        script.onload = () => createComposeBench().then((m) => {
          m._ComposeDefaultReportMicroseconds(500);
          done(m._ComposeDefaultReportMicroseconds(20000));
        });
        document.head.appendChild(script);""")


def native_compose():
    bench = NATIVE / "report_bench"
    if not bench.exists():
        return None
    run = subprocess.run([str(bench), "--benchmark_filter=^ComposeDefaultReport$",
                          "--benchmark_format=json"], capture_output=True, check=True)
    result = json.loads(run.stdout)["benchmarks"][0]
    factor = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[result["time_unit"]]
    return result["real_time"] * factor


def main():
    page_files = sorted(p for p in SITE.iterdir() if p.is_file())
    total = sum(gzipped(p) for p in page_files)
    print("| What | Measured |\n|---|---|")
    print(f"| the page with its module and help, gzip -9 | {total / 1000:.1f} kB "
          f"({len(page_files)} files) |")
    print(f"| the module alone (ombrix_module.js, wasm inside), gzip -9 | "
          f"{gzipped(SITE / 'ombrix_module.js') / 1000:.1f} kB |")
    with tempfile.TemporaryDirectory() as folder:
        real, empty = pathlib.Path(folder, "real"), pathlib.Path(folder, "empty")
        shutil.copytree(SITE, real)
        shutil.copy(BUILD / "bench" / "ombrix_compose_bench.js", real)
        shutil.copytree(SITE, empty)
        shutil.copy(BUILD / "bench" / "ombrix_empty_module.js", empty / "ombrix_module.js")
        driver = browser()
        servers = []
        try:
            for name, folder_ in (("the page", real), ("the page with an empty module", empty)):
                server, url = serve(folder_)
                servers.append(server)
                opening, entering = page_times(driver, url)
                print(f"| {name}: open to introduction shown (median of {RUNS}) | {opening:.1f} ms |")
                print(f"| {name}: Enter to report shown (median of {RUNS}) | {entering:.2f} ms |")
            compose = browser_compose(driver, serve(real)[1])
        finally:
            driver.quit()
    native = native_compose()
    print(f"| ComposeDefaultReport in the browser | {compose:.2f} µs |")
    if native is not None:
        print(f"| ComposeDefaultReport native (report_bench) | {native:.2f} µs "
              f"(browser {compose / native:.1f}×) |")


if __name__ == "__main__":
    main()
