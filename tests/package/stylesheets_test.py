"""Every kind of file Pelmora writes opens readably in a browser through the style sheet it names:
the sample text and dictionary, and the query and simple-dictionary results the batch tool makes
from the text. Usage: stylesheets_test.py PELMORA_CLI SOURCE_DIR WORK_DIR"""
import os
import re
import shutil
import subprocess
import sys

try:
    from lxml import etree
except ImportError:
    print('SKIPPED: python3-lxml is missing (scripts/install-deps installs it)')
    sys.exit(77)

cli, source, work = sys.argv[1:4]
samples = os.path.join(source, 'data', 'samples')
stylesheets = os.path.join(source, 'data', 'xsl')
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
text = os.path.join(samples, 'kalamiez', 'kalamiez.xml')
query, simple = os.path.join(work, 'paring.xml'), os.path.join(work, 'lihtne.xml')
subprocess.run([cli, 'query', '--out', query, '--xml', '--markup', '--found-info', '--file-info', '--t1', 'lemma=kalā', text],
               check=True, stdout=subprocess.DEVNULL)
subprocess.run([cli, 'simple-dict', text, simple], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

# file, what its page must show
cases = [
    (text, ['Elza', 'Kadri', 'kalāmīez', '„kalamees“', 'lǟʼdõ kallõ', 'Illatiiv', 'My father was a fisherman', '0:07']),
    (os.path.join(samples, 'kuolka.xml'), ['Marta', 'jūrõ vīeres', 'Vrd. "jūrõ" &amp; &lt;rand&gt;']),
    (os.path.join(samples, 'kalamiez_sonastik.xml'), ['fisherman', 'kalale minema', 'kuoʼd']),
    (query, ['<mark>', 'kaļḑi', 'lemma: kalā', 'kalamiez.mp3']),
    (simple, ['<b>kallõ</b>', 'kalale minema', 'juoitõ pers.ind.ipf.pl.3.']),
]
failures = []
for path, expected in cases:
    document = etree.parse(path)
    names = [node.text for node in document.xpath('/processing-instruction("xml-stylesheet")')]
    href = re.search(r'href="([^"]+)"', names[0]).group(1) if names else None
    sheet = os.path.join(stylesheets, href or '')
    if not href or not os.path.isfile(sheet):
        failures.append('%s names the style sheet %r, which the project does not have' % (path, href))
        continue
    page = etree.tostring(etree.XSLT(etree.parse(sheet))(document), method='html', encoding='unicode')
    missing = [piece for piece in expected if piece not in page]
    if missing:
        failures.append('%s through %s lacks %s' % (os.path.basename(path), href, missing))
    else:
        print('%s through %s: %d characters' % (os.path.basename(path), href, len(page)))
if failures:
    sys.exit('\n'.join(failures))
