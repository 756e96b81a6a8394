// The files that index.html asks for before the page's code has come (its first script): each
// answer is taken once; a file it did not ask for, or could not get, is asked for now.
export function fetchEarly(file, init) {
  const early = window.earlyFetches && window.earlyFetches.get(file);
  if (!early) return fetch(file, init);
  window.earlyFetches.delete(file);
  return early.then((response) => response ?? fetch(file, init));
}
