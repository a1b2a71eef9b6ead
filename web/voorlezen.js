// The page's words for screen readers. The canvas is a picture to them, so
// with every frame the backend (console/achterkant/web.cpp) hands over that
// frame's announcement, made by the console layer by the same rule the
// terminal's line mode uses (console/Voorlezer.h). This file keeps two
// things up to date:
// - the live region #melding: the announcement, when the frame has one;
// - #schermtekst, the 25 rows as text, for reading at leisure (Tab reaches it).
// An announcement said twice in a row is said again by toggling a trailing
// no-break space. No timers: nothing runs between frames.
'use strict';

{
  const Harde = '\u00a0';

  const melding = document.getElementById('melding');
  const schermtekst = document.getElementById('schermtekst');

  Module.leesVoor = (tekst) => {
    schermtekst.textContent = struinpaadje.regels().join('\n');
    if (!tekst) return;
    if (melding.textContent.replace(/\u00a0$/, '') === tekst && !melding.textContent.endsWith(Harde)) {
      tekst += Harde;
    }
    melding.textContent = tekst;
  };
}
