#!/usr/bin/env python3
"""Writes the build's name and its list of files into the site's service worker (sw.js).

Usage: web_offline.py <site folder>

The name is a hash of every file's path and contents, so any change to the site makes a new
sw.js, which browsers take as a new build at the next visit.
"""
import hashlib
import json
import os
import re
import sys
from urllib.parse import quote


def site_files(site):
    found = []
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, '/')
            # The source maps are for a debugger, which fetches them itself.
            if path != 'sw.js' and not path.endswith('.map'):
                found.append(path)
    return sorted(found)


def build_name(site, files):
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.encode() + b'\0')
        with open(os.path.join(site, path), 'rb') as f:
            digest.update(f.read())
    return digest.hexdigest()[:16]


def main():
    site = sys.argv[1]
    files = site_files(site)
    worker_path = os.path.join(site, 'sw.js')
    with open(worker_path, encoding='utf-8') as f:
        worker = f.read()
    # The page itself is asked for by its folder's address as well as by index.html. Names are
    # written as the browser writes them in a request (keeping the '@' of "name@2x.png"), since
    # the cache finds a file by its address as written.
    urls = ['./'] + [quote(path, safe="/@!$&'()*+,;=:") for path in files]
    # A site built before is filled in afresh.
    build_line = f"const build = '{build_name(site, files)}';"
    files_line = f'const files = {json.dumps(urls)};'
    worker, builds = re.subn(r"^const build = '[^']*';$", lambda _: build_line, worker, flags=re.M)
    worker, lists = re.subn(r'^const files = \[.*\];$', lambda _: files_line, worker, flags=re.M)
    if builds != 1 or lists != 1:
        sys.exit('web_offline.py: sw.js has no build or file list to fill in')
    with open(worker_path, 'w', encoding='utf-8') as f:
        f.write(worker)


if __name__ == '__main__':
    main()
