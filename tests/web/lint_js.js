// A JavaScript library the program links (src/webwindow/page.js), checked before any browser runs
// it: it parses; every name it uses is declared by itself, the program's runtime or the browser
// (a misspelt one would fail only when the page reaches it); and no function is over 50 lines.
//   node lint_js.js FILE   with NODE_PATH=/usr/share/nodejs, for Debian's acorn (emscripten's).
'use strict';
const acorn = require('acorn');
const walk = require('acorn-walk');
const findGlobals = require('acorn-globals');

// Besides what node has too (Object, Promise, performance...): the runtime's and the page's.
const known = new Set(['mergeInto', 'LibraryManager', 'autoAddDeps', 'UTF8ToString', 'stringToUTF8',
                       'lengthBytesUTF8', 'HEAPF64', 'Asyncify', '_tolvane_deliver', 'tolvanePage',
                       'document', 'getSelection', 'getComputedStyle']);
const file = process.argv[2];
const tree = acorn.parse(require('fs').readFileSync(file, 'utf8'),
                         {ecmaVersion: 2020, locations: true});
const faults = findGlobals(tree).map((found) => found.name)
    .filter((name) => !known.has(name) && !(name in globalThis))
    .map((name) => `${name} is declared nowhere`);
walk.full(tree, (node) => {
  const lines = node.loc.end.line - node.loc.start.line + 1;
  if (/Function/.test(node.type) && lines > 50) {
    faults.push(`the function on line ${node.loc.start.line} is ${lines} lines long`);
  }
});
faults.forEach((fault) => console.error(`${file}: ${fault}`));
process.exit(faults.length ? 1 : 0);
