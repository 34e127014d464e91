// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT
//
// Keeps Quorvel's files so that the page starts without a network after the first visit, and at once.
// The cache is named for the build, so a new version replaces the old files as a whole.
"use strict";
const cacheName = "quorvel-@BUILD_ID@";
const files = ["./", "index.html", "quorvel.js", "quorvel.wasm", "quorvel.svg", "quorvel.webmanifest",
               "icon-192.png", "icon-512.png"];

self.addEventListener("install", event => {
  event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", event => {
  const oldCaches = keys => Promise.all(keys.filter(key => key !== cacheName).map(key => caches.delete(key)));
  event.waitUntil(caches.keys().then(oldCaches).then(() => self.clients.claim()));
});

self.addEventListener("fetch", event => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(caches.open(cacheName)
    .then(cache => cache.match(event.request, { ignoreSearch: true }))
    .then(cached => cached || fetch(event.request)));
});
