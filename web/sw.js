// The page's service worker: it keeps every file a visit reads in a cache of
// its build, so that the page starts with no network, and an update takes
// over only once its cache holds the whole build.
const build = BUILD_NAME;
// name: [size, SHA-256], written in when the page is built.
const files = BUILD_FILES;
const scope = self.registration.scope;
// This page's caches only: the origin may hold other pages' caches.
const prefix = 'lumora:' + scope + ':';
const mine = prefix + build;

// The page asks for each file with its digest in the query, so a request
// names its contents, whichever build's page makes it.
const keyOf = (name) => new URL(name + '?v=' + files[name][1].slice(0, 16), scope).href;

const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
async function holds(response, name) {
  if (!response || !response.ok) return false;
  const bytes = await response.clone().arrayBuffer();
  return bytes.byteLength === files[name][0] && hex(await crypto.subtle.digest('SHA-256', bytes)) === files[name][1];
}

async function ourCaches() {
  return (await caches.keys()).filter((key) => key.startsWith(prefix));
}

// A file already in one of this page's caches (an older build's, or the
// first visit's own downloads) is not fetched again.
async function fill(cache, name) {
  const key = keyOf(name);
  if (await holds(await cache.match(key), name)) return;
  for (const other of await ourCaches()) {
    const kept = await (await caches.open(other)).match(key);
    if (await holds(kept, name)) return cache.put(key, kept);
  }
  const fetched = await fetch(key);
  if (!await holds(fetched, name)) throw new Error(name + ' is not this build\'s (' + fetched.status + ')');
  return cache.put(key, fetched);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(mine);
    try {
      await Promise.all(Object.keys(files).map((name) => fill(cache, name)));
    } catch (error) {
      await caches.delete(mine);
      throw error;
    }
    // Pages of the old build keep what they loaded; their next load is ours.
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const key of await ourCaches()) if (key !== mine) await caches.delete(key);
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(scope)) return;
  const url = new URL(request.url);
  const name = decodeURIComponent(url.pathname.slice(new URL(scope).pathname.length)) || 'index.html';
  const version = url.searchParams.get('v');
  if (!version && !files[name]) return;
  event.respondWith((async () => {
    // A file asked for by its digest comes from whichever of our caches has
    // it, so a page still loading an older build gets that build's bytes; the
    // page itself, its icons and manifests come from this build's cache.
    let answer;
    if (version) {
      for (const key of [mine, ...(await ourCaches()).filter((k) => k !== mine)]) {
        answer = await caches.match(request.url, { cacheName: key });
        if (answer) break;
      }
    } else {
      answer = await caches.match(keyOf(name), { cacheName: mine });
    }
    return answer || fetch(request);
  })());
});
