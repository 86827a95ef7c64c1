"""Turns the user guide's Markdown into one HTML page that opens in any browser without a network.

    /usr/bin/python3 guide_html.py GUIDE.md OUT.html

Uses Debian's python3-markdown (hence Debian's python3, which sees it); the pictures stay beside
the page under the same relative paths as in the Markdown. The page's title is the first heading.
"""
import html
import sys

import markdown
from markdown.extensions.toc import slugify_unicode

# Headings get the same ids as on GitHub ("Linux 版について" becomes "linux-版について"), so the
# guide's links to its own sections work in both places.
EXTENSIONS = ["tables", "sane_lists", "toc"]
EXTENSION_CONFIGS = {"toc": {"slugify": slugify_unicode}}

# Plain and readable, with no font or style fetched from anywhere.
STYLE = """
body { max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.7;
       font-family: "Yu Gothic UI", "Meiryo", "MS PGothic", "IPAPGothic", sans-serif; color: #222; }
h1, h2, h3 { line-height: 1.3; }
h2 { border-bottom: 1px solid #ccc; padding-bottom: 0.2em; margin-top: 2em; }
img { max-width: 100%; border: 1px solid #bbb; }
code { background: #f2f2f2; padding: 0 0.2em; }
pre { background: #f2f2f2; padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
"""


def title_of(text):
    for line in text.splitlines():
        if line.startswith("# "):
            return line[2:].strip()
    return "mipro"


def page(text):
    body = markdown.markdown(text, extensions=EXTENSIONS, extension_configs=EXTENSION_CONFIGS)
    return (
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        f"<title>{html.escape(title_of(text))}</title>\n<style>{STYLE}</style>\n</head>\n"
        f"<body>\n{body}\n</body>\n</html>\n"
    )


def main(source, target):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    with open(target, "w", encoding="utf-8") as f:
        f.write(page(text))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: guide_html.py GUIDE.md OUT.html")
    main(sys.argv[1], sys.argv[2])
