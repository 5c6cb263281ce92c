// The web host's calls into its page (page_bridge.h). Each runs on the
// browser's thread ('sync': the toolkit's thread waits meanwhile, so the
// memory handed over stays valid); the page script (vxweb.js) does the work.
// Views of the program's memory are shared memory, which the browser's
// ImageData and Blob refuse: every byte handed on is copied first.
mergeInto(LibraryManager.library, {
  vxweb_page_scene__proxy: 'sync',
  vxweb_page_scene__sig: 'vi',
  vxweb_page_scene: function(json) {
    Module['vxpage'].scene(JSON.parse(UTF8ToString(json)));
  },

  vxweb_page_draw__proxy: 'sync',
  vxweb_page_draw__sig: 'viiiiiiii',
  vxweb_page_draw: function(slot, rgba, width, height, x, y, w, h) {
    var pixels = new Uint8ClampedArray(width * height * 4);
    pixels.set(HEAPU8.subarray(rgba, rgba + width * height * 4));
    Module['vxpage'].draw(slot, new ImageData(pixels, width, height), x, y, w, h);
  },

  vxweb_page_savedialog__proxy: 'sync',
  vxweb_page_savedialog__sig: 'viiii',
  vxweb_page_savedialog: function(request, name, title, message) {
    Module['vxpage'].saveDialog(request, UTF8ToString(name), UTF8ToString(title), UTF8ToString(message));
  },

  vxweb_page_message__proxy: 'sync',
  vxweb_page_message__sig: 'viiii',
  vxweb_page_message: function(request, title, text, details) {
    Module['vxpage'].message(request, UTF8ToString(title), UTF8ToString(text), UTF8ToString(details));
  },

  vxweb_page_download__proxy: 'sync',
  vxweb_page_download__sig: 'iii',
  vxweb_page_download: function(path, name) {
    try {
      var bytes = FS.readFile(UTF8ToString(path));
      return Module['vxpage'].download(bytes, UTF8ToString(name)) ? 1 : 0;
    } catch (e) {
      Module['vxpage'].failed('Die Datei konnte nicht heruntergeladen werden.', String(e));
      return 0;
    }
  },

  vxweb_page_copytext__proxy: 'sync',
  vxweb_page_copytext__sig: 'vi',
  vxweb_page_copytext: function(text) {
    Module['vxpage'].copyText(UTF8ToString(text));
  },

  vxweb_page_copypicture__proxy: 'sync',
  vxweb_page_copypicture__sig: 'viii',
  vxweb_page_copypicture: function(rgba, width, height) {
    var pixels = new Uint8ClampedArray(width * height * 4);
    pixels.set(HEAPU8.subarray(rgba, rgba + width * height * 4));
    Module['vxpage'].copyPicture(new ImageData(pixels, width, height));
  },

  vxweb_page_beep__proxy: 'sync',
  vxweb_page_beep__sig: 'v',
  vxweb_page_beep: function() {
    Module['vxpage'].beep();
  },

  vxweb_page_state__proxy: 'sync',
  vxweb_page_state__sig: 'vii',
  vxweb_page_state: function(state, text) {
    Module['vxpage'].state(state, UTF8ToString(text));
  },
});
