// The page's side of the browser backend (console/achterkant/web.cpp):
// draws the 80 by 25 cells on the canvas, turns key presses into what a
// Windows console would report, and offers read-only test hooks in the
// global `struinpaadje`.
//
// Nothing here runs while the game waits for a key: no timers, no animation
// frames. Drawing happens when the game shows a frame, or when the canvas
// changes size or pixel ratio.
//
// It also shows the loading and every way loading can fail, the keys on the
// screen, and registers the service worker (sw.js) once the game runs.
//
// Contents, in this order (search for "---- N."):
//   1. Drawing: the cells on the canvas, and the grid's size
//   2. Keys: the keyboard, the keys on the screen, the focus hint
//   3. Touch typing: a touch device's own keyboard, through #typvak
//   4. Loading and the service worker: progress, failures, the runtime
//      (`Module`), the end of the game and "Opnieuw spelen"
//   5. Test hooks: the global `struinpaadje`
//   6. Start
'use strict';

// One block, so that none of these names meets the loader's own. Only
// `Module` (a `var`) escapes it, on purpose: the loader (struinpaadje.js)
// and voorlezen.js look for the global `Module`.
{
  const Breedte = 80;
  const Hoogte = 25;

  const scherm = document.getElementById('scherm');
  const focusvak = scherm.closest('[role="application"]'); // takes the keys for the canvas
  const [spel, aanraaktoetsen, hint, plushint, einde, eindtekst, typvak, bediening, balk,
         toetsenknop, numeriekknop, laden, ladentekst, voortgang, nogmaals, draai] =
    ['spel', 'aanraaktoetsen', 'hint', 'plushint', 'einde', 'eindtekst', 'typvak', 'bediening',
     'balk', 'toetsenknop', 'numeriekknop', 'laden', 'ladentekst', 'voortgang', 'nogmaals',
     'draai'].map((id) => document.getElementById(id));
  const pen = scherm.getContext('2d', { alpha: false });
  const aanraak = matchMedia('(hover: none) and (pointer: coarse)').matches;

  // The frame the game showed last, and what the canvas shows now.
  let tekens = new Uint32Array(Breedte * Hoogte).fill(0x20);
  let attributen = new Uint8Array(Breedte * Hoogte).fill(7);
  let getekend = null; // [tekens, attributen] on the canvas, null: draw everything
  let beelden = 0;
  let afgesloten = null;

  // Row y of the frame as text.
  const Regel = (y) => String.fromCodePoint(...tekens.subarray(y * Breedte, (y + 1) * Breedte));

  // ---- 1. Drawing

  // The 16 colours of the classic console, by attribute nibble.
  const Kleuren = [
    '#000000', '#000080', '#008000', '#008080', '#800000', '#800080', '#808000', '#c0c0c0',
    '#808080', '#0000ff', '#00ff00', '#00ffff', '#ff0000', '#ff00ff', '#ffff00', '#ffffff',
  ];

  // Box-drawing characters as arms: up, down, left, right; 1 single, 2 double.
  const Lijnen = new Map(Object.entries({
    '\u2500': '0011', '\u2502': '1100', '\u250c': '0101', '\u2510': '0110', '\u2514': '1001',
    '\u2518': '1010', '\u251c': '1101', '\u2524': '1110', '\u252c': '0111', '\u2534': '1011',
    '\u253c': '1111', '\u2550': '0022', '\u2551': '2200', '\u2552': '0102', '\u2553': '0201',
    '\u2554': '0202', '\u2555': '0120', '\u2556': '0210', '\u2557': '0220', '\u2558': '1002',
    '\u2559': '2001', '\u255a': '2002', '\u255b': '1020', '\u255c': '2010', '\u255d': '2020',
    '\u255e': '1102', '\u255f': '2201', '\u2560': '2202', '\u2561': '1120', '\u2562': '2210',
    '\u2563': '2220', '\u2564': '0122', '\u2565': '0211', '\u2566': '0222', '\u2567': '1022',
    '\u2568': '2011', '\u2569': '2022', '\u256a': '1122', '\u256b': '2211', '\u256c': '2222',
  }).map(([teken, armen]) => [teken.codePointAt(0), [...armen].map(Number)]));

  // Block elements as the part of the cell in the foreground colour (x, y,
  // width, height, as fractions) and the shades as how much of it shows.
  const Blokken = new Map([
    [0x2580, [0, 0, 1, 0.5]], [0x2584, [0, 0.5, 1, 0.5]], [0x2588, [0, 0, 1, 1]],
    [0x258c, [0, 0, 0.5, 1]], [0x2590, [0.5, 0, 0.5, 1]],
  ]);
  const Schaduwen = new Map([[0x2591, 0.25], [0x2592, 0.5], [0x2593, 0.75]]);

  // Cell size in device pixels: whole pixels, so lines stay sharp.
  let cel = { b: 8, h: 16 };

  const Ring = 2; // CSS px around the grid for the focus ring
  const KleinsteCel = 8; // CSS px: narrower cells are too small to read
  // The share of the height the bar under the grid may take. Zoomed in (or
  // in a low window) it would take more: then the grid takes the whole
  // height and the page scrolls to the bar, so zooming in never makes the
  // cells smaller. At the end "Opnieuw spelen" stays in view instead. The style sheet has the same bound (670 px) for before
  // this script runs.
  const DeelVoorBalk = 0.08;

  // Cell width in device pixels for the room the page's other parts leave,
  // with the bar (and the keys) under the grid or beside it.
  function CelBreedte(naast, schaal) {
    spel.classList.toggle('naast', naast);
    const schuift = !naast && aanraaktoetsen.hidden && einde.hidden &&
                    balk.offsetHeight > DeelVoorBalk * spel.clientHeight;
    spel.classList.toggle('schuift', schuift);
    const breedte = spel.clientWidth - (naast ? bediening.offsetWidth : 0) - 2 * Ring;
    const hoogte = spel.clientHeight - (naast || schuift ? 0 : bediening.offsetHeight) - 2 * Ring;
    return Math.max(1, Math.floor(Math.min((breedte * schaal) / Breedte,
                                           (hoogte * schaal) / (2 * Hoogte))));
  }

  // The grid takes the room the page's other parts leave; the keys stand
  // beside it when that makes the cells larger.
  function PasMaatAan() {
    const schaal = window.devicePixelRatio || 1;
    const onder = CelBreedte(false, schaal);
    const naast = !aanraaktoetsen.hidden && spel.clientWidth > spel.clientHeight &&
                  CelBreedte(true, schaal) > onder;
    const b = naast ? CelBreedte(true, schaal) : CelBreedte(false, schaal);
    draai.hidden = b / schaal >= KleinsteCel || spel.clientWidth > spel.clientHeight;
    cel = { b, h: 2 * b };
    scherm.width = Breedte * cel.b;
    scherm.height = Hoogte * cel.h;
    scherm.style.width = `${scherm.width / schaal}px`;
    scherm.style.height = `${scherm.height / schaal}px`;
    getekend = null;
    Teken();
  }

  function Vlak(x, y, b, h) {
    pen.fillRect(x, y, b, h);
  }

  // Lines from the middle to the edges, so that they join their neighbours.
  // Double lines meet as the corners and crossings of the console's font do.
  function TekenLijnen(px, py, [boven, onder, links, rechts]) {
    const { b: cb, h: ch } = cel;
    const dik = Math.max(1, Math.round(cb / 8));
    const afstand = dik + Math.max(1, Math.round(cb / 10));
    const mx = Math.floor((cb - dik) / 2);
    const my = Math.floor((ch - dik) / 2);
    const dubbelV = boven === 2 || onder === 2;
    const dubbelH = links === 2 || rechts === 2;
    // Where a single arm meets a double pair across it: the far line for a
    // corner, the near one for a T.
    const enkelStart = (dubbel, beide, m) => (dubbel ? (beide ? m + afstand : m - afstand) : m);
    const enkelEind = (dubbel, beide, m) => (dubbel ? (beide ? m - afstand : m + afstand) : m) + dik;
    // Where one line of a double pair meets the arms across it.
    const dubbelStart = (dubbel, kant, m) => (dubbel ? (kant === 2 ? m + afstand : m - afstand) : m);
    const dubbelEind = (dubbel, kant, m) => (dubbel ? (kant === 2 ? m - afstand : m + afstand) : m) + dik;

    if (links === 1 && rechts === 1) {
      Vlak(px, py + my, cb, dik);
    } else {
      const beide = boven === 2 && onder === 2;
      if (rechts === 1) {
        const x = enkelStart(dubbelV, beide, mx);
        Vlak(px + x, py + my, cb - x, dik);
      }
      if (links === 1) Vlak(px, py + my, enkelEind(dubbelV, beide, mx), dik);
    }
    for (const [y, kant] of [[my - afstand, boven], [my + afstand, onder]]) {
      if (rechts === 2) {
        const x = dubbelStart(dubbelV, kant, mx);
        Vlak(px + x, py + y, cb - x, dik);
      }
      if (links === 2) Vlak(px, py + y, dubbelEind(dubbelV, kant, mx), dik);
    }

    if (boven === 1 && onder === 1) {
      Vlak(px + mx, py, dik, ch);
    } else {
      const beide = links === 2 && rechts === 2;
      if (onder === 1) {
        const y = enkelStart(dubbelH, beide, my);
        Vlak(px + mx, py + y, dik, ch - y);
      }
      if (boven === 1) Vlak(px + mx, py, dik, enkelEind(dubbelH, beide, my));
    }
    for (const [x, kant] of [[mx - afstand, links], [mx + afstand, rechts]]) {
      if (onder === 2) {
        const y = dubbelStart(dubbelH, kant, my);
        Vlak(px + x, py + y, dik, ch - y);
      }
      if (boven === 2) Vlak(px + x, py, dik, dubbelEind(dubbelH, kant, my));
    }
  }

  function TekenCel(plek) {
    const px = (plek % Breedte) * cel.b;
    const py = Math.floor(plek / Breedte) * cel.h;
    const teken = tekens[plek];
    const attribuut = attributen[plek];
    pen.fillStyle = Kleuren[attribuut >> 4];
    pen.fillRect(px, py, cel.b, cel.h);
    if (teken === 0x20 || teken === 0xa0) return;
    pen.fillStyle = Kleuren[attribuut & 15];
    const lijn = Lijnen.get(teken);
    const blok = Blokken.get(teken);
    const schaduw = Schaduwen.get(teken);
    if (lijn) {
      TekenLijnen(px, py, lijn);
    } else if (blok) {
      const [x, y, b, h] = blok;
      Vlak(px + Math.round(x * cel.b), py + Math.round(y * cel.h),
           Math.round(b * cel.b), Math.round(h * cel.h));
    } else if (schaduw) {
      pen.globalAlpha = schaduw;
      Vlak(px, py, cel.b, cel.h);
      pen.globalAlpha = 1;
    } else {
      pen.save();
      pen.beginPath();
      pen.rect(px, py, cel.b, cel.h);
      pen.clip();
      pen.fillText(String.fromCodePoint(teken), px + cel.b / 2, py + cel.h / 2);
      pen.restore();
    }
  }

  // Draws the cells that differ from what the canvas shows.
  function Teken() {
    if (!getekend) {
      const grootte = Math.min(cel.h * 0.8, cel.b / 0.6);
      pen.font = `${grootte}px "DejaVu Sans Mono", "Liberation Mono", Consolas, monospace`;
      pen.textAlign = 'center';
      pen.textBaseline = 'middle';
    }
    for (let plek = 0; plek < tekens.length; ++plek) {
      if (getekend && getekend[0][plek] === tekens[plek] && getekend[1][plek] === attributen[plek]) {
        continue;
      }
      TekenCel(plek);
    }
    getekend = [tekens, attributen];
  }

  // Sharp at every pixel ratio: a window moved to another screen gets the
  // same CSS size but other device pixels.
  function VolgPixelratio() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => { PasMaatAan(); VolgPixelratio(); }, { once: true });
  }

  // ---- 2. Keys

  // Virtual-key codes by KeyboardEvent.code, for browsers that give no keyCode.
  const CodesOpNaam = {
    Backspace: 8, Tab: 9, Enter: 13, NumpadEnter: 13, ShiftLeft: 16, ShiftRight: 16,
    ControlLeft: 17, ControlRight: 17, AltLeft: 18, AltRight: 18, Pause: 19, CapsLock: 20,
    Escape: 27, Space: 32, PageUp: 33, PageDown: 34, End: 35, Home: 36, ArrowLeft: 37,
    ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46, MetaLeft: 91,
    MetaRight: 92, ContextMenu: 93, NumpadMultiply: 106, NumpadDecimal: 110, NumpadDivide: 111,
    NumLock: 144, ScrollLock: 145, Semicolon: 186, Comma: 188, Period: 190, Slash: 191,
    Backquote: 192, BracketLeft: 219, Backslash: 220, BracketRight: 221, Quote: 222,
  };
  // Keys whose code is the same on every layout and in every browser.
  const VasteCodes = { NumpadAdd: 107, NumpadSubtract: 109, Equal: 187, Minus: 189 };

  function CodeVan(toets) {
    if (toets.code in VasteCodes) return VasteCodes[toets.code];
    if (toets.keyCode) return toets.keyCode;
    if (toets.code in CodesOpNaam) return CodesOpNaam[toets.code];
    const [, soort, nummer] = /^(Key|Digit|Numpad|F)(\w+)$/.exec(toets.code) || [];
    if (soort === 'Key') return nummer.charCodeAt(0);
    if (soort === 'Digit') return 48 + Number(nummer);
    if (soort === 'Numpad' && /^\d$/.test(nummer)) return 96 + Number(nummer);
    if (soort === 'F' && /^\d+$/.test(nummer)) return 111 + Number(nummer);
    return 0;
  }

  // The typed character as a code point: the key's own when it is one
  // character, Enter, Backspace and Esc as the console has them, else 0.
  function TekenVan(toets) {
    if ([...toets.key].length === 1) {
      const c = toets.key.codePointAt(0);
      return c < 0x10000 ? c : 0;
    }
    return { Enter: 13, Backspace: 8, Escape: 27 }[toets.key] || 0;
  }

  // Keys that are no keys for the game: a screen reader's "stop talking"
  // (Ctrl), the Tab out of the game, and the modifiers on their own.
  const GeenSpeltoets = ['Tab', 'Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'OS'];

  // The main keyboard's + (also its =) and −, for keyboards without a keypad:
  // with the page setting (or ?zonder-numeriek) they are the keypad's, as
  // with the terminal's --zonder-numeriek; without it a hint says so.
  const Numeriek = { '+': 107, '=': 107, '-': 109 };
  let zonderNumeriek = false;

  function GewonePlusMin(teken, code) {
    const naar = Numeriek[String.fromCharCode(teken)];
    if (!naar || code === 107 || code === 109) return code;
    if (zonderNumeriek) return naar;
    plushint.textContent = 'De + en − van het numerieke toetsenbord verplaatsen noten. Zet ' +
                           '"Gewone + en −" aan, of gebruik de toetsen op het scherm.';
    return code;
  }

  // Keys pressed that the game has not asked for yet, and the game's request.
  const wachtrij = [];
  let wachtende = null;

  function Druk(teken, code) {
    if (afgesloten !== null) return;
    const toets = teken * 65536 + code;
    if (wachtende) {
      const klaar = wachtende;
      wachtende = null;
      klaar(toets);
    } else {
      wachtrij.push(toets);
    }
  }

  function OpToets(toets) {
    if (toets.isComposing || toets.keyCode === 229) return; // typed through an input method
    if (GeenSpeltoets.includes(toets.key)) return;
    const altGr = toets.getModifierState && toets.getModifierState('AltGraph');
    // Ctrl and Meta combinations stay the browser's: copy, reload, zoom.
    if ((toets.ctrlKey || toets.metaKey) && !altGr) return;
    const code = CodeVan(toets);
    // F1 to F11 keep their use in the browser; the game has none for them.
    if (!(code >= 112 && code <= 122)) toets.preventDefault();
    plushint.textContent = '';
    const teken = TekenVan(toets);
    Druk(teken, GewonePlusMin(teken, code));
  }

  function ToonHint() {
    const bijSpel = document.hasFocus() &&
                    (document.activeElement === focusvak || document.activeElement === typvak);
    hint.hidden = bijSpel || afgesloten !== null || !laden.hidden;
  }

  // The page's settings stay on the device: the keys on the screen (touch
  // screens start with them) and the main keyboard's + and −.
  const Onthouden = { toetsen: 'struinpaadje.toetsen', numeriek: 'struinpaadje.zonder-numeriek' };

  function Bewaar(naam, aan) {
    try {
      localStorage.setItem(naam, aan ? '1' : '0');
    } catch {
      // No storage (a file page, or a private window): only this visit then.
    }
  }

  function Bewaard(naam, standaard) {
    try {
      const keuze = localStorage.getItem(naam);
      return keuze === null ? standaard : keuze === '1';
    } catch {
      return standaard;
    }
  }

  function ToonToetsen(aan) {
    aanraaktoetsen.classList.remove('vooraf');
    aanraaktoetsen.hidden = !aan;
    toetsenknop.setAttribute('aria-pressed', String(aan));
    PasMaatAan();
  }

  function ZetZonderNumeriek(aan) {
    zonderNumeriek = aan;
    numeriekknop.setAttribute('aria-pressed', String(aan));
    plushint.textContent = '';
  }

  // Pressing a button on the screen must not take the focus from the game
  // (nor from the typing field, which keeps the soft keyboard open).
  function BijHetSpel(knop, actie) {
    knop.addEventListener('pointerdown', (e) => e.preventDefault());
    knop.addEventListener('click', () => {
      actie();
      if (document.activeElement === knop) focusvak.focus();
    });
  }
  for (const knop of document.querySelectorAll('#aanraaktoetsen button[data-code]')) {
    BijHetSpel(knop, () => {
      MaakWoordAf();
      Druk(Number(knop.dataset.teken || 0), Number(knop.dataset.code));
    });
  }
  BijHetSpel(toetsenknop, () => {
    ToonToetsen(aanraaktoetsen.hidden);
    Bewaar(Onthouden.toetsen, !aanraaktoetsen.hidden);
  });
  BijHetSpel(numeriekknop, () => {
    ZetZonderNumeriek(!zonderNumeriek);
    Bewaar(Onthouden.numeriek, zonderNumeriek);
  });

  // The text copy says what it is when it gets the focus: a screen reader
  // takes it for another document and says nothing of its own. The same
  // words again get a trailing no-break space, or they are not said.
  const paginamelding = document.getElementById('paginamelding');
  const schermtekst = document.getElementById('schermtekst');
  schermtekst.addEventListener('focus', () => {
    const tekst = schermtekst.getAttribute('aria-label');
    paginamelding.textContent = paginamelding.textContent === tekst ? `${tekst}\u00a0` : tekst;
  });

  focusvak.addEventListener('keydown', OpToets);
  typvak.addEventListener('keydown', OpToets);
  scherm.addEventListener('pointerdown', () => focusvak.focus());
  for (const gebeurtenis of ['focusin', 'focusout']) document.addEventListener(gebeurtenis, ToonHint);
  window.addEventListener('focus', ToonHint);
  window.addEventListener('blur', ToonHint);

  // ---- 3. Touch typing

  // The typing field always holds this, so that a soft keyboard's Backspace
  // has something to delete (on an empty field it sends no event at all).
  const Vulsel = '  ';

  // Text from a touch device's own keyboard, which gives no key codes: only
  // committed text counts, so a keyboard that composes words (and shows
  // "l", "li", "lie" on the way to "lief") gives each letter once.
  function OpTypen(gebeurtenis) {
    if (gebeurtenis.isComposing) return;
    const waarde = typvak.value;
    if (waarde === Vulsel) return;
    if (waarde.length < Vulsel.length) {
      for (let i = waarde.length; i < Vulsel.length; ++i) Druk(8, 8);
    } else {
      for (const teken of waarde.slice(Vulsel.length)) {
        const c = teken.codePointAt(0);
        const hoofd = teken.toUpperCase();
        const code = /^[A-Z0-9 ]$/.test(hoofd) ? hoofd.charCodeAt(0) : 0;
        if (c < 0x10000) Druk(c, code);
      }
    }
    typvak.value = Vulsel;
  }

  // A word the keyboard is still composing when a key on the screen is
  // pressed: it counts as typed first (Enter checks it, ⌫ deletes from it).
  // The field loses the focus for a moment, which ends the composition.
  let samenstelling = false;

  function MaakWoordAf() {
    if (!samenstelling) return;
    typvak.blur();
    samenstelling = false;
    OpTypen({ isComposing: false });
    typvak.focus();
  }

  // The soft keyboard takes the bottom of the screen: the page shrinks to
  // what stays visible, so the grid and what is typed stay above it.
  window.visualViewport?.addEventListener('resize', () => {
    const typen = document.activeElement === typvak;
    spel.style.height = typen ? `${window.visualViewport.height}px` : '';
  });

  typvak.addEventListener('input', OpTypen);
  typvak.addEventListener('compositionstart', () => { samenstelling = true; });
  typvak.addEventListener('compositionend', (e) => {
    samenstelling = false;
    OpTypen(e);
  });
  typvak.value = Vulsel;
  // The field joins the Tab order once the player asks for it.
  BijHetSpel(document.getElementById('typen'), () => {
    typvak.removeAttribute('tabindex');
    typvak.focus();
  });

  // ---- 4. Loading and the service worker

  const Meldingen = {
    verbinding: 'Het spel kon niet worden geladen. Controleer de verbinding en probeer het opnieuw.',
    bestand: 'Deze pagina is als bestand geopend, en zo laadt een browser het spel niet. Open ' +
             'dan <code>struinpaadje.html</code> (in de web-zip naast deze pagina): dat speelt ' +
             'als bestand. Of open de pagina via een webserver: start in de map van het spel ' +
             '<code>python3 -m http.server 8000 --bind 127.0.0.1</code> en open ' +
             '<code>http://127.0.0.1:8000/</code>.',
    webassembly: 'Deze browser kan het spel niet spelen: hij kent geen WebAssembly. Probeer een ' +
                 'recente browser.',
  };
  let mislukt = null;

  // The page as one file (struinpaadje.html, `data-los`): the program is
  // inside it, a file:// address is fine, and there is no site for a service
  // worker to keep.
  const los = document.documentElement.hasAttribute('data-los');
  const werker = los ? undefined : navigator.serviceWorker;

  function Fout(soort) {
    if (mislukt || beelden > 0) return; // the first reason is the one to tell
    mislukt = soort;
    ladentekst.innerHTML = Meldingen[soort];
    voortgang.hidden = true;
    nogmaals.hidden = soort !== 'verbinding';
    laden.hidden = false;
  }

  // Counts what arrives of a download, for the progress bar. The stream
  // gives unpacked bytes: against a packed length (a host that gzips) the
  // bar shows only that it is busy, and so it does when more arrives than
  // was announced.
  async function TelVoortgang(stroom, totaal) {
    const lezer = stroom.getReader();
    let binnen = 0;
    for (let stuk = await lezer.read(); !stuk.done && binnen <= totaal; stuk = await lezer.read()) {
      binnen += stuk.value.byteLength;
      if (binnen <= totaal) voortgang.value = binnen / totaal;
      else voortgang.removeAttribute('value');
    }
    lezer.cancel().catch(() => {});
  }

  // The program fetched by the page itself, to show how far the download is
  // (counted on a copy) and to say so when it fails. The browser compiles it
  // while it streams in, and keeps the compiled code.
  async function LaadProgramma(invoer) {
    const antwoord = await fetch('struinpaadje.wasm', { credentials: 'same-origin' });
    if (!antwoord.ok) throw new Error(`struinpaadje.wasm: ${antwoord.status}`);
    const totaal = Number(antwoord.headers.get('Content-Length'));
    const gepakt = !/^(identity)?$/.test(antwoord.headers.get('Content-Encoding') || '');
    if (totaal && !gepakt && antwoord.body) TelVoortgang(antwoord.clone().body, totaal).catch(() => {});
    if (WebAssembly.instantiateStreaming) return WebAssembly.instantiateStreaming(antwoord, invoer);
    return WebAssembly.instantiate(await antwoord.arrayBuffer(), invoer);
  }

  // A new version of the site waits in the service worker until the next
  // start; "Opnieuw spelen" lets it take over first.
  async function SpeelOpnieuw() {
    const registratie = await werker?.getRegistration();
    if (registratie?.waiting) {
      werker.addEventListener('controllerchange', () => location.reload());
      registratie.waiting.postMessage('neem over');
    } else {
      location.reload();
    }
  }

  function Afgelopen(status) {
    afgesloten = status;
    wachtrij.length = 0;
    eindtekst.textContent = status === 0 ? 'Het spel is afgesloten.'
                                         : `Het spel is gestopt (status ${status}).`;
    einde.hidden = false;
    PasMaatAan();
    ToonHint();
  }

  function Mislukt(reden) {
    console.error('struinpaadje:', reden);
    if (beelden === 0) {
      Fout(typeof WebAssembly === 'object' ? 'verbinding' : 'webassembly');
      return;
    }
    eindtekst.textContent = 'Het spel kon niet verder. Laad de pagina opnieuw om het nog eens te proberen.';
    einde.hidden = false;
    PasMaatAan();
  }

  var Module = {
    // Called by the backend with every frame the game shows.
    toonBeeld(nieuweTekens, nieuweAttributen) {
      tekens = nieuweTekens;
      attributen = nieuweAttributen;
      ++beelden;
      Teken();
      if (beelden === 1) {
        performance.mark('struinpaadje: eerste beeld');
        laden.hidden = true;
        ToonHint();
        werker?.register('sw.js').catch((e) => console.warn('struinpaadje:', e));
      }
    },
    // The next key press as character * 65536 + code, once there is one.
    volgendeToets() {
      if (wachtrij.length) return Promise.resolve(wachtrij.shift());
      return new Promise((klaar) => { wachtende = klaar; });
    },
    instantiateWasm(invoer, klaar) {
      LaadProgramma(invoer).then((uit) => klaar(uit.instance, uit.module), Mislukt);
      return {};
    },
    noInitialRun: true,
    onRuntimeInitialized() {
      Module.ccall('main', 'number', [], [], { async: true }).then(Afgelopen, Mislukt);
    },
    onAbort: Mislukt,
    print: (tekst) => console.log(tekst),
    printErr: (tekst) => console.warn(tekst),
  };
  if (los) delete Module.instantiateWasm; // the loader has the program inside

  // Whether the page going would lose a walk: a game started, or objects
  // collected. The frame shows where the player is: the main menu (its title
  // at the top left) and the forest with nothing collected (its count at the
  // bottom) have nothing to lose.
  function Onderweg() {
    if (beelden === 0 || !einde.hidden || Regel(2).startsWith('Hoofdmenu', 3)) return false;
    const telling = / (\d+)\/\d+ Objecten verzameld/.exec(Regel(21));
    return !telling || telling[1] !== '0';
  }

  // A walk in progress is lost when the page goes: the browser asks first.
  window.addEventListener('beforeunload', (e) => {
    if (Onderweg()) e.preventDefault();
  });

  document.getElementById('opnieuw').addEventListener('click', SpeelOpnieuw);
  nogmaals.addEventListener('click', () => location.reload());

  // Loading fails: a loader that does not arrive, a page opened as a file,
  // a browser without WebAssembly.
  window.addEventListener('error', (e) => {
    if (e.target instanceof HTMLScriptElement) Fout('verbinding');
  }, true);

  // ---- 5. Test hooks

  window.struinpaadje = Object.freeze({
    // The 25 rows as the player sees them.
    regels() {
      return Array.from({ length: Hoogte }, (_, y) => Regel(y));
    },
    // Background * 16 + foreground of cell (x, y), counted from 0.
    attribuut(x, y) {
      if (x < 0 || y < 0 || x >= Breedte || y >= Hoogte) return undefined;
      return attributen[y * Breedte + x];
    },
    get beelden() { return beelden; },
    get afgesloten() { return afgesloten; },
  });

  // ---- 6. Start

  if (location.protocol === 'file:' && !los) Fout('bestand');
  else if (typeof WebAssembly !== 'object') Fout('webassembly');
  VolgPixelratio();
  hint.textContent = aanraak ? 'Tik op het spel om verder te spelen.'
                             : 'Klik op het spel, of ga er met Tab heen, om verder te spelen.';
  new ResizeObserver(PasMaatAan).observe(spel);
  ToonToetsen(Bewaard(Onthouden.toetsen, aanraak));
  ZetZonderNumeriek(new URLSearchParams(location.search).has('zonder-numeriek') ||
                    Bewaard(Onthouden.numeriek, false));
  focusvak.focus();
  ToonHint();
}
