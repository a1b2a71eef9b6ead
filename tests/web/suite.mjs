// The browser suite: the site of the web preset in Debian's headless
// Chromium, played with real key presses and read through the page's hooks
// (the global `struinpaadje`) and through screenshots.
//
//   node tests/web/suite.mjs [SITE]      SITE defaults to build/web/site
//
// It also measures: the site's gzipped size (held to its budget), load to the
// first menu frame, key press to updated cells and to the painted frame, and
// an idle page that runs no script. Times are figures, never limits: a busy
// machine is slow, not wrong; only a hang fails (Wacht). The figures go to
// the output and to build/web/metingen.json; the screenshots to
// build/web/schermafdrukken/.
//
// The core of it (the menu, a game won, Afsluiten) also runs in Debian's
// firefox-esr through WebDriver BiDi, when that is installed. The first frame
// with a slow processor and on a slow line is measured too.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import puppeteer from 'puppeteer-core';

const Wortel = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..', '..');
const Site = path.resolve(process.argv[2] || path.join(Wortel, 'build', 'web', 'site'));
const Uitvoer = path.dirname(Site);
const Afdrukken = path.join(Uitvoer, 'schermafdrukken');
const Los = path.join(Uitvoer, 'los'); // the page as one file, struinpaadje.html
const Chromium = process.env.STRUIN_CHROMIUM || '/usr/bin/chromium';
const Firefox = process.env.STRUIN_FIREFOX || '/usr/bin/firefox-esr';

const Grenzen = {
  gzipBytes: 130_000, // the whole site, each file gzip -9
};
const Wacht = 10_000; // ms for the page to load or the game to answer a key: a hang

// Screens as players have them.
const Apparaten = {
  bureau: { width: 1366, height: 768, deviceScaleFactor: 1 },
  tablet: { width: 1024, height: 768, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  telefoonRechtop: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  telefoonLiggend: { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
                     isLandscape: true },
};

// The 16 console colours as the page draws them.
const Kleuren = [
  [0, 0, 0], [0, 0, 128], [0, 128, 0], [0, 128, 128], [128, 0, 0], [128, 0, 128],
  [128, 128, 0], [192, 192, 192], [128, 128, 128], [0, 0, 255], [0, 255, 0], [0, 255, 255],
  [255, 0, 0], [255, 0, 255], [255, 255, 0], [255, 255, 255],
];
const Blauw = 1;
const Donkergrijs = 8;
const Geel = 14;
const Wit = 15;

const Items = [' Spel Starten    ', ' Informatie    > ', ' Afsluiten       ',
               ' Kaart tonen     ', ' Test een unit > ', ' Test een spel > '];
const ItemRij = [4, 5, 6, 10, 11, 12];

const metingen = {};
const fouten = [];
let server;
let adres;
let browser;
let profiel;
let page;

// ---- The local server: the site folder on 127.0.0.1, nothing cached.

const Soorten = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
};

// The folder `bron` (the site) under `map` (a sub-folder as some hosts have
// it), with the caching a host allows; `gzip` packs every file, as many
// hosts do.
function Serveer(verzoek, antwoord, { map = '/', bron = Site, cache = 'no-store', gzip = false } = {}) {
  const naam = decodeURIComponent(new URL(verzoek.url, 'http://x').pathname);
  const bestand = path.join(bron, naam === map ? 'index.html' : naam.slice(map.length));
  if (!naam.startsWith(map) || !bestand.startsWith(bron + path.sep) || !fs.existsSync(bestand)) {
    antwoord.writeHead(404).end();
    return;
  }
  let bytes = fs.readFileSync(bestand);
  const ingepakt = gzip && /gzip/.test(verzoek.headers['accept-encoding']);
  if (ingepakt) bytes = zlib.gzipSync(bytes, { level: 9 });
  antwoord.writeHead(200, {
    'Content-Type': Soorten[path.extname(bestand)] || 'application/octet-stream',
    'Cache-Control': cache,
    ...(ingepakt ? { 'Content-Encoding': 'gzip' } : {}),
    'Content-Length': bytes.length,
  });
  antwoord.end(bytes);
}

// ---- Reading and playing the page

const Regels = () => page.evaluate(() => struinpaadje.regels());
const Attribuut = (x, y) => page.evaluate((a, b) => struinpaadje.attribuut(a, b), x, y);
const Beelden = () => page.evaluate(() => struinpaadje.beelden);

async function Scherm() {
  return (await Regels()).map((r, y) => `${String(y).padStart(2)}|${r}|`).join('\n');
}

async function TekstOp(x, y, lengte) {
  return (await Regels())[y].slice(x, x + lengte);
}

async function WachtOpTekst(x, y, tekst) {
  try {
    await page.waitForFunction((a, b, t) => struinpaadje.regels()[b].slice(a, a + t.length) === t,
                               { timeout: Wacht }, x, y, tekst);
  } catch {
    assert.fail(`"${tekst}" staat niet op (${x}, ${y}):\n${await Scherm()}`);
  }
}

// Presses one key (a puppeteer key name, optionally with Shift held) and
// waits until the game has shown the frame that answers it.
async function Druk(toets, { shift = false } = {}) {
  const voor = await Beelden();
  if (shift) await page.keyboard.down('Shift');
  await page.keyboard.press(toets);
  if (shift) await page.keyboard.up('Shift');
  try {
    await page.waitForFunction((n) => struinpaadje.beelden > n, { timeout: Wacht }, voor);
  } catch {
    assert.fail(`geen nieuw beeld na ${toets}:\n${await Scherm()}`);
  }
}

async function DrukAlles(toetsen) {
  for (const toets of toetsen) await Druk(toets);
}

// Presses a key on the screen (a click, or a tap on a touch screen) and
// waits for the game's answer.
async function Knop(code, { tik = false } = {}) {
  const voor = await Beelden();
  const kiezer = `#aanraaktoetsen [data-code="${code}"]`;
  await (tik ? page.tap(kiezer) : page.click(kiezer));
  try {
    await page.waitForFunction((n) => struinpaadje.beelden > n, { timeout: Wacht }, voor);
  } catch {
    assert.fail(`geen nieuw beeld na knop ${code}:\n${await Scherm()}`);
  }
}

const Zichtbaar = (kiezer) => page.$eval(kiezer, (e) => e.checkVisibility());
const LaadTekst = () => page.$eval('#laden', (l) => (l.hidden ? '' : l.querySelector('p').textContent));

async function Laad(waar = adres) {
  await page.goto(waar, { waitUntil: 'load' });
  await WachtOpTekst(3, 2, 'Hoofdmenu');
}

async function Kiekje(naam) {
  fs.mkdirSync(Afdrukken, { recursive: true });
  const vak = await (await page.$('#scherm')).boundingBox();
  const png = await page.screenshot({ clip: vak, path: path.join(Afdrukken, `${naam}.png`) });
  return { png, breedte: Math.round(vak.width), hoogte: Math.round(vak.height) };
}

// The colours of some pixels of a PNG, decoded by the browser itself in a
// page of its own.
async function Pixels(png, punten) {
  const los = await browser.newPage();
  try {
    return await los.evaluate(async (data, lijst) => {
      const blob = await (await fetch(`data:image/png;base64,${data}`)).blob();
      const beeld = await createImageBitmap(blob);
      const doek = new OffscreenCanvas(beeld.width, beeld.height);
      const pen = doek.getContext('2d');
      pen.drawImage(beeld, 0, 0);
      const alles = pen.getImageData(0, 0, beeld.width, beeld.height).data;
      return lijst.map(([x, y]) => {
        const i = (y * beeld.width + x) * 4;
        return [alles[i], alles[i + 1], alles[i + 2]];
      });
    }, Buffer.from(png).toString('base64'), punten);
  } finally {
    await los.close();
  }
}

const ZelfdeKleur = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 2);
const Mediaan = (rij) => {
  const s = [...rij].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

async function MenuMetKeuze(item) {
  await WachtOpTekst(3, 2, 'Hoofdmenu');
  assert.equal(await Attribuut(3, ItemRij[item - 1]) >> 4, Blauw, `item ${item} is niet gekozen`);
}

// The keys that hide exactly the vowels of the vowel game, row by row
// (serpentine: left to right, then back); the Space on the last vowel wins.
function KlinkersVerbergen() {
  const woorden = ['ijscoman', 'evenaren', 'langzaam', 'breeduit', 'overloop', 'platinum',
                   'politiek'];
  const toetsen = [];
  woorden.forEach((woord, rij) => {
    const heen = rij % 2 === 0;
    for (let stap = 0; stap < 8; ++stap) {
      if ('aeiou'.includes(woord[heen ? stap : 7 - stap])) toetsen.push(' ');
      if (stap < 7) toetsen.push(heen ? 'ArrowRight' : 'ArrowLeft');
    }
    if (rij < 6) toetsen.push('ArrowDown');
  });
  return toetsen.slice(0, toetsen.lastIndexOf(' ') + 1);
}

// A page that reports every error to `fouten` (unless the test makes them
// on purpose) and counts every timer and animation frame it asks for, to show
// that an idle page asks for none. It has no service worker unless `werker`
// says so (then it plays from the worker's cache); it leaves without asking.
async function NieuwePagina({ meld = true, werker = false } = {}) {
  const nieuw = await browser.newPage();
  if (meld) {
    nieuw.on('console', (m) => { if (m.type() === 'error') fouten.push(`console: ${m.text()}`); });
    nieuw.on('pageerror', (e) => fouten.push(`pagina: ${e.message}`));
    nieuw.on('requestfailed', (v) => fouten.push(`verzoek: ${v.url()} ${v.failure()?.errorText}`));
    nieuw.on('response', (a) => { if (a.status() >= 400) fouten.push(`${a.status()}: ${a.url()}`); });
  }
  nieuw.on('dialog', (d) => d.accept());
  if (!werker) {
    await nieuw.evaluateOnNewDocument(() =>
      Object.defineProperty(Navigator.prototype, 'serviceWorker', { get: () => undefined }));
  }
  await nieuw.evaluateOnNewDocument(() => {
    window.__gevraagd = 0;
    for (const naam of ['setTimeout', 'setInterval', 'requestAnimationFrame', 'requestIdleCallback']) {
      const echt = window[naam];
      if (echt) window[naam] = function (...args) { ++window.__gevraagd; return echt.apply(this, args); };
    }
  });
  return nieuw;
}

// Runs `werk` on a page of its own, on this screen, while the helpers play
// that page; the suite's page is back afterwards.
async function OpEigenPagina(werk, { apparaat, ...opties } = {}) {
  const hoofd = page;
  page = await NieuwePagina(opties);
  try {
    if (apparaat) await page.emulate({ userAgent: await browser.userAgent(), viewport: apparaat });
    return await werk();
  } finally {
    await page.close();
    page = hoofd;
  }
}

// From a fresh main menu: the debug section on, and the game at `positie`
// (1 Eekhoorn ... 6 Klinkers) of " Test een spel > " started.
async function StartSpel(positie) {
  await DrukAlles(['F12', 'ArrowUp', 'ArrowRight', ...Array(positie - 1).fill('ArrowDown'), 'Enter']);
}

// A fair share of De Eekhoorn's stock (hazelnuts, beechnuts, walnuts,
// chestnuts; worth 1, 2, 5 and 3): per family the number of each nut.
function EerlijkeVerdeling(voorraad) {
  const doel = (voorraad[0] + 2 * voorraad[1] + 5 * voorraad[2] + 3 * voorraad[3]) / 4;
  const delen = [];
  const verdeel = (over, familie) => {
    if (familie === 4) return over.every((n) => n === 0);
    for (let w = 0; w <= over[2]; ++w) {
      for (let k = 0; k <= over[3]; ++k) {
        for (let b = 0; b <= over[1]; ++b) {
          const h = doel - 5 * w - 3 * k - 2 * b;
          if (h < 0 || h > over[0]) continue;
          delen[familie] = [h, b, w, k];
          if (verdeel(over.map((n, i) => n - delen[familie][i]), familie + 1)) return true;
        }
      }
    }
    return false;
  };
  return verdeel(voorraad, 0) ? delen : null;
}

// From a fresh main menu: De klinkers won.
async function WinKlinkers() {
  await MenuMetKeuze(1);
  await StartSpel(6);
  await WachtOpTekst(1, 2, 'De klinkers');
  await DrukAlles(KlinkersVerbergen());
  await WachtOpTekst(32, 9, 'Gefeliciteerd!');
}

// ---- Hosts and versions

const tijdelijk = [];

// A new version of the site as the build makes one: a copy whose page has
// another title, and its service worker filled in again.
function NieuweVersie(titel) {
  const map = fs.mkdtempSync(path.join(os.tmpdir(), 'struin-versie-'));
  tijdelijk.push(map);
  fs.cpSync(Site, map, { recursive: true });
  const index = path.join(map, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace(/<title>[^<]*/, `<title>${titel}`));
  execFileSync('cmake', [`-DSITE=${map}`, `-DSJABLOON=${path.join(Wortel, 'web', 'sw.js')}`,
                         '-P', path.join(Wortel, 'cmake', 'Dienstwerker.cmake')]);
  return map;
}

// A host of its own: stopping it is the sure way to be offline, and it starts
// again on the same port.
function Host(verdeel) {
  const host = http.createServer(verdeel);
  let poort = 0;
  return {
    start: () => new Promise((klaar) => host.listen(poort, '127.0.0.1', () => {
      poort = host.address().port;
      klaar();
    })),
    stop: () => {
      host.closeAllConnections();
      return new Promise((klaar) => host.close(klaar));
    },
    adres: (pad) => `http://127.0.0.1:${poort}${pad}`,
  };
}

// ---- The browser

before(async () => {
  assert.ok(fs.existsSync(path.join(Site, 'index.html')), `geen site in ${Site}`);
  server = http.createServer(Serveer);
  await new Promise((klaar) => server.listen(0, '127.0.0.1', klaar));
  adres = `http://127.0.0.1:${server.address().port}/`;
  profiel = fs.mkdtempSync(path.join(os.tmpdir(), 'struin-chromium-'));
  const args = ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
                '--disable-background-networking', '--disable-component-update',
                '--disable-default-apps', '--disable-extensions', '--mute-audio'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  browser = await puppeteer.launch({
    executablePath: Chromium, headless: true, userDataDir: profiel, args,
    defaultViewport: { width: 1024, height: 768, deviceScaleFactor: 1 },
  });
  page = await NieuwePagina();
});

after(async () => {
  await browser?.close();
  server?.close();
  for (const map of [profiel, ...tijdelijk]) if (map) fs.rmSync(map, { recursive: true, force: true });
  fs.writeFileSync(path.join(Uitvoer, 'metingen.json'), `${JSON.stringify(metingen, null, 2)}\n`);
  console.log('# Gemeten (grens of verwachting tussen haakjes):');
  for (const [naam, waarde] of Object.entries(metingen)) console.log(`#   ${naam}: ${waarde}`);
});

// ---- The tests, in order: they play one page on from where the last left it.

test('de site is klein: alles samen gzipt', () => {
  let totaal = 0;
  const delen = [];
  for (const naam of fs.readdirSync(Site).sort()) {
    const bytes = zlib.gzipSync(fs.readFileSync(path.join(Site, naam)), { level: 9 }).length;
    totaal += bytes;
    delen.push(`${naam} ${bytes}`);
  }
  metingen['site gzip -9, bytes'] = `${totaal} (${Grenzen.gzipBytes}): ${delen.join(', ')}`;
  assert.ok(totaal <= Grenzen.gzipBytes, `${totaal} bytes`);
});

test('laden tot het eerste volledige menubeeld', async () => {
  await page.setCacheEnabled(false);
  let wasm = 0; // the preload and the page's own fetch are one request
  page.on('request', (v) => { if (v.url().endsWith('.wasm')) ++wasm; });
  const tijden = [];
  for (let keer = 0; keer < 8; ++keer) {
    await Laad();
    const [eerste] = await page.evaluate(() =>
      performance.getEntriesByName('struinpaadje: eerste beeld').map((e) => e.startTime));
    assert.ok(eerste > 0, 'de pagina markeerde geen eerste beeld');
    assert.equal(await Beelden(), 1, 'het menu hoort het eerste beeld te zijn');
    if (keer > 0) tijden.push(eerste); // the first load of a fresh browser warms it up
    assert.equal(wasm, keer + 1, 'struinpaadje.wasm twee keer gevraagd');
  }
  const mediaan = Mediaan(tijden);
  metingen['laden tot eerste menubeeld, mediaan ms'] =
    `${mediaan.toFixed(1)}, ${tijden.map((t) => t.toFixed(0)).join(' ')}`;
});

test('het hoofdmenu: cellen, kleuren en wat het doek toont', async () => {
  const regels = await Regels();
  assert.equal(regels.length, 25);
  for (const regel of regels) assert.equal([...regel].length, 80);
  assert.equal(regels[0].slice(30, 45), 'De Struinpaadje');
  assert.equal(regels[23].slice(1, 79), '\u2500'.repeat(78));
  for (let x = 0; x < 80; ++x) assert.equal(await Attribuut(x, 0) >> 4, Blauw, `titelbalk ${x}`);
  assert.equal(await Attribuut(3, 2), Blauw * 16 + Geel);
  for (let i = 0; i < 3; ++i) {
    assert.equal(regels[ItemRij[i]].slice(3, 20), Items[i]);
    assert.equal(await Attribuut(3, ItemRij[i]), (i === 0 ? Blauw : Donkergrijs) * 16 + Wit);
  }
  assert.ok(!regels.join('').includes('Debug opties'));
  assert.equal(await Attribuut(80, 0), undefined);

  // Every cell with a plain character shows its background at its top left
  // pixel; the title's letters show yellow.
  const { png, breedte, hoogte } = await Kiekje('hoofdmenu');
  assert.equal(breedte * 25, hoogte * 40, 'cellen van 1 bij 2');
  const cb = breedte / 80;
  const ch = hoogte / 25;
  const punten = [];
  const verwacht = [];
  const attributen = await page.evaluate(() => {
    const uit = [];
    for (let y = 0; y < 25; ++y) for (let x = 0; x < 80; ++x) uit.push(struinpaadje.attribuut(x, y));
    return uit;
  });
  regels.forEach((regel, y) => [...regel].forEach((teken, x) => {
    if (teken < ' ' || teken > '~') return;
    punten.push([Math.floor(x * cb) + 1, Math.floor(y * ch) + 1]);
    verwacht.push({ x, y, kleur: Kleuren[attributen[y * 80 + x] >> 4] });
  }));
  const gezien = await Pixels(png, punten);
  verwacht.forEach(({ x, y, kleur }, i) =>
    assert.ok(ZelfdeKleur(gezien[i], kleur), `cel (${x}, ${y}): ${gezien[i]} in plaats van ${kleur}`));
  const titel = [];
  for (let px = Math.floor(3 * cb); px < Math.floor(12 * cb); ++px)
    for (let py = Math.floor(2 * ch); py < Math.floor(3 * ch); ++py) titel.push([px, py]);
  const geel = (await Pixels(png, titel)).filter((k) => ZelfdeKleur(k, Kleuren[Geel])).length;
  assert.ok(geel > 20, `"Hoofdmenu" toont ${geel} gele pixels`);
  // The line above the copyright is drawn as one unbroken line across cells.
  const lijn = (await Pixels(png, Array.from({ length: Math.floor(78 * cb) }, (_, i) =>
    [Math.floor(cb) + i, Math.floor(23 * ch + (ch - 1) / 2)]))).filter((k) => !ZelfdeKleur(k, Kleuren[0]));
  assert.equal(lijn.length, Math.floor(78 * cb), 'de lijn op rij 23 heeft gaten');
});

test('de pagina heeft de focus, en zegt het als ze die kwijt is', async () => {
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vak');
  assert.equal(await page.$eval('#hint', (h) => h.hidden), true);
  await page.evaluate(() => document.activeElement.blur());
  assert.equal(await page.$eval('#hint', (h) => h.hidden), false);
  await Kiekje('focus-kwijt');
  await page.click('#scherm');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vak');
  assert.equal(await page.$eval('#hint', (h) => h.hidden), true);
});

test('de toetsen van het spel blijven bij het spel, Ctrl-combinaties, Tab en losse Shift en Ctrl niet',
     async () => {
  await page.evaluate(() => {
    window.__tegengehouden = {};
    window.addEventListener('keydown', (e) => { window.__tegengehouden[e.code] = e.defaultPrevented; });
  });
  await DrukAlles(['ArrowDown', 'ArrowUp', 'F12', 'F12', 'Space', 'Backspace']);
  const beelden = await Beelden();
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Control');
  await page.keyboard.press('Shift');
  await MenuMetKeuze(1);
  assert.deepEqual(await page.evaluate(() => window.__tegengehouden), {
    ArrowDown: true, ArrowUp: true, F12: true, Space: true, Backspace: true,
    ControlLeft: false, KeyA: false, ShiftLeft: false,
  });
  // Tab goes to the text copy without a word from the game, Shift+Tab back.
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'schermtekst');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'vak');
  await Druk('ArrowDown');
  await MenuMetKeuze(2);
  assert.equal(await Beelden(), beelden + 1, 'Ctrl, Shift of Tab bereikte het spel');
  await Druk('ArrowUp');
});

test('een toets tot de cellen en tot het geschilderde beeld', async () => {
  await page.evaluate(() => {
    window.__metingen = [];
    window.addEventListener('keydown', (e) => {
      // The page's own handler has run, and the game with it: the cells are new.
      const cellen = performance.now() - e.timeStamp;
      const beeld = struinpaadje.beelden;
      requestAnimationFrame(() => {
        const kanaal = new MessageChannel();
        kanaal.port1.onmessage = () =>
          window.__metingen.push({ cellen, verf: performance.now() - e.timeStamp, beeld });
        kanaal.port2.postMessage(0);
      });
    });
  });
  const voor = await Beelden();
  for (let keer = 0; keer < 30; ++keer) {
    await Druk(keer % 2 ? 'ArrowUp' : 'ArrowDown');
    await page.waitForFunction((n) => window.__metingen.length >= n, {}, keer + 1);
  }
  const rij = await page.evaluate(() => window.__metingen);
  rij.forEach((m, i) => assert.equal(m.beeld, voor + i + 1, 'de cellen waren nog niet nieuw'));
  const cellen = Mediaan(rij.map((m) => m.cellen));
  const verf = Mediaan(rij.map((m) => m.verf));
  metingen['toets tot cellen, mediaan ms'] = `${cellen.toFixed(2)}`;
  metingen['toets tot geschilderd beeld, mediaan ms'] = `${verf.toFixed(2)}`;
  await MenuMetKeuze(1);
});

test('een stille pagina draait geen script', async () => {
  await Laad();
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const meet = async () => Object.fromEntries(
    (await cdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  const gevraagd = await page.evaluate(() => window.__gevraagd);
  const voor = await meet();
  await new Promise((klaar) => setTimeout(klaar, 5000));
  const na = await meet();
  const script = (na.ScriptDuration - voor.ScriptDuration) * 1000;
  metingen['stil 5 s: scriptduur ms, timers en beelden gevraagd'] =
    `${script.toFixed(3)} (0), ${await page.evaluate(() => window.__gevraagd) - gevraagd} (0)`;
  assert.equal(await page.evaluate(() => window.__gevraagd), gevraagd, 'timers of animatiebeelden');
  assert.equal(script, 0, 'script liep terwijl niemand een toets indrukte');
  await cdp.detach();
});

test('F12, een unittest die slaagt, en terug', async () => {
  await Druk('F12');
  await WachtOpTekst(4, 8, 'Debug opties');
  for (let i = 3; i < 6; ++i) assert.equal(await TekstOp(3, ItemRij[i], 17), Items[i]);
  await DrukAlles(['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'Enter']);
  await WachtOpTekst(20, 11, 'De test is geslaagd...');
  assert.equal(await Attribuut(20, 11), Donkergrijs * 16 + Wit);
  await Kiekje('unittest');
  await Druk('KeyX');
  await MenuMetKeuze(1);
  await WachtOpTekst(4, 8, 'Debug opties');
});

test('een spel gewonnen vanuit " Test een spel > "', async () => {
  // Up wraps to " Test een spel > "; De klinkers is its sixth game.
  await DrukAlles(['ArrowUp', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown',
                   'ArrowDown', 'Enter']);
  await WachtOpTekst(1, 2, 'De klinkers');
  await DrukAlles(KlinkersVerbergen());
  await WachtOpTekst(32, 9, 'Gefeliciteerd!');
  assert.equal(await TekstOp(22, 14, 21), 'een blad salsaparilla');
  assert.equal(await Attribuut(32, 9), Blauw * 16 + Geel);
  await Kiekje('klinkers-gewonnen');
  await Druk('KeyQ');
  await MenuMetKeuze(1);
});

test('de wandeling in en weer uit', async () => {
  await Druk('Enter');
  await page.waitForFunction(() => struinpaadje.regels().join('\n').includes('0/6 Objecten verzameld'),
                             { timeout: Wacht });
  await Kiekje('wandeling');
  await Druk('Escape');
  await MenuMetKeuze(1);
});

test('De Eekhoorn: plus van het numerieke toetsenbord verplaatst een noot, die van het gewone niet',
     async () => {
  await DrukAlles(['ArrowUp', 'ArrowRight', 'Enter']);
  await WachtOpTekst(1, 8, 'Algemene Voorraad');
  const knabbel = () => TekstOp(48, 10, 4);
  assert.equal(await knabbel(), '[ 0]');
  await Druk('NumpadAdd');
  assert.equal(await knabbel(), '[ 1]');
  await Kiekje('eekhoorn');
  await Druk('Equal', { shift: true }); // the main keyboard's plus
  assert.equal(await knabbel(), '[ 1]');
  await Druk('Minus');
  assert.equal(await knabbel(), '[ 1]');
  await Druk('NumpadSubtract');
  assert.equal(await knabbel(), '[ 0]');
  // A key event without a key code, as some browsers and tools send them:
  // the code comes from which key it is.
  const cdp = await page.createCDPSession();
  const rauw = async (code, key) => {
    const voor = await Beelden();
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', code, key, text: key });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', code, key });
    await page.waitForFunction((n) => struinpaadje.beelden > n, { timeout: Wacht }, voor);
  };
  await rauw('NumpadAdd', '+');
  assert.equal(await knabbel(), '[ 1]');
  await rauw('Equal', '+');
  await rauw('Minus', '-');
  assert.equal(await knabbel(), '[ 1]');
  await rauw('NumpadSubtract', '-');
  assert.equal(await knabbel(), '[ 0]');
  await cdp.detach();
  await Druk('Escape');
  await MenuMetKeuze(1);
});

test('Shift alleen is geen toets voor het spel, een letter verlaat het helpscherm', async () => {
  await DrukAlles(['ArrowDown', 'ArrowRight', 'Enter']);
  await WachtOpTekst(3, 4, 'Navigeren');
  await Kiekje('help');
  const beelden = await Beelden();
  await page.keyboard.press('Shift');
  await Druk('KeyX');
  await MenuMetKeuze(1);
  assert.equal(await Beelden(), beelden + 1);
  assert.ok(!(await Regels()).join('').includes('Navigeren'));
});

test('het raster vult het venster in hele pixels per cel, bij elke pixeldichtheid', async () => {
  const beelden = await Beelden();
  for (const [breedte, hoogte, dichtheid] of [[1600, 1000, 1], [700, 900, 2], [1280, 720, 1.5]]) {
    await page.setViewport({ width: breedte, height: hoogte, deviceScaleFactor: dichtheid });
    // The grid shares the window with the bar under it, and leaves 2 px
    // around it for the focus ring.
    const balk = await page.$eval('#bediening', (b) => b.offsetHeight);
    const cel = Math.floor(Math.min(((breedte - 4) * dichtheid) / 80,
                                    ((hoogte - balk - 4) * dichtheid) / 50));
    const gezet = await page.waitForFunction((b) => document.getElementById('scherm').width === b,
                                             { timeout: Wacht }, 80 * cel).catch(() => null);
    const doek = await page.$eval('#scherm', (d) => [d.width, d.height, d.getBoundingClientRect().width]);
    assert.ok(gezet, `${breedte}x${hoogte}@${dichtheid}: doek ${doek}, cel ${cel}`);
    assert.equal(doek[1], 50 * cel);
    assert.ok(Math.abs(doek[2] * dichtheid - doek[0]) < 1, 'niet geschaald door de browser');
    // Redrawn at the new size: the title bar is blue again.
    const { png } = await Kiekje(`maat-${breedte}x${hoogte}`);
    const [hoek] = await Pixels(png, [[2, 2]]);
    assert.ok(ZelfdeKleur(hoek, Kleuren[Blauw]), `${hoek}`);
  }
  await page.setViewport({ width: 1024, height: 768, deviceScaleFactor: 1 });
  assert.equal(await Beelden(), beelden, 'een andere maat is geen beeld van het spel');
});

test('alleen een andere pixeldichtheid: het doek wordt scherp opnieuw getekend', async () => {
  const doek = () => page.$eval('#scherm', (d) => [d.width, d.getBoundingClientRect().width]);
  const [voor] = await doek();
  // As a window moved to another screen: the same size in CSS pixels.
  await page.setViewport({ width: 1024, height: 768, deviceScaleFactor: 2 });
  await page.screenshot(); // headless Chromium updates its media queries with a painted frame
  const gezet = await page.waitForFunction((b) => document.getElementById('scherm').width > b,
                                           { timeout: Wacht }, voor).catch(() => null);
  const [na, css] = await doek();
  assert.ok(gezet, `doek ${voor} -> ${na}`);
  assert.equal(na, css * 2, 'niet in de pixels van het scherm');
  const { png } = await Kiekje('pixeldichtheid-2');
  assert.ok(ZelfdeKleur((await Pixels(png, [[2, 2]]))[0], Kleuren[Blauw]), 'niet opnieuw getekend');
  await page.setViewport({ width: 1024, height: 768, deviceScaleFactor: 1 });
});

test('op een aanraakscherm: toetsen op het scherm onder het spel', async () => {
  assert.equal(await page.$eval('#aanraaktoetsen', (r) => getComputedStyle(r).display), 'none');
  await OpEigenPagina(async () => {
    await Laad();
    assert.equal(await page.$eval('#aanraaktoetsen', (r) => getComputedStyle(r).display), 'flex');
    assert.equal(await page.$eval('#toetsenknop', (k) => k.getAttribute('aria-pressed')), 'true');
    await Knop(40, { tik: true });
    await MenuMetKeuze(2);
    await Knop(39, { tik: true });
    await WachtOpTekst(23, 6, ' Help            ');
    await page.screenshot({ path: path.join(Afdrukken, 'aanraakscherm.png') });
    await Knop(27, { tik: true });
    assert.ok(!(await Regels()).join('').includes('Help'));
    assert.equal(await page.evaluate(() => document.activeElement.id), 'vak');
    await page.evaluate(() => document.activeElement.blur());
    assert.equal(await page.$eval('#hint', (h) => h.textContent), 'Tik op het spel om verder te spelen.');
  }, { apparaat: { width: 412, height: 860, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true } });
});

test('zonder aanraakscherm: de knop toont de toetsen, en De Eekhoorn is te winnen met de + op het scherm',
     async () => {
  await OpEigenPagina(async () => {
    await Laad();
    assert.ok(await Zichtbaar('#toetsenknop'), 'de knop voor de toetsen is niet te zien');
    for (const code of [107, 109, 8]) {
      assert.ok(!(await Zichtbaar(`[data-code="${code}"]`)), `toets ${code} staat al op het scherm`);
    }
    await page.screenshot({ path: path.join(Afdrukken, 'bureau.png') });
    await page.click('#toetsenknop');
    for (const code of [107, 109, 8]) assert.ok(await Zichtbaar(`[data-code="${code}"]`), `toets ${code}`);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'vak', 'de focus ging weg');
    await page.screenshot({ path: path.join(Afdrukken, 'bureau-toetsen.png') });

    await StartSpel(1);
    await WachtOpTekst(1, 8, 'Algemene Voorraad');
    const regels = await Regels();
    const voorraad = [10, 11, 12, 13].map((y) => parseInt(regels[y].slice(13, 27), 10));
    const delen = EerlijkeVerdeling(voorraad);
    assert.ok(delen, `geen eerlijke verdeling van ${voorraad}:\n${await Scherm()}`);
    await Druk('Equal', { shift: true }); // the main keyboard's plus moves nothing
    assert.equal(await TekstOp(48, 10, 4), '[ 0]');
    let selectie = 0;
    for (let plek = 0; plek < 16; ++plek) {
      const aantal = delen[Math.floor(plek / 4)][plek % 4];
      if (aantal === 0) continue;
      for (; selectie < plek; ++selectie) await Knop(40);
      for (let keer = 0; keer < aantal; ++keer) await Knop(107);
    }
    await page.waitForFunction(() => struinpaadje.regels().join('').includes('Gefeliciteerd!'),
                               { timeout: Wacht });
    await page.screenshot({ path: path.join(Afdrukken, 'bureau-eekhoorn-gewonnen.png') });
    assert.equal(await page.evaluate(() => document.activeElement.id), 'vak');

    // The choice stays on the device.
    await Laad();
    assert.ok(await Zichtbaar('[data-code="107"]'), 'de toetsen zijn na het laden weer weg');
    await page.click('#toetsenknop');
    assert.ok(!(await Zichtbaar('[data-code="107"]')));
    await page.evaluate(() => localStorage.clear()); // the next pages start as a new device
  }, { apparaat: Apparaten.bureau });
});

test('op een tablet: letters van het schermtoetsenbord komen één keer aan, Backspace wist', async () => {
  await OpEigenPagina(async () => {
    await Laad();
    await StartSpel(5);
    await WachtOpTekst(1, 2, 'Het geheimschrift');
    const tabStop = () => page.$eval('#typvak', (t) => t.tabIndex);
    assert.equal(await tabStop(), -1, 'het verborgen typvak is al een Tab-stop');
    await page.tap('#typen');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'typvak');
    assert.equal(await tabStop(), 0);
    assert.ok(await page.$eval('#typvak', (t) => parseFloat(getComputedStyle(t).fontSize) >= 16),
              'iOS zoomt in op een typvak onder 16 px');
    const cdp = await page.createCDPSession();
    const antwoord = () => TekstOp(1, 13, 10);
    const wachtOp = (tekst) => page.waitForFunction((t) => struinpaadje.regels()[13].slice(1, 11) === t,
                                                    { timeout: Wacht }, tekst)
      .catch(async () => assert.fail(`"${tekst}" verwacht, "${await antwoord()}" staat er`));
    // A keyboard that composes the word, then commits it.
    for (const stuk of ['l', 'li', 'lie', 'lief']) {
      await cdp.send('Input.imeSetComposition', { text: stuk, selectionStart: stuk.length,
                                                  selectionEnd: stuk.length });
    }
    await cdp.send('Input.insertText', { text: 'lief' });
    await wachtOp('lief      ');
    // Backspace from the soft keyboard: keydown 229, then the field loses a character.
    await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 229,
                                                key: 'Unidentified' });
    await page.evaluate(() => document.execCommand('delete'));
    await wachtOp('lie       ');
    // A keyboard that inserts text straight away, and a hardware one.
    await cdp.send('Input.insertText', { text: 's' });
    await wachtOp('lies      ');
    await Druk('KeyT');
    await wachtOp('liest     ');
    // A word still composing when a key on the screen is tapped counts first.
    await cdp.send('Input.imeSetComposition', { text: 'xy', selectionStart: 2, selectionEnd: 2 });
    await Knop(8, { tik: true });
    await wachtOp('liestx    ');
    await page.screenshot({ path: path.join(Afdrukken, 'tablet-geheimschrift.png') });
    await cdp.detach();
  }, { apparaat: Apparaten.tablet });
});

test('een telefoon: rechtop leesbare cellen of een hint om te draaien, liggend de toetsen ernaast',
     async () => {
  for (const [naam, apparaat] of [['rechtop', Apparaten.telefoonRechtop],
                                  ['liggend', Apparaten.telefoonLiggend]]) {
    await OpEigenPagina(async () => {
      await Laad();
      const [cel, naast] = await page.$eval('#scherm', (d) =>
        [d.getBoundingClientRect().width / 80, document.getElementById('spel').classList.contains('naast')]);
      const hint = await Zichtbaar('#draai');
      metingen[`telefoon ${naam}: cel breed, CSS px`] = cel.toFixed(2);
      if (naam === 'rechtop') {
        assert.ok(cel >= 8 || hint, `cellen van ${cel} px en geen hint om te draaien`);
      } else {
        assert.ok(naast, 'liggend staan de toetsen niet naast het raster');
        assert.ok(!hint, 'liggend nog de hint om te draaien');
      }
      await page.screenshot({ path: path.join(Afdrukken, `telefoon-${naam}.png`) });
    }, { apparaat });
  }
});

test('laden: een melding vanaf het begin, en een eigen melding voor elke mislukking', async () => {
  const Verbinding = 'Controleer de verbinding';
  for (const bestand of ['struinpaadje.wasm', 'struinpaadje.js']) {
    await OpEigenPagina(async () => {
      await page.setRequestInterception(true);
      let vast;
      const gevraagd = new Promise((klaar) => page.on('request', (v) => {
        if (v.url().endsWith(bestand)) {
          vast = v;
          klaar();
        } else {
          v.continue();
        }
      }));
      await page.goto(adres, { waitUntil: 'domcontentloaded' });
      await gevraagd;
      assert.equal(await LaadTekst(), 'Het spel wordt geladen…', `${bestand} wordt nog geladen`);
      await vast.abort('connectionaborted');
      await page.waitForFunction((t) => document.getElementById('ladentekst').textContent.includes(t),
                                 { timeout: Wacht }, Verbinding)
        .catch(async () => assert.fail(`${bestand} afgebroken: "${await LaadTekst()}"`));
      assert.ok(await Zichtbaar('#nogmaals'), 'geen knop om het opnieuw te proberen');
      await page.screenshot({ path: path.join(Afdrukken, `laden-mislukt-${bestand}.png`) });
    }, { meld: false });
  }
  await OpEigenPagina(async () => {
    await page.evaluateOnNewDocument(() => delete window.WebAssembly);
    await page.goto(adres, { waitUntil: 'load' });
    await page.waitForFunction(() => !document.getElementById('laden').hidden &&
                               document.getElementById('ladentekst').textContent.includes('WebAssembly'),
                               { timeout: Wacht }).catch(async () => assert.fail(await LaadTekst()));
  }, { meld: false });
  await OpEigenPagina(async () => {
    await page.goto(`file://${path.join(Site, 'index.html')}`, { waitUntil: 'load' });
    const tekst = await LaadTekst();
    assert.ok(tekst.includes('via een webserver') && tekst.includes('python3 -m http.server'), tekst);
    await page.screenshot({ path: path.join(Afdrukken, 'laden-als-bestand.png') });
  }, { meld: false });
  // A host that gzips: the unpacked bytes counted do not compare with the
  // packed length, so the bar only shows that it is busy.
  const gzipper = http.createServer((v, a) => Serveer(v, a, { gzip: true }));
  await new Promise((klaar) => gzipper.listen(0, '127.0.0.1', klaar));
  await OpEigenPagina(async () => {
    await page.goto(`http://127.0.0.1:${gzipper.address().port}/`, { waitUntil: 'load' });
    await WachtOpTekst(3, 2, 'Hoofdmenu');
    assert.equal(await page.$eval('#voortgang', (v) => v.hasAttribute('value')), false);
  });
  gzipper.closeAllConnections();
  gzipper.close();
});

test('uit een submap, op een host die bestanden 10 minuten laat bewaren: na één bezoek speelt het ' +
     'zonder server, te installeren, en een nieuwe versie komt aan na "Opnieuw spelen"', async () => {
  let bron = Site;
  const host = Host((v, a) => Serveer(v, a, { map: '/spel/', bron, cache: 'max-age=600' }));
  await host.start();
  const caches = () => page.evaluate(() => caches.keys());
  await OpEigenPagina(async () => {
    await Laad(host.adres('/spel/'));
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await cdp.detach();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const [oud] = await caches();
    assert.ok(oud.includes(host.adres('/spel/')), `de cache heet niet naar zijn map: ${oud}`);

    await host.stop();
    await page.reload({ waitUntil: 'load' });
    await WachtOpTekst(3, 2, 'Hoofdmenu');
    await Druk('ArrowDown');
    await MenuMetKeuze(2);

    // A new version arrives while the game runs, and waits; the browser
    // still holds the old files.
    bron = NieuweVersie('De Struinpaadje, nieuw');
    await host.start();
    const wacht = await page.evaluate(async (ms) => {
      const registratie = await navigator.serviceWorker.getRegistration();
      await registratie.update();
      for (let t = 0; t < ms && !registratie.waiting; t += 50) {
        await new Promise((klaar) => setTimeout(klaar, 50));
      }
      return Boolean(registratie.waiting);
    }, Wacht);
    assert.ok(wacht, 'de nieuwe versie wacht niet');
    const nieuw = (await caches()).filter((naam) => naam !== oud);
    assert.equal(nieuw.length, 1, `${await caches()}`);
    await Druk('ArrowDown');
    await MenuMetKeuze(3);
    await Druk('Enter');
    await page.waitForFunction(() => struinpaadje.afgesloten === 0, { timeout: Wacht });
    await Promise.all([page.waitForNavigation(), page.click('#opnieuw')]);
    await MenuMetKeuze(1);
    assert.equal(await page.title(), 'De Struinpaadje, nieuw', 'de nieuwe versie kwam niet aan');
    assert.deepEqual(await caches(), nieuw, 'de oude versie is niet opgeruimd');
  }, { werker: true });
  await host.stop();
});

test('twee kopieën van verschillende versies in naburige mappen spelen allebei zonder server, ' +
     'ook met een vraag in het adres', async () => {
  const klas6 = NieuweVersie('De Struinpaadje in klas 6');
  const host = Host((v, a) =>
    Serveer(v, a, v.url.startsWith('/klas6/') ? { map: '/klas6/', bron: klas6 } : { map: '/klas5/' }));
  await host.start();
  await OpEigenPagina(async () => {
    for (const klas of ['/klas5/', '/klas6/']) {
      await Laad(host.adres(klas));
      await page.evaluate(() => navigator.serviceWorker.ready);
    }
    await host.stop();
    for (const klas of ['/klas5/', '/klas6/']) {
      await Laad(host.adres(`${klas}?klas=${klas.at(-2)}`));
      await Druk('ArrowDown');
      await MenuMetKeuze(2);
    }
    assert.equal(await page.title(), 'De Struinpaadje in klas 6');
  }, { werker: true });
});

test('struinpaadje.html als bestand geopend: het menu, voorlezen en een gewonnen spel', async () => {
  await OpEigenPagina(async () => {
    await Laad(`file://${path.join(Los, 'struinpaadje.html')}`);
    assert.match(await page.$eval('#melding', (m) => m.textContent), /^Spel Starten/);
    await WinKlinkers();
    await Kiekje('los-klinkers-gewonnen');
  });
});

test('eerste beeld met een vier keer tragere processor en op een trage lijn, gzip (alleen gemeten)',
     async () => {
  const host = Host((v, a) =>
    Serveer(v, a, { gzip: true, ...(v.url.startsWith('/los/') ? { map: '/los/', bron: Los } : {}) }));
  await host.start();
  const omstandigheden = {
    'processor 4x trager': (cdp) => cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 }),
    'lijn 1,6 Mbit/s, 300 ms': (cdp) => cdp.send('Network.emulateNetworkConditions', {
      offline: false, latency: 300, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 }),
  };
  const paginas = { '': host.adres('/'), ', één bestand': host.adres('/los/struinpaadje.html') };
  for (const [[naam, stel], [wat, waar]] of Object.entries(omstandigheden)
    .flatMap((o) => Object.entries(paginas).map((p) => [o, p]))) {
    await OpEigenPagina(async () => {
      await page.setCacheEnabled(false);
      const cdp = await page.createCDPSession();
      await cdp.send('Network.enable');
      await stel(cdp);
      const tijden = [];
      for (let keer = 0; keer < 3; ++keer) {
        await page.goto(waar, { waitUntil: 'load' });
        await page.waitForFunction(() => struinpaadje.beelden > 0, { timeout: 60_000 });
        tijden.push(await page.evaluate(() =>
          performance.getEntriesByName('struinpaadje: eerste beeld')[0].startTime));
      }
      metingen[`eerste beeld, ${naam}${wat}, mediaan ms`] =
        `${Mediaan(tijden).toFixed(0)}, ${tijden.map((t) => t.toFixed(0)).join(' ')}`;
    }, { meld: false }); // a throttled page reports aborted requests of its own
  }
  await host.stop();
});

test('" Afsluiten       " zet afgesloten op 0 en laat het laatste beeld staan', async () => {
  // Whether the browser would ask before the page goes.
  const vraagtEerst = () => page.evaluate(() => {
    const weg = new Event('beforeunload', { cancelable: true });
    window.dispatchEvent(weg);
    return weg.defaultPrevented;
  });
  await Laad(); // a fresh main menu, without the debug section
  assert.equal(await page.evaluate(() => struinpaadje.afgesloten), null);
  assert.equal(await vraagtEerst(), false, 'in het hoofdmenu is er niets te verliezen');
  await StartSpel(6);
  await WachtOpTekst(1, 2, 'De klinkers');
  assert.equal(await vraagtEerst(), true, 'een begonnen spel gaat zonder vragen weg');
  await Druk('Escape');
  await MenuMetKeuze(1);
  await Druk('Enter');
  await WachtOpTekst(4, 21, '0/6 Objecten verzameld');
  assert.equal(await vraagtEerst(), false, 'nog niets verzameld');
  await Druk('Escape');
  await MenuMetKeuze(1);
  await DrukAlles(['ArrowDown', 'ArrowDown']);
  await MenuMetKeuze(3);
  const laatste = await Regels();
  await Druk('Enter');
  await page.waitForFunction(() => struinpaadje.afgesloten !== null, { timeout: Wacht });
  assert.equal(await page.evaluate(() => struinpaadje.afgesloten), 0);
  assert.equal(await vraagtEerst(), false, 'na Afsluiten is er niets te verliezen');
  assert.deepEqual(await Regels(), laatste);
  assert.equal(await page.$eval('#einde', (e) => e.hidden), false);
  assert.equal(await page.$eval('#opnieuw', (k) => k.textContent), 'Opnieuw spelen');
  // Keys after the end change nothing.
  const beelden = await Beelden();
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
  assert.equal(await Beelden(), beelden);
  await page.screenshot({ path: path.join(Afdrukken, 'afgesloten.png') });
  // Playing again starts a new game.
  await Promise.all([page.waitForNavigation(), page.click('#opnieuw')]);
  await MenuMetKeuze(1);
  assert.equal(await page.evaluate(() => struinpaadje.afgesloten), null);
});

test('in firefox-esr (WebDriver BiDi): het menu, een gewonnen spel en Afsluiten, ook als één bestand',
     { skip: !fs.existsSync(Firefox) && `${Firefox} ontbreekt: alleen Chromium getest` }, async () => {
  const [hoofdBrowser, hoofdPagina] = [browser, page];
  browser = await puppeteer.launch({
    browser: 'firefox', executablePath: Firefox, protocol: 'webDriverBiDi', headless: true,
    defaultViewport: { width: 1024, height: 768, deviceScaleFactor: 1 },
  });
  try {
    page = await NieuwePagina();
    await Laad();
    await WinKlinkers();
    await Kiekje('firefox-klinkers-gewonnen');
    await Druk('KeyQ');
    await MenuMetKeuze(1);
    await DrukAlles(['ArrowDown', 'ArrowDown']);
    await MenuMetKeuze(3);
    await Druk('Enter');
    await page.waitForFunction(() => struinpaadje.afgesloten === 0, { timeout: Wacht });
    await Laad(`file://${path.join(Los, 'struinpaadje.html')}`); // the page as one file
    await WinKlinkers();
  } finally {
    await browser.close();
    [browser, page] = [hoofdBrowser, hoofdPagina];
  }
});

// ---- Screen readers: what the page gives them instead of the canvas.

// Runs `werk` on a fresh page of the given size that logs every text the live
// region gets, in `window.__gezegd`; the main page waits meanwhile.
async function OpVoorleespagina(viewport, werk) {
  await OpEigenPagina(async () => {
    await page.evaluateOnNewDocument(() => {
      window.__gezegd = [];
      new MutationObserver((wijzigingen) => {
        for (const w of wijzigingen) {
          for (const knoop of w.addedNodes) {
            if (knoop.id === 'melding') window.__leegBijLaden = knoop.textContent === '';
          }
          if (w.target.id === 'melding' && w.addedNodes.length) window.__gezegd.push(w.target.textContent);
        }
      }).observe(document, { childList: true, subtree: true });
    });
    await page.setViewport(viewport);
    await Laad();
    await werk();
  });
}

const Gezegd = () => page.evaluate(() => window.__gezegd);
const Bureaublad = Apparaten.bureau;

test('voorlezen: de boom heeft het spel als toepassing, een statusregel en de tekst van het scherm', async () => {
  await OpVoorleespagina(Bureaublad, async () => {
    const boom = await page.accessibility.snapshot({ interestingOnly: false });
    const knopen = [];
    const loop = (k) => { knopen.push(k); (k.children || []).forEach(loop); };
    loop(boom);
    const toepassing = knopen.find((k) => k.role === 'application');
    assert.ok(toepassing, 'geen knoop met de rol application');
    assert.equal(toepassing.roledescription, 'spel');
    assert.ok(knopen.some((k) => k.role === 'status'), 'geen statusregel');
    assert.ok(!knopen.some((k) => k.role === 'img'), 'het doek is voor een schermlezer geen plaatje meer');
    assert.ok(knopen.some((k) => k.role === 'heading' && k.level === 1), 'geen kop h1');
    assert.ok(knopen.some((k) => (k.name || '').includes('Spel Starten')), 'het menu staat niet in de boom');
    assert.ok(await page.evaluate(() => window.__leegBijLaden), 'de statusregel was niet leeg bij het laden');
    assert.equal(await page.$eval('html', (h) => h.lang), 'nl');
    // Tab reaches the text copy, which is the screen row for row.
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'schermtekst');
    assert.deepEqual(await page.$eval('#schermtekst', (p) => p.textContent.split('\n')), await Regels());
  });
});

test('voorlezen: de statusregel zegt bij elke pijl het gekozen item, één keer per toets', async () => {
  await OpVoorleespagina(Bureaublad, async () => {
    assert.match((await Gezegd()).at(-1), /^Spel Starten/);
    for (const [toets, item] of [['ArrowDown', 'Informatie'], ['ArrowDown', 'Afsluiten'],
                                 ['ArrowUp', 'Informatie'], ['ArrowUp', 'Spel Starten'],
                                 ['ArrowDown', 'Informatie']]) {
      const voor = (await Gezegd()).length;
      await Druk(toets);
      const gezegd = await Gezegd();
      assert.equal(gezegd.length, voor + 1, `${toets}: ${JSON.stringify(gezegd.slice(voor))}`);
      assert.ok(gezegd.at(-1).startsWith(item), `${toets}: "${gezegd.at(-1)}" in plaats van ${item}`);
      assert.ok(gezegd.at(-1).length <= 40, `te lang: "${gezegd.at(-1)}"`);
    }
    // Into the forest: the open paths of the first place in words, then the place.
    await DrukAlles(['ArrowUp', 'Enter']);
    await WachtOpTekst(4, 21, '0/6 Objecten verzameld');
    const plek = (await Gezegd()).at(-1);
    assert.match(plek, /^Paden: zuid\. Je staat aan het begin van het bos\./);
    // Bumping into a closed path twice says so twice: the second time with a
    // no-break space, or the region would not speak again.
    await DrukAlles(['ArrowRight', 'ArrowRight']);
    const bots = 'Geen pad naar het oosten. Paden: zuid.';
    assert.deepEqual((await Gezegd()).slice(-2), [bots, `${bots}\u00a0`]);
    assert.deepEqual(await page.$eval('#schermtekst', (p) => p.textContent.split('\n')), await Regels());
  });
});

test('voorlezen: axe-core vindt niets op bureaublad en tablet', async () => {
  const axe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  for (const viewport of [Bureaublad, { width: 1024, height: 768, deviceScaleFactor: 1 },
                          { width: 768, height: 1024, deviceScaleFactor: 2, isMobile: true, hasTouch: true }]) {
    await OpVoorleespagina(viewport, async () => {
      await page.addScriptTag({ content: axe });
      const fout = await page.evaluate(async () =>
        (await axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
      assert.deepEqual(fout, [], `${viewport.width}x${viewport.height}`);
    });
  }
});

test('geen fout in de console van de browser', () => {
  assert.deepEqual(fouten, []);
});
