// The web module in node against the native programs of the same tree:
//
//   node module_test.js MODULE.js OMBRIX-REPORT DESKTOP-SAVE
//
// The introduction, the golden dates, the dates of the parser's edge cases
// and 2,000 seeded random dates (years -9999 to 99999, each month as a
// number and in every spelling of the month table, in mixed letter case)
// must give exactly the bytes of `ombrix-report --raw` and the text of
// `ombrix-report`, or be rejected exactly when it rejects them, with its
// message. Texts taken in and saved must give the desktop's bytes.
"use strict";
const assert = require("assert");
const { spawnSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");

const [modulePath, reportProgram, desktopSave] = process.argv.slice(2);
const createOmbrixModule = require(modulePath);
const codePage = new TextDecoder("windows-1257");
const encoder = new TextEncoder();
const decoder = new TextDecoder();

function oracle(args) {
  const run = spawnSync(reportProgram, args);
  assert.strictEqual(run.error, undefined, String(run.error));
  return run;
}

// A pseudo-random sequence of its own, so that every run tries the same dates.
function seeded(seed) {
  let state = seed >>> 0;
  return function next(count) {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (((t ^ (t >>> 14)) >>> 0) % count);
  };
}

// Every spelling the month table gives each month: its fields as the
// program holds them (through the table's own bytes), and longer beginnings
// of the full name.
function monthSpellings() {
  const table = codePage.decode(oracle(["--table", "32000"]).stdout);
  const months = [];
  for (const row of table.split("\r\n")) {
    const fields = row.split("\t");
    if (!/^\d+$/.test(fields[0])) continue;
    const [full, short, locative] = fields.slice(1);
    const spellings = new Set([full, short, locative]);
    for (let n = short.length + 1; n < full.length; ++n) spellings.add(full.slice(0, n));
    months[Number(fields[0])] = [...spellings];
  }
  assert.strictEqual(months.filter(Boolean).length, 12, "the month table has twelve months");
  return months;
}

function randomDate(next, months) {
  const pick = (list) => list[next(list.length)];
  const day = pick([String(1 + next(31)), String(1 + next(31)), "0" + (1 + next(9)),
                    String(next(40) - 4)]);
  const month = next(3) === 0
    ? pick([String(1 + next(12)), "0" + (1 + next(9)), String(next(15))])
    : [...pick(months.slice(1))].map((c) => (next(3) === 0 ? c.toUpperCase() : c)).join("");
  const year = next(8) === 0
    ? pick(["0", "-0", "+0", "", "123456", "1990abc", "-44"])
    : String(next(99999 + 9999 + 1) - 9999);
  const separator = () => pick([". ", ".", " ", ".  ", "  ", ". ", ".", "/"]);
  return " ".repeat(next(4) === 0 ? 1 : 0) + day + separator() + month + separator() + year;
}

// Calls an entry of the module with text as UTF-8, as the page does.
function call(module, entry, text) {
  const bytes = encoder.encode(text);
  const at = module._malloc(bytes.length + 1);
  module.HEAPU8.set(bytes, at);
  const status = module[entry](at, bytes.length);
  module._free(at);
  const result = module._WebResult();
  return { status, result: Buffer.from(module.HEAPU8.slice(result, result + module._WebResultLength())) };
}

function reportBytes(module) {
  const at = module._WebReportBytes();
  return Buffer.from(module.HEAPU8.slice(at, module.HEAPU8.indexOf(0, at)));
}

// ombrix-report with the given options for each of the dates, in one shell
// loop, since a process started from node costs many times one from a shell.
function oracleEach(options, dates) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "ombrix-web-"));
  try {
    fs.writeFileSync(path.join(folder, "dates"), dates.map((d) => d + "\0").join(""));
    const loop = 'i=0; while IFS= read -r -d "" date; do "$0" "$@" -- "$date" >"$i.out" 2>"$i.err";' +
                 ' echo $? >"$i.status"; i=$((i + 1)); done <dates';
    const run = spawnSync("bash", ["-c", loop, reportProgram, ...options], { cwd: folder });
    assert.strictEqual(run.status, 0, "the loop over ombrix-report runs");
    return dates.map((date, i) => ({
      status: Number(fs.readFileSync(path.join(folder, `${i}.status`), "utf8")),
      stdout: fs.readFileSync(path.join(folder, `${i}.out`)),
      stderr: fs.readFileSync(path.join(folder, `${i}.err`)),
    }));
  } finally {
    fs.rmSync(folder, { recursive: true });
  }
}

// Each date composed by the module as ombrix-report composes it (raw: its
// --raw run; shown: its plain run, or undefined), or rejected as it is.
function checkDate(module, date, raw, shown, counts) {
  const { status, result } = call(module, "_WebReport", date);
  const what = JSON.stringify(date);
  if (raw.status === 2) {
    assert.strictEqual(status, -1, `${what} is rejected as ombrix-report rejects it`);
    assert.strictEqual(decoder.decode(result) + "\n", decoder.decode(raw.stderr), `${what}: the date error`);
    counts.rejected += 1;
    return;
  }
  assert.strictEqual(raw.status, 0, `${what}: ombrix-report ends with 0 or 2`);
  assert.strictEqual(status, 0, `${what} is read as ombrix-report reads it`);
  assert.ok(reportBytes(module).equals(raw.stdout), `${what}: the bytes of ombrix-report --raw`);
  if (shown) assert.ok(result.equals(shown.stdout), `${what}: the text of ombrix-report`);
  counts.accepted += 1;
}

function desktopSaved(text) {
  const run = spawnSync(desktopSave, { input: Buffer.from(text, "utf8") });
  assert.strictEqual(run.status, 0, "desktop_save runs");
  return run.stdout;
}

createOmbrixModule().then((module) => {
  const introduction = call(module, "_WebIntroduction", "").result;
  const table = oracle(["--table", "8000"]).stdout;
  assert.strictEqual(decoder.decode(introduction), codePage.decode(table).replace(/\r\n/g, "\n"),
                     "the introduction is table 8000");

  const fixed = [
    "27. Oktoober 1980", "9. september 1993", "27. Oktoober -1980", "27.10.1980", "27 10 1980",
    "1.5.1990", "5 mai 1990", "5 MÄRTS 1990", "5 sept 1990", "27. okt. 1980", "5 jaan 1990",
    "5 jun 1990", "5 juuli 1990", "12.05.1999", "27/10/1980", "27-10-1980", "31. veebruar 2001",
    "0.5.1990", "32.5.1990", "-5.5.1990", "5.0.1990", "5.13.1990", "5.-1.1990", "5.mai1990",
    "5 mai", "5 mai ", "5 mai 0", "5 mai -0", "5 mai +0", "5 mai -44", "5 mai 123456",
    "5 mai 1990abc", "123. mai 1990", "5 . mai 1990", "\t27.10.1980", "5 ŠOKK 1990",
    "5 детсембер 1990", "27. Oktoober 1980 😀", "", " ", "1 1 99999", "31 12 -9999",
  ];
  const next = seeded(1980);
  const months = monthSpellings();
  const dates = [...fixed];
  for (let i = 0; i < 2000; ++i) dates.push(randomDate(next, months));
  // The shown text of every tenth date: it differs from the bytes only in
  // the conversion, which the texts below check further.
  const raw = oracleEach(["--raw"], dates);
  const sample = dates.filter((date, i) => i % 10 === 0);
  const shown = oracleEach([], sample);
  const counts = { accepted: 0, rejected: 0 };
  dates.forEach((date, i) => checkDate(module, date, raw[i], i % 10 === 0 ? shown[i / 10] : undefined, counts));
  assert.ok(counts.accepted >= 1000 && counts.rejected >= 100,
            `enough of both: ${counts.accepted} read, ${counts.rejected} rejected`);

  // Text taken into the report box and saved, against the desktop's.
  const texts = [
    "", "Tere õhtust, Šarlota!\nÕÄÖÜ šž", "a\r\nb\rc\nd\n\n", "Кириллица и €, „jutt“ – ja — \u00a0",
    "smile 😀 and \ud800 alone", "nul\u0000inside", "\ttab\t", "line\u2028and\u2029paragraph",
    "ÆæØøÅåĄąĮįĀāĘęĖėČčŽžŲųŪūĻļŅņŃńŌōĢģĶķĪīŚśŁłŹźŻż©®°±²³µ¶·¹º»¼½¾¿×÷",
  ];
  for (const text of texts) {
    const saved = call(module, "_WebSavedBytes", text).result;
    const desktop = desktopSaved(text);
    assert.ok(saved.equals(desktop), `${JSON.stringify(text)} is saved as the desktop saves it`);
    const limited = call(module, "_WebLimitedText", text);
    const shown = codePage.decode(desktop).replace(/\r\n/g, "\n");
    if (!/\p{M}/u.test(text)) {
      assert.strictEqual(decoder.decode(limited.result), shown, `${JSON.stringify(text)} as shown`);
      assert.strictEqual(limited.status, shown === text ? 0 : 1, `${JSON.stringify(text)}: changed`);
    }
  }
  console.log(`web module: ${counts.accepted} dates read, ${counts.rejected} rejected, ` +
              `${texts.length} texts saved, all as the desktop program`);
}).catch((error) => {
  console.error(error.message);
  process.exitCode = 1;
});
