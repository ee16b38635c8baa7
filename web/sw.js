// The page works at the flying field: one whole build of it is kept on the
// device and served from there, whatever the network does. A new build is
// fetched in the background, checked byte for byte, and used once the
// flier reloads (the page offers it) or next opens the page; the files of
// two builds are never served together.
const BUILD = '@BUILD@';
const CACHE = 'tethrix-' + BUILD;
// Every file of this build with its SHA-256.
const FILES = {/*@FILES@*/};
const PATIENCE_MS = 8000;  // a network that connects but never answers

const scope = new URL(self.registration.scope).pathname;

// fetch() that gives up after PATIENCE_MS.
function fetchWithin(request, options = {}) {
  const abort = new AbortController();
  const timer = setTimeout(() => abort.abort(), PATIENCE_MS);
  return fetch(request, {...options, signal: abort.signal}).finally(() => clearTimeout(timer));
}

async function sha256(bytes) {
  const sum = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(sum, b => b.toString(16).padStart(2, '0')).join('');
}

// One file of this build, fresh from the host and checked: an error page, a
// captive portal's page or a file of another build is refused.
async function fetchChecked(name) {
  const url = name === 'index.html' ? 'index.html' : name + '?b=' + BUILD;
  for (const cache of ['default', 'reload']) {
    const response = await fetchWithin(url, {cache});
    if (!response.ok) throw new Error(name + ': ' + response.status);
    const bytes = await response.arrayBuffer();
    if (await sha256(bytes) === FILES[name])
      return new Response(bytes, {headers: {'Content-Type': response.headers.get('Content-Type') || ''}});
  }
  throw new Error(name + ' is not the file of build ' + BUILD);
}

// The whole build or nothing: a failed install keeps the build in use.
self.addEventListener('install', event => {
  event.waitUntil((async () => {
    const responses = await Promise.all(Object.keys(FILES).map(fetchChecked));
    const cache = await caches.open(CACHE);
    await Promise.all(Object.keys(FILES).map((name, i) => cache.put(name, responses[i])));
  })());
});

// The page asks for the new build once the flier chooses to reload.
self.addEventListener('message', event => {
  if (event.data === 'use-new-build') self.skipWaiting();
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys().then(keys =>
    Promise.all(keys.filter(k => k.startsWith('tethrix-') && k !== CACHE).map(k => caches.delete(k)))));
});

// The build's own files from its cache; a file of another build, or one the
// cache has lost, from the network, within PATIENCE_MS.
self.addEventListener('fetch', event => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== location.origin || !url.pathname.startsWith(scope))
    return;
  const name = url.pathname.slice(scope.length) || 'index.html';
  const build = url.searchParams.get('b');
  if (!(name in FILES) || (build !== null && build !== BUILD))
    return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(name))
    .then(kept => kept || fetchWithin(event.request)));
});
