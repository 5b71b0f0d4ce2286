// The conversion replay as a page: its corpus and record are in its file system (preloaded), its
// exit status goes to the title, where the browser driver reads it.
Module['arguments'] = ['/corpus', '/conversions.txt'];
Module['onExit'] = function(status) { document.title = 'exit ' + status; };
Module['onAbort'] = function(what) { document.title = 'exit abort: ' + what; };
