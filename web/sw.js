// The service worker: the site's files from its own cache, so that the game
// plays without a connection and can be installed. The build fills in the
// cache name (a hash of every file of the site) and the list of files.
//
// A new version installs beside the old one and waits: it takes over when no
// page of the game is open any more (the next start), or when the page asks
// for it ("Opnieuw spelen"). A running game is never replaced.
'use strict';

const Cache = 'struinpaadje-@STRUIN_CACHE@';
const Bestanden = ['./', @STRUIN_BESTANDEN@];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Bestanden)));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys().then((namen) => Promise.all(
    namen.filter((naam) => naam.startsWith('struinpaadje-') && naam !== Cache)
         .map((naam) => caches.delete(naam)))));
});

self.addEventListener('message', (e) => {
  if (e.data === 'neem over') self.skipWaiting();
});

// Cache first; whatever is not the site's goes to the network as usual.
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(Cache)
    .then((cache) => cache.match(e.request))
    .then((antwoord) => antwoord || fetch(e.request)));
});
