"""The page in headless Chromium as a person uses it: keys typed into the fields, Tab between them, the language and
the unit switched with the keyboard, the answers read from the page and compared with the command's digits; bad
input; what it remembers; its accessibility; pictures against approved ones; no request beyond its own files, served
or opened as a file; the correction table printed on one A4 page."""
import base64
import io
import os
import re
import subprocess
import unittest

from PIL import Image, ImageChops
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from page_session import DESKTOP, PAGE_DIR, PHONE, Browser, PageServer, wait_until

COMMAND = os.environ["VARNOK_HALI_COMMAND"]
PICTURES = os.environ["VARNOK_WEB_PICTURES"]  # the approved pictures: the README's, in docs/
ARTIFACTS = os.environ["VARNOK_ARTIFACTS"]
NOT_A_NUMBER = re.compile(r"NaN|Infinity|undefined")
# The ids of the page's controls in the order Tab visits them: enabled ones, a radio group once.
TAB_ORDER = ("return [...document.querySelectorAll('button, input:not([type=radio]), select, "
             "input[type=radio]:checked')].filter(e => !e.disabled).map(e => e.id)")


def command(*args):
    """What the command prints for the same question: the digits the page must show."""
    return subprocess.run([COMMAND] + list(args), check=True, capture_output=True, text=True).stdout.strip()


class PageTestCase(unittest.TestCase):
    language = "en"

    @classmethod
    def setUpClass(cls):
        cls.server = PageServer()
        cls.addClassCleanup(cls.server.close)
        cls.browser = Browser(cls.language)
        cls.addClassCleanup(cls.browser.close)
        cls.driver = cls.browser.driver

    def setUp(self):
        """Each test starts as a first visit: nothing remembered, the desktop's size."""
        self.browser.size(DESKTOP)
        self.browser.open(self.server.url, forget=True)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def tab_to(self, element_id):
        """Presses Tab (Shift+Tab backwards) as often as the page's order of controls says it takes to reach the
        element, as a person who does not use the mouse, and checks that the focus is there."""
        order = self.driver.execute_script(TAB_ORDER)
        here = self.browser.focused()
        presses = order.index(element_id) - (order.index(here) if here in order else -1)
        chain = ActionChains(self.driver)
        if presses < 0:  # back with Shift+Tab
            chain.key_down(Keys.SHIFT).send_keys(Keys.TAB * -presses).key_up(Keys.SHIFT)
        else:
            chain.send_keys(Keys.TAB * presses)
        chain.perform()
        wait_until(lambda: self.browser.focused() == element_id,
                   lambda: "Tab to reach %s, not %s" % (element_id, self.browser.focused()))

    def retype(self, element_id, text):
        """Tabs to the field, selects what it holds and types text over it, key by key."""
        self.tab_to(element_id)
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(
            Keys.DELETE).send_keys(text).perform()

    def assert_no_bad_text(self):
        body = self.driver.execute_script("return document.body.innerText")
        self.assertIsNone(NOT_A_NUMBER.search(body), body)


class AnswerTest(PageTestCase):
    # (what it checks, [(field, text typed)], answer element, the command's arguments for the same question)
    QUESTIONS = [
        ("the worked example on Varnok's first-run settings", [("convert-waterTemperature", "26")],
         "convert-gravity", ["convert", "26"]),
        ("every setting of the conversion reaches it", [
            ("convert-waterTemperature", "10"), ("convert-baseTemperature", "25"), ("convert-baseGravity", "1.025"),
            ("convert-salinity", "30"), ("convert-depth", "100"), ("convert-potential", " ")],
         "convert-gravity", ["convert", "10", "--base-temperature", "25", "--base-gravity", "1.025", "--salinity",
                             "30", "--depth", "100", "--no-potential"]),
        ("a hydrometer reading under t/4", [("hydrometer-reading", "1.023"), ("hydrometer-temperature", "25")],
         "hydrometer-salinityOfReading", ["salinity", "--sg", "1.023", "--temperature", "25", "--convention", "t/4"]),
        ("the same reading under t/t", [("hydrometer-convention", "t/t"), ("hydrometer-reading", "1.023")],
         "hydrometer-salinityOfReading", ["salinity", "--sg", "1.023", "--temperature", "25", "--convention", "t/t"]),
        ("a conductivity to Practical Salinity", [("conductivity-conductivity", "53.07")],
         "conductivity-salinity", ["salinity", "--conductivity", "53.07", "--temperature", "25"]),
        ("a conductivity at depth", [("conductivity-conductivity", "40.1"), ("conductivity-temperature", "12.5"),
                                     ("conductivity-pressure", "2000")],
         "conductivity-salinity", ["salinity", "--conductivity", "40.1", "--temperature", "12.5", "--pressure", "2000"]),
        ("the conductivity's salinity as a specific gravity under 25/25", [("conductivity-conductivity", "53.07")],
         "conductivity-gravity", ["sg", "--salinity", "34.9992", "--convention", "25/25"]),
        ("a convention that fixes the temperature, after a conductivity at another", [
            ("conductivity-conductivity", "53.07"), ("conductivity-convention", "15/4")],
         "conductivity-gravity", ["sg", "--salinity", "34.9992", "--convention", "15/4"]),
        ("a comma as the decimal point", [("convert-waterTemperature", "26,5")], "convert-gravity",
         ["convert", "26.5"]),
        ("full-width digits from a Japanese keyboard", [("convert-waterTemperature", "２６．５")], "convert-gravity",
         ["convert", "26.5"]),
    ]

    def set_field(self, element_id, text):
        if element_id.endswith("-convention"):  # a closed list: its options by the arrow keys, as a keyboard user
            self.tab_to(element_id)
            select = self.browser.find(element_id)
            wanted = [o.text.split(":")[0] for o in select.find_elements("tag name", "option")].index(text)
            now = int(select.get_attribute("selectedIndex"))
            self.keys(*([Keys.DOWN] * (wanted - now) if wanted > now else [Keys.UP] * (now - wanted)))
            wait_until(lambda: int(select.get_attribute("selectedIndex")) == wanted, "the convention %s" % text)
        elif element_id.endswith("-potential"):
            self.tab_to(element_id)
            self.keys(Keys.SPACE)
        else:
            self.retype(element_id, text)

    def test_answers_as_the_command_does(self):
        for name, fields, answer, args in self.QUESTIONS:
            with self.subTest(name):
                self.setUp()
                for element_id, text in fields:
                    self.set_field(element_id, text)
                self.browser.wait_text(answer, command(*args))

    def test_correction_table_rows_are_the_commands(self):
        self.retype("table-from", "18")
        self.retype("table-to", "21")
        self.retype("table-step", "0.5")
        self.wait_table("--from", "18", "--to", "21", "--step", "0.5")

    def wait_table(self, *args):
        """Waits until the table's rows are the command's `table` with the same arguments, cell for cell."""
        expected = [line.split() for line in command("table", *args).splitlines()[1:]]
        rows = lambda: self.driver.execute_script(
            "return [...document.querySelectorAll('#table-rows tr')].map(r => [...r.cells].map(c => c.textContent))")
        wait_until(lambda: rows() == expected, lambda: "the table %s, not %s" % (expected, rows()))

    def test_fahrenheit_converts_the_fields_and_the_ranges(self):
        self.retype("convert-waterTemperature", "26")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.tab_to("unit-C")
        self.keys(Keys.RIGHT)  # the radio group's next choice, °F
        wait_until(lambda: self.browser.find("convert-waterTemperature").get_attribute("value") == "78.8",
                   "26 °C shown as 78.8 °F")
        self.assertEqual(self.browser.find("convert-baseTemperature").get_attribute("value"), "75.2")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.retype("convert-waterTemperature", "105")
        self.browser.wait_text("convert-waterTemperature-error", "Accepts 28.4 to 104 °F.")
        self.browser.wait_text("convert-gravity", "—")
        # The table in °F is the command's --unit F.
        self.retype("table-from", "68")
        self.retype("table-to", "71")
        self.wait_table("--from", "68", "--to", "71", "--unit", "F")


class RefusalTest(PageTestCase):
    # (what it checks, field, text typed, the message beside it, the answer that shows no number)
    REFUSALS = [
        ("a text that is no number", "convert-waterTemperature", "abc", "Please enter a number.", "convert-gravity"),
        ("a number too large for a double", "convert-salinity", "1e400", "Please enter a number.", "convert-gravity"),
        ("a temperature above the range", "convert-waterTemperature", "41", "Accepts -2 to 40 °C.", "convert-gravity"),
        ("a base gravity of zero", "convert-baseGravity", "0", "Accepts above 0 up to 2.", "convert-gravity"),
        ("PSS-78's temperature range", "conductivity-temperature", "36", "Accepts -2 to 35 °C.",
         "conductivity-salinity"),
        ("a negative conductivity", "conductivity-conductivity", "-1", "Accepts 0 mS/cm or more.",
         "conductivity-salinity"),
        ("a reading no salinity gives", "hydrometer-reading", "1.5",
         "No salinity from 0 to 42 reads this at this temperature.", "hydrometer-salinityOfReading"),
        ("a conductivity beyond salinity 42", "conductivity-conductivity", "90",
         "This conductivity gives no salinity from 0 to 42 here.", "conductivity-gravity"),
        ("a table whose last row is below its first", "table-to", "10", "Must not be below the first temperature.",
         None),
        ("a table longer than a page", "table-step", "0.1", "Makes more than 50 rows; one page holds 50.", None),
    ]

    def test_a_refused_entry_names_its_range_and_shows_no_number(self):
        for name, field, text, message, answer in self.REFUSALS:
            with self.subTest(name):
                self.setUp()
                self.retype(field, text)
                self.browser.wait_text(field + "-error", message)
                self.assertEqual(self.browser.find(field).get_attribute("aria-invalid"), "true")
                if answer:
                    self.browser.wait_text(answer, "—")
                else:
                    self.assertEqual(self.driver.execute_script("return document.querySelectorAll('#table-rows tr')"
                                                                ".length"), 0)
                self.assert_no_bad_text()

    def test_a_mended_entry_answers_again(self):
        self.retype("convert-waterTemperature", "4x")
        self.browser.wait_text("convert-waterTemperature-error", "Please enter a number.")
        self.keys(Keys.BACKSPACE, "0")
        self.browser.wait_text("convert-waterTemperature-error", "")
        self.browser.wait_text("convert-gravity", command("convert", "40"))

    def test_a_convention_that_fixes_the_temperature_takes_the_field_out(self):
        AnswerTest.set_field(self, "hydrometer-convention", "15/4")
        self.browser.wait_text("hydrometer-temperature-fixed", "fixed at 15 °C by the convention")
        self.assertFalse(self.browser.find("hydrometer-temperature").is_enabled())
        self.retype("hydrometer-reading", "1.024")
        self.browser.wait_text("hydrometer-salinityOfReading",
                               command("salinity", "--sg", "1.024", "--convention", "15/4"))


class RememberTest(PageTestCase):
    def test_first_run_values_then_the_settings_kept_as_varnok_keeps_them(self):
        values = lambda: [self.browser.find("convert-" + f).get_attribute("value")
                          for f in ("baseTemperature", "baseGravity", "salinity", "depth")]
        self.assertEqual(values(), ["24", "1.024", "35", "1"])
        self.assertTrue(self.browser.find("convert-potential").is_selected())
        self.retype("convert-baseTemperature", "25.5")
        self.retype("convert-baseGravity", "1.0245")
        self.tab_to("convert-potential")
        self.keys(Keys.SPACE)
        self.retype("convert-depth", "x")  # a refused text is not kept: the last accepted value is
        self.browser.open(self.server.url)
        self.assertEqual(values(), ["25.5", "1.0245", "35", "1"])
        self.assertFalse(self.browser.find("convert-potential").is_selected())


class JapaneseBrowserTest(PageTestCase):
    language = "ja"

    def test_a_japanese_browser_gets_japanese_in_varnoks_words(self):
        self.browser.wait_text("convert-heading", "比重の換算")
        for field, label in (("waterTemperature", "水温"), ("baseTemperature", "基準水温"), ("baseGravity", "基準比重"),
                             ("salinity", "塩分濃度"), ("depth", "水深"), ("potential", "ポテンシャル密度")):
            self.assertEqual(self.driver.execute_script(
                "return document.querySelector('label[for=convert-%s]').textContent" % field), label)
        self.retype("convert-waterTemperature", "abc")
        self.browser.wait_text("convert-waterTemperature-error", "数値を入力してください。")


class AccessibilityTest(PageTestCase):
    def test_every_field_is_labelled_announced_reached_by_tab_and_keyed_as_a_number(self):
        unlabelled = self.driver.execute_script(
            "return [...document.querySelectorAll('input, select')].filter("
            "e => !(e.labels.length && e.labels[0].textContent.trim())).map(e => e.id || e.name)")
        self.assertEqual(unlabelled, [])
        self.assertEqual(self.driver.execute_script(
            "return [...document.querySelectorAll('input[type=text]')].filter("
            "e => e.inputMode !== 'decimal').map(e => e.id)"), [])
        self.assertEqual(self.driver.execute_script(
            "return [...document.querySelectorAll('output')].filter("
            "e => e.getAttribute('aria-live') !== 'polite').map(e => e.id)"), [])
        # Tab visits every control once, in the page's order (a radio group is one stop).
        controls = self.driver.execute_script(TAB_ORDER)
        visited = []
        for _ in range(len(controls)):
            self.keys(Keys.TAB)
            visited.append(self.browser.focused())
        self.assertEqual(visited, controls)

    def test_text_contrast_is_at_least_4_5_to_1(self):
        self.retype("convert-waterTemperature", "abc")  # an error message shows too
        wait_until(lambda: self.browser.text("convert-waterTemperature-error"), "the message")
        self.assertEqual(self.driver.execute_script(CONTRAST_SCRIPT), [])

    def test_a_phone_of_360_pixels_needs_no_sideways_scrolling(self):
        for language in ("en", "ja"):
            with self.subTest(language):
                self.browser.size((360, 740), mobile=True)
                self.browser.open(self.server.url)
                if self.driver.execute_script("return document.documentElement.lang") != language:
                    self.tab_to("language")
                    self.keys(Keys.ENTER)
                self.retype("hydrometer-reading", "1.5")  # the longest message
                wait_until(lambda: self.browser.text("hydrometer-reading-error"), "the message")
                widths = self.driver.execute_script(
                    "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
                self.assertLessEqual(widths[0], widths[1], "the page is wider than the phone")


# Every element that shows text of its own, with its colour against the first opaque background behind it: the
# ones whose contrast ratio (WCAG 2) is below 4.5.
CONTRAST_SCRIPT = """
const rgb = (text) => text.match(/[\\d.]+/g).map(Number);
const luminance = ([r, g, b]) => [r, g, b].map(c => c / 255).map(
  c => c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4)).reduce((s, c, i) => s + c * [0.2126, 0.7152, 0.0722][i], 0);
const background = (e) => {
  for (; e; e = e.parentElement) {
    const c = rgb(getComputedStyle(e).backgroundColor);
    if (c.length < 4 || c[3] > 0) return c.slice(0, 3);
  }
  return [255, 255, 255];
};
const low = [];
for (const e of document.querySelectorAll('body *')) {
  const own = [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim());
  if (!own && !['INPUT', 'SELECT'].includes(e.tagName)) continue;
  if (e.getClientRects().length === 0) continue;
  const a = luminance(rgb(getComputedStyle(e).color)), b = luminance(background(e));
  const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
  if (ratio < 4.5) low.push(e.tagName + '#' + e.id + ' ' + ratio.toFixed(2));
}
return low;
"""


class PictureTest(PageTestCase):
    """The page after the worked example, compared pixel for pixel with the approved pictures (docs/web-*.png).
    A mismatch leaves what the browser showed and a picture of the difference in the artifacts folder."""

    def compare(self, name, size, mobile):
        self.browser.size(size, mobile)
        self.browser.open(self.server.url, forget=True)
        if name.endswith("-ja"):  # switched, then opened again in the language it keeps: no button pressed
            self.tab_to("language")
            self.keys(Keys.ENTER)
            self.browser.wait_text("convert-heading", "比重の換算")
            self.browser.open(self.server.url)
        self.retype("convert-waterTemperature", "26")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
        actual = Image.open(io.BytesIO(self.browser.screenshot())).convert("RGB")
        path = os.path.join(PICTURES, name + ".png")
        approved = Image.open(path).convert("RGB") if os.path.exists(path) else None
        difference = ImageChops.difference(actual, approved) if approved and actual.size == approved.size else None
        if difference is None or difference.getbbox() is not None:
            os.makedirs(ARTIFACTS, exist_ok=True)
            actual.save(os.path.join(ARTIFACTS, name + "-actual.png"))
            if difference is not None:
                difference.point(lambda v: 255 if v else 0).save(os.path.join(ARTIFACTS, name + "-difference.png"))
            self.fail("%s differs from the approved picture (%s, %s in %s)" % (
                name, actual.size, difference.getbbox() if difference else "another size or none", ARTIFACTS))

    def test_phone_and_desktop_in_both_languages(self):
        for name, size, mobile in (("web-phone-en", PHONE, True), ("web-phone-ja", PHONE, True),
                                   ("web-desktop-en", DESKTOP, False), ("web-desktop-ja", DESKTOP, False)):
            with self.subTest(name):
                self.compare(name, size, mobile)


class OwnFilesTest(PageTestCase):
    """The page asks for nothing but its own three files, served or opened from the file system; data: URLs (the
    module carried in the script) are no request to a host."""

    def use_everything(self):
        self.retype("convert-waterTemperature", "26")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.tab_to("language")
        self.keys(Keys.ENTER)
        self.browser.wait_text("convert-heading", "比重の換算")
        self.tab_to("unit-C")
        self.keys(Keys.RIGHT)
        self.browser.wait_text("convert-gravity", "1.02339")

    def page_requests(self):
        """The browser's requests since the last look, but its own start page's (chrome://)."""
        return [url for url in self.browser.requested() if not url.startswith("chrome://")]

    def test_served_it_asks_its_server_for_its_files_alone(self):
        self.browser.requested()
        del self.server.requests[:]
        self.browser.open(self.server.url)
        self.use_everything()
        own = [self.server.url + name for name in ("", "page.css", "page.js")]
        self.assertEqual(sorted(u for u in self.page_requests() if not u.startswith("data:")), own)
        self.assertEqual(sorted(self.server.requests), ["/", "/page.css", "/page.js"])

    def test_opened_as_a_file_it_works_and_reads_its_folder_alone(self):
        self.browser.requested()
        folder = "file://" + os.path.abspath(PAGE_DIR) + "/"
        self.assertEqual(self.browser.open(folder + "index.html"), "ready")
        self.use_everything()
        self.assertEqual(sorted(u for u in self.page_requests() if not u.startswith("data:")),
                         [folder + name for name in ("index.html", "page.css", "page.js")])


class PrintTest(PageTestCase):
    def pdf_pages(self):
        pdf = base64.b64decode(self.driver.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": 8.27, "paperHeight": 11.69, "preferCSSPageSize": True})["data"])
        return len(re.findall(rb"/Type\s*/Page[^s]", pdf))

    def test_the_longest_table_prints_on_one_a4_page(self):
        self.retype("table-from", "0")
        self.retype("table-to", "24.5")
        self.retype("table-step", "0.5")
        wait_until(lambda: self.driver.execute_script("return document.querySelectorAll('#table-rows tr').length") == 50,
                   "the table's 50 rows")
        self.assertEqual(self.pdf_pages(), 1)


if __name__ == "__main__":
    unittest.main()
