// Once loaded, the page opens and works without the network: its service worker keeps the
// page and its files. Browsers offer service workers on https and on localhost only; served
// otherwise, the page works while the server can be reached.
'use strict';

if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
