#!/usr/bin/env python3
"""The web pages' figures, measured side by side with the native program in
one run (after `scripts/web.sh --build`):

  /usr/bin/python3 scripts/web-measure.py [--rounds K]

- the star in headless Chromium (a fresh page each time, bench/web/star.html,
  which waits 2 s first, as a user answering the prompts does) and natively
  (a fresh `vxtool star` each time), in interleaved order, for D=8192 N=360
  and D=1024 N=36: the first drawing (best of the rounds) and the best of
  ten drawings in one program (the code warm);
- the star program's page: load to its first prompt (first and warm loads);
- the size of what a browser fetches, compressed (gzip -9) as a server sends it;
- the CPU while the page waits at the prompt, over 20 s, in percent of one
  core: the tab's own process, and the whole browser."""
import argparse
import asyncio
import gzip
import os
import re
import subprocess
import sys
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(root, 'tests', 'web'))
from chromium import Browser  # noqa: E402
from site_server import SiteServer  # noqa: E402

SITE = os.path.join(root, 'build-web', 'site')
VXTOOL = os.path.join(root, 'build-web', 'native', 'tools', 'vxtool', 'vxtool')
PROMPT = "document.getElementById('screentext').textContent.includes('(32-8192) ein:')"


REPEAT = 10


def times(text):
    """The first drawing's time and the best time, from "F ms\nbest of K: B ms"."""
    found = [float(t) for t in re.findall(r'([\d.]+) ms', text)]
    return found[0], found[-1]


def native_star(d, n):
    return times(subprocess.run([VXTOOL, 'star', '--size', str(d), '--segments', str(n), '--repeat', str(REPEAT)],
                                capture_output=True, text=True, check=True).stdout)


async def web_star(url, d, n):
    browser = Browser()
    try:
        await browser.open(f'{url}bench/star.html?{d}&{n}&{REPEAT}&2000')
        text = await browser.waitfor("(t => /best/.test(t) && t)(document.getElementById('out').textContent)",
                                     what='the drawing time')
        return times(text)
    finally:
        await browser.close()


async def page_loads(url, rounds):
    browser = Browser(1920, 1200)
    times = []
    try:
        await browser.open('about:blank')
        for _ in range(rounds):
            start = time.monotonic()
            await browser.send('Page.navigate', url=url + 'velmorandine/')
            await browser.waitfor(PROMPT, what='the first prompt')
            times.append(time.monotonic() - start)
            await browser.send('Page.navigate', url='about:blank')
            await asyncio.sleep(0.5)
    finally:
        await browser.close()
    return times


def cputicks(pid):
    """CPU ticks of a process and all its descendants: all of them, and those
    of the page's own process (the renderer, which runs the page and its
    workers), separately."""
    children = {}
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            fields = open(f'/proc/{entry}/stat').read().rsplit(')', 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    total = tab = 0
    stack = [pid]
    while stack:
        p = stack.pop()
        try:
            fields = open(f'/proc/{p}/stat').read().rsplit(')', 1)[1].split()
            ticks = int(fields[11]) + int(fields[12])
            total += ticks
            if '--type=renderer' in open(f'/proc/{p}/cmdline').read():
                tab += ticks
        except OSError:
            pass
        stack.extend(children.get(p, []))
    return total, tab


async def idle(url, seconds=20):
    browser = Browser(1920, 1200)
    try:
        await browser.open(url + 'velmorandine/')
        await browser.waitfor(PROMPT, what='the first prompt')
        await asyncio.sleep(3)
        hz = os.sysconf('SC_CLK_TCK')
        before, start = cputicks(browser.process.pid), time.monotonic()
        await asyncio.sleep(seconds)
        after, elapsed = cputicks(browser.process.pid), time.monotonic() - start
        return [100 * (a - b) / hz / elapsed for a, b in zip(after, before)]
    finally:
        await browser.close()


def sizes():
    folder = os.path.join(SITE, 'velmorandine')
    rows = []
    for name in sorted(os.listdir(folder)):
        data = open(os.path.join(folder, name), 'rb').read()
        rows.append((name, len(data), len(gzip.compress(data, 9))))
    return rows


def main():
    global VXTOOL
    parser = argparse.ArgumentParser()
    parser.add_argument('--rounds', type=int, default=5)
    parser.add_argument('--vxtool', default=VXTOOL, help='the native vxtool (default: web.sh\'s own)')
    args = parser.parse_args()
    VXTOOL = args.vxtool
    if not os.access(VXTOOL, os.X_OK):
        sys.exit(f'web-measure.py: no native vxtool at {VXTOOL}: build the pages with scripts/web.sh --build, '
                 'which builds it too, or name one with --vxtool')
    with SiteServer(SITE) as server:
        print(f'# star: first drawing (best of {args.rounds} fresh runs) and best of {REPEAT} in one run, '
              'interleaved')
        print('| D/N | Chromium first | native first | ratio | Chromium warm | native warm | ratio |')
        print('|---|---|---|---|---|---|---|')
        for d, n in ((8192, 360), (1024, 36)):
            web, native = [], []
            for _ in range(args.rounds):
                web.append(asyncio.run(web_star(server.url, d, n)))
                native.append(native_star(d, n))
            wf, nf = min(t[0] for t in web), min(t[0] for t in native)
            wb, nb = min(t[1] for t in web), min(t[1] for t in native)
            print(f'| {d}/{n} | {wf:.2f} ms | {nf:.2f} ms | {wf / nf:.1f} | {wb:.2f} ms | {nb:.2f} ms | {wb / nb:.1f} |')
        loads = asyncio.run(page_loads(server.url, args.rounds))
        print(f'\n# page load to the first prompt: first {loads[0]:.2f} s, warm best {min(loads[1:] or loads):.2f} s')
        print('\n# what the browser fetches for the star program')
        print('| file | bytes | gzip -9 |')
        print('|---|---|---|')
        total = [0, 0]
        for name, raw, packed in sizes():
            print(f'| {name} | {raw} | {packed} |')
            total[0] += raw
            total[1] += packed
        print(f'| all | {total[0]} | {total[1]} |')
        whole, tab = asyncio.run(idle(server.url))
        print(f'\n# idle at the prompt, in % of one core: the tab {tab:.1f}, the whole browser {whole:.1f}')


if __name__ == '__main__':
    main()
