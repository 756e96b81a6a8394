// The documents and links the desktop program hands to the user's own programs. On the page,
// "Readme.txt", "Whatsnew.txt" and "Config.ini" open as plain text in a new tab, whatever type a
// server gives an .ini file; a web link opens in a new tab, a mail link in the mail program. As
// on the desktop, nothing is reported when that fails.
let opener = (url) => {
  if (url.startsWith('mailto:')) {
    window.location.href = url;
    return;
  }
  window.open(url, '_blank');
};

// A tab's text stays readable for this long; it is only a copy of the file.
const keptMs = 60000;

export function openLink(url) {
  opener(url);
}

// A file beside the page.
export async function openDocument(file) {
  try {
    const response = await fetch(new URL(file, document.baseURI).href, { cache: 'no-cache' });
    if (!response.ok) return;
    const text = new Blob([await response.arrayBuffer()], { type: 'text/plain; charset=utf-8' });
    const url = URL.createObjectURL(text);
    opener(url);
    setTimeout(() => URL.revokeObjectURL(url), keptMs);
  } catch {
    // Like a shell that found no file: nothing.
  }
}

// Tests record what would be opened instead, as the desktop's tests replace its link opener.
export function setLinkOpener(open) {
  opener = open;
}
