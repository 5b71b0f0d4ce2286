// Loading the calculator, ahead of the program: the rate table and the page's font are fetched
// while the WebAssembly compiles, and the program starts only once both are in, the table put
// where the program reads it (a table that is missing stays missing, so that the program says
// so). Then the service worker, which keeps the site for offline use.
var tolvaneTable = fetch('table.csv', {cache: 'no-cache'})
    .then(function(response) { return response.ok ? response.arrayBuffer() : null; })
    .catch(function() { return null; });
// The captions are measured in the page's font, so it must be there first.
var tolvaneFont = document.fonts.load('12px "Tolvane Noto Sans CJK JP"', '料金').catch(function() {});

Module['preRun'] = [function() {
  addRunDependency('table.csv');
  Promise.all([tolvaneTable, tolvaneFont]).then(function(loaded) {
    FS.mkdir('/tolvane');
    if (loaded[0]) FS.writeFile('/tolvane/table.csv', new Uint8Array(loaded[0]));
    removeRunDependency('table.csv');
  });
}];

if ('serviceWorker' in navigator) {
  addEventListener('load', function() { navigator.serviceWorker.register('sw.js'); });
}
