#!/usr/bin/env python3
"""Checks how the sources of src/ are laid out and include one another; exits non-zero when a rule
is broken.

- The headers include one another without a circle.
- Every header is implemented in the .cpp of its own name (X.cpp or X<Part>.cpp, such as WndDefault.cpp),
  is header-only, or is one the layer declares and src/res provides (Resources.h, DialogTemplate.h).
  This reads the object files of a build: scripts/check-layout.py [BUILD_DIR], build/debug by default.
- Qt is included only in src/platform/; the layer includes none of the program's own folders; the
  window-free logic (the vintora_logic sources) includes only its own headers, never app/ or ui/.
- The layer's parts, one folder each under src/platform/, include only themselves and the parts below
  them in LAYER_PARTS; the layer's umbrella header (platform/Afx.h) stands above them all.
- No source file is over 500 lines, except the data tables.
It also lists the pairs of files X and Y where X.h or X.cpp includes Y.h and Y.h or Y.cpp includes X.h.
"""
import os
import re
import subprocess
import sys

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src')
DATA_TABLES = {'food/FoodCatalogueData.cpp', 'exercise/ExerciseTableData.cpp', 'res/DialogTemplates.cpp'}
DECLARED_BY_LAYER = {'platform/core/Resources.h', 'platform/core/DialogTemplate.h'}
PROGRAM_FOLDERS = ('app/', 'food/', 'body/', 'exercise/', 'web/', 'res/', 'text/', 'ui/')
LAYER = 'platform/'
# The layer's parts from the bottom up: each may include the parts before it, never one after it. The
# layer's umbrella header (platform/Afx.h, for the program) stands above every part but the tests' support.
LAYER_PARTS = ['core', 'gdi', 'host', 'window', 'app', 'controls', 'dialog', 'web', '(platform/Afx.h)', 'testing']
UMBRELLA = LAYER_PARTS.index('(platform/Afx.h)')
MAX_LINES = 500

include = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
files = {}
for folder, _, names in os.walk(SRC):
    for name in names:
        if name.endswith(('.h', '.cpp')):
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8') as f:
                lines = f.read().splitlines()
            files[os.path.relpath(path, SRC)] = (lines, [m.groups() for m in map(include.match, lines) if m])

logic = set()
for folder, _, names in os.walk(SRC):
    if 'CMakeLists.txt' in names:
        with open(os.path.join(folder, 'CMakeLists.txt'), encoding='utf-8') as f:
            for m in re.finditer(r'target_sources\(vintora_logic PRIVATE([^)]*)\)', f.read()):
                logic.update(os.path.relpath(os.path.join(folder, s), SRC) for s in m.group(1).split())

problems = []
stem = lambda rel: os.path.splitext(rel)[0]

# Header circles.
graph = {rel: [i for kind, i in incs if kind == '"' and i in files and i.endswith('.h')]
         for rel, (_, incs) in files.items() if rel.endswith('.h')}
state = {}
def visit(h, trail):
    state[h] = 'open'
    for i in graph[h]:
        if state.get(i) == 'open':
            problems.append('header circle: ' + ' -> '.join(trail[trail.index(i):] + [h, i]))
        elif i not in state:
            visit(i, trail + [h])
    state[h] = 'done'
for h in graph:
    if h not in state:
        visit(h, [])

# Where each header is implemented: every function that an object file of the build defines is matched
# to the header that declares its class (or, for a free function, the function), and must be defined in
# that header's own .cpp (X.cpp or X<Part>.cpp, such as WndDefault.cpp).
def declarations(lines):
    """Classes and free functions a header declares: {qualified name}."""
    names, scopes, pending = set(), [], ''
    for raw in lines:
        line = raw.split('//')[0].strip()
        if not line or line.startswith('#'):
            continue
        m = re.match(r'(?:class|struct)\s+(\w+)[^;]*$', line)
        if m:
            names.add(m.group(1))
        if pending or ('(' in line and not scopes[-1:] == ['block'] and
                       (not scopes or not scopes[-1].startswith('class'))):
            pending += ' ' + line
            if pending.rstrip().endswith((';', '{', '}')) or '{' in line:
                m = re.search(r'(\w+)\s*\(', pending)
                if m and pending.rstrip().endswith(';') and not re.match(r'\s*(return|using|typedef)\b', pending):
                    names.add('::'.join([s[3:] for s in scopes if s.startswith('ns:')] + [m.group(1)]))
                pending = ''
        for ch in line:
            if ch == '{':
                ns = re.match(r'namespace\s+(\w+)', line)
                cl = re.match(r'(?:class|struct)\s+(\w+)', line)
                scopes.append('ns:' + ns.group(1) if ns else 'class:' + cl.group(1) if cl else 'block')
            elif ch == '}' and scopes:
                scopes.pop()
    return names

build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(SRC, '..', 'build', 'debug')
declared_in = {}
for rel, (lines, _) in files.items():
    if rel.endswith('.h'):
        for name in declarations(lines):
            declared_in.setdefault(name, set()).add(rel)
objects = []
for folder, _, names in os.walk(build):
    # An object's source, relative to src/: the target's own folder, then the path below its .dir.
    m = re.search(r'/src/(.*?)CMakeFiles/vintora_\w+\.dir/(.*)', folder.replace(os.sep, '/'))
    if m and 'test_support' not in folder:
        # An object whose source is gone (a file moved or deleted since that build) is left out.
        objects += [(os.path.join(folder, n), os.path.join(m.group(1) + m.group(2), n[:-len('.o')])) for n in names
                    if n.endswith('.cpp.o') and os.path.isfile(os.path.join(SRC, m.group(1) + m.group(2), n[:-len('.o')]))]
if not objects:
    problems.append(f'no object files under {build}: build first to check where headers are implemented')
for obj, rel in objects:
    out = subprocess.run(['nm', '-C', '--defined-only', obj], capture_output=True, text=True).stdout
    for line in out.splitlines():
        parts = line.split(' ', 2)
        if len(parts) != 3 or parts[1] != 'T' or '(' not in parts[2]:
            continue
        qualified = re.sub(r'<.*?>', '', parts[2].split('(')[0]).split('::')
        owner = qualified[-2] if len(qualified) > 1 else None
        headers = declared_in.get(owner, set()) if owner in declared_in else declared_in.get('::'.join(qualified), set())
        for h in headers:
            own, mine = stem(h), stem(rel)
            if h not in DECLARED_BY_LAYER and not (mine == own or (mine.startswith(own) and mine[len(own)].isupper())):
                problems.append(f'{h}: {"::".join(qualified)} is defined in {rel}')

def part_of(rel):
    """The layer part a path of src/ belongs to, as its index in LAYER_PARTS; None outside the layer."""
    if not rel.startswith(LAYER):
        return None
    rest = rel[len(LAYER):]
    return LAYER_PARTS.index(rest.split('/')[0]) if '/' in rest else UMBRELLA

for rel in files:
    rest = rel[len(LAYER):]
    if rel.startswith(LAYER) and '/' in rest and rest.split('/')[0] not in LAYER_PARTS[:UMBRELLA] + ['testing']:
        problems.append(f'{rel}: lies in no part of the layer ({", ".join(LAYER_PARTS)})')

# Layering and sizes.
for rel, (lines, incs) in sorted(files.items()):
    for kind, i in incs:
        if kind == '<' and re.match(r'Q[A-Z]\w*$|Qt\w*/', i) and not rel.startswith(LAYER):
            problems.append(f'{rel}: includes Qt ({i}) outside {LAYER}')
        mine, theirs = part_of(rel), part_of(i)
        if kind == '"' and mine is not None and theirs is not None and theirs > mine:
            problems.append(f'{rel}: the layer\'s part {LAYER_PARTS[mine]} includes {i}, of a part above it')
        if kind == '"' and rel.startswith(LAYER) and i.startswith(PROGRAM_FOLDERS):
            problems.append(f'{rel}: the layer includes the program\'s {i}')
        if kind == '"' and (rel in logic or stem(rel) + '.cpp' in logic) and i in files and \
                stem(i) + '.cpp' not in logic and (stem(i) + '.cpp' in files or i.startswith(('app/', 'ui/'))):
            problems.append(f'{rel}: window-free logic includes {i}, which is not window-free logic')
    if len(lines) > MAX_LINES and rel not in DATA_TABLES:
        problems.append(f'{rel}: {len(lines)} lines')

# Mutual pairs (informational).
uses = {}
for rel, (_, incs) in files.items():
    for kind, i in incs:
        if kind == '"' and i in files and stem(i) != stem(rel):
            uses.setdefault(stem(rel), set()).add(stem(i))
pairs = sorted({tuple(sorted((a, b))) for a in uses for b in uses[a] if a in uses.get(b, ())})

print(f'{len(files)} files, {sum(len(v) for v in graph.values())} header-to-header includes')
for a, b in pairs:
    print(f'mutual pair: {a} <-> {b}')
for p in problems:
    print('PROBLEM:', p)
print('no problems' if not problems else f'{len(problems)} problems')
sys.exit(1 if problems else 0)
