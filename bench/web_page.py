"""The page's figures in headless Chromium, served from this machine: what it loads, how soon it is interactive
after navigation (the browser's own timing: the page's "hali-ready" mark, taken once its module has started and
every section has answered) and how soon an answer is on screen after a keystroke (from the key event's time stamp
to the answer in the page, and to the frame that paints it, which waits for the display's next frame). Prints
figures beside their goals; asserts nothing.

    cmake --preset web && cmake --build --preset web --target web_page && /usr/bin/python3 bench/web_page.py
"""
import os
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
PAGE = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "web", "page")
os.environ["VARNOK_PAGE_DIR"] = PAGE

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from page_session import DESKTOP, Browser, PageServer, wait_until  # noqa: E402

LOADS = 21
KEYS = "15" + Keys.BACKSPACE * 2  # 1, 15, 1, nothing: every key changes the answer


def p95(values):
    return sorted(values)[max(0, int(round(0.95 * len(values))) - 1)]


# Records, for every key pressed in the page, the time from its event to the frame after the answer changed.
LATENCY_PROBE = """
window.haliLatencies = [];
window.haliAnswered = [];
let pressed = null;
document.addEventListener('keydown', e => { pressed = e.timeStamp; }, true);
new MutationObserver(() => {
  if (pressed === null) return;
  const start = pressed;
  pressed = null;
  window.haliAnswered.push(performance.now() - start);
  requestAnimationFrame(() => window.haliLatencies.push(performance.now() - start));
}).observe(document.getElementById('convert-gravity'), {childList: true, characterData: true, subtree: true});
"""


def main():
    sizes = {name: os.path.getsize(os.path.join(PAGE, name)) for name in sorted(os.listdir(PAGE))}
    print("what the page loads (bytes, before compression):")
    for name, size in sizes.items():
        print("  %-12s %8d" % (name, size))
    print("  %-12s %8d   goal <= %d (300 KB)" % ("total", sum(sizes.values()), 300 * 1024))

    server = PageServer(PAGE)
    browser = Browser("en")
    try:
        browser.size(DESKTOP)
        ready, interactive = [], []
        for _ in range(LOADS):
            browser.open(server.url)
            marks = browser.driver.execute_script(
                "return [performance.getEntriesByName('hali-ready')[0].startTime,"
                " performance.getEntriesByType('navigation')[0].domInteractive]")
            ready.append(marks[0])
            interactive.append(marks[1])
        print("\nnavigation to interactive, ms, %d loads from http://127.0.0.1 (median / p95 / fastest):" % LOADS)
        print("  DOM interactive           %6.1f / %6.1f / %6.1f" % (
            statistics.median(interactive), p95(interactive), min(interactive)))
        print("  every section answering   %6.1f / %6.1f / %6.1f   goal <= 300" % (
            statistics.median(ready), p95(ready), min(ready)))

        browser.open(server.url)
        browser.driver.execute_script(LATENCY_PROBE)
        browser.find("convert-waterTemperature").click()
        rounds = 50
        for _ in range(rounds):
            for key in KEYS:
                ActionChains(browser.driver).send_keys(key).perform()
        wait_until(lambda: browser.driver.execute_script("return window.haliLatencies.length") >= rounds * len(KEYS),
                   "every keystroke's answer")
        latencies = browser.driver.execute_script("return window.haliLatencies")
        answered = browser.driver.execute_script("return window.haliAnswered")
        print("\nVarnok's conversion, keystroke to ..., ms, %d keys (median / p95 / slowest):" % len(latencies))
        print("  the answer in the page    %6.2f / %6.2f / %6.2f" % (
            statistics.median(answered), p95(answered), max(answered)))
        print("  the frame that paints it  %6.2f / %6.2f / %6.2f   goal p95 <= 16 (a frame is 16.7)" % (
            statistics.median(latencies), p95(latencies), max(latencies)))
    finally:
        browser.close()
        server.close()


if __name__ == "__main__":
    main()
