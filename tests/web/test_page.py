"""The page in headless Chromium as a person uses it, with the keyboard alone: its answers against the command's digits,
bad input, what it keeps, its accessibility, its pictures, its files alone asked for, and its table on one A4 page."""
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
# The ids of the page's controls in the order Tab visits them: enabled ones, a radio group once.
TAB_ORDER = ("return [...document.querySelectorAll('button, input:not([type=radio]), select, "
             "input[type=radio]:checked')].filter(e => !e.disabled).map(e => e.id)")


def command(args):
    """What the command prints for the same question: the digits the page must show."""
    return subprocess.run([COMMAND] + args.split(), check=True, capture_output=True, text=True).stdout.strip()


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

    def press(self, element_id, *keys):
        """Tabs (Shift+Tabs) to the element as the page's order says, as one without a mouse, and presses keys."""
        order = self.driver.execute_script(TAB_ORDER)
        here = self.browser.focused()
        presses = order.index(element_id) - (order.index(here) if here in order else -1)
        shift = Keys.SHIFT if presses < 0 else Keys.NULL
        ActionChains(self.driver).key_down(shift).send_keys(Keys.TAB * abs(presses)).key_up(shift).perform()
        wait_until(lambda: self.browser.focused() == element_id,
                   lambda: "Tab to reach %s, not %s" % (element_id, self.browser.focused()))
        if keys:
            ActionChains(self.driver).send_keys(*keys).perform()

    def set_field(self, element_id, text):
        """Types text over what a field holds; in a list, moves with the arrow keys to the choice that starts with
        text; a check box, toggles it."""
        field = self.browser.find(element_id)
        if field.tag_name == "select":
            wanted = next(n for n, o in enumerate(field.find_elements("tag name", "option")) if o.text.startswith(text))
            now = int(field.get_attribute("selectedIndex"))
            self.press(element_id, *([Keys.DOWN] * (wanted - now) if wanted > now else [Keys.UP] * (now - wanted)))
            wait_until(lambda: int(field.get_attribute("selectedIndex")) == wanted, "the choice %s" % text)
        elif field.get_attribute("type") == "checkbox":
            self.press(element_id, Keys.SPACE)
        else:
            self.press(element_id)
            ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(
                Keys.DELETE, text).perform()


class AnswerTest(PageTestCase):
    # (what it checks, section, fields set ("field=text"; a check box toggled), {element: the command's arguments for
    # the same question ({answer}: the digits of one before), or the text of a note, a message, a refused answer ("—")
    # or a refused table ("")}); an id without a section ("glass-") is the row section's.
    JOURNEYS = [
        ("every setting of Varnok's conversion", "convert", ["waterTemperature=10", "baseTemperature=25",
         "baseGravity=1.025", "salinity=30", "depth=100", "potential="],
         {"gravity": "convert 10 --base-temperature 25 --base-gravity 1.025 --salinity 30 --depth 100 --no-potential"}),
        ("full-width digits and a comma", "convert", ["waterTemperature=２６，５"], {"gravity": "convert 26.5"}),
        ("a hydrometer both ways under a convention that holds the temperature", "hydrometer",
         ["convention=15/4", "reading=1.0235", "salinity=30"], {"temperature-held": "fixed at 15 °C by the convention",
          "salinityOfReading": "salinity --sg 1.0235 --convention 15/4",
          "gravityOfSalinity": "sg --salinity 30 --convention 15/4"}),
        ("a conductivity at depth, its salinity's SG under t/t", "conductivity", ["conductivity=40.1",
         "temperature=12.5", "pressure=2000", "convention=t/t"],
         {"salinity": "salinity --conductivity 40.1 --temperature 12.5 --pressure 2000",
          "gravity": "sg --salinity {salinity} --temperature 12.5 --convention t/t"}),
        ("a person's instruments: a refractometer without compensation on an SG scale, a glass hydrometer, Baume",
         "refractometer", ["scale=Specific gravity 25/25", "compensated=", "temperature=26", "zeroedAt=22",
          "reading=1.0235", "convention=t/4", "glass-convention=t/4", "glass-temperature=27", "glass-calibratedAt=22",
          "glass-expansion=12.5", "baume-scale=Gerlach", "baume-degrees=4.1", "baume-convention=t/4",
          "baume-temperature=22"],
         {"salinityOfReading": "salinity --refractometer 1.0235 --scale sg --convention 25/25 --temperature 26"
                               " --zeroed-at 22",
          "gravityOfReading": "sg --salinity {salinityOfReading} --temperature 26 --convention t/4",
          "readingOfSalinity": "refractometer --salinity 35 --scale sg --convention 25/25 --temperature 26"
                               " --zeroed-at 22",
          "indexOfSalinity": "refractive-index --salinity 35 --temperature 26",
          "glass-salinityOfReading": "salinity --hydrometer 1.024 --temperature 27 --convention t/4 --calibrated-at 22"
                                     " --expansion 12.5e-6",
          "glass-readingOfSalinity": "hydrometer --salinity 35 --temperature 27 --convention t/4 --calibrated-at 22"
                                     " --expansion 12.5e-6",
          "baume-gravityOfDegrees": "baume --degrees 4.1 --scale gerlach",
          "baume-degreesOfGravity": "baume --sg 1.0264 --scale gerlach",
          "baume-salinityOfDegrees": "salinity --baume 4.1 --convention t/4 --temperature 22 --scale gerlach"}),
        ("a base gravity of zero", "convert", ["baseGravity=0"], {"baseGravity-error": "Accepts above 0 up to 2.",
                                                                  "gravity": "—"}),
        ("a negative conductivity", "conductivity", ["conductivity=-1"],
         {"conductivity-error": "Accepts 0 mS/cm or more.", "salinity": "—"}),
        ("a reading no salinity gives", "hydrometer", ["reading=1.5"],
         {"reading-error": "No salinity from 0 to 42 reads this at this temperature.", "salinityOfReading": "—"}),
        ("a reading off the refractometer's scale", "refractometer", ["reading=42.01"],
         {"reading-error": "Accepts 0 to 42 ‰.", "gravityOfReading": "—"}),
        ("Baume degrees past salinity 42, said of the salinity alone", "baume", ["degrees=26"],
         {"salinityOfDegrees-error": "No salinity from 0 to 42 reads this: the seawater equations stop at 42.",
          "salinityOfDegrees": "—"}),
        ("a table whose last row is below its first", "table", ["to=10"],
         {"to-error": "Must not be below the first temperature.", "rows": ""}),
        ("a table longer than a page", "table", ["step=0.1"],
         {"step-error": "Makes more than 50 rows; one page holds 50.", "rows": ""}),
    ]

    def test_answers_as_the_command_does_and_refusals_name_their_range(self):
        for name, section, fields, expected in self.JOURNEYS:
            with self.subTest(name):
                self.setUp()
                notes = ("-held", "-error")
                qualified = lambda id: id if "-" in id and not id.endswith(notes) else section + "-" + id
                for field in fields:
                    self.set_field(qualified(field.partition("=")[0]), field.partition("=")[2])
                shown = {}
                for element, text in expected.items():
                    literal = text in ("", "—") or element.endswith(notes)
                    shown[element] = text if literal else command(text.format(**shown))
                    self.browser.wait_text(qualified(element), shown[element])
                    field = self.browser.find(qualified(element)[:-6]) if element.endswith("-error") else None
                    if field and field.tag_name == "input":  # a field's message (not an answer's) marks the field
                        self.assertEqual(field.get_attribute("aria-invalid"), "true")
                body = self.driver.execute_script("return document.body.innerText")
                self.assertIsNone(re.search(r"NaN|Infinity|undefined", body), body)

    def test_fahrenheit_converts_the_fields_the_ranges_and_the_table_which_prints_on_one_a4_page(self):
        self.set_field("convert-waterTemperature", "26")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.press("unit-C", Keys.RIGHT)  # the radio group's next choice, °F
        wait_until(lambda: self.browser.find("convert-waterTemperature").get_attribute("value") == "78.8",
                   "26 °C shown as 78.8 °F")
        self.assertEqual(self.browser.find("convert-baseTemperature").get_attribute("value"), "75.2")
        self.browser.wait_text("convert-gravity", "1.02339")
        self.set_field("convert-waterTemperature", "105")
        self.browser.wait_text("convert-waterTemperature-error", "Accepts 28.4 to 104 °F.")
        self.browser.wait_text("convert-gravity", "—")
        for field, text in (("table-from", "32"), ("table-to", "56.5"), ("table-step", "0.5")):  # the longest
            self.set_field(field, text)
        expected = [line.split() for line in command("table --from 32 --to 56.5 --step 0.5 --unit F").splitlines()[1:]]
        rows = lambda: self.driver.execute_script(
            "return [...document.querySelectorAll('#table-rows tr')].map(r => [...r.cells].map(c => c.textContent))")
        wait_until(lambda: rows() == expected, lambda: "the table %s, not %s" % (expected, rows()))
        self.assertEqual(len(expected), 50)
        pdf = base64.b64decode(self.driver.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": 8.27, "paperHeight": 11.69, "preferCSSPageSize": True})["data"])
        self.assertEqual(len(re.findall(rb"/Type\s*/Page[^s]", pdf)), 1)

    def test_first_run_values_then_the_settings_and_language_kept_as_varnok_keeps_them(self):
        values = lambda: [self.browser.find("convert-" + f).get_attribute("value")
                          for f in ("baseTemperature", "baseGravity", "salinity", "depth")]
        self.assertEqual(values(), ["24", "1.024", "35", "1"])
        self.assertTrue(self.browser.find("convert-potential").is_selected())
        for field, text in (("baseTemperature", "25.5"), ("baseGravity", "1.0245"), ("potential", ""), ("depth", "x")):
            self.set_field("convert-" + field, text)  # a refused text is not kept: the last accepted value is
        self.press("language", Keys.ENTER)
        self.browser.wait_text("convert-heading", "比重の換算")
        self.browser.open(self.server.url)
        self.assertEqual(values(), ["25.5", "1.0245", "35", "1"])
        self.assertFalse(self.browser.find("convert-potential").is_selected())
        self.assertEqual(self.browser.text("convert-heading"), "比重の換算")

    def test_labelled_announced_keyed_as_numbers_and_of_contrast_4_5_to_1(self):
        self.assertEqual(self.driver.execute_script(
            "return [...document.querySelectorAll('input, select')].filter(e => !(e.labels.length &&"
            " e.labels[0].textContent.trim())).concat([...document.querySelectorAll('input[type=text]')].filter("
            "e => e.inputMode !== 'decimal'), [...document.querySelectorAll('output')].filter("
            "e => e.ariaLive !== 'polite')).map(e => e.id)"), [])
        self.set_field("convert-waterTemperature", "abc")  # an error message shows too
        self.browser.wait_text("convert-waterTemperature-error", "Please enter a number.")
        self.assertEqual(self.driver.execute_script(CONTRAST_SCRIPT), [])


# Every element that shows text of its own, with its colour against the first opaque background behind it: the
# ones whose contrast ratio (WCAG 2) is below 4.5.
CONTRAST_SCRIPT = """
const rgb = (text) => text.match(/[\\d.]+/g).map(Number);
const channel = (c) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : Math.pow((c / 255 + 0.055) / 1.055, 2.4));
const luminance = ([r, g, b]) => 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b);
const background = (e) => {
  for (; e; e = e.parentElement) {
    const c = rgb(getComputedStyle(e).backgroundColor);
    if (c.length < 4 || c[3] > 0) return c.slice(0, 3);
  }
  return [255, 255, 255];
};
const own = (e) => [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim()) || e.matches('input, select');
return [...document.querySelectorAll('body *')].filter(e => own(e) && e.getClientRects().length).map(e => {
  const a = luminance(rgb(getComputedStyle(e).color)), b = luminance(background(e));
  return [e.tagName + '#' + e.id, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
}).filter(([, ratio]) => ratio < 4.5);
"""


class PictureTest(PageTestCase):
    """The page after the worked example in the browser's language, pixel for pixel as docs/web-*.png (a mismatch
    leaves what the browser showed and the difference in ARTIFACTS), served and opened as a file, asking for nothing
    but its own three files (data: URLs, the module carried in the script, are no request to a host)."""

    def test_phone_served_and_desktop_as_a_file(self):
        as_file = "file://" + os.path.abspath(PAGE_DIR) + "/"
        for name, size, mobile, folder in (("web-phone-", PHONE, True, self.server.url),
                                           ("web-desktop-", DESKTOP, False, as_file)):
            with self.subTest(name):
                name += self.language
                self.browser.size(size, mobile)
                self.browser.requested()
                self.assertEqual(self.browser.open(folder + "index.html", forget=True), "ready")
                self.set_field("convert-waterTemperature", "26")
                self.browser.wait_text("convert-gravity", "1.02339")
                self.assertEqual(sorted(u for u in self.browser.requested() if not u.startswith(("data:", "chrome:"))),
                                 [folder + own for own in ("index.html", "page.css", "page.js")])
                self.driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
                actual = Image.open(io.BytesIO(self.browser.screenshot())).convert("RGB")
                if mobile:  # 360 px wide, the longest message shown, it needs no sideways scrolling
                    self.browser.size((360, 740), mobile)
                    self.browser.open(folder + "index.html")  # Tab from the top again
                    self.set_field("baume-degrees", "26")
                    wait_until(lambda: self.browser.text("baume-salinityOfDegrees-error"), "the message")
                    self.assertLessEqual(*self.driver.execute_script(
                        "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]"))
                path = os.path.join(PICTURES, name + ".png")
                approved = Image.open(path).convert("RGB") if os.path.exists(path) else None
                diff = ImageChops.difference(actual, approved) if approved and actual.size == approved.size else None
                if diff is None or diff.getbbox() is not None:
                    os.makedirs(ARTIFACTS, exist_ok=True)
                    actual.save(os.path.join(ARTIFACTS, name + "-actual.png"))
                    if diff is not None:
                        diff.point(lambda v: 255 if v else 0).save(os.path.join(ARTIFACTS, name + "-diff.png"))
                    self.fail("%s differs from the approved picture (%s, %s in %s)" % (
                        name, actual.size, diff.getbbox() if diff else "another size or none", ARTIFACTS))


class JapanesePictureTest(PictureTest):
    """A Japanese browser gets the page in Japanese, in Varnok's words (the pictures), every text of it."""
    language = "ja"

    def test_every_text_is_in_both_languages(self):
        self.assertEqual(self.driver.execute_script(
            "const keys = (o, p) => Object.entries(o).flatMap(([k, v]) => typeof v === 'object' ? keys(v, p + k + '.')"
            " : [p + k]); const en = keys(PAGE_TEXTS.en, ''), ja = keys(PAGE_TEXTS.ja, '');"
            " return en.filter(k => !ja.includes(k)).concat(ja.filter(k => !en.includes(k)))"), [])


if __name__ == "__main__":
    unittest.main()
