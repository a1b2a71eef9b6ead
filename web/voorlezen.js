// The page's words for screen readers. The canvas is a picture to them, so
// with every frame the backend (console/achterkant/web.cpp) hands over what
// the game said for it and its focus, the model's cursor. From those this
// file keeps two things up to date:
// - the live region #melding: at most one announcement a frame, the game's
//   sentences first, then the text at the focus when that changed;
// - #schermtekst, the 25 rows as text, for reading at leisure (Tab reaches it).
// A sentence said twice in a row is said again by toggling a trailing
// no-break space. No timers: nothing runs between frames.
'use strict';

{
  const Breedte = 80;
  const Hoogte = 25;
  const Harde = '\u00a0';

  const melding = document.getElementById('melding');
  const schermtekst = document.getElementById('schermtekst');
  let vorigeFocus = '';

  const Leeg = (teken) => teken === undefined || /\s/.test(teken);

  // The text at the focus: along its row on the same background until two
  // blanks in a row, and the same for each row below that goes on in the
  // focus's column (a paragraph, a panel's lines).
  function TekstBijFocus(regels, x, y) {
    if (x < 0 || y < 0 || x >= Breedte || y >= Hoogte) return '';
    const achter = struinpaadje.attribuut(x, y) >> 4;
    const stukken = [];
    for (let rij = y; rij < Hoogte; ++rij) {
      if (rij > y && (Leeg(regels[rij][x]) || struinpaadje.attribuut(x, rij) >> 4 !== achter)) break;
      let stuk = '';
      for (let kolom = x; kolom < Breedte && struinpaadje.attribuut(kolom, rij) >> 4 === achter; ++kolom) {
        stuk += regels[rij][kolom];
        if (Leeg(regels[rij][kolom]) && Leeg(regels[rij][kolom - 1]) && kolom > x) break;
      }
      stukken.push(stuk);
    }
    return stukken.join(' ').replace(/\s+/g, ' ').trim();
  }

  // Letters and digits only, to see whether a sentence already says a text.
  const Kern = (tekst) => tekst.toLowerCase().replace(/[^\p{L}\p{N}]/gu, '');

  Module.leesVoor = (berichten, x, y) => {
    const regels = struinpaadje.regels();
    schermtekst.textContent = regels.join('\n');

    const zinnen = berichten.split('\n').filter((zin) => zin);
    const focus = TekstBijFocus(regels, x, y);
    const sleutel = `${x},${y}:${focus}`;
    if (sleutel !== vorigeFocus && focus && !Kern(zinnen.join(' ')).includes(Kern(focus))) {
      zinnen.push(focus);
    }
    vorigeFocus = sleutel;
    if (!zinnen.length) return;

    let tekst = zinnen.map((zin) => (/[.!?:]$/.test(zin) ? zin : `${zin}.`)).join(' ');
    if (melding.textContent.replace(/\u00a0$/, '') === tekst && !melding.textContent.endsWith(Harde)) {
      tekst += Harde;
    }
    melding.textContent = tekst;
  };
}
