"""The web-serve.py server of the scripts folder, started for a test and
stopped after it."""
import os
import subprocess
import sys

SERVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts', 'web-serve.py')


class SiteServer:
    def __init__(self, folder, plain=False):
        self.command = [sys.executable, SERVE, folder, '--port', '0'] + (['--plain'] if plain else [])

    def __enter__(self):
        self.process = subprocess.Popen(self.command, stdout=subprocess.PIPE, text=True)
        self.url = self.process.stdout.readline().strip()
        if not self.url:
            raise RuntimeError('the site server did not start')
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait(10)
