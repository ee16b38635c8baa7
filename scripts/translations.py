#!/usr/bin/env python3
"""Tethrix's catalogues: translations/tethrix_<language>.ts, one per language.

The window's own texts (its tr() calls) are found by Qt's lupdate, under
their classes' contexts. The texts of the core, the page and tethrix-calc,
which are plain C++ and script, are found by this script and kept under one
context, "Tethrix", so that every face translates them alike.

  translations.py update [--import DIR]
      brings every catalogue up to date with the sources: new texts are
      added unfinished, texts gone are dropped, translations kept; with
      --import, translations are taken from DIR/<language>.json (a JSON
      object from English texts to translations, an array of plural forms
      for a text with %n).
  translations.py json TS OUT
      writes the "Tethrix" context of TS as the page's catalogue: JSON,
      {"language": …, "texts": {english: translation or [plural forms]}}.
  translations.py core TS OUT
      the same for tethrix-calc, as lines "english<TAB>translation…" with
      \\n, \\t and \\\\ escaped.
  translations.py manifest TS IN OUT
      the page's manifest IN with its name, short name and description in
      the language of TS (and that language named), as OUT.
  translations.py check
      fails on any text of the sources missing from a catalogue, any text
      unfinished, any placeholder lost or added, in every catalogue, and on
      any warning of lrelease.
"""
import glob
import html
import json
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = ['de', 'fr', 'es', 'it', 'pl', 'pt_BR', 'ru', 'uk']
CONTEXT = 'Tethrix'
QT_BIN = os.environ.get('QT_BIN', '/usr/lib/qt6/bin')
# The sources of the "Tethrix" context: everything a flier reads that is not
# the window's own.
CORE_SOURCES = ['engine/*/*.cpp', 'tools/*.cpp', 'report/*.cpp', 'storage/*.cpp', 'controls/*.cpp']
# Their headers hold texts too (report lines, messages as constants), beside
# keys and names: of those, only texts of more than one word are taken.
CORE_HEADERS = [p[:-len('.cpp')] + '.h' for p in CORE_SOURCES]
PAGE_SOURCES = ['web/*.js']
PAGE_MARKUP = ['web/index.html', 'web/manifest.webmanifest']
PLACEHOLDER = re.compile(r'%(?:\d|n|s)|\{[a-z]+\}')


def ts_path(language):
    return os.path.join(ROOT, 'translations', f'tethrix_{language}.ts')


# Literals that read like texts but are names a machine reads: fonts asked
# of fontconfig, the page's CSS selectors.
NOT_TEXTS = {'DejaVu Sans', 'Liberation Sans', '[aria-label], [title]', 'script, style, [translate="no"]'}


def looks_like_text(s):
    if s in NOT_TEXTS:
        return False
    if len(re.findall(r'[A-Za-z]', s)) < 2:
        return False
    if ' ' not in s and not re.fullmatch(r'[A-Z][a-z]+[.:]?|&[A-Za-z]+', s):
        return False  # names, keys, switches, paths
    if s.startswith(('"', '<', '{', '--', 'http')) or re.search(r'\.(h|cpp|js|css|json|png|svg|wasm)$', s):
        return False
    if SQL.match(s):
        return False  # the hangar store's statements
    return True


SQL = re.compile(r'(CREATE|PRAGMA|SELECT|INSERT|UPDATE|DELETE|ALTER|DROP|BEGIN|COMMIT|ROLLBACK)\b')


C_LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def c_source(source):
    source = re.sub(r'//[^\n]*', '', source)
    source = re.sub(r'(?m)^\s*#\s*include[^\n]*', '', source)
    source = re.sub(r'setObjectName\("[^"]*"\)', '', source)
    return re.sub(r'"\s*\n\s*"', '', source)  # adjacent literals are one


def c_text(literal):
    if '\\' in literal:
        try:
            return literal.encode('utf8').decode('unicode_escape').encode('latin1').decode('utf8')
        except (UnicodeDecodeError, UnicodeEncodeError):
            pass
    return literal


def c_literals(source):
    for m in C_LITERAL.finditer(c_source(source)):
        yield c_text(m.group(1))


def format_templates(source):
    """The templates of lang::Format: every literal of its first argument
    (a choice of two with ?: gives both), texts however few their letters."""
    source = c_source(source)
    for m in re.finditer(r'\blang::Format\(', source):
        depth, at = 0, m.end()
        while at < len(source):
            c = source[at]
            if c == '"':
                end = C_LITERAL.match(source, at)
                if end is None:
                    break
                yield c_text(end.group(1))
                at = end.end()
                continue
            if c in '([{':
                depth += 1
            elif c in ')]}':
                if depth == 0:
                    break
                depth -= 1
            elif c == ',' and depth == 0:
                break
            at += 1


def js_literals(source):
    source = re.sub(r'(?m)^\s*//[^\n]*', '', source)
    source = re.sub(r'(?m)^import[^\n]*', '', source)
    for m in re.finditer(r"'((?:[^'\\\n]|\\.)*)'|`((?:[^`\\]|\\.)*)`|\"((?:[^\"\\\n]|\\.)*)\"", source):
        text = next(g for g in m.groups() if g is not None)
        if m.group(2) is not None:
            text = re.sub(r'\$\{[^}]*\}', '%s', text)
        yield text.replace("\\'", "'").replace('\\"', '"')


def markup_texts(source):
    source = re.sub(r'<script.*?</script>|<style.*?</style>', '', source, flags=re.S)
    source = re.sub(r'<(\w+)[^>]*translate="no".*?</\1>', '', source, flags=re.S)  # names in their own language
    for m in re.finditer(r'>([^<>]+)<', source):
        yield html.unescape(m.group(1).strip())
    for m in re.finditer(r'(?:title|placeholder|aria-label|alt|content|"name"|"short_name"|"description")'
                         r'\s*[=:]\s*"([^"]+)"', source):
        yield html.unescape(m.group(1))


def core_texts():
    found = set()
    header_texts = lambda source: (t for t in c_literals(source) if ' ' in t.strip())
    for pattern, read in [(CORE_SOURCES, c_literals), (CORE_HEADERS, header_texts), (PAGE_SOURCES, js_literals),
                          (PAGE_MARKUP, markup_texts)]:
        for glob_pattern in pattern:
            for path in sorted(glob.glob(os.path.join(ROOT, glob_pattern))):
                if path.endswith('/engine/lang/Catalogue.cpp'):
                    continue  # the languages' own names, and the catalogue's reader
                with open(path, encoding='utf8') as f:
                    source = f.read()
                found.update(t for t in read(source) if looks_like_text(t))
                if read is c_literals:
                    found.update(format_templates(source))
    # The units of the inputs' table, for --help, beside the fields and after
    # a number: single words ("seconds"), which the rule above takes for keys.
    with open(os.path.join(ROOT, 'engine', 'case', 'Inputs.cpp'), encoding='utf8') as f:
        for m in re.finditer(r'\{"[^"]*", "[^"]*", "([^"]*)", Measure::\w+, [^,]+, \d+, "[^"]*", "[^"]*", "([^"]*)"',
                             f.read()):
            found.update(unit for unit in m.groups() if unit)
            if m.group(2):
                found.add(' ' + m.group(2))  # after a number: "Humidity 50 percent"
    # The metric units' symbols after a number ("Arm Length 457.2 mm"), so that
    # a text with one translates whole; a language may write them its own way.
    with open(os.path.join(ROOT, 'engine', 'case', 'Units.cpp'), encoding='utf8') as f:
        found.update(' ' + m.group(1) for m in re.finditer(r'\{Measure::\w+, "([^"]+)"', f.read()))
    return sorted(found)


def window_messages():
    """The window's tr() texts by context, as lupdate finds them."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, 'window.ts')
        files = sorted(glob.glob(os.path.join(ROOT, 'ui', '*.cpp')) + glob.glob(os.path.join(ROOT, 'ui', '*.h')))
        subprocess.run([os.path.join(QT_BIN, 'lupdate'), '-silent', '-locations', 'none', *files, '-ts', out],
                       check=True)
        return [(c, s, n) for c, s, n, _ in read_ts(out)[1]]


def read_ts(path):
    """(language, [(context, source, numerus, translation or [forms] or None)])."""
    root = ET.parse(path).getroot()
    messages = []
    for context in root.iter('context'):
        name = context.findtext('name')
        for m in context.iter('message'):
            t = m.find('translation')
            numerus = m.get('numerus') == 'yes'
            if t is None or t.get('type') in ('unfinished', 'vanished', 'obsolete'):
                value = None
            elif numerus:
                value = [f.text or '' for f in t.findall('numerusform')]
            else:
                value = t.text or ''
            messages.append((name, m.findtext('source'), numerus, value))
    return root.get('language'), messages


def write_ts(path, language, messages):
    root = ET.Element('TS', version='2.1', language=language, sourcelanguage='en')
    by_context = {}
    for context, source, numerus, value in messages:
        by_context.setdefault(context, []).append((source, numerus, value))
    for context in sorted(by_context):
        c = ET.SubElement(root, 'context')
        ET.SubElement(c, 'name').text = context
        for source, numerus, value in sorted(by_context[context], key=lambda m: m[0]):
            m = ET.SubElement(c, 'message', numerus='yes') if numerus else ET.SubElement(c, 'message')
            ET.SubElement(m, 'source').text = source
            t = ET.SubElement(m, 'translation')
            if value is None:
                t.set('type', 'unfinished')
            elif numerus:
                for form in value:
                    ET.SubElement(t, 'numerusform').text = form
            else:
                t.text = value
    ET.indent(root)
    with open(path, 'w', encoding='utf8') as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(ET.tostring(root, encoding='unicode'))
        f.write('\n')


def update(imported):
    window = window_messages()
    core = [(CONTEXT, s, '%n' in s) for s in core_texts()]
    os.makedirs(os.path.join(ROOT, 'translations'), exist_ok=True)
    for language in LANGUAGES:
        kept, by_source = {}, {}
        if os.path.exists(ts_path(language)):
            for context, source, _, value in read_ts(ts_path(language))[1]:
                if value is not None:
                    kept[(context, source)] = value
                    by_source.setdefault(source, value)
        if imported:
            path = os.path.join(imported, f'{language}.json')
            if os.path.exists(path):
                with open(path, encoding='utf8') as f:
                    for source, value in json.load(f).items():
                        by_source.setdefault(source, value)
        messages = []
        for context, source, numerus in window + core:
            value = kept.get((context, source), by_source.get(source))
            if value is not None and isinstance(value, list) != numerus:
                value = [value] * len(plural_forms(language)) if numerus else None
            messages.append((context, source, numerus, value))
        write_ts(ts_path(language), language, messages)


def plural_forms(language):
    return ['one', 'few', 'many'] if language in ('ru', 'uk', 'pl') else ['one', 'other']


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def check():
    problems = []
    wanted = {(c, s) for c, s, _ in window_messages()} | {(CONTEXT, s) for s in core_texts()}
    for language in LANGUAGES:
        _, messages = read_ts(ts_path(language))
        held = {(c, s) for c, s, _, _ in messages}
        for context, source in sorted(wanted - held):
            problems.append(f'{language} {context}: {source!r} is missing (translations.py update adds it)')
        for context, source, numerus, value in messages:
            where = f'{language} {context}: {source!r}'
            if value is None:
                problems.append(f'{where} is not translated')
                continue
            forms = value if numerus else [value]
            if numerus and len(forms) != len(plural_forms(language)):
                problems.append(f'{where} has {len(forms)} plural forms, not {len(plural_forms(language))}')
            for form in forms:
                if placeholders(form) != placeholders(source) and not (numerus and
                        placeholders(form.replace('%n', '')) == placeholders(source.replace('%n', ''))):
                    problems.append(f'{where}: the placeholders of {form!r} differ')
        with tempfile.TemporaryDirectory() as scratch:
            run = subprocess.run([os.path.join(QT_BIN, 'lrelease'), ts_path(language), '-qm',
                                  os.path.join(scratch, 'out.qm')], capture_output=True, text=True)
            warnings = [l for l in (run.stdout + run.stderr).splitlines()
                        if l.strip() and not re.match(r"(Updating|Generated|Ignored) ", l.strip())]
            if run.returncode or warnings:
                problems.append(f'{language}: lrelease says: ' + ' / '.join(warnings))
    for p in problems:
        print(p)
    return 1 if problems else 0


def catalogue(path):
    language, messages = read_ts(path)
    return language, {s: v for c, s, _, v in messages if c == CONTEXT and v is not None}


def main(argv):
    if argv[:1] == ['update']:
        update(argv[2] if argv[1:2] == ['--import'] else None)
        return 0
    if argv[:1] == ['check']:
        return check()
    if argv[:1] == ['json'] and len(argv) == 3:
        language, texts = catalogue(argv[1])
        with open(argv[2], 'w', encoding='utf8') as f:
            json.dump({'language': language, 'texts': texts}, f, ensure_ascii=False, separators=(',', ':'))
        return 0
    if argv[:1] == ['core'] and len(argv) == 3:
        _, texts = catalogue(argv[1])
        escape = lambda t: t.replace('\\', '\\\\').replace('\n', '\\n').replace('\t', '\\t')
        with open(argv[2], 'w', encoding='utf8') as f:
            f.write(f'#language\t{catalogue(argv[1])[0]}\n')
            for source, value in sorted(texts.items()):
                forms = value if isinstance(value, list) else [value]
                f.write('\t'.join(escape(t) for t in [source, *forms]) + '\n')
        return 0
    if argv[:1] == ['manifest'] and len(argv) == 4:
        language, texts = catalogue(argv[1])
        with open(argv[2], encoding='utf8') as f:
            manifest = json.load(f)
        for key in ('name', 'short_name', 'description'):
            manifest[key] = texts.get(manifest[key], manifest[key])
        manifest['lang'] = language.replace('_', '-')
        with open(argv[3], 'w', encoding='utf8') as f:
            json.dump(manifest, f, ensure_ascii=False, indent=2)
            f.write('\n')
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
