#!/usr/bin/python3
"""The web page in headless chromium, driven as a person would drive it.

  page_test.py SITE OMBRIX-REPORT DESKTOP-SAVE AXE.JS ARTEFACTS

Serves SITE on 127.0.0.1 and checks the page against the native programs of
the same tree: the introduction, dates typed and sent with Enter or OK, the
date error's dialog, an edited report saved and compared with the desktop's
save of the same text, Cyrillic pasted and typed, the keyboard alone, the
layout at 320, 360 and 1280 pixels (screenshots into ARTEFACTS), axe-core's
accessibility rules, the About box, the help, no request beyond the page's
own files, and the page opened from its folder, composing and saving there.
"""
import functools
import http.server
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, REPORT, DESKTOP_SAVE, AXE, ARTEFACTS = (pathlib.Path(a) for a in sys.argv[1:6])
SHOWN = "return performance.getEntriesByName('ombrix-report-shown').length"


def oracle(*args):
    return subprocess.run([str(REPORT), *args], capture_output=True, check=False)


def report_text(date):
    return oracle("--", date).stdout.decode()


def serve():
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Quiet, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def start_browser(downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                "--disable-gpu", "--window-size=1280,800", "--lang=et"):
        options.add_argument(arg)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": str(downloads)})
    return driver


class Page:
    def __init__(self, driver):
        self.driver = driver

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, id_):
        return self.driver.find_element(By.ID, id_)

    def open(self, url):
        self.driver.get(url)
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(SHOWN) >= 1)

    def report(self):
        return self.js("return document.getElementById('report').value")

    def active_id(self):
        return self.js("return document.activeElement.id")

    def type_date(self, date, finish=Keys.ENTER):
        shown = self.js(SHOWN)
        field = self.element("date")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(date)
        field.send_keys(finish)
        return shown

    def wait_shown(self, before):
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(SHOWN) > before)

    def overflow(self):
        """Elements of the page wider than the viewport, or reaching beyond it."""
        return self.js("""
            const width = document.documentElement.clientWidth;
            const wide = [];
            if (document.documentElement.scrollWidth > width) wide.push('document');
            for (const e of document.querySelectorAll('body *')) {
              const box = e.getBoundingClientRect();
              if (box.width > 0 && (box.left < -0.5 || box.right > width + 0.5))
                wide.push((e.id || e.tagName) + ' ' + Math.round(box.left) + '-' + Math.round(box.right));
            }
            return wide;""")

    def axe_violations(self):
        self.js(AXE.read_text())
        return self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document).then(
              (r) => done(r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join(', '))),
              (e) => done(['axe failed: ' + e]));""")


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def test_start(page, base):
    page.open(base)
    introduction = oracle("--table", "8000").stdout.decode("cp1257").replace("\r\n", "\n")
    check(page.report() == introduction, "the report box shows the introduction at start")
    check(page.js("return document.documentElement.lang") == "et", "the page is Estonian")
    page.js("document.activeElement.blur()")
    page.driver.find_element(By.TAG_NAME, "body").send_keys(Keys.TAB)
    check(page.active_id() == "date", "Tab goes first to the date input")
    label = page.js("return document.querySelector('label[for=date]').textContent")
    check(page.js("return document.getElementById('date').labels.length") == 1 and label,
          "the date input has its label")
    before = page.js(SHOWN)
    page.element("date").send_keys(Keys.ENTER)
    page.wait_shown(before)
    check(page.report() == oracle().stdout.decode(),
          "the date input holds at start the default date of ombrix-report")


def test_dates(page):
    for date in ("5 MÄRTS 1990", "27.10.1980", "15 juuni -44", "1 1 99999", "9. september 1993"):
        page.wait_shown(page.type_date(date))
        check(page.report() == report_text(date), f"{date}: the text of ombrix-report")
    heading = report_text("9. september 1993").strip().split("\n")[0]
    WebDriverWait(page.driver, 5).until(
        lambda d: heading in d.find_element(By.ID, "announcement").text
        or heading in d.execute_script("return document.getElementById('announcement').textContent"))
    # The keyboard alone: Tab from the date input to OK, and Space.
    before = page.type_date("12.05.1999", Keys.TAB)
    check(page.active_id() == "ok", "Tab goes from the date input to OK")
    page.driver.switch_to.active_element.send_keys(Keys.SPACE)
    page.wait_shown(before)
    check(page.report() == report_text("12.05.1999"), "OK by the keyboard composes the report")


def test_date_error(page):
    error = oracle("--", "27/10/1980").stderr.decode().rstrip("\n").split("\n")
    caption, message = error[0], "\n".join(error[1:])
    shown = page.report()
    for closing in (Keys.ESCAPE, Keys.ENTER):
        page.type_date("27/10/1980")
        WebDriverWait(page.driver, 5).until(lambda d: d.execute_script(
            "return document.getElementById('error').open"))
        check(page.js("return document.getElementById('error').getAttribute('role')") == "alertdialog",
              "the date error is an alert dialog")
        tree = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        named = [n for n in tree if n.get("role", {}).get("value") == "alertdialog"
                 and n.get("name", {}).get("value") == caption]
        check(named, f"the alert dialog is named {caption!r}")
        check(page.element("error-message").text == message, "the dialog shows the two lines of the error")
        check(page.js("return document.getElementById('error').contains(document.activeElement)"),
              "the focus is inside the dialog")
        if closing == Keys.ESCAPE:
            check(page.axe_violations() == [], "no accessibility violation with the dialog open")
        page.driver.switch_to.active_element.send_keys(closing)
        WebDriverWait(page.driver, 5).until(lambda d: not d.execute_script(
            "return document.getElementById('error').open"))
        check(page.active_id() == "date", "the focus returns to the date input")
        check(page.report() == shown, "a bad date leaves the report as it was")


def desktop_saved(text):
    return subprocess.run([str(DESKTOP_SAVE)], input=text.encode(), capture_output=True,
                          check=True).stdout


def wait_download(downloads, length):
    """The downloaded Ombrix.txt once it has its full length; then it is moved
    away, so that the next download gets the same name."""
    target = downloads / "Ombrix.txt"
    deadline = time.time() + 10
    while not (target.exists() and target.stat().st_size >= length) and time.time() < deadline:
        time.sleep(0.1)
    check(target.exists(), "saving downloads Ombrix.txt")
    return target.rename(downloads / f"saved-{time.time_ns()}.txt")


def test_save(page, downloads):
    page.wait_shown(page.type_date("27. Oktoober 1980"))
    composed = page.report()
    typed = "\nMinu märkus: Кириллица, € ja õ; o\u0303"
    box = page.element("report")
    box.send_keys(Keys.CONTROL, Keys.END)
    box.send_keys(typed)
    check(page.report().endswith("\nMinu märkus: ?????????, € ja õ; õ"),
          "Cyrillic typed shows as ?, an accent written apart joins its letter")
    box.send_keys(Keys.TAB)
    check(page.active_id() == "save", "Tab goes from the report to saving")
    page.driver.switch_to.active_element.send_keys(Keys.ENTER)
    desktop = desktop_saved(composed + typed)
    target = wait_download(downloads, len(desktop))
    (ARTEFACTS / "saved-by-page.txt").write_bytes(target.read_bytes())
    (ARTEFACTS / "saved-by-desktop.txt").write_bytes(desktop)
    check(target.read_bytes() == desktop, "the download holds the bytes the desktop saves of the same text")
    check(target.read_bytes().startswith(oracle("--raw").stdout),
          "an unedited report is saved as ombrix-report --raw composes it")


def test_paste(page, base):
    page.driver.execute_cdp_cmd("Browser.grantPermissions", {
        "origin": base.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    page.driver.execute_async_script("""
        navigator.clipboard.writeText('Привет, мир!').then(arguments[0], arguments[0]);""")
    box = page.element("report")
    box.send_keys(Keys.CONTROL, "a")
    box.send_keys(Keys.CONTROL, "v")
    check(page.report() == "??????, ???!", "pasted Cyrillic shows as ?")
    box.send_keys("x")
    check(page.report() == "??????, ???!x", "the caret stays after the pasted text")


def test_layout(page):
    for width, height in ((320, 640), (360, 740), (1280, 800)):
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600})
        page.wait_shown(page.type_date("27. Oktoober 1980"))
        page.js("window.scrollTo(0, 0)")
        check(page.overflow() == [], f"nothing overflows at {width} x {height}: {page.overflow()}")
        page.driver.save_screenshot(str(ARTEFACTS / f"page-{width}x{height}.png"))
        page.element("about-open").click()
        page.js("document.querySelector('#about details').open = true")
        check(page.overflow() == [], f"the About box fits at {width} x {height}: {page.overflow()}")
        page.driver.save_screenshot(str(ARTEFACTS / f"about-{width}x{height}.png"))
        page.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        page.type_date("5 jun 1990")
        check(page.overflow() == [], f"the date error fits at {width} x {height}: {page.overflow()}")
        page.driver.save_screenshot(str(ARTEFACTS / f"error-{width}x{height}.png"))
        page.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def test_about_and_help(page, base):
    version = oracle("--version").stdout.decode().split()[-1]
    page.element("about-open").send_keys(Keys.ENTER)
    about = page.element("about")
    check(about.is_displayed(), "Ohhoo ! opens the About box")
    check(f" {version}" in about.text and "MIT" in about.text, "it names the version and the licence")
    check(page.js("return document.getElementById('about').contains(document.activeElement)"),
          "the focus is inside the About box")
    check(page.axe_violations() == [], "no accessibility violation with the About box open")
    page.driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    check(page.active_id() == "about-open", "closing the About box returns the focus")
    main = page.driver.current_window_handle
    page.element("help").click()
    WebDriverWait(page.driver, 5).until(lambda d: len(d.window_handles) == 2)
    page.driver.switch_to.window([h for h in page.driver.window_handles if h != main][0])
    WebDriverWait(page.driver, 5).until(lambda d: d.execute_script("return document.readyState") == "complete")
    check(page.driver.current_url == base + "ombrix_help.html", "Mis värk on ?! opens the help")
    check(page.js("return !!document.querySelector('a[name=veeb]')"), "the help has a section on the web page")
    page.driver.close()
    page.driver.switch_to.window(main)


def test_page_alone(page, base):
    check(page.axe_violations() == [], f"no accessibility violation: {page.axe_violations()}")
    requests = set()
    for entry in page.driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            requests.add(message["params"]["request"]["url"])
    foreign = [u for u in requests if not u.startswith((base, "data:", "blob:"))]
    check(requests and not foreign, f"the page asks for nothing beyond its own files: {foreign}")


def test_from_folder(page, downloads):
    page.open((SITE / "index.html").as_uri())
    page.wait_shown(page.type_date("5 sept 1990"))
    check(page.report() == report_text("5 sept 1990"), "the page works opened from its folder")
    page.element("save").click()
    raw = oracle("--raw", "--", "5 sept 1990").stdout
    check(wait_download(downloads, len(raw)).read_bytes() == raw, "and saves from there")


def main():
    ARTEFACTS.mkdir(parents=True, exist_ok=True)
    server, base = serve()
    with tempfile.TemporaryDirectory() as downloads:
        driver = start_browser(pathlib.Path(downloads))
        page = Page(driver)
        failed = 0
        steps = [("start", lambda: test_start(page, base)),
                 ("dates", lambda: test_dates(page)),
                 ("date error", lambda: test_date_error(page)),
                 ("save", lambda: test_save(page, pathlib.Path(downloads))),
                 ("layout", lambda: test_layout(page)),
                 ("about and help", lambda: test_about_and_help(page, base)),
                 ("page alone", lambda: test_page_alone(page, base)),
                 ("paste", lambda: test_paste(page, base)),
                 ("from folder", lambda: test_from_folder(page, pathlib.Path(downloads)))]
        try:
            for name, step in steps:
                try:
                    step()
                except Exception as error:  # report every failing step, then fail
                    failed += 1
                    print(f"FAIL {name}: {error}", file=sys.stderr)
        finally:
            driver.quit()
            server.shutdown()
    print(f"web page: {len(steps) - failed} of {len(steps)} steps passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
