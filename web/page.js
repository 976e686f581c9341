// The page: its sections, each a question that answers as the person types, built from the tables below and
// the texts of PAGE_TEXTS; the numbers come from hali's WebAssembly module (createHaliModule), never from
// formulas of its own. A new question is a new entry in SECTIONS and a row in each language's texts.
(function () {
  "use strict";
  if (typeof document === "undefined") return; // under node this script is the module alone

  const STORE_KEY = "hali-page"; // localStorage: the language, the unit and the remembered fields
  const TABLE_ROWS_MAX = 50; // what one A4 page holds in print
  const TABLE_STEP_SLACK = 1e-9; // a step count this close to a whole number is that number, as the command's

  // ---- Numbers as people type them and as the command writes them ------------------------------------------

  const FULL_WIDTH = { "０": "0", "１": "1", "２": "2", "３": "3", "４": "4", "５": "5", "６": "6", "７": "7",
    "８": "8", "９": "9", "．": ".", "，": ",", "－": "-", "−": "-", "＋": "+", "ｅ": "e", "Ｅ": "E" };
  const DECIMAL = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;

  // A field's text as a number: blanks around it ignored, full-width digits read as digits and a comma as the
  // decimal point. {empty: true}, {value} or {bad: true}.
  function plainText(text) {
    return text.trim().replace(/[０-９．，－−＋ｅＥ]/g, (c) => FULL_WIDTH[c]).replace(",", ".");
  }
  function readNumber(text) {
    const plain = plainText(text);
    if (plain === "") return { empty: true };
    if (!DECIMAL.test(plain)) return { bad: true };
    const value = Number(plain);
    return Number.isFinite(value) ? { value } : { bad: true };
  }

  // x with `decimals` decimals as the command writes it (printf's "%.*f": the exact binary value rounded, a
  // tie to even), never "-0.00". x finite, |x| below 1e21.
  function fixedText(x, decimals) {
    const exact = Math.abs(x).toFixed(100); // every digit of a double of this size, no rounding yet
    const point = exact.indexOf(".");
    const kept = exact.slice(0, point + 1 + decimals).replace(".", "");
    const rest = exact.slice(point + 1 + decimals);
    const odd = Number(kept[kept.length - 1]) % 2 === 1;
    const up = rest[0] > "5" || (rest[0] === "5" && (/[1-9]/.test(rest.slice(1)) || odd));
    let digits = (BigInt(kept) + (up ? 1n : 0n)).toString().padStart(decimals + 1, "0");
    if (decimals > 0) digits = digits.slice(0, digits.length - decimals) + "." + digits.slice(-decimals);
    return x < 0 && /[1-9]/.test(digits) ? "-" + digits : digits;
  }

  // The decimals a number's text shows, as the command counts them for a table's temperatures: "0.25" 2,
  // "20" 0, "2.5e-1" 2, at most 9.
  function decimalsOfText(text) {
    const [mantissa, exponent] = plainText(text).split(/[eE]/);
    const point = mantissa.indexOf(".");
    const decimals = (point < 0 ? 0 : mantissa.length - point - 1) - (Number(exponent) || 0);
    return Math.min(Math.max(decimals, 0), 9);
  }

  // A value written back into a field: the shortest text for what was typed, four decimals at most for a
  // converted temperature.
  function fieldText(value, converted) {
    return converted ? String(Number(value.toFixed(4))) : String(value);
  }

  // The command's conversions, in its order of operations.
  const celsiusOf = (f) => (f - 32.0) * 5.0 / 9.0;
  const fahrenheitOf = (c) => c * 9.0 / 5.0 + 32.0;
  const hundredths = (x) => Number(x.toFixed(2));

  // ---- The questions ------------------------------------------------------------------------------------------

  // The library's name of a thing it numbers (a convention, a scale).
  const nameOf = (h, pointer) => h.UTF8ToString(pointer);
  const numbers = (count) => [...Array(count).keys()];
  // A convention that fixes the sample's temperature (15/4, 20/20, ...), where t/t and t/4 take the sample's own.
  const fixesSample = (h, convention) => !Number.isNaN(h._halic_convention_sample_temperature(convention));

  // The choices of a list: name (what `initial` names), value (what the library takes), text (a key of the
  // texts) and the params its text is filled with.
  function conventions(h) {
    return numbers(h._page_SG_CONVENTIONS()).map((c) => {
      const name = nameOf(h, h._halic_convention_name(c));
      return { name, value: c, text: "conventions." + name };
    });
  }
  // A refractometer's scales, the specific gravity's under each convention that fixes the sample's temperature
  // (the others would read it at the scales' own): value [scale, convention].
  function refractometerScales(h) {
    return numbers(h._page_SCALES()).flatMap((s) => {
      const name = nameOf(h, h._halic_scale_name(s));
      if (s !== h._page_SCALE_SG()) return [{ name, value: [s, 0], text: "refractometer.scale_" + name }];
      return conventions(h).filter((c) => fixesSample(h, c.value)).map(
        (c) => ({ name: name + " " + c.name, value: [s, c.value], text: "refractometer.scale_sg",
                  params: { convention: c.name } }));
    });
  }
  function baumeScales(h) {
    return numbers(h._page_BAUME_SCALES()).map((b) => {
      const name = nameOf(h, h._halic_baume_name(b));
      return { name, value: b, text: "baume." + name, params: { modulus: String(h._halic_baume_modulus(b)) } };
    });
  }
  const isGravityScale = (scale) => scale[0] === hali._page_SCALE_SG();

  // A field that another takes out of play, disabled with a note that says why: at(h, values) is the value (°C)
  // it is held at, NaN while it is the person's; the library takes takes(at) for it.
  const HELD_BY_CONVENTION = { // a convention that fixes the sample's temperature: the library takes NaN
    at: (h, v) => h._halic_convention_sample_temperature(v.convention), takes: () => NaN, note: "conventions.fixed" };
  const HELD_BY_COMPENSATION = { // a temperature-compensated refractometer reads as at its scales' temperature
    at: (h, v) => (v.compensated ? h._page_REFRACTOMETER_T() : NaN), takes: (t) => t,
    note: "refractometer.compensatedAt" };

  // The specific gravity of a salinity under a convention, the sample at t for t/t and t/4; a salinity that is
  // NaN stays so, with the library's reason for it.
  function gravityOfSalinity(h, salinity, t, convention) {
    if (Number.isNaN(salinity)) return salinity;
    return h._halic_sg(salinity, fixesSample(h, convention) ? NaN : t, convention);
  }

  // Fields: kind "number" (range names a range of RANGES; unit a unit of the texts, "temperature" following the
  // °C/°F switch; exponent shifts what is typed to the library's unit), "choice" (choices lists them) or "check".
  // initial is the first-run value (°C for temperatures; a choice's name; a function of the module for one the
  // library knows); remember keeps the field in the browser, as Varnok keeps its settings per user; held takes
  // it out of play. An answer uses some fields, rounds to decimals as the command writes it, and names, for each
  // reason the library may give, the field at fault (or none: the answer's own) and the message.
  const SECTIONS = [
    {
      id: "convert",
      fields: [
        { id: "waterTemperature", kind: "number", range: "temperature", unit: "temperature", initial: null },
        { id: "baseTemperature", kind: "number", range: "temperature", unit: "temperature", initial: 24, remember: true },
        { id: "baseGravity", kind: "number", range: "gravity", unit: "", initial: 1.024, remember: true },
        { id: "salinity", kind: "number", range: "salinity", unit: "permille", initial: 35, remember: true },
        { id: "depth", kind: "number", range: "depth", unit: "metre", initial: 1, remember: true },
        { id: "potential", kind: "check", initial: true, remember: true },
      ],
      answers: [
        { id: "gravity", decimals: 5,
          uses: ["waterTemperature", "baseTemperature", "baseGravity", "salinity", "depth", "potential"],
          compute: (h, v) => h._page_convert(v.waterTemperature, v.baseGravity, v.baseTemperature, v.salinity,
                                             v.depth, v.potential ? 1 : 0) },
      ],
    },
    {
      id: "hydrometer",
      fields: [
        { id: "convention", kind: "choice", choices: conventions, initial: "t/4" },
        { id: "temperature", kind: "number", range: "temperature", unit: "temperature", initial: 25,
          held: HELD_BY_CONVENTION },
        { id: "reading", kind: "number", range: "gravity", unit: "", initial: 1.023 },
        { id: "salinity", kind: "number", range: "salinity", unit: "permille", initial: 35 },
      ],
      answers: [
        { id: "salinityOfReading", decimals: 2, uses: ["convention", "temperature", "reading"],
          compute: (h, v) => h._halic_salinity_from_sg(v.reading, v.temperature, v.convention),
          faults: { E_NO_SALINITY: ["reading", "noSalinity"] } },
        { id: "gravityOfSalinity", decimals: 5, uses: ["convention", "temperature", "salinity"],
          compute: (h, v) => h._halic_sg(v.salinity, v.temperature, v.convention) },
      ],
    },
    {
      id: "conductivity",
      fields: [
        { id: "conductivity", kind: "number", range: "conductivity", unit: "conductivity", initial: 53.07 },
        { id: "temperature", kind: "number", range: "pss78Temperature", unit: "temperature", initial: 25 },
        { id: "pressure", kind: "number", range: "pressure", unit: "dbar", initial: 0 },
        { id: "convention", kind: "choice", choices: conventions, initial: "25/25" },
      ],
      answers: [
        { id: "salinity", decimals: 4, uses: ["conductivity", "temperature", "pressure"],
          compute: (h, v) => h._halic_sp_from_c(v.conductivity, v.temperature, v.pressure),
          faults: { E_CONDUCTIVITY: ["conductivity", "noConductivitySalinity"] } },
        { id: "gravity", decimals: 5, uses: ["conductivity", "temperature", "pressure", "convention"],
          compute: (h, v) => gravityOfSalinity(h, h._halic_sp_from_c(v.conductivity, v.temperature, v.pressure),
                                               v.temperature, v.convention),
          faults: { E_CONDUCTIVITY: ["conductivity", "noConductivitySalinity"] } },
      ],
    },
    {
      id: "refractometer",
      fields: [
        { id: "scale", kind: "choice", choices: refractometerScales, initial: "seawater" },
        { id: "reading", kind: "number", range: "refractometerReading",
          unit: (v) => (isGravityScale(v.scale) ? "" : "permille"), initial: 35 },
        { id: "compensated", kind: "check", initial: true },
        { id: "temperature", kind: "number", range: "refractionTemperature", unit: "temperature",
          initial: (h) => h._page_REFRACTOMETER_T(), held: HELD_BY_COMPENSATION },
        { id: "zeroedAt", kind: "number", range: "refractionTemperature", unit: "temperature",
          initial: (h) => h._page_REFRACTOMETER_T(), held: HELD_BY_COMPENSATION },
        { id: "convention", kind: "choice", choices: conventions, initial: "25/25" },
        { id: "salinity", kind: "number", range: "salinity", unit: "permille", initial: 35 },
      ],
      answers: [
        { id: "salinityOfReading", decimals: 2, uses: ["scale", "reading", "temperature", "zeroedAt"],
          compute: (h, v) => h._halic_salinity_from_refractometer(v.reading, v.temperature, v.zeroedAt, ...v.scale),
          faults: { E_READING: ["reading", "range"], E_NO_SALINITY: ["reading", "noSalinityHere"] } },
        { id: "gravityOfReading", decimals: 5, uses: ["scale", "reading", "temperature", "zeroedAt", "convention"],
          compute: (h, v) => gravityOfSalinity(
            h, h._halic_salinity_from_refractometer(v.reading, v.temperature, v.zeroedAt, ...v.scale), v.temperature,
            v.convention),
          faults: { E_READING: ["reading", "range"], E_NO_SALINITY: ["reading", "noSalinityHere"] } },
        { id: "readingOfSalinity", decimals: (v) => (isGravityScale(v.scale) ? 5 : 2),
          uses: ["scale", "salinity", "temperature", "zeroedAt"],
          compute: (h, v) => h._halic_refractometer_reading(v.salinity, v.temperature, v.zeroedAt, ...v.scale),
          faults: { E_READING: [null, "offScale"] } },
        { id: "indexOfSalinity", decimals: 6, uses: ["salinity", "temperature"],
          compute: (h, v) => h._halic_refractive_index(v.salinity, v.temperature, h._page_SODIUM_D()) },
      ],
    },
    {
      id: "glass",
      fields: [
        { id: "convention", kind: "choice", choices: conventions, initial: "15/4" },
        { id: "temperature", kind: "number", range: "temperature", unit: "temperature", initial: 26 },
        { id: "calibratedAt", kind: "number", range: "temperature", unit: "temperature", initial: 20,
          held: HELD_BY_CONVENTION },
        { id: "expansion", kind: "number", range: "expansion", unit: "expansion", exponent: -6,
          initial: (h) => shifted(String(h._page_GLASS_EXPANSION()), 6) },
        { id: "reading", kind: "number", range: "gravity", unit: "", initial: 1.024 },
        { id: "salinity", kind: "number", range: "salinity", unit: "permille", initial: 35 },
      ],
      answers: [
        { id: "salinityOfReading", decimals: 2,
          uses: ["convention", "temperature", "calibratedAt", "expansion", "reading"],
          compute: (h, v) => h._halic_salinity_from_hydrometer(v.reading, v.temperature, v.calibratedAt, v.expansion,
                                                               v.convention),
          faults: { E_NO_SALINITY: ["reading", "noSalinity"] } },
        { id: "readingOfSalinity", decimals: 5,
          uses: ["convention", "temperature", "calibratedAt", "expansion", "salinity"],
          compute: (h, v) => h._halic_hydrometer_reading(v.salinity, v.temperature, v.calibratedAt, v.expansion,
                                                         v.convention) },
      ],
    },
    {
      id: "baume",
      fields: [
        { id: "scale", kind: "choice", choices: baumeScales, initial: "american" },
        { id: "degrees", kind: "number", range: "baumeDegrees", unit: "baume", initial: 3.73 },
        { id: "convention", kind: "choice", choices: conventions, initial: "60/60F" },
        { id: "temperature", kind: "number", range: "temperature", unit: "temperature", initial: 25,
          held: HELD_BY_CONVENTION },
        { id: "gravity", kind: "number", range: "baumeGravity", unit: "", initial: 1.0264 },
      ],
      answers: [
        { id: "gravityOfDegrees", decimals: 5, uses: ["scale", "degrees"],
          compute: (h, v) => h._halic_sg_from_baume(v.degrees, v.scale) },
        { id: "salinityOfDegrees", decimals: 2, uses: ["scale", "degrees", "convention", "temperature"],
          compute: (h, v) => h._halic_salinity_from_baume(v.degrees, v.temperature, v.convention, v.scale),
          faults: { E_NO_SALINITY: [null, "pastSeawater"] } },
        { id: "degreesOfGravity", decimals: 2, uses: ["scale", "gravity"],
          compute: (h, v) => h._halic_baume(v.gravity, v.scale) },
      ],
    },
    {
      id: "table",
      fields: [
        { id: "from", kind: "number", range: "temperature", unit: "temperature", initial: 20 },
        { id: "to", kind: "number", range: "temperature", unit: "temperature", initial: 30 },
        { id: "step", kind: "number", range: "step", unit: "temperatureStep", initial: 1 },
      ],
      answers: [],
      table: true,
    },
  ];

  // ---- The page's state -------------------------------------------------------------------------------------

  let hali = null; // the module, once it has started
  let RANGES = null;
  const state = { language: "en", unit: "C" };
  const fieldState = {}; // "section.field" -> {value (°C for temperatures), problem: null or [key, params]}
  const elements = {}; // "section.field" -> its input, select or check box
  const choices = {}; // "section.field" -> the choices of its list

  function load() {
    try {
      return JSON.parse(window.localStorage.getItem(STORE_KEY)) || {};
    } catch (e) {
      return {}; // no storage (a private window, a file page in some browsers): every run is a first run
    }
  }
  function save() {
    const remembered = {};
    for (const section of SECTIONS)
      for (const field of section.fields)
        if (field.remember && fieldState[section.id + "." + field.id].problem === null &&
            fieldState[section.id + "." + field.id].value !== null)
          remembered[section.id + "." + field.id] = fieldState[section.id + "." + field.id].value;
    try {
      window.localStorage.setItem(STORE_KEY, JSON.stringify(
        { language: state.language, unit: state.unit, fields: Object.assign(load().fields || {}, remembered) }));
    } catch (e) {
      // nothing to keep them in: the page goes on with them for this visit
    }
  }

  function texts() {
    return PAGE_TEXTS[state.language];
  }
  function fill(template, params) {
    return template.replace(/\{(\w+)\}/g, (whole, name) => (name in params ? params[name] : whole));
  }
  function unitText(unit) {
    const t = texts();
    if (unit === "temperature" || unit === "temperatureStep")
      return state.unit === "F" ? t.page.fahrenheit : t.page.celsius;
    return unit ? t.units[unit] : "";
  }

  // The accepted ranges, from the module: halic.h writes them once. A range that hangs on another field is a
  // function of the section's values; its bounds are shown to decimals (those of the readings on its scale).
  function makeRanges(h) {
    const temperature = { low: h._page_T_MIN(), high: h._page_T_MAX(), temperature: true };
    const salinity = { low: h._page_SP_MIN(), high: h._page_SP_MAX() };
    const scaleTemperature = h._page_REFRACTOMETER_T();
    return {
      temperature,
      pss78Temperature: { low: temperature.low, high: h._page_PSS78_T_MAX(), temperature: true },
      refractionTemperature: { low: temperature.low, high: h._page_REFRACTION_T_MAX(), temperature: true },
      salinity,
      gravity: { low: 0, high: h._page_SG_MAX(), lowExclusive: true },
      depth: { low: 0, high: h._page_P_MAX() },
      pressure: { low: 0, high: h._page_P_MAX() },
      conductivity: { low: 0, high: Infinity },
      step: { low: 0, high: Infinity, lowExclusive: true },
      expansion: { low: 0, high: shifted(String(h._page_EXPANSION_MAX()), 6) },
      // A scale shows what seawater of the salinities accepted shows at the scales' temperature.
      refractometerReading: (v) => ({
        low: h._halic_refractometer_reading(salinity.low, scaleTemperature, scaleTemperature, ...v.scale),
        high: h._halic_refractometer_reading(salinity.high, scaleTemperature, scaleTemperature, ...v.scale),
        decimals: isGravityScale(v.scale) ? 5 : 2 }),
      baumeDegrees: (v) => ({ low: h._halic_baume(h._page_BAUME_SG_MIN(), v.scale),
                              high: h._halic_baume(h._page_SG_MAX(), v.scale) }),
      baumeGravity: { low: h._page_BAUME_SG_MIN(), high: h._page_SG_MAX() },
    };
  }

  // The field's range for the section's values, in the unit the field shows: temperatures in °F have their
  // bounds converted to hundredths, as the command's.
  function rangeOf(field, values) {
    const range = RANGES[field.range];
    return typeof range === "function" ? range(values) : range;
  }
  function shownRange(range) {
    if (!range.temperature || state.unit === "C") return range;
    return Object.assign({}, range, { low: hundredths(fahrenheitOf(range.low)), high: hundredths(fahrenheitOf(range.high)) });
  }
  // A bound as a message names it: to the range's decimals, rounded inwards, so that every value named is taken.
  function boundText(range, bound) {
    if (range.decimals === undefined) return String(range[bound]);
    const scale = 10 ** range.decimals;
    const x = range[bound] * scale;
    return String((bound === "low" ? Math.ceil(x - 1e-6) : Math.floor(x + 1e-6)) / scale);
  }

  // The number a text gives with its decimal point moved: "25" and 6 less is 25e-6, read as the command reads it.
  function shifted(text, exponent) {
    const [mantissa, power] = plainText(text).split(/[eE]/);
    return Number(mantissa + "e" + ((Number(power) || 0) + exponent));
  }

  // ---- Reading the fields -------------------------------------------------------------------------------------

  const unitOf = (field, values) => (typeof field.unit === "function" ? field.unit(values) : field.unit);

  // The message that names the range a field accepts.
  function rangeProblem(field, values) {
    const range = shownRange(rangeOf(field, values));
    const unit = unitText(unitOf(field, values));
    const params = { low: boundText(range, "low"), high: boundText(range, "high"), unit: unit ? " " + unit : "" };
    return [range.high === Infinity ? "atLeast" : range.lowExclusive ? "aboveRange" : "range", params];
  }

  // Reads one field into fieldState: its value in the library's units, or the problem to show beside it. values
  // holds the fields before it, read already.
  function readField(section, field, values) {
    const key = section.id + "." + field.id;
    const input = elements[key];
    const entry = fieldState[key];
    entry.problem = null;
    if (field.kind === "check") {
      entry.value = input.checked;
      return;
    }
    if (field.kind === "choice") {
      entry.value = choices[key][Number(input.value)].value;
      return;
    }
    if (field.held) {
      const at = field.held.at(hali, values);
      input.disabled = !Number.isNaN(at);
      if (input.disabled) {
        entry.value = field.held.takes(at);
        return;
      }
    }
    const number = readNumber(input.value);
    if (number.empty) {
      entry.value = null;
      return;
    }
    if (number.bad) {
      entry.problem = ["notNumber", {}];
      return;
    }
    const range = shownRange(rangeOf(field, values));
    const x = number.value;
    if (x < range.low || x > range.high || (range.lowExclusive && x <= range.low)) {
      entry.problem = rangeProblem(field, values);
      return;
    }
    // A temperature accepted in °F is held to the °C range its bounds were rounded from, as the command's.
    const base = rangeOf(field, values);
    if (field.unit === "temperature" && state.unit === "F")
      entry.value = Math.min(Math.max(celsiusOf(x), base.low), base.high);
    else
      entry.value = field.exponent ? shifted(input.value, field.exponent) : x;
  }

  function valuesOf(section) {
    const values = {};
    for (const field of section.fields) values[field.id] = fieldState[section.id + "." + field.id].value;
    return values;
  }

  // ---- Answering ------------------------------------------------------------------------------------------

  function setText(element, text) {
    if (element.textContent !== text) element.textContent = text; // an unchanged answer is not announced again
  }

  // The answer's text, or null with the fault put on its field or on the answer; never a text that is not a
  // number.
  function answerText(section, answer) {
    for (const id of answer.uses) {
      const entry = fieldState[section.id + "." + id];
      if (entry.problem !== null || entry.value === null) return null;
    }
    const values = valuesOf(section);
    const result = answer.compute(hali, values);
    const decimals = typeof answer.decimals === "function" ? answer.decimals(values) : answer.decimals;
    if (Number.isFinite(result)) return fixedText(result, decimals);
    const error = hali._halic_last_error();
    const salinity = { low: String(RANGES.salinity.low), high: String(RANGES.salinity.high) };
    for (const [reason, [fieldId, message]] of Object.entries(answer.faults || {}))
      if (error === hali["_page_" + reason]()) {
        const field = section.fields.find((f) => f.id === fieldId);
        const problem = message === "range" ? rangeProblem(field, values) : [message, salinity];
        if (!field) answer.problem = problem;
        else if (fieldState[section.id + "." + fieldId].problem === null)
          fieldState[section.id + "." + fieldId].problem = problem;
        return null;
      }
    answer.problem = ["noAnswer", {}];
    return null;
  }

  // A section's answers from its fields; the sections that read its fields (the table reads the first's) follow.
  function answerSection(section) {
    const values = {};
    for (const field of section.fields) {
      readField(section, field, values);
      values[field.id] = fieldState[section.id + "." + field.id].value;
    }
    for (const answer of section.answers) {
      answer.problem = null;
      const text = answerText(section, answer);
      setText(document.getElementById(section.id + "-" + answer.id), text === null ? texts().page.noAnswerYet : text);
      setText(document.getElementById(section.id + "-" + answer.id + "-error"),
              answer.problem ? fill(texts().errors[answer.problem[0]], answer.problem[1]) : "");
    }
    if (section.table) fillTable(section);
    for (const field of section.fields) showField(section, field, values);
    if (section === SECTIONS[0]) for (const other of SECTIONS) if (other.table) answerSection(other);
  }

  function answerAll() {
    for (const section of SECTIONS) answerSection(section);
    save();
  }

  // Beside a field: its unit, the problem with what it holds, and why it is held where it is.
  function showField(section, field, values) {
    const key = section.id + "." + field.id;
    const id = section.id + "-" + field.id;
    const unit = document.getElementById(id + "-unit");
    if (unit) setText(unit, unitText(unitOf(field, values)));
    const message = document.getElementById(id + "-error");
    if (message) {
      const problem = fieldState[key].problem;
      setText(message, problem ? fill(texts().errors[problem[0]], problem[1]) : "");
      elements[key].setAttribute("aria-invalid", problem ? "true" : "false");
    }
    if (field.held) {
      const at = field.held.at(hali, values);
      const [part, name] = field.held.note.split(".");
      const shown = state.unit === "F" ? fahrenheitOf(at) : at;
      setText(document.getElementById(id + "-held"), Number.isNaN(at) ? "" : fill(texts()[part][name],
        { temperature: fieldText(shown, true) + " " + unitText("temperature") }));
    }
  }

  // The correction table of the hydrometer set in the first section, as the command's `table` writes it.
  function fillTable(section) {
    const body = document.getElementById("table-rows");
    const caption = document.getElementById("table-caption");
    const v = valuesOf(section);
    const settings = SECTIONS[0];
    const s = valuesOf(settings);
    const entry = (id) => fieldState[section.id + "." + id];
    let rows = [];
    const ready = ["from", "to", "step"].every((id) => entry(id).problem === null && entry(id).value !== null) &&
      ["baseTemperature", "baseGravity", "salinity", "depth"].every(
        (id) => fieldState["convert." + id].problem === null && fieldState["convert." + id].value !== null);
    if (ready) {
      const shown = (id) => readNumber(elements[section.id + "." + id].value).value; // in the table's unit
      const from = shown("from"), to = shown("to"), step = shown("step");
      const decimals = Math.max(decimalsOfText(elements["table.from"].value), decimalsOfText(elements["table.step"].value));
      const steps = Math.floor((to - from) / step + TABLE_STEP_SLACK);
      if (to < from) entry("to").problem = ["toBelowFrom", {}];
      else if (steps + 1 > TABLE_ROWS_MAX) entry("step").problem = ["tooManyRows", { rows: TABLE_ROWS_MAX }];
      else {
        const base = hali._page_convert(s.baseTemperature, s.baseGravity, s.baseTemperature, s.salinity, s.depth,
                                        s.potential ? 1 : 0);
        const baseUnits = Math.round(base * 100000);
        for (let n = 0; n <= steps; ++n) {
          const t = Math.min(from + n * step, to);
          const celsius = state.unit === "F"
            ? Math.min(Math.max(celsiusOf(t), RANGES.temperature.low), RANGES.temperature.high) : t;
          const g = hali._page_convert(celsius, s.baseGravity, s.baseTemperature, s.salinity, s.depth,
                                       s.potential ? 1 : 0);
          if (!Number.isFinite(g)) continue;
          rows.push([fixedText(t, decimals), fixedText(g, 5), fixedText((baseUnits - Math.round(g * 100000)) * 0.00001, 5)]);
        }
      }
    }
    const html = rows.map((r) => "<tr><td>" + r.join("</td><td>") + "</td></tr>").join("");
    if (body.innerHTML !== html) body.innerHTML = html;
    const t = texts();
    const baseTemperatureText = ready ? elements["convert.baseTemperature"].value.trim() + " " + unitText("temperature") : "";
    setText(caption, ready ? fill(t.table.caption, {
      temperature: baseTemperatureText, gravity: elements["convert.baseGravity"].value.trim(),
      salinity: elements["convert.salinity"].value.trim(), depth: elements["convert.depth"].value.trim(),
      potential: s.potential ? t.table.on : t.table.off }) : "");
  }

  // ---- Building the page ----------------------------------------------------------------------------------

  function make(tag, attributes, parent) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) element.setAttribute(name, value);
    if (parent) parent.appendChild(element);
    return element;
  }

  function buildField(section, field, parent, stored) {
    const id = section.id + "-" + field.id;
    const key = section.id + "." + field.id;
    const row = make("div", { class: "field field-" + field.kind }, parent);
    const initial = typeof field.initial === "function" ? field.initial(hali) : field.initial;
    const first = key in stored ? stored[key] : initial;
    let input;
    if (field.kind === "check") {
      input = make("input", { type: "checkbox", id }, row);
      make("label", { for: id, "data-text": key }, row);
      input.checked = Boolean(first);
    } else {
      const list = field.kind === "choice" ? field.choices(hali) : null;
      const label = list && field.choices === conventions ? "conventions.legend" : key;
      make("label", { for: id, "data-text": label }, row);
      const entry = make("span", { class: "entry" }, row);
      if (list) {
        input = make("select", { id }, entry);
        list.forEach((choice, n) => {
          const params = JSON.stringify(choice.params || {});
          make("option", { value: String(n), "data-text": choice.text, "data-params": params }, input);
          if (choice.name === first) input.value = String(n);
        });
        choices[key] = list;
      } else {
        const described = id + "-unit " + id + "-error" + (field.held ? " " + id + "-held" : "");
        input = make("input", { type: "text", id, inputmode: "decimal", autocomplete: "off", spellcheck: "false",
                                "aria-describedby": described }, entry);
        make("span", { class: "unit", id: id + "-unit" }, entry);
        const fahrenheit = field.unit === "temperature" && state.unit === "F";
        if (first !== null) input.value = fieldText(fahrenheit ? fahrenheitOf(first) : first, fahrenheit);
        if (field.held) make("span", { class: "held", id: id + "-held" }, row);
      }
      make("span", { class: "error", id: id + "-error" }, row);
    }
    elements[key] = input;
    fieldState[key] = { value: null, problem: null };
    input.addEventListener(field.kind === "number" ? "input" : "change", () => {
      answerSection(section);
      if (field.remember) save();
    });
  }

  function buildSection(section, main, stored) {
    const element = make("section", { id: section.id, "aria-labelledby": section.id + "-heading" }, main);
    make("h2", { id: section.id + "-heading", "data-text": section.id + ".heading" }, element);
    make("p", { class: "note", "data-text": section.id + ".note" }, element);
    const fields = make("div", { class: "fields" }, element);
    for (const field of section.fields) buildField(section, field, fields, stored);
    const answers = make("div", { class: "answers" }, element);
    for (const answer of section.answers) {
      const id = section.id + "-" + answer.id;
      const row = make("div", { class: "answer" }, answers);
      make("span", { class: "answer-label", id: id + "-label", "data-text": section.id + "." + answer.id }, row);
      make("output", { id, "aria-live": "polite", "aria-labelledby": id + "-label" }, row);
      make("span", { class: "error", id: id + "-error" }, row);
    }
    if (section.table) {
      const print = make("button", { type: "button", id: "table-print", "data-text": "table.print" }, element);
      print.addEventListener("click", () => window.print());
      const table = make("table", { id: "table-grid" }, element);
      make("caption", { id: "table-caption", "aria-live": "polite" }, table);
      const head = make("tr", {}, make("thead", {}, table));
      for (const column of ["temperature", "reads", "correction"])
        make("th", { scope: "col", "data-text": "table." + column, "data-unit": column === "temperature" ? "temperature" : "" }, head);
      make("tbody", { id: "table-rows" }, table);
    }
  }

  // Every text of the page from the current language's table; the answers follow.
  function showTexts() {
    const t = texts();
    document.documentElement.lang = t.page.language;
    document.title = t.page.title;
    for (const element of document.querySelectorAll("[data-text]")) {
      const [part, name] = element.dataset.text.split(".");
      let text = fill(t[part][name], JSON.parse(element.dataset.params || "{}"));
      if (element.dataset.unit) text += " (" + unitText(element.dataset.unit) + ")";
      setText(element, text);
    }
    const other = document.getElementById("language");
    other.lang = t.page.otherLanguageName;
    other.setAttribute("aria-label", t.page.switchLanguage);
    setText(document.getElementById("version"), fill(t.page.version, { version: hali.UTF8ToString(hali._halic_version()) }));
    answerAll();
  }

  // °C / °F: every temperature field that holds a number shows it in the new unit.
  function switchUnit(unit) {
    if (unit === state.unit) return;
    for (const section of SECTIONS)
      for (const field of section.fields) {
        if (field.unit !== "temperature") continue;
        const input = elements[section.id + "." + field.id];
        const number = readNumber(input.value);
        if (number.value === undefined) continue;
        input.value = fieldText(unit === "F" ? fahrenheitOf(number.value) : celsiusOf(number.value), true);
      }
    state.unit = unit;
    showTexts();
  }

  function start(module) {
    hali = module;
    RANGES = makeRanges(hali);
    const stored = load();
    const browser = (navigator.languages || [navigator.language || "en"]).find((l) => /^(ja|en)\b/i.test(l)) || "en";
    state.language = PAGE_TEXTS[stored.language] ? stored.language : browser.slice(0, 2).toLowerCase();
    state.unit = stored.unit === "F" ? "F" : "C";
    const main = document.getElementById("questions");
    for (const section of SECTIONS) buildSection(section, main, stored.fields || {});
    document.getElementById("language").addEventListener("click", () => {
      state.language = texts().page.otherLanguageName;
      showTexts();
    });
    for (const radio of document.querySelectorAll("input[name=unit]")) {
      radio.checked = radio.value === state.unit;
      radio.addEventListener("change", () => switchUnit(radio.value));
    }
    showTexts();
    document.body.dataset.state = "ready";
    performance.mark("hali-ready");
  }

  function unavailable() {
    const language = /^ja\b/i.test(navigator.language || "") ? "ja" : "en";
    document.getElementById("questions").textContent = PAGE_TEXTS[language].page.unavailable;
    document.body.dataset.state = "unavailable";
  }

  if (typeof WebAssembly !== "object") unavailable();
  else createHaliModule().then(start, unavailable);
})();
