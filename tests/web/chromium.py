"""A small driver of headless Chromium over the DevTools protocol, for the
web page's session tests and measurements: start the browser, open a page,
evaluate script in it, type keys, click, take screenshots."""
import asyncio
import base64
import itertools
import json
import os
import re
import shutil
import subprocess
import tempfile
import urllib.request

import websockets


class Browser:
    def __init__(self, width=1280, height=900, downloads=None, clipboard=True):
        self.clipboard = clipboard
        self.profile = tempfile.mkdtemp(prefix='vxweb-chromium-')
        self.downloads = downloads
        binary = shutil.which('chromium') or '/usr/bin/chromium'
        self.process = subprocess.Popen(
            [binary, '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--no-default-browser-check', '--disable-extensions', '--mute-audio',
             f'--window-size={width},{height}', '--remote-debugging-port=0',
             f'--user-data-dir={self.profile}', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.port = self._port()
        self.ids = itertools.count(1)
        self.events = []
        self.waiters = {}

    def _port(self):
        for line in self.process.stderr:
            found = re.search(r'DevTools listening on ws://127\.0\.0\.1:(\d+)/', line)
            if found:
                return int(found.group(1))
        raise RuntimeError('chromium did not start')

    async def open(self, url):
        with urllib.request.urlopen(f'http://127.0.0.1:{self.port}/json/list') as r:
            page = next(t for t in json.load(r) if t['type'] == 'page')
        self.socket = await websockets.connect(page['webSocketDebuggerUrl'], max_size=None)
        self.reader = asyncio.ensure_future(self._read())
        await self.send('Page.enable')
        await self.send('Runtime.enable')
        if self.downloads:
            await self.send('Browser.setDownloadBehavior', behavior='allow', downloadPath=self.downloads,
                            eventsEnabled=True)
        origin = re.match(r'https?://[^/]+', url)
        if origin and self.clipboard:
            await self.send('Browser.grantPermissions', origin=origin.group(0),
                            permissions=['clipboardReadWrite', 'clipboardSanitizedWrite'])
        await self.send('Page.navigate', url=url)

    async def _read(self):
        async for text in self.socket:
            message = json.loads(text)
            if 'id' in message and message['id'] in self.waiters:
                self.waiters.pop(message['id']).set_result(message)
            elif 'method' in message:
                self.events.append(message)

    async def send(self, method, **params):
        number = next(self.ids)
        future = asyncio.get_event_loop().create_future()
        self.waiters[number] = future
        await self.socket.send(json.dumps({'id': number, 'method': method, 'params': params}))
        message = await asyncio.wait_for(future, 120)
        if 'error' in message:
            raise RuntimeError(f'{method}: {message["error"]}')
        return message.get('result', {})

    async def evaluate(self, expression):
        result = await self.send('Runtime.evaluate', expression=expression, awaitPromise=True,
                                 returnByValue=True, userGesture=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression[:80]}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    async def waitfor(self, expression, timeout=60, what=None):
        """Waits until `expression` is true in the page; the wait is generous,
        since a slow machine must never fail a session."""
        deadline = asyncio.get_event_loop().time() + timeout
        while True:
            try:
                value = await self.evaluate(expression)
            except RuntimeError:  # the page is not there yet
                value = None
            if value:
                return value
            if asyncio.get_event_loop().time() > deadline:
                raise TimeoutError(what or expression)
            await asyncio.sleep(0.05)

    async def key(self, key, text=None, code=None, modifiers=0):
        params = {'key': key, 'modifiers': modifiers}
        if code:
            params['code'] = code
        if text:
            params['text'] = text
        await self.send('Input.dispatchKeyEvent', type='keyDown', **params)
        await self.send('Input.dispatchKeyEvent', type='keyUp', key=key, modifiers=modifiers)

    async def type(self, text):
        for c in text:
            if c == '\n':
                await self.key('Enter', text='\r', code='Enter')
            else:
                await self.key(c, text=c)

    async def click(self, x, y):
        for kind in ('mousePressed', 'mouseReleased'):
            await self.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', clickCount=1)

    async def screenshot(self, path):
        shot = await self.send('Page.captureScreenshot', format='png')
        with open(path, 'wb') as f:
            f.write(base64.b64decode(shot['data']))

    def console(self):
        lines = []
        for e in self.events:
            if e['method'] == 'Runtime.consoleAPICalled':
                lines.append(' '.join(str(a.get('value', '')) for a in e['params']['args']))
            if e['method'] == 'Runtime.exceptionThrown':
                lines.append('exception: ' + json.dumps(e['params']['exceptionDetails'])[:400])
        return lines

    async def close(self):
        try:
            await self.socket.close()
        except Exception:
            pass
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)
