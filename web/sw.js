// The service worker: the site's files from its own cache, so that the game
// plays without a connection and can be installed. The build fills in the
// version (a hash of every file of the site) and the list of files.
//
// A new version installs beside the old one and waits: it takes over when no
// page of the game is open any more (the next start), or when the page asks
// for it ("Opnieuw spelen"). A running game is never replaced.
//
// Installing fetches every file past the browser's HTTP cache and checks the
// whole set against the version: a host that lets browsers keep files for a
// while must not leave old files in the new version's cache. A set that does
// not match (a site half uploaded) is not installed; the browser tries again
// at the next start.
'use strict';

const Versie = '@STRUIN_CACHE@';
const Bestanden = [@STRUIN_BESTANDEN@];
// Copies of the site in other folders of the same host have caches of their
// own: the name holds the worker's scope.
const Voorvoegsel = `struinpaadje ${self.registration.scope} `;
const Cache = Voorvoegsel + Versie;

const Sha256 = async (bytes) => [...new Uint8Array(await crypto.subtle.digest('SHA-256', bytes))]
  .map((b) => b.toString(16).padStart(2, '0')).join('');

async function Installeer() {
  // Each file read as it arrives (a body left unread holds its connection),
  // and hashed.
  const hashes = [];
  const antwoorden = await Promise.all(Bestanden.map(async (naam, i) => {
    const antwoord = await fetch(naam, { cache: 'reload' });
    if (!antwoord.ok) throw new Error(`${naam}: ${antwoord.status}`);
    hashes[i] = `${naam} ${await Sha256(await antwoord.clone().arrayBuffer())}\n`;
    return antwoord;
  }));
  // The version of the set, counted as the build counts it.
  const versie = (await Sha256(new TextEncoder().encode(hashes.join('')))).slice(0, Versie.length);
  if (versie !== Versie) throw new Error(`de bestanden zijn van versie ${versie}, niet ${Versie}`);
  const cache = await caches.open(Cache);
  try {
    // The folder's own address is its index.html.
    await cache.put('./', antwoorden[Bestanden.indexOf('index.html')].clone());
    await Promise.all(antwoorden.map((antwoord, i) => cache.put(Bestanden[i], antwoord)));
  } catch (fout) {
    await caches.delete(Cache);
    throw fout;
  }
}

self.addEventListener('install', (e) => e.waitUntil(Installeer()));

// Only this copy's older versions go.
self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys().then((namen) => Promise.all(
    namen.filter((naam) => naam.startsWith(Voorvoegsel) && naam !== Cache)
         .map((naam) => caches.delete(naam)))));
});

self.addEventListener('message', (e) => {
  if (e.data === 'neem over') self.skipWaiting();
});

// Cache first, whatever the query string (a link such as ?klas=5); whatever
// is not the site's goes to the network as usual.
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(Cache)
    .then((cache) => cache.match(e.request, { ignoreSearch: true }))
    .then((antwoord) => antwoord || fetch(e.request)));
});
