// Reads native_cases' lines on the standard input and asks the page's module the same: every result and
// error code must match bit for bit, and every function must have had its N cases (a native run that died
// half-way leaves fewer). Prints the count per function and each mismatch (the first 20).
//   native_cases N | node wasm_cases.js PAGE_SCRIPT N
"use strict";
const readline = require("readline");
const createHaliModule = require(require("path").resolve(process.argv[2]));
const casesPerFunction = Number(process.argv[3]);

const bits = new DataView(new ArrayBuffer(8));
const toDouble = (hex) => (bits.setBigUint64(0, BigInt("0x" + hex)), bits.getFloat64(0));
const toHex = (value) => (bits.setFloat64(0, value), bits.getBigUint64(0).toString(16).padStart(16, "0"));

createHaliModule().then((hali) => {
  const counts = {};
  let mismatches = 0;
  const lines = readline.createInterface({ input: process.stdin });
  lines.on("line", (line) => {
    const fields = line.split(" ");
    const name = fields[0];
    const error = Number(fields.pop());
    const expected = fields.pop();
    const args = fields.slice(1).map(toDouble);
    const actual = toHex(hali["_" + name](...args));
    const actualError = hali._halic_last_error();
    counts[name] = (counts[name] || 0) + 1;
    if (actual !== expected || actualError !== error) {
      if (++mismatches <= 20)
        console.log(`${name}(${args.join(", ")}): wasm ${actual} error ${actualError}, native ${expected} error ${error}`);
    }
  });
  lines.on("close", () => {
    for (const [name, count] of Object.entries(counts)) console.log(`${name}: ${count} cases`);
    console.log(`${mismatches} of ${Object.values(counts).reduce((a, b) => a + b, 0)} differ`);
    const complete = Object.keys(counts).length > 0 && Object.values(counts).every((n) => n === casesPerFunction);
    if (!complete) console.log(`expected ${casesPerFunction} cases of every function`);
    process.exitCode = mismatches === 0 && complete ? 0 : 1;
  });
});
