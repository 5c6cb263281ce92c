#!/usr/bin/env python3
"""The star program's web page in headless Chromium, as a user meets it: the
page loads with the keyboard in the text window, the user types a diameter
of 512 and 36 segments, the star shows bit for bit as the native toolkit
draws it, "Grafik kopieren" puts the same picture on the clipboard as PNG and "Text
kopieren" the text with LF,
"Grafik sichern …" downloads the bytes the desktop program writes, and
answering 0 ends the program, which the page says. The number of segments
is pasted with Ctrl+V; a graphic of 8192 pixels opens fitted beside the
text window, whose prompt stays in sight; a refused clipboard is told and
the picture offered as a PNG download; a click in Malbrett's picture reaches the program at
the picture point under the mouse, as on the desktop.

  web_page_session.py SITE VXTOOL WORKDIR

SITE is the web build's site folder, VXTOOL the native vxtool (it draws the
reference star and writes the reference file)."""
import asyncio
import base64
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chromium import Browser  # noqa: E402
from site_server import SiteServer  # noqa: E402

DIAMETER, SEGMENTS = 512, 36


def reference(vxtool, workdir):
    """The native star as rows of bits (1 white), and the native ".gr" file."""
    pbm = os.path.join(workdir, 'reference.pbm')
    gr = os.path.join(workdir, 'reference.gr')
    for out in (pbm, gr):
        subprocess.run([vxtool, 'star', '--size', str(DIAMETER), '--segments', str(SEGMENTS), '--out', out],
                       check=True, stdout=subprocess.DEVNULL)
    data = open(pbm, 'rb').read()
    # P4: the header's three fields, then rows of bits, 1 black.
    fields, at = [], 0
    while len(fields) < 3:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    width, height = int(fields[1]), int(fields[2])
    rowbytes = (width + 7) // 8
    bits = data[at + 1:]
    rows = []
    for y in range(height):
        row = bits[y * rowbytes:(y + 1) * rowbytes]
        rows.append(''.join('0' if (row[x // 8] >> (7 - x % 8)) & 1 else '1' for x in range(width)))
    return '\n'.join(rows), open(gr, 'rb').read()


# The pixels of an image source in the page as rows of bits (1 white).
BITS = """(source => {
  const c = document.createElement('canvas');
  c.width = %(d)d; c.height = %(d)d;
  c.getContext('2d').drawImage(source, 0, 0);
  const p = c.getContext('2d').getImageData(0, 0, %(d)d, %(d)d).data;
  const rows = [];
  for (let y = 0; y < %(d)d; y++) {
    let row = '';
    for (let x = 0; x < %(d)d; x++) row += p[4 * (y * %(d)d + x)] > 127 ? '1' : '0';
    rows.push(row);
  }
  return rows.join('\\n');
})""" % {'d': DIAMETER}

SCREEN = "document.getElementById('screentext').textContent"


def count(text, needle):
    return f"({SCREEN}.split({needle!r}).length - 1 >= {text})"


async def choose(browser, menu, item):
    """Opens a menu of the page's menu bar and chooses an item, with the mouse. The item is taken
    once the menu shows it enabled: an opening menu is drawn from the last known states and redrawn
    when the host answers with the states as they are now."""
    at = await browser.evaluate(f"""(() => {{
      const t = [...document.querySelectorAll('#menubar .menutitle')].find(e => e.textContent === {menu!r});
      const r = t.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }})()""")
    await browser.send('Input.dispatchMouseEvent', type='mousePressed', x=at[0], y=at[1], button='left', clickCount=1)
    await browser.send('Input.dispatchMouseEvent', type='mouseReleased', x=at[0], y=at[1], button='left', clickCount=1)
    at = await browser.waitfor(f"""(() => {{
      const e = [...document.querySelectorAll('.menu .menuitem')].find(e => e.firstChild.textContent === {item!r});
      if (!e || e.classList.contains('disabled')) return null; const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }})()""",
                               what=f'the item {item}')
    await browser.send('Input.dispatchMouseEvent', type='mouseMoved', x=at[0], y=at[1])
    await browser.send('Input.dispatchMouseEvent', type='mousePressed', x=at[0], y=at[1], button='left', clickCount=1)
    await browser.send('Input.dispatchMouseEvent', type='mouseReleased', x=at[0], y=at[1], button='left', clickCount=1)


async def session(url, stars, savedgr, workdir):
    downloads = os.path.join(workdir, 'downloads')
    os.makedirs(downloads, exist_ok=True)
    browser = Browser(1920, 1200, downloads=downloads)
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)
            print('FAILED:', what)
        else:
            print('ok:', what)

    try:
        await browser.open(url)
        await browser.waitfor(count(1, '(32-8192) ein:'), what='the first prompt')
        focused = await browser.evaluate("document.activeElement && document.activeElement.dataset.slot")
        check(focused == '0', 'after loading, the keyboard is in the text window')
        await browser.type(f'{DIAMETER}\n')
        await browser.waitfor(count(1, '(1-360) ein:'), what='the prompt for the segments')
        # The number of segments comes from the clipboard, pasted with Ctrl+V.
        await browser.evaluate(f"navigator.clipboard.writeText('{SEGMENTS}')")
        await browser.send('Input.dispatchKeyEvent', type='keyDown', key='v', code='KeyV', modifiers=2,
                           windowsVirtualKeyCode=86, commands=['paste'])
        await browser.send('Input.dispatchKeyEvent', type='keyUp', key='v', code='KeyV', modifiers=2)
        await browser.waitfor(count(1, f'(1-360) ein: {SEGMENTS}'), what='the pasted number at the prompt')
        await browser.key('Enter', text='\r', code='Enter')
        await browser.waitfor(count(1, 'Benötigte Zeit'), what='the time of the drawing')
        await browser.waitfor(count(2, '(1-360) ein:'), what='the next prompt')

        canvas = "document.querySelector('canvas[data-slot=\"1\"]')"
        shown = None
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:  # the view shows the picture once the refresh has drawn it
            shown = await browser.evaluate(f"{BITS}({canvas})")
            if shown == stars:
                break
            await asyncio.sleep(0.1)
        check(shown == stars, 'the graphic canvas shows the native star bit for bit')
        await browser.screenshot(os.path.join(workdir, 'star.png'))

        await choose(browser, 'Bearbeiten', 'Grafik kopieren')
        copied = await browser.waitfor("""(async () => {
          const items = await navigator.clipboard.read().catch(() => []);
          for (const item of items) if (item.types.includes('image/png'))
            return await createImageBitmap(await item.getType('image/png'));
          return null; })().then(b => b ? %s(b) : null)""" % BITS, what='a PNG on the clipboard')
        check(copied == stars, '"Grafik kopieren" puts the native star on the clipboard as PNG')

        # "Text kopieren" from the text window: its lines with LF, as the desktop gives them.
        await choose(browser, 'Fenster', 'Fenster 0 zeigen')
        await browser.waitfor("(() => { const c = document.querySelector('canvas[data-slot=\"0\"]'); "
                              "return c && c.closest('.window').classList.contains('key'); })()",
                              what='the text window in front')
        await choose(browser, 'Bearbeiten', 'Text kopieren')
        try:
            text = await browser.waitfor("navigator.clipboard.readText().then(t => t.includes('Benötigte Zeit') && t)",
                                         what='the text on the clipboard', timeout=20)
        except TimeoutError:
            text = await browser.evaluate("navigator.clipboard.readText().catch(e => String(e))")
        good = '\r' not in text and '\nBitte geben Sie die Anzahl' in text
        seen = '' if good else await browser.evaluate(
            "[...document.querySelectorAll('.dialog, #status')].map(e => e.textContent).join(' | ')")
        check(good, '"Text kopieren" puts the text window\'s lines on the clipboard with LF'
              + ('' if good else f' (the clipboard ends: {text[-200:]!r}; the page shows: {seen!r})'))
        await choose(browser, 'Fenster', 'Fenster 1 zeigen')

        await choose(browser, 'Ablage', 'Grafik sichern …')
        proposed = await browser.waitfor("(() => { const i = document.querySelector('.dialog input'); "
                                         "return i && i.value; })()", what='the save dialog')
        check(proposed.endswith('.gr'), f'the save dialog proposes a ".gr" name ({proposed})')
        await browser.key('Enter', text='\r', code='Enter')
        path = os.path.join(downloads, proposed)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and not os.path.exists(path):
            await asyncio.sleep(0.1)
        saved = open(path, 'rb').read() if os.path.exists(path) else b''
        check(saved == savedgr, f'the download holds the bytes the desktop writes ({len(saved)} of {len(savedgr)})')

        await browser.evaluate("document.querySelector('canvas[data-slot=\"0\"]').focus()")
        await browser.type('0\n')
        status = await browser.waitfor("document.getElementById('status').textContent.includes('beendet') && "
                                       "document.getElementById('status').textContent", what='the end')
        check('ist beendet' in status, f'answering 0 ends the program and the page says so ({status})')
    finally:
        for line in browser.console():
            if 'exception' in line or 'rror' in line:
                print('console:', line)
        await browser.close()
    return failures


async def click(url):
    """A click 100 pixels right of and 60 below the top left of Malbrett's picture."""
    browser = Browser(1600, 1000)
    try:
        await browser.open(url)
        at = await browser.waitfor("(() => { const c = document.querySelector('canvas[data-slot=\"1\"]'); "
                                   "if (!c || !c.width) return null; const r = c.getBoundingClientRect(); "
                                   "return [r.x, r.y]; })()", what="Malbrett's picture")
        await asyncio.sleep(0.5)  # the page asks for the picture once laid out
        for kind in ('mousePressed', 'mouseReleased'):
            await browser.send('Input.dispatchMouseEvent', type=kind, x=at[0] + 100, y=at[1] + 60,
                               button='left', clickCount=1)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            lines = [line for line in browser.console() if 't_MouseEventHandler: Graphic #1 window' in line]
            if lines:
                return lines[0]
            await asyncio.sleep(0.1)
        return ''
    finally:
        await browser.close()


async def drawstar(browser, url, diameter, segments):
    """Opens the star program's page and answers its two prompts, typing."""
    await browser.open(url)
    await browser.waitfor(count(1, '(32-8192) ein:'), what='the first prompt')
    await browser.type(f'{diameter}\n')
    await browser.waitfor(count(1, '(1-360) ein:'), what='the prompt for the segments')
    await browser.type(f'{segments}\n')
    await browser.waitfor(count(2, '(1-360) ein:'), what='the next prompt')


async def large(url):
    """A graphic far larger than the page opens fitted beside the text window,
    whose prompt stays in sight."""
    browser = Browser(1920, 1200)
    try:
        await drawstar(browser, url, 8192, 1)
        return await browser.waitfor("""(() => {
          const box = (slot) => document.querySelector(`canvas[data-slot="${slot}"]`).closest('.window').getBoundingClientRect();
          const t = box(0), g = box(1);
          const apart = g.left >= t.right || g.right <= t.left || g.top >= t.bottom || g.bottom <= t.top;
          const inside = g.right <= innerWidth && g.bottom <= innerHeight;
          return apart && inside && g.width < 8192 && 'beside at ' + Math.round(g.left) + ', ' + Math.round(g.width) + ' wide';
        })()""", what='the graphic window beside the text window')
    finally:
        await browser.close()


async def refused(url):
    """Without the clipboard's permission "Grafik kopieren" tells the user and
    offers the picture as a PNG download instead."""
    browser = Browser(1920, 1200, clipboard=False)
    try:
        await drawstar(browser, url, 64, 3)
        await browser.send('Browser.setPermission', permission={'name': 'clipboard-write'}, setting='denied')
        await choose(browser, 'Bearbeiten', 'Grafik kopieren')
        return await browser.waitfor("(() => { const d = document.querySelector('.dialog'); "
                                     "return d && [...d.querySelectorAll('button')].some(b => b.textContent === 'Als PNG laden') "
                                     "&& d.textContent; })()", what='the message of the refused clipboard')
    finally:
        await browser.close()


def main():
    site, vxtool, workdir = sys.argv[1:4]
    os.makedirs(workdir, exist_ok=True)
    stars, savedgr = reference(vxtool, workdir)
    with SiteServer(site) as server:
        failures = asyncio.run(session(server.url + 'velmorandine/', stars, savedgr, workdir))
        for what, run in (('a graphic of 8192 pixels opens fitted beside the text window', large),
                          ('a refused clipboard is told and the picture offered as PNG', refused)):
            try:
                print(f'ok: {what} ({asyncio.run(run(server.url + "velmorandine/"))})')
            except TimeoutError as e:
                print(f'FAILED: {what} ({e})')
                failures.append(what)
        clicked = asyncio.run(click(server.url + 'malbrett/'))
        # The toolkit reports the picture point as a program sees it, from the top left.
        if 'X = 100, Y = 60' in clicked:
            print(f'ok: a click reaches the program at the picture point under the mouse ({clicked})')
        else:
            print(f'FAILED: a click reaches the program at the picture point under the mouse ({clicked!r})')
            failures.append('click')
    if failures:
        print(f'{len(failures)} check(s) failed')
        sys.exit(1)


if __name__ == '__main__':
    main()
