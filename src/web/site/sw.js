// The page's service worker: every file of the site kept in a cache of this build, so that the
// page plays offline after its first visit.
//
// The build script writes the build's name (a hash of all the site's files) and their list into
// the two lines below, so a new build is a new sw.js: the browser installs it at the next visit,
// it fetches the new files into a cache of its own, takes over and drops the old build's cache.
const build = 'unbuilt';
const files = [];

const scope = new URL(self.registration.scope).pathname;
// Caches belong to the whole origin; the scope in the name keeps two sites of one server apart.
const cachePrefix = `zuzazizo ${scope} `;
const cacheName = cachePrefix + build;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(cacheName);
    // Past the browser's own HTTP cache, which may still hold the previous build's files.
    await cache.addAll(files.map((file) => new Request(file, { cache: 'reload' })));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith(cachePrefix) && name !== cacheName) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const kept = await cache.match(request, { ignoreSearch: true });
    return kept ?? fetch(request);
  })());
});
