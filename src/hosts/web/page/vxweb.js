// The web host's page: the browser's side of a vxtools program. It shows the
// windows and menus the host describes, draws the pixels the host sends, and
// hands what the user does to the host. It never waits for the program: the
// program's threads wait for it instead.
'use strict';

(function () {
  const title = VXWEB.title;
  const screenElement = document.getElementById('screen');
  const menubar = document.getElementById('menubar');
  const statusLine = document.getElementById('status');
  const screenText = document.getElementById('screentext');
  const CommandBit = 1 << 20, ShiftBit = 1 << 17, OptionBit = 1 << 19, ControlBit = 1 << 18;
  const TitleBar = 28;

  function setStatus(text) { statusLine.textContent = text; }

  function notice(heading, lines) {
    screenElement.replaceChildren();
    const box = document.createElement('div');
    box.className = 'notice';
    const h = document.createElement('h1');
    h.textContent = heading;
    box.append(h);
    for (const line of lines) {
      const p = document.createElement('p');
      p.textContent = line;
      box.append(p);
    }
    screenElement.append(box);
  }

  // ---- What the browser must offer ----------------------------------------

  // WebAssembly threads need shared memory, which a browser gives only to a
  // cross-origin isolated page. A host that cannot send the two headers gets
  // them from the page's service worker, after one reload.
  function missingSupport() {
    const missing = [];
    if (typeof WebAssembly !== 'object') missing.push('WebAssembly');
    if (typeof SharedArrayBuffer !== 'function') missing.push('gemeinsamen Speicher (SharedArrayBuffer) für WebAssembly-Threads');
    else {
      try { new WebAssembly.Memory({initial: 1, maximum: 1, shared: true}); }
      catch (e) { missing.push('WebAssembly-Threads'); }
    }
    return missing;
  }

  async function isolate() {
    if (window.crossOriginIsolated) return true;
    if (!('serviceWorker' in navigator) || !window.isSecureContext) return false;
    if (sessionStorage.getItem('vxweb-isolation-tried')) return false;
    sessionStorage.setItem('vxweb-isolation-tried', '1');
    try {
      await navigator.serviceWorker.register('vxweb-isolation.js');
      await navigator.serviceWorker.ready;
      location.reload();
      return null;  // the page reloads
    } catch (e) {
      return false;
    }
  }

  // ---- Menus ------------------------------------------------------------------

  let menus = [];
  let openMenu = null;  // {index, element, active}

  // As on the desktop: plain Ctrl-letters belong to the program (Ctrl-S
  // pauses its output, Ctrl-L copies the input line), so the command key of
  // the key equivalents is Ctrl+Shift.
  function shortcutKeys(item) {
    return {
      ctrl: Boolean(item.mods & (CommandBit | ControlBit)),
      shift: Boolean(item.mods & (CommandBit | ShiftBit)),
      alt: Boolean(item.mods & OptionBit),
    };
  }

  function shortcutText(item) {
    if (!item.key) return '';
    const keys = shortcutKeys(item);
    const parts = [];
    if (keys.ctrl) parts.push('Strg');
    if (keys.alt) parts.push('Alt');
    if (keys.shift) parts.push('⇧');
    parts.push(item.key.toUpperCase());
    return parts.join('+');
  }

  // The browser keeps some keys for itself whatever a page does; their items
  // stay in the menus, and the status line says so.
  const browserKeys = new Set(['q', 'w', 'n', 't']);
  function browserKeptShortcuts() {
    const kept = [];
    for (const menu of menus)
      for (const item of menu.items)
        if (item.key && browserKeys.has(item.key) && shortcutKeys(item).ctrl) kept.push(shortcutText(item));
    return kept;
  }

  function buildMenubar(newMenus) {
    const before = JSON.stringify(menus);
    menus = newMenus;
    if (before === JSON.stringify(menus)) return;
    const reopen = openMenu ? openMenu.index : null;
    closeMenu();
    menubar.replaceChildren();
    menus.forEach((menu, index) => {
      const t = document.createElement('div');
      t.className = 'menutitle';
      t.textContent = menu.title;
      t.tabIndex = -1;
      t.setAttribute('role', 'menuitem');
      t.addEventListener('mousedown', (event) => {
        event.preventDefault();
        if (openMenu && openMenu.index === index) closeMenu(); else openMenuFresh(index);
      });
      t.addEventListener('mouseenter', () => { if (openMenu && openMenu.index !== index) showMenu(index); });
      menubar.append(t);
    });
    if (reopen !== null && reopen < menus.length) showMenu(reopen);
  }

  // Opens a menu and asks the host for the items' states as they are now; the
  // menu is shown again if they changed.
  function openMenuFresh(index, active = -1) {
    showMenu(index, active);
    Module._vxweb_menuopened();
  }

  function showMenu(index, active = -1) {
    closeMenu();
    const titleElement = menubar.children[index];
    const menu = menus[index];
    const box = document.createElement('div');
    box.className = 'menu';
    box.setAttribute('role', 'menu');
    menu.items.forEach((item, i) => {
      if (item.sep) {
        const s = document.createElement('div');
        s.className = 'menuseparator';
        box.append(s);
        return;
      }
      const e = document.createElement('div');
      e.className = 'menuitem' + (item.enabled ? '' : ' disabled');
      e.setAttribute('role', 'menuitem');
      e.setAttribute('aria-disabled', String(!item.enabled));
      e.dataset.item = i;
      const label = document.createElement('span');
      label.textContent = item.title;
      const key = document.createElement('span');
      key.className = 'shortcut';
      key.textContent = shortcutText(item);
      e.append(label, key);
      e.addEventListener('mouseenter', () => setActive(i));
      e.addEventListener('mouseup', () => choose(index, i));
      box.append(e);
    });
    const r = titleElement.getBoundingClientRect();
    box.style.left = r.left + 'px';
    box.style.top = r.bottom + 'px';
    document.body.append(box);
    titleElement.classList.add('open');
    openMenu = {index, element: box, active: -1};
    setActive(active);
  }

  function setActive(i) {
    if (!openMenu) return;
    openMenu.active = i;
    for (const e of openMenu.element.querySelectorAll('.menuitem'))
      e.classList.toggle('active', Number(e.dataset.item) === i);
  }

  function closeMenu() {
    if (!openMenu) return;
    openMenu.element.remove();
    const t = menubar.children[openMenu.index];
    if (t) t.classList.remove('open');
    openMenu = null;
  }

  function moveActive(step) {
    const items = menus[openMenu.index].items;
    let i = openMenu.active;
    for (let n = 0; n < items.length; n++) {
      i = (i + step + items.length) % items.length;
      if (!items[i].sep) { setActive(i); return; }
    }
  }

  // The page carries out its own view commands; every other item goes to the program.
  function choose(menuIndex, itemIndex) {
    const item = menus[menuIndex] && menus[menuIndex].items[itemIndex];
    closeMenu();
    if (!item || item.sep) return;
    if (!item.enabled) { beep(); return; }
    if (item.role === 'fit' || item.role === 'actual') {
      const w = keyWindow();
      if (w && w.slot !== undefined) setZoom(w, item.role === 'fit' ? 'fit' : 1);
      return;
    }
    Module._vxweb_menu(menuIndex, itemIndex);
    focusKeyWindow();
  }

  // The item whose key equivalent a key press is, if any.
  function menuShortcut(event) {
    if (!(event.ctrlKey || event.metaKey) || event.key.length !== 1) return null;
    const key = event.key.toLowerCase();
    for (let m = 0; m < menus.length; m++) {
      const items = menus[m].items;
      for (let i = 0; i < items.length; i++) {
        const item = items[i];
        if (item.sep || !item.key || item.key !== key) continue;
        const keys = shortcutKeys(item);
        if (!keys.ctrl || keys.shift !== event.shiftKey || keys.alt !== event.altKey) continue;
        return [m, i];
      }
    }
    return null;
  }

  function menuKeys(event) {
    if (event.key === 'F10' || (event.altKey && !event.ctrlKey && event.key.length === 1 && !openMenu)) {
      let index = 0;
      if (event.key !== 'F10') {
        index = menus.findIndex((m) => m.title.toLowerCase().startsWith(event.key.toLowerCase()));
        if (index < 0) return false;
      }
      openMenuFresh(index);
      moveActive(1);
      return true;
    }
    if (!openMenu) return false;
    switch (event.key) {
      case 'Escape': closeMenu(); focusKeyWindow(); return true;
      case 'ArrowDown': moveActive(1); return true;
      case 'ArrowUp': moveActive(-1); return true;
      case 'ArrowRight': showMenu((openMenu.index + 1) % menus.length); moveActive(1); return true;
      case 'ArrowLeft': showMenu((openMenu.index + menus.length - 1) % menus.length); moveActive(1); return true;
      case 'Enter': case ' ': if (openMenu.active >= 0) choose(openMenu.index, openMenu.active); return true;
      default: return true;  // while a menu is open, keys belong to it
    }
  }

  // Keys typed while nothing in the page has the keyboard (after a click on
  // the page's background, say) go to the key window, as on a desktop.
  document.addEventListener('keydown', (event) => {
    if (event.target !== document.body || document.querySelector('.dialogback')) return;
    const w = keyWindow();
    if (w && w.canvas) keyDown(w, event);
    else if (menuKeys(event)) event.preventDefault();
  });
  document.addEventListener('keyup', (event) => {
    if (event.target !== document.body || document.querySelector('.dialogback')) return;
    const w = keyWindow();
    if (w && w.canvas) keyUp(w, event);
  });

  document.addEventListener('mousedown', (event) => {
    if (openMenu && !openMenu.element.contains(event.target) && !menubar.contains(event.target)) closeMenu();
  });

  // ---- Windows -------------------------------------------------------------------

  const windows = new Map();  // id -> window state
  let keyWindowId = null;
  let focusedOnce = false;

  function keyWindow() { return keyWindowId === null ? null : windows.get(keyWindowId); }

  function focusKeyWindow() {
    const w = keyWindow();
    if (w && w.canvas) w.canvas.focus({preventScroll: true});
  }

  function makeWindow(d) {
    const element = document.createElement('section');
    element.className = 'window';
    element.setAttribute('aria-label', d.title);
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    const close = document.createElement('button');
    close.className = 'close';
    close.title = 'Schließen';
    close.setAttribute('aria-label', 'Fenster schließen');
    const caption = document.createElement('span');
    caption.className = 'title';
    bar.append(close, caption);
    element.append(bar);
    const w = {id: d.id, element, caption, moved: null, zoom: 1, fitted: false, request: '', placedFor: ''};
    close.addEventListener('click', () => Module._vxweb_close(d.id));
    element.addEventListener('mousedown', () => { if (keyWindowId !== d.id) Module._vxweb_activate(d.id); });
    dragByTitle(w, bar);
    if (d.slot !== undefined) makeSlotView(w, d.slot); else makeTextView(w);
    screenElement.append(element);
    return w;
  }

  function dragByTitle(w, bar) {
    bar.addEventListener('mousedown', (event) => {
      if (event.target.classList.contains('close')) return;
      const startX = event.clientX, startY = event.clientY;
      const left = w.element.offsetLeft, top = w.element.offsetTop;
      const move = (e) => {
        w.moved = {left: left + e.clientX - startX, top: Math.max(0, top + e.clientY - startY)};
        w.element.style.left = w.moved.left + 'px';
        w.element.style.top = w.moved.top + 'px';
      };
      const up = () => { document.removeEventListener('mousemove', move); document.removeEventListener('mouseup', up); };
      document.addEventListener('mousemove', move);
      document.addEventListener('mouseup', up);
      event.preventDefault();
    });
  }

  function makeTextView(w) {
    w.text = document.createElement('pre');
    w.text.className = 'textview';
    w.element.append(w.text);
  }

  function makeSlotView(w, slot) {
    w.slot = slot;
    w.viewport = document.createElement('div');
    w.viewport.className = 'viewport';
    w.extent = document.createElement('div');
    w.extent.className = 'extent';
    w.canvas = document.createElement('canvas');
    w.canvas.tabIndex = 0;
    w.canvas.dataset.slot = slot;
    w.canvas.setAttribute('aria-label', 'Fenster ' + slot);
    w.viewport.append(w.canvas, w.extent);
    w.element.append(w.viewport);
    w.viewport.addEventListener('scroll', () => requestView(w));
    w.viewport.addEventListener('wheel', (event) => {
      if (!event.ctrlKey) return;
      event.preventDefault();
      setZoom(w, zoomOf(w) * (event.deltaY < 0 ? 1.25 : 0.8), event);
    }, {passive: false});
    w.canvas.addEventListener('mousedown', (event) => mouseDown(w, event));
    w.canvas.addEventListener('mouseup', () => Module._vxweb_mouseup(slot));
    w.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    w.canvas.addEventListener('keydown', (event) => keyDown(w, event));
    w.canvas.addEventListener('keyup', (event) => keyUp(w, event));
    w.canvas.addEventListener('paste', (event) => paste(w, event));
  }

  // The area the page gives windows, and where a window goes in it: where the
  // toolkit put it, moved and made smaller as far as needed to lie wholly in
  // the area; a graphic that would cover the text window's lines goes beside
  // that window, where there is room, so that the prompt stays readable.
  function area() { return {width: screenElement.clientWidth, height: screenElement.clientHeight}; }

  function placeWindow(w, d, textFrame) {
    const a = area();
    let [left, top, width, height] = d.frame;
    let room = {left: 0, width: a.width};
    if (w.moved) { left = w.moved.left; top = w.moved.top; }
    else if (textFrame && d.slot !== undefined && d.slot !== 0 && overlaps([left, top, width, height], textFrame)) {
      const besideLeft = textFrame[0] + textFrame[2] + 8;
      if (a.width - besideLeft >= 200) {
        room = {left: besideLeft, width: a.width - besideLeft};
        left = besideLeft;
      }
    }
    width = Math.min(width, room.width);
    height = Math.min(height, a.height);
    left = Math.max(room.left, Math.min(left, room.left + room.width - width));
    top = Math.max(0, Math.min(top, a.height - height));
    Object.assign(w.element.style, {left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px'});
    return [left, top, width, height];
  }

  function overlaps(a, b) {
    return a[0] < b[0] + b[2] && b[0] < a[0] + a[2] && a[1] < b[1] + b[3] && b[1] < a[1] + a[3];
  }

  function scene(s) {
    buildMenubar(s.menus);
    document.body.style.cursor = s.busy ? 'progress' : '';
    if (screenText.textContent !== s.screenText) screenText.textContent = s.screenText;
    const seen = new Set();
    let textFrame = null;
    // The text window is placed first, whatever its order: the others keep clear of it.
    const placing = s.windows.map((d, order) => [d, order]);
    placing.sort((x, y) => (x[0].slot === 0 ? 0 : 1) - (y[0].slot === 0 ? 0 : 1));
    placing.forEach(([d, order]) => {
      seen.add(d.id);
      let w = windows.get(d.id);
      if (!w || (d.slot !== undefined) !== (w.slot !== undefined)) {
        if (w) w.element.remove();
        w = makeWindow(d);
        windows.set(d.id, w);
      }
      w.caption.textContent = d.title;
      w.element.style.zIndex = String(1000 - order);
      w.element.style.display = '';
      w.element.firstChild.style.display = d.titled ? '' : 'none';
      const placed = placeWindow(w, d, d.slot === 0 ? null : textFrame);
      if (d.slot === 0) textFrame = placed;
      if (w.text) { if (w.text.textContent !== d.text) w.text.textContent = d.text || ''; return; }
      w.background = d.background;
      w.viewport.style.background = d.background;
      w.element.style.background = d.background;  // the border around the picture
      const [vx, vy, vw, vh] = d.view;
      // The view where the toolkit put it in its window, while the window has
      // room for it; in a window made smaller than its frame it fills the window.
      const inner = [placed[2] - 2, placed[3] - 2 - (d.titled ? TitleBar : 0)];
      const fits = vx + vw <= inner[0] && vy + vh <= inner[1];
      Object.assign(w.viewport.style, fits
        ? {flex: 'none', marginLeft: vx + 'px', marginTop: vy + 'px', width: vw + 'px', height: vh + 'px'}
        : {flex: '1', marginLeft: '0', marginTop: '0', width: '', height: ''});
      const changed = w.picture === undefined || w.picture.width !== vw || w.picture.height !== vh;
      w.picture = {width: vw, height: vh, bottom: d.viewBottom, left: vx, top: vy, content: d.frame[3] - (d.titled ? TitleBar : 0)};
      // A picture larger than its window opens fitted; the user may go to 1:1.
      if (changed) {
        w.fitted = vw > w.viewport.clientWidth || vh > w.viewport.clientHeight;
        w.zoom = 1;
      }
      requestView(w);
    });
    for (const [id, w] of windows) if (!seen.has(id)) w.element.style.display = 'none';
    const front = s.windows.length ? s.windows[0].id : null;
    if (front !== keyWindowId) {
      keyWindowId = front;
      for (const [id, w] of windows) w.element.classList.toggle('key', id === front);
      if (!document.querySelector('.dialogback') && !openMenu) focusKeyWindow();
    }
    if (!focusedOnce && keyWindow() && keyWindow().canvas) {
      focusedOnce = true;
      const kept = browserKeptShortcuts();
      setStatus(title + ' ist bereit.' + (kept.length ? ' ' + kept.join(', ') +
        ' gehören im Browser dem Browser: diese Befehle bitte im Menü wählen.' : ''));
      focusKeyWindow();
    }
  }

  // ---- Views: zoom, scrolling and what the host draws ---------------------------

  function fittingZoom(w) {
    const p = w.picture;
    return Math.min(1, w.viewport.clientWidth / p.width, w.viewport.clientHeight / p.height);
  }

  function zoomOf(w) { return w.fitted ? fittingZoom(w) : w.zoom; }

  function setZoom(w, zoom, anchorEvent) {
    if (!w.picture) return;
    const old = zoomOf(w);
    if (zoom === 'fit') { w.fitted = true; }
    else { w.fitted = false; w.zoom = Math.max(Math.min(zoom, 32), Math.min(1, fittingZoom(w))); }
    const now = zoomOf(w);
    // Keeps the picture point under the mouse (or the view's centre) where it is.
    const r = w.viewport.getBoundingClientRect();
    const ax = anchorEvent ? anchorEvent.clientX - r.left : w.viewport.clientWidth / 2;
    const ay = anchorEvent ? anchorEvent.clientY - r.top : w.viewport.clientHeight / 2;
    const px = (w.viewport.scrollLeft + ax) / old, py = (w.viewport.scrollTop + ay) / old;
    layoutExtent(w);
    w.viewport.scrollLeft = px * now - ax;
    w.viewport.scrollTop = py * now - ay;
    requestView(w);
  }

  function layoutExtent(w) {
    const z = zoomOf(w);
    w.extent.style.width = Math.floor(w.picture.width * z) + 'px';
    w.extent.style.height = Math.floor(w.picture.height * z) + 'px';
  }

  // Asks the host for the part of the picture that shows, once per frame at most.
  function requestView(w) {
    if (w.pending) return;
    w.pending = true;
    requestAnimationFrame(() => {
      w.pending = false;
      if (!w.picture || w.element.style.display === 'none') return;
      layoutExtent(w);
      const z = zoomOf(w);
      const cw = w.viewport.clientWidth, ch = w.viewport.clientHeight;
      if (w.canvas.width !== cw || w.canvas.height !== ch) {
        w.canvas.width = cw;
        w.canvas.height = ch;
        w.request = '';
      }
      const x = Math.floor(w.viewport.scrollLeft / z), y = Math.floor(w.viewport.scrollTop / z);
      const width = Math.min(w.picture.width - x, Math.ceil(cw / z) + 1);
      const height = Math.min(w.picture.height - y, Math.ceil(ch / z) + 1);
      const factor = Math.max(1, Math.floor(1 / z));
      const request = [x, y, width, height, factor].join(',');
      if (request === w.request) { redraw(w); return; }
      w.request = request;
      Module._vxweb_view(w.slot, x, y, width, height, factor);
    });
  }

  function draw(slot, image, x, y, width, height) {
    for (const w of windows.values()) {
      if (w.slot !== slot) continue;
      w.image = {image, x, y, width, height};
      redraw(w);
    }
  }

  function redraw(w) {
    if (!w.image || !w.canvas.width) return;
    const z = zoomOf(w);
    const c = w.canvas.getContext('2d');
    c.fillStyle = w.background || '#ffffff';
    c.fillRect(0, 0, w.canvas.width, w.canvas.height);
    const {image, x, y, width, height} = w.image;
    const left = x * z - w.viewport.scrollLeft, top = y * z - w.viewport.scrollTop;
    if (z === 1 && image.width === width) { c.putImageData(image, left, top); return; }
    // Scaled: through a canvas of the image's own size (smoothing only when
    // the host has already averaged it down).
    const source = w.scratch || (w.scratch = document.createElement('canvas'));
    source.width = image.width;
    source.height = image.height;
    source.getContext('2d').putImageData(image, 0, 0);
    c.imageSmoothingEnabled = image.width < width;
    c.drawImage(source, left, top, width * z, height * z);
  }

  // ---- Mouse, keys, paste --------------------------------------------------

  function modifiers(event) {
    return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) | (event.metaKey ? 8 : 0);
  }

  // The window position (origin bottom left, as the toolkit counts) of the
  // picture point under the mouse, as it lies at 1:1 without scrolling.
  function mouseDown(w, event) {
    w.canvas.focus({preventScroll: true});
    const z = zoomOf(w);
    const px = (event.offsetX + w.viewport.scrollLeft) / z;
    const py = (event.offsetY + w.viewport.scrollTop) / z;
    const windowX = w.picture.left + px;
    const windowY = w.picture.bottom + w.picture.height - py;
    Module._vxweb_mousedown(w.slot, windowX, windowY, event.button === 2 ? 1 : 0, modifiers(event));
  }

  function withString(text, use) {
    const size = Module.lengthBytesUTF8(text) + 1;
    const pointer = Module._malloc(size);
    Module.stringToUTF8(text, pointer, size);
    try { use(pointer); } finally { Module._free(pointer); }
  }

  const modifierKeys = new Set(['Shift', 'Control', 'Alt', 'Meta', 'AltGraph', 'CapsLock']);

  function keyDown(w, event) {
    if (event.isComposing) return;
    if (menuKeys(event)) { event.preventDefault(); return; }
    const shortcut = menuShortcut(event);
    if (shortcut) {
      event.preventDefault();
      choose(shortcut[0], shortcut[1]);
      return;
    }
    if (modifierKeys.has(event.key)) { Module._vxweb_modifiers(w.slot, modifiers(event)); return; }
    // Ctrl-V pastes through the browser's paste event, which brings the text.
    if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'v') return;
    event.preventDefault();
    withString(event.key, (key) => Module._vxweb_key(w.slot, key, event.location, modifiers(event)));
  }

  function keyUp(w, event) {
    if (modifierKeys.has(event.key)) { Module._vxweb_modifiers(w.slot, modifiers(event)); return; }
    Module._vxweb_keyup(w.slot);
  }

  function paste(w, event) {
    event.preventDefault();
    const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    withString(text, (p) => Module._vxweb_paste(w.slot, p));
  }

  // ---- Dialogs ---------------------------------------------------------------

  function dialog(heading, build) {
    closeMenu();
    const back = document.createElement('div');
    back.className = 'dialogback';
    const box = document.createElement('div');
    box.className = 'dialog';
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-modal', 'true');
    const h = document.createElement('h2');
    h.textContent = heading;
    box.append(h);
    back.append(box);
    document.body.append(back);
    const close = () => { back.remove(); focusKeyWindow(); };
    build(box, close);
    return box;
  }

  function button(text, action) {
    const b = document.createElement('button');
    b.textContent = text;
    b.addEventListener('click', action);
    return b;
  }

  // The name the program proposes, its base name selected, so that Enter saves.
  function saveDialog(request, name, heading, message) {
    dialog(heading || 'Sichern', (box, close) => {
      const p = document.createElement('p');
      p.textContent = message && message !== heading ? message : 'Die Datei wird in den Downloads des Browsers gesichert.';
      const label = document.createElement('label');
      label.textContent = 'Sichern unter:';
      const input = document.createElement('input');
      input.value = name;
      label.append(input);
      const answer = (value) => {
        close();
        if (value === null) Module._vxweb_saveanswer(request, 0);
        else withString(value, (v) => Module._vxweb_saveanswer(request, v));
      };
      const row = document.createElement('div');
      row.className = 'buttons';
      const save = button('Sichern', () => { if (input.value.trim()) answer(input.value.trim()); });
      row.append(button('Abbrechen', () => answer(null)), save);
      box.append(p, label, row);
      input.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') { event.preventDefault(); save.click(); }
        if (event.key === 'Escape') { event.preventDefault(); answer(null); }
      });
      input.focus();
      const dot = name.lastIndexOf('.');
      input.setSelectionRange(0, dot > 0 ? dot : name.length);
    });
  }

  function message(request, heading, text, details) {
    dialog(heading, (box, close) => {
      const p = document.createElement('p');
      p.textContent = text;
      box.append(p);
      if (details) {
        const more = document.createElement('details');
        const summary = document.createElement('summary');
        summary.textContent = 'Details';
        const pre = document.createElement('pre');
        pre.textContent = details;
        more.append(summary, pre);
        box.append(more);
      }
      const row = document.createElement('div');
      row.className = 'buttons';
      const ok = button('OK', () => { close(); if (request) Module._vxweb_messageclosed(request); });
      row.append(ok);
      box.append(row);
      box.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' || event.key === 'Escape') { event.preventDefault(); ok.click(); }
      });
      ok.focus();
    });
  }

  // A failure of the page's own (a download, the clipboard): the user is
  // told, and what failed stays where it was.
  function failed(text, detail) { message(0, title, text, detail || ''); }

  // ---- Pasteboard, downloads, sound ---------------------------------------------------

  function copyText(text) {
    if (!navigator.clipboard) { failed('Dieser Browser lässt die Seite nicht in die Zwischenablage schreiben.', text); return; }
    navigator.clipboard.writeText(text).catch((e) =>
      failed('Die Zwischenablage hat den Text nicht angenommen. Er steht unten zum Kopieren.', String(e) + '\n\n' + text));
  }

  function pngOf(image) {
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    canvas.getContext('2d').putImageData(image, 0, 0);
    return new Promise((resolve, reject) =>
      canvas.toBlob((blob) => blob ? resolve(blob) : reject(new Error('PNG')), 'image/png'));
  }

  function copyPicture(image) {
    const png = pngOf(image);
    if (!navigator.clipboard || typeof ClipboardItem !== 'function') {
      png.then((blob) => offerPng(blob, 'Dieser Browser nimmt keine Bilder in die Zwischenablage.'));
      return;
    }
    navigator.clipboard.write([new ClipboardItem({'image/png': png})]).then(
      () => setStatus('Die Grafik ist in der Zwischenablage.'),
      (e) => png.then((blob) => offerPng(blob, 'Die Zwischenablage hat die Grafik nicht angenommen (' + e.message + ').')));
  }

  // What the clipboard refused is kept: the picture can be downloaded as PNG.
  function offerPng(blob, why) {
    dialog(title, (box, close) => {
      const p = document.createElement('p');
      p.textContent = why;
      const row = document.createElement('div');
      row.className = 'buttons';
      row.append(button('Als PNG laden', () => { download(blob, 'Grafik.png'); close(); }), button('OK', close));
      box.append(p, row);
    });
  }

  function download(bytes, name) {
    try {
      const blob = bytes instanceof Blob ? bytes : new Blob([bytes], {type: 'application/octet-stream'});
      const a = document.createElement('a');
      a.href = URL.createObjectURL(blob);
      a.download = name;
      document.body.append(a);
      a.click();
      a.remove();
      setTimeout(() => URL.revokeObjectURL(a.href), 60000);
      setStatus('„' + name + '“ wird heruntergeladen.');
      return true;
    } catch (e) {
      failed('„' + name + '“ konnte nicht heruntergeladen werden.', String(e));
      return false;
    }
  }

  let audio = null;
  function beep() {
    try {
      audio = audio || new AudioContext();
      const o = audio.createOscillator(), g = audio.createGain();
      o.frequency.value = 880;
      g.gain.value = 0.1;
      o.connect(g).connect(audio.destination);
      o.start();
      o.stop(audio.currentTime + 0.12);
    } catch (e) {
      screenElement.animate([{filter: 'invert(0.3)'}, {filter: 'none'}], 150);
    }
  }

  function state(code, text) {
    if (code === 1) setStatus(title + ' ist beendet.');
    if (code === 2) {
      closeMenu();
      menubar.replaceChildren();
      notice(title + ' wurde beendet.', ['Laden Sie die Seite neu, um ' + title + ' wieder zu starten.']);
      setStatus(title + ' wurde beendet.');
    }
    if (code === 3) {
      notice(title + ' kann nicht starten.', [text]);
      setStatus(title + ' kann nicht starten.');
    }
  }

  window.addEventListener('resize', () => {
    const a = area();
    Module._vxweb_area(a.width, a.height);
    for (const w of windows.values()) if (w.canvas) requestView(w);
  });

  // ---- Start -------------------------------------------------------------------

  window.Module = {
    vxpage: {scene, draw, saveDialog, message, download, failed, copyText, copyPicture, beep, state},
    mainScriptUrlOrBlob: VXWEB.script,
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
    onRuntimeInitialized: () => { const a = area(); Module._vxweb_area(a.width, a.height); },
    onAbort: (what) => state(3, 'Das Programm wurde abgebrochen: ' + what),
  };

  async function start() {
    const missing = missingSupport();
    const isolated = await isolate();
    if (isolated === null) return;
    if (missing.length || !isolated) {
      const lines = missing.map((m) => 'Es fehlt: ' + m + '.');
      if (!isolated) lines.push('Die Seite ist nicht ursprungsübergreifend isoliert (die Kopfzeilen ' +
        '„Cross-Origin-Opener-Policy: same-origin“ und „Cross-Origin-Embedder-Policy: require-corp“ fehlen), ' +
        'daher stehen WebAssembly-Threads nicht zur Verfügung.');
      lines.push('Bitte öffnen Sie die Seite in einem aktuellen Browser über http://localhost oder https.');
      notice(title + ' kann in diesem Browser nicht laufen.', lines);
      setStatus(title + ' kann nicht starten.');
      return;
    }
    const script = document.createElement('script');
    script.src = VXWEB.script;
    script.onerror = () => state(3, '„' + VXWEB.script + '“ konnte nicht geladen werden.');
    document.body.append(script);
  }

  start();
})();
