// The page of the web edition: the date input and OK, the report box, saving,
// and the error and About dialogs. The module (web/web_entry.h) composes
// every report and converts every text, so that the page shows and saves
// exactly what the desktop program does; this file only wires the page.
"use strict";
(function () {
  const dateForm = document.getElementById("date-form");
  const dateInput = document.getElementById("date");
  const report = document.getElementById("report");
  const reportLabel = document.querySelector('label[for="report"]');
  const announcement = document.getElementById("announcement");
  const errorDialog = document.getElementById("error");
  const aboutDialog = document.getElementById("about");
  const aboutButton = document.getElementById("about-open");
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let module = null;
  let savedUrl = null;

  // Calls an entry of the module with text as UTF-8 in its memory.
  function call(entry, text) {
    const bytes = encoder.encode(text);
    const at = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, at);
    try {
      return module[entry](at, bytes.length);
    } finally {
      module._free(at);
    }
  }

  function resultBytes() {
    const at = module._WebResult();
    return module.HEAPU8.slice(at, at + module._WebResultLength());
  }

  function resultText() {
    return decoder.decode(resultBytes());
  }

  // The text as code page 1257 carries it, as the desktop's text boxes take
  // text in: an accent written apart joins its letter where the code page
  // has the pair; any other character it lacks becomes "?".
  function limited(text) {
    const composed = /\p{M}/u.test(text) ? text.normalize("NFC") : text;
    return call("_WebLimitedText", composed) ? resultText() : composed;
  }

  // Applied after every change of a text control, however the text came in
  // (typed, pasted, dropped), so that what is shown is what is saved.
  function limitControl(control) {
    const text = control.value;
    const shown = limited(text);
    if (shown === text) return;
    const caret = limited(text.slice(0, control.selectionEnd)).length;
    control.value = shown;
    control.setSelectionRange(caret, caret);
  }

  // A new text is read from its start, as the desktop's box shows it.
  function showReport(text) {
    report.value = text;
    report.setSelectionRange(0, 0);
    report.scrollTop = 0;
    performance.mark("ombrix-report-shown");
  }

  // A screen reader hears the report's arrival: the box's label and the
  // report's first line, the date.
  function announce(text) {
    const heading = text.split("\n").find((line) => line.trim() !== "") || "";
    announcement.textContent = "";
    setTimeout(() => {
      announcement.textContent = reportLabel.textContent + " " + heading;
    }, 50);
  }

  function showDateError(text) {
    const lineEnd = text.indexOf("\n");
    document.getElementById("error-caption").textContent = text.slice(0, lineEnd);
    document.getElementById("error-message").textContent = text.slice(lineEnd + 1);
    errorDialog.showModal();
  }

  function composeReport() {
    if (call("_WebReport", dateInput.value) !== 0) {
      showDateError(resultText());
      return;
    }
    const text = resultText();
    showReport(text);
    announce(text);
  }

  // The file holds exactly what the box shows, edits included: code page
  // 1257, CR LF line ends, no byte-order mark.
  function saveReport() {
    call("_WebSavedBytes", report.value);
    if (savedUrl) URL.revokeObjectURL(savedUrl);
    savedUrl = URL.createObjectURL(new Blob([resultBytes()], { type: "text/plain" }));
    const link = document.createElement("a");
    link.href = savedUrl;
    link.download = document.title + ".txt";
    link.click();
  }

  function wireDialog(dialog, focusAfter) {
    dialog.querySelector(".close").addEventListener("click", () => dialog.close());
    dialog.addEventListener("close", () => focusAfter.focus());
  }

  dateForm.addEventListener("submit", (event) => {
    event.preventDefault();
    if (module) composeReport();
  });
  for (const control of [dateInput, report]) {
    control.addEventListener("input", (event) => {
      if (module && !event.isComposing) limitControl(control);
    });
    control.addEventListener("compositionend", () => {
      if (module) limitControl(control);
    });
  }
  document.getElementById("save").addEventListener("click", () => {
    if (module) saveReport();
  });
  aboutButton.addEventListener("click", () => aboutDialog.showModal());
  wireDialog(errorDialog, dateInput);
  wireDialog(aboutDialog, aboutButton);

  createOmbrixModule().then((loaded) => {
    module = loaded;
    module._WebIntroduction();
    showReport(resultText());
  });
})();
