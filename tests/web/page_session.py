"""The page in headless Chromium, as the tests and the benchmark drive it: a local server of the page's folder, Debian's
chromedriver and Chromium in a fresh profile with the network closed, and waits on conditions with deadlines. Every
process started here is ended by its id."""
import functools
import http.server
import base64
import json
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from urllib.parse import urlsplit

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

PAGE_DIR = os.environ.get("VARNOK_PAGE_DIR", "")
DEADLINE = 30  # seconds for any one condition; a loaded two-core machine needs far less
PHONE = (390, 844)
DESKTOP = (1280, 800)
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--hide-scrollbars", "--font-render-hinting=none", "--force-color-profile=srgb",
                  "--disable-partial-raster", "--disable-skia-runtime-opts", "--num-raster-threads=1"]


class PageServer:
    """The page's folder on a free port of 127.0.0.1."""

    def __init__(self, folder=PAGE_DIR):
        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def end_headers(self):
                self.send_header("Cache-Control", "no-store")  # the browser's log sees every load ask
                super().end_headers()

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join(DEADLINE)


def wait_until(condition, what, deadline=DEADLINE):
    """condition()'s first true value, tried until the deadline; else an AssertionError naming what was awaited."""
    end = time.monotonic() + deadline
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("waited %d s for %s" % (deadline, what() if callable(what) else what))
        time.sleep(0.02)


def descendants(pid):
    """The ids of every process below pid."""
    children = [int(c) for c in subprocess.run(["ps", "-o", "pid=", "--ppid", str(pid)], capture_output=True,
                                                text=True).stdout.split()]
    return children + [d for c in children for d in descendants(c)]


class Browser:
    """Chromium through chromedriver, in a profile of its own, its browser language `language`."""

    def __init__(self, language="en"):
        self.profile = tempfile.mkdtemp(prefix="hali-page-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile, "--lang=" + language,
                                      "--window-size=%d,%d" % DESKTOP]:
            options.add_argument(flag)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.service = Service("/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=self.service, options=options)
        self.driver.set_page_load_timeout(DEADLINE)
        self.processes = [self.service.process.pid] + descendants(self.service.process.pid)
        self.driver.execute_cdp_cmd("Network.enable", {})

    def close(self):
        """Ends Chromium and chromedriver, then every process of theirs still there, by id."""
        try:
            self.processes += descendants(self.service.process.pid)
            self.driver.quit()
        finally:
            for pid in self.processes:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            shutil.rmtree(self.profile, ignore_errors=True)

    def size(self, width_height, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width_height[0], "height": width_height[1], "deviceScaleFactor": 1, "mobile": mobile})

    def open(self, url, forget=False):
        """Loads the page and waits until it has started its module and answered; forget: as on a first visit,
        with nothing kept in the browser for the page's origin."""
        if forget:
            self.driver.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": "%s://%s" % urlsplit(url)[:2],
                                                                      "storageTypes": "local_storage"})
        self.driver.get(url)
        return wait_until(lambda: self.driver.execute_script("return document.body && document.body.dataset.state"),
                          "the page to start")

    def requested(self):
        """The URLs the browser asked for since the last call, from its own network log."""
        messages = [json.loads(entry["message"])["message"] for entry in self.driver.get_log("performance")]
        return [m["params"]["request"]["url"] for m in messages if m["method"] == "Network.requestWillBeSent"]

    def find(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def text(self, element_id):
        return self.driver.execute_script("return document.getElementById(arguments[0]).textContent", element_id)

    def focused(self):
        return self.driver.execute_script("return document.activeElement.id")

    def wait_text(self, element_id, expected):
        """Waits until the element shows expected; names the text it showed otherwise."""
        wait_until(lambda: self.text(element_id) == expected,
                   lambda: "%s to read %r, not %r" % (element_id, expected, self.text(element_id)))

    def screenshot(self):
        """The viewport as PNG bytes, once the fonts have loaded and two frames have painted."""
        self.driver.execute_async_script(
            "const done = arguments[0]; document.fonts.ready.then(() =>"
            " requestAnimationFrame(() => requestAnimationFrame(() => done())));")
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})
        return base64.b64decode(shot["data"])
