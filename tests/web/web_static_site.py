#!/usr/bin/env python3
"""The site as `scripts/web.sh --dist` writes it, on a static host that cannot
set headers: the page isolates itself with its service worker and the star
program starts; where the service worker cannot be had either, the page says
in German what is missing instead of showing an empty canvas.

  web_static_site.py SITE WORKDIR"""
import asyncio
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chromium import Browser  # noqa: E402
from site_server import SiteServer  # noqa: E402

PROMPT = "document.getElementById('screentext').textContent.includes('(32-8192) ein:')"
NOTICE = "(document.querySelector('.notice') || {}).textContent"


async def visit(url, expression, what):
    browser = Browser()
    try:
        await browser.open(url)
        return await browser.waitfor(expression, what=what)
    finally:
        await browser.close()


def main():
    site, workdir = sys.argv[1:3]
    dist = os.path.join(workdir, 'dist')
    shutil.rmtree(dist, ignore_errors=True)
    shutil.copytree(site, dist)
    failures = 0
    with SiteServer(dist, plain=True) as server:
        isolated = asyncio.run(visit(server.url, f"crossOriginIsolated && {PROMPT}", 'the prompt on a plain host'))
        print('ok: on a host without the headers the page isolates itself and the program starts' if isolated
              else 'FAILED: the program did not start')
        failures += not isolated
    # A host that cannot serve the service worker either.
    os.remove(os.path.join(dist, 'velmorandine', 'vxweb-isolation.js'))
    with SiteServer(dist, plain=True) as server:
        text = asyncio.run(visit(server.url + 'velmorandine/', NOTICE, 'the notice'))
        said = text and 'kann in diesem Browser nicht laufen' in text and 'Cross-Origin-Opener-Policy' in text
        print(('ok: ' if said else 'FAILED: ') + f'without isolation the page says what is missing: {text!r}')
        failures += not said
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
