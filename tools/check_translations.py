#!/usr/bin/env python3
"""Checks Qt Linguist files: every text translated, no translation empty, the
same placeholders (%1, %L1, %n) and keyboard accelerators as the English text.
With --lupdate, the texts are first gathered afresh from the sources, so a text
that is new, changed or gone in the code fails the check too.

usage: check_translations.py [--lupdate LUPDATE --root SOURCE_ROOT] FILE.ts...
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(?:L?\d{1,2}|n)')
# "&Ok": an ampersand before a letter, not a doubled one.
ACCELERATOR = re.compile(r'(?<!&)&(?=[^&\s])')
SOURCE_FOLDERS = ('app', 'grid_core', 'grid_window', 'platform')


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def problems(path):
    found = []
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            where = f'{path.name}: {name}: "{source}"'
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            if kind:
                found.append(f'{where}: {kind}')
                continue
            forms = ([f.text or '' for f in translation.iter('numerusform')]
                     if message.get('numerus') == 'yes' else [translation.text or ''])
            for form in forms:
                if not form.strip():
                    found.append(f'{where}: empty translation')
                elif placeholders(form) != placeholders(source):
                    found.append(f'{where}: placeholders {placeholders(form)} '
                                 f'instead of {placeholders(source)} in "{form}"')
                elif len(ACCELERATOR.findall(form)) != len(ACCELERATOR.findall(source)):
                    found.append(f'{where}: accelerator lost or added in "{form}"')
    return found


def messages(path):
    return {(c.findtext('name'), m.findtext('source'), m.findtext('comment'))
            for c in ET.parse(path).getroot().iter('context') for m in c.iter('message')}


def gathered_afresh(files, lupdate, root, work):
    copies = []
    for file in files:
        copy = work / file.name
        shutil.copyfile(file, copy)
        copies.append(copy)
    subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '-I', str(root),
                    *[str(root / folder) for folder in SOURCE_FOLDERS], '-ts', *map(str, copies)],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return copies


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--lupdate')
    parser.add_argument('--root', type=pathlib.Path)
    parser.add_argument('files', nargs='+', type=pathlib.Path)
    args = parser.parse_args()
    found = []
    with tempfile.TemporaryDirectory() as work:
        checked = args.files
        if args.lupdate:
            checked = gathered_afresh(args.files, args.lupdate, args.root, pathlib.Path(work))
            for kept, fresh in zip(args.files, checked):
                for gone in sorted(messages(kept) - messages(fresh), key=str):
                    found.append(f'{kept.name}: no longer in the code: {gone}')
        for path in checked:
            found += problems(path)
    for problem in found:
        print(problem)
    if found:
        return 1
    print(f'{len(args.files)} translation files complete')
    return 0


if __name__ == '__main__':
    sys.exit(main())
