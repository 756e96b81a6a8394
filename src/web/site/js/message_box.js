// The page's message box: errors are shown in turn, each until its OK is pressed.
const queue = [];
let showing = false;

function showNext() {
  const box = document.getElementById('message-box');
  if (showing || queue.length === 0) return;
  showing = true;
  document.getElementById('message-text').textContent = queue.shift();
  box.hidden = false;
  const ok = document.getElementById('message-ok');
  ok.focus();
  ok.onclick = () => {
    box.hidden = true;
    showing = false;
    showNext();
  };
}

export function showError(text) {
  queue.push(text);
  showNext();
}
