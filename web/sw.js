// The page works at the flying field: every file is kept on the device at
// the first visit, and served from there whenever the network is not.
const CACHE = 'tethrix-v1';
const FILES = ['./', 'index.html', 'app.js', 'charts.js', 'style.css', 'tethrix.js', 'tethrix.wasm',
               'manifest.webmanifest', 'icon.svg'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(keys => Promise.all(keys.filter(k => k !== CACHE).map(k => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The network first, so that a new version shows at once; the kept copy
// when there is no network.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(fetch(event.request)
    .then(response => {
      if (response.ok) {
        const copy = response.clone();
        caches.open(CACHE).then(cache => cache.put(event.request, copy));
      }
      return response;
    })
    .catch(() => caches.match(event.request, {ignoreSearch: true})));
});
