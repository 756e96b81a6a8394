// Installable and offline: the service worker (sw.js) keeps every file of the site, so the page
// plays without a network after its first visit.
//
// A new build comes with a new sw.js, which the browser finds at the next visit; it fetches the
// new files, and once it has taken over, the page reloads once to run the new build rather than
// the one it was started from.
export function registerOffline() {
  if (!('serviceWorker' in navigator)) return;
  const hadWorker = navigator.serviceWorker.controller !== null;
  let reloaded = false;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!hadWorker || reloaded) return;
    reloaded = true;
    window.location.reload();
  });
  // After the first frame, so that fetching the whole site never delays the start. A worker
  // already registered is asked to look for a new build now rather than at the browser's leisure.
  navigator.serviceWorker.register('sw.js')
    .then((registration) => (hadWorker ? registration.update() : null))
    .catch(() => {});
}
