// Keeps the page and every file it uses, so that it opens and works without the network once
// it has been loaded. The build fills in the files and the cache's name, which is made of the
// version and a digest of the files: each deploy that changes a file has a cache of its own,
// filled before it takes over, and drops the caches of the deploys before it.
'use strict';

const cacheName = 'payvanta-@VERSION@-@DIGEST@ ' + self.registration.scope;
const files = ['./', @FILES@];

self.addEventListener('install', (event) => {
    // Fresh from the server, not from the browser's HTTP cache, which may hold the files
    // of the deploy before.
    event.waitUntil(caches.open(cacheName)
        .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' }))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const scope = ' ' + self.registration.scope;
    const old = (name) => name.startsWith('payvanta-') && name.endsWith(scope)
        && name !== cacheName;
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The kept copy where there is one, else the network.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') {
        return;
    }
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept || fetch(event.request)));
});
