#!/usr/bin/python3
"""Reference round trip with lxml: parse IN, write OUT.

Usage: lxml_roundtrip.py IN.xml OUT.xml

Blank text between elements is dropped while parsing; the tree is written
back with an XML declaration in UTF-8. Used as the yardstick for
`pelmora-cli roundtrip` speed and memory.
"""

import sys

from lxml import etree


def main():
    if len(sys.argv) != 3:
        sys.stderr.write("usage: lxml_roundtrip.py IN.xml OUT.xml\n")
        return 2
    parser = etree.XMLParser(remove_blank_text=True)
    tree = etree.parse(sys.argv[1], parser)
    tree.write(sys.argv[2], xml_declaration=True, encoding="UTF-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
