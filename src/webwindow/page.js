// The page's side of the web face (page.h), an emscripten library: each function is what C++ calls
// by its name. A control comes as its tab index, a text as the address of NUL-terminated UTF-8.
const tolvanePageLibrary = {
  // The global tolvanePage: the controls by tab index (the form itself is -1), and what is shared.
  $tolvanePage: {
    controls: {}, ignored: [], copied: '',

    // Once, as the program loads: its script is deferred, so the page and its stylesheet are in.
    listen: function() {
      const page = tolvanePage, form = page.controls[-1] = document.getElementById('form');
      const box = document.getElementById('box'), ok = box.querySelector('button');
      page.context = document.createElement('canvas').getContext('2d');
      page.family = getComputedStyle(form).fontFamily;
      // An option's arrow keys go where the form says, round a group's ends, in every browser
      // alike; Enter and Escape press nothing. Keys with a modifier are left to the browser.
      form.addEventListener('keydown', (event) => {
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        const to = (event.target.tolvaneArrows || {})[event.key];
        if (to) {
          event.preventDefault();
          to.focus();
          if (!to.checked) to.click();
        } else if (page.ignored.includes(event.key)) {
          event.preventDefault();
        }
      });
      // While a box is up the focus stays on its OK, as on the desktop: Tab has nowhere else to
      // go, and a click on the backdrop or on the box leaves it there (unless it selects text).
      // (WebKitGTK names Shift+Tab "Unidentified", on the Tab key.)
      document.addEventListener('keydown', (event) => {
        if (box.open && (event.key == 'Tab' || event.code == 'Tab')) {
          event.preventDefault();
          ok.focus();
        }
      });
      box.addEventListener('mousedown', (event) => {
        if (event.target == box) event.preventDefault();
      });
      box.addEventListener('click', () => { if (getSelection().isCollapsed) ok.focus(); });
      // With nothing in the box selected, Ctrl+C copies the whole message, not what the box
      // shows of it, whichever element the browser sends the copy event to.
      document.addEventListener('copy', (event) => {
        const selection = getSelection();
        if (box.open && (selection.isCollapsed || !box.contains(selection.anchorNode))) {
          event.clipboardData.setData('text/plain', page.copied);
          event.preventDefault();
        }
      });
    },

    // Each kind by name (its class in the stylesheet too): its element, made from what the face
    // asked for.
    kinds: {
      frame: function(id, caption) {
        const frame = document.createElement('fieldset');
        frame.append(tolvanePage.captioned('legend', caption));
        return frame;
      },
      option: function(id, caption, name, accessKey, checked) {
        const radio = Object.assign(document.createElement('input'),
                                    {type: 'radio', name, checked, tolvaneArrows: {}});
        radio.addEventListener('change', () => { if (radio.checked) _tolvane_deliver(id); });
        return tolvanePage.captioned('label', caption, radio);
      },
      box: function(id, text, name) {
        // The number pad of a phone, with a decimal point; any text can still be typed or pasted.
        const box = Object.assign(document.createElement('input'), {type: 'text', value: text,
            defaultValue: text, autocomplete: 'off', spellcheck: false, inputMode: 'decimal'});
        box.setAttribute('aria-label', name);
        // The default of the box is what it shows, which is what a browser that resets boxes
        // without autocomplete on Back or Forward puts back.
        box.addEventListener('input', () => { box.defaultValue = box.value; });
        return box;
      },
      button: function(id, caption, name, accessKey) {
        const button = tolvanePage.captioned('button', caption);
        button.type = 'button';
        if (accessKey) button.accessKey = String.fromCharCode(accessKey).toLowerCase();
        button.addEventListener('click', () => _tolvane_deliver(id));
        return button;
      },
      unit: function(id, caption) {
        return tolvanePage.captioned('span', caption);
      },
    },

    // An element of `tag` that shows `caption`, after `before` (if any).
    captioned: function(tag, caption, ...before) {
      const element = document.createElement(tag), span = document.createElement('span');
      Object.assign(span, {className: 'caption', textContent: caption});
      element.append(...before, span);
      return element;
    },
  },
  $tolvanePage__postset: 'tolvanePage.listen();',

  // Makes the control and appends it to its frame, or (-1) to the form.
  CreateJs: function(kind, id, parent, domId, caption, name, accessKey, checked) {
    const page = tolvanePage, kindName = UTF8ToString(kind);
    const element = page.kinds[kindName](id, UTF8ToString(caption), UTF8ToString(name), accessKey,
                                         !!checked);
    Object.assign(element, {className: kindName, id: UTF8ToString(domId)});
    page.controls[parent].append(page.controls[id] = element);
  },

  // The custom properties the stylesheet's desktop layout reads, each control's and the form's.
  PlaceJs: function(id, left, top, width, height) {
    const place = {'--left': left, '--top': top, '--width': width, '--height': height};
    const style = tolvanePage.controls[id].style;
    for (const property in place) style.setProperty(property, place[property] + 'px');
  },
  SetFont: function(id, pixels, stretch) {
    const style = tolvanePage.controls[id].style;
    style.setProperty('--font', pixels + 'px');
    style.setProperty('--stretch', stretch / 100);
  },
  SetFormMetric: function(property, pixels) {
    tolvanePage.controls[-1].style.setProperty(UTF8ToString(property), pixels + 'px');
  },

  // The options' and the boxes' state. TextJs writes as stringToUTF8 does (nothing if `size` is
  // 0), and returns the length in bytes.
  IsChecked: function(id) {
    return tolvanePage.controls[id].control.checked;
  },
  TextJs: function(id, to, size) {
    const text = tolvanePage.controls[id].value;
    stringToUTF8(text, to, size);
    return lengthBytesUTF8(text);
  },
  SetTextJs: function(id, text) {
    const box = tolvanePage.controls[id];
    box.defaultValue = box.value = UTF8ToString(text);
  },

  // What the keys do.
  IgnoreKey: function(domKey) {
    tolvanePage.ignored.push(UTF8ToString(domKey));
  },
  SetArrowTarget: function(from, domKey, to) {
    const controls = tolvanePage.controls;
    controls[from].control.tolvaneArrows[UTF8ToString(domKey)] = controls[to].control;
  },

  ShowForm: function(focus) {
    const control = tolvanePage.controls[focus];
    tolvanePage.controls[-1].hidden = false;
    (control.control || control).focus();
    performance.mark('tolvane-form-shown');
  },

  // Returns once the box has closed (OK or Escape), through Asyncify: the program's stack unwinds,
  // and when the box closes is rewound, calling this again. The box keeps the page inert.
  ShowBoxJs: function(title, shown, copied, critical) {
    return Asyncify.handleAsync(() => {
      const box = document.getElementById('box');
      tolvanePage.copied = UTF8ToString(copied);
      box.querySelector('h2').textContent = UTF8ToString(title);
      box.querySelector('p').textContent = UTF8ToString(shown);
      box.className = critical ? 'critical' : 'information';
      box.showModal();
      box.querySelector('button').focus();
      return new Promise((closed) => box.addEventListener('close', () => closed(), {once: true}));
    });
  },

  // Into the five doubles at `extent`, in TextExtent's order.
  MeasureJs: function(text, pixels, extent) {
    const context = tolvanePage.context;
    context.font = pixels + 'px ' + tolvanePage.family;
    const metrics = context.measureText(UTF8ToString(text));
    HEAPF64.set([metrics.width, metrics.actualBoundingBoxAscent, metrics.actualBoundingBoxDescent,
                 metrics.fontBoundingBoxAscent, metrics.fontBoundingBoxDescent], extent >> 3);
  },
};
autoAddDeps(tolvanePageLibrary, '$tolvanePage');
mergeInto(LibraryManager.library, tolvanePageLibrary);
