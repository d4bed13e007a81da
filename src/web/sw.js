// Keeps the game playable offline: every file of the page is cached at install, and each request
// goes to the network first, falling back to the cache when there is none.
'use strict';

const CACHE = 'quandrel';
const FILES = ['./', 'index.html', 'quandrel.wasm', 'manifest.webmanifest', 'icon.svg',
               'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
  self.skipWaiting();
});

// Not clients.claim(): Chromium would then show the page busy to a screen reader.

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    try {
      const response = await fetch(event.request);
      if (response.ok) await cache.put(event.request, response.clone());
      return response;
    } catch (error) {
      const cached = await cache.match(event.request, { ignoreSearch: true });
      if (cached) return cached;
      throw error;
    }
  })());
});
