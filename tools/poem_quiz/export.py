#!/usr/bin/env python3
"""Writes the poem and riddle table (assets/puzzles/poem_quiz.txt) from its skeleton.

The skeleton (tests/data/poem_quiz_skeleton.tsv) lists every entry: its form, its number
of lines and what names it (title and author, author and first verse, first verse, or
question). The verses come from the npm package chinese-poetry, converted to simplified
characters with opencc (t2s); answers and whole entries that no collection holds come
from tools/poem_quiz/answers.tsv. Whatever cannot be filled with certainty reads "暂缺".

Usage: export.py PATH/TO/node_modules/chinese-poetry/dist [--report]

Output: one line of text per line of an entry, an empty line between entries.
"""

import glob
import json
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SKELETON = os.path.join(ROOT, "tests", "data", "poem_quiz_skeleton.tsv")
ANSWERS = os.path.join(HERE, "answers.tsv")
OUTPUT = os.path.join(ROOT, "assets", "puzzles", "poem_quiz.txt")

MISSING = "暂缺"
CLAUSE_END = "，。？！；"
PUNCT = set("，。？！；：、,.?!;:“”‘’「」『』《》（）() \u3000")


def t2s(texts):
    """Simplified characters for a list of texts, through one opencc run."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
        for t in texts:
            f.write(t.replace("\n", " ") + "\n")
        name = f.name
    try:
        out = subprocess.run(["opencc", "-c", "t2s", "-i", name], check=True, capture_output=True).stdout
    finally:
        os.unlink(name)
    lines = out.decode("utf-8").split("\n")
    return lines[: len(texts)]


# Old forms that opencc leaves as they are, and their usual simplified characters.
VARIANTS = str.maketrans({"鏁": "锁", "遶": "绕", "牀": "床", "簷": "檐", "箇": "个", "纔": "才", "邨": "村",
                          "眞": "真", "爲": "为", "衆": "众", "峯": "峰", "羣": "群", "鬬": "斗", "啓": "启",
                          "裏": "里", "秖": "只", "迴": "回", "鴈": "雁", "菓": "果", "綫": "线", "緜": "绵", "猨": "猿", "迳": "径"})


def clauses(paragraphs):
    """A poem's text split after each clause mark, blanks dropped."""
    text = "".join(p.strip() for p in paragraphs).translate(VARIANTS)
    text = re.sub(r"\s+", "", text)
    out, cur = [], ""
    for ch in text:
        cur += ch
        if ch in CLAUSE_END:
            out.append(cur)
            cur = ""
    if cur:
        out.append(cur)
    return out


def bare(line):
    return "".join(ch for ch in line if ch not in PUNCT)


def load(dist):
    """Every poem as (title, author, [clauses]) in simplified characters."""
    raw = []  # (title, author, paragraphs, traditional)

    def add(records, title_key, traditional, author=None, title_prefix=""):
        for r in records:
            title = r.get(title_key) or r.get("title") or ""
            paragraphs = r.get("paragraphs") or r.get("content") or []
            if isinstance(paragraphs, str):
                paragraphs = [paragraphs]
            raw.append((title_prefix + title, author or r.get("author") or "", paragraphs, traditional))

    for path in sorted(glob.glob(os.path.join(dist, "quantangshi", "poet.*.json"))):
        add(json.load(open(path, encoding="utf-8")), "title", True)
    add(json.load(open(os.path.join(dist, "quantangshi", "唐诗三百首.json"), encoding="utf-8")), "title", True)
    for path in sorted(glob.glob(os.path.join(dist, "songci", "ci.song.*.json"))):
        add(json.load(open(path, encoding="utf-8")), "rhythmic", False)
    add(json.load(open(os.path.join(dist, "shijing", "shijing.json"), encoding="utf-8")), "title", False,
        author="", title_prefix="诗经·")
    add(json.load(open(os.path.join(dist, "chuci", "chuci.json"), encoding="utf-8")), "title", False)
    add(json.load(open(os.path.join(dist, "caocaoshiji", "caocao.json"), encoding="utf-8")), "title", False,
        author="曹操")
    for path in sorted(glob.glob(os.path.join(dist, "wudaishici", "huajianji", "*juan.json"))):
        add(json.load(open(path, encoding="utf-8")), "title", True)
    add(json.load(open(os.path.join(dist, "wudaishici", "nantang", "poetrys.json"), encoding="utf-8")), "title", True)
    add(json.load(open(os.path.join(dist, "yuanqu", "yuanqu.json"), encoding="utf-8")), "title", True)

    trad = [i for i, r in enumerate(raw) if r[3]]
    flat = []
    for i in trad:
        title, author, paragraphs, _ = raw[i]
        flat.extend([title, author, "\u0001".join(paragraphs)])
    conv = t2s(flat)
    poems = []
    k = 0
    conv_by_index = {}
    for i in trad:
        conv_by_index[i] = (conv[k], conv[k + 1], conv[k + 2].split("\u0001"))
        k += 3
    for i, (title, author, paragraphs, traditional) in enumerate(raw):
        if traditional:
            title, author, paragraphs = conv_by_index[i]
        poems.append((title.strip(), author.strip(), clauses(paragraphs)))
    return poems


NUMERALS = "一二三四五六七八九十"
SAME_TITLE_TAIL = re.compile(rf"(绝句)?([{NUMERALS}]+首)?(\s*其?[{NUMERALS}]+)?")


class Collections:
    """The poems, looked up by title or by a verse line."""

    def __init__(self, poems, verse_keys):
        self.by_title_index = {}
        for p in poems:
            self.by_title_index.setdefault(p[0], []).append(p)
        self.by_line = {}
        for p in poems:
            for i, line in enumerate(p[2]):
                key = bare(line)
                if key in verse_keys:
                    self.by_line.setdefault(key, []).append((p, i))

    def by_title(self, title, author):
        """The distinct texts of the poems with this title (or its tune name before "·")."""
        names = [title] + ([title.split("·")[0]] if "·" in title else [])
        found = set()
        for name in names:
            for p in self.by_title_index.get(name, []):
                if author is None or p[1] == author:
                    found.add(tuple(p[2]))
        if author is not None:
            # The collections name a poem longer ("江南春绝句", "绝句四首 一"): those count
            # as the same title, so a title shared by several poems stays ambiguous.
            for p in self.by_author().get(author, []):
                name = re.sub(r"[“”\"]", "", p[0])  # stray quotes in some titles
                if name.startswith(title) and SAME_TITLE_TAIL.fullmatch(name[len(title):]):
                    found.add(tuple(p[2]))
        return [list(f) for f in found]

    def by_author(self):
        if not hasattr(self, "_by_author"):
            self._by_author = {}
            for group in self.by_title_index.values():
                for p in group:
                    self._by_author.setdefault(p[1], []).append(p)
        return self._by_author

    def continuations(self, first, count, author=None):
        """The distinct runs of `count` lines that start at a line equal to `first`."""
        found = set()
        for p, i in self.by_line.get(bare(first), []):
            if (author is None or p[1] == author) and i + count <= len(p[2]):
                found.add(tuple(p[2][i:i + count]))
        return [list(f) for f in found]


def read_skeleton():
    rows = []
    for line in open(SKELETON, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        idx, form, n, name = line.rstrip("\n").split("\t")
        rows.append((int(idx), form, int(n), name))
    return rows


def read_answers():
    """index → answer (quiz items, questions) or whole entry (lines joined by " / ")."""
    out = {}
    for line in open(ANSWERS, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        idx, text = line.rstrip("\n").split("\t", 1)
        out[int(idx)] = text
    return out


def quiz_item(idx, question, answer):
    if idx == 490:
        return question + "——" + answer
    if idx == 611:
        return question + "(答案：" + answer + "）"
    if idx == 735:
        return question + "（ 答案：" + answer + "）"
    return question + "（答案：" + answer + "）"


def build(poems):
    answers = read_answers()
    skeleton = read_skeleton()
    keys = set()
    for idx, form, n, name in skeleton:
        if form == "V":
            keys.add(bare(name))
        elif form == "A":
            keys.add(bare(name.split(" ", 1)[1]))
    lib = Collections(poems, keys)
    entries, missing = [], []
    for idx, form, n, name in skeleton:
        given = answers.get(idx)
        if form == "I":
            entries.append([quiz_item(idx, name, given or MISSING)])
            if not given:
                missing.append(idx)
            continue
        if given is not None and given.startswith("="):
            entries.append(given[1:].split(" / "))  # a whole entry
            continue
        if form == "S":
            entries.append([name])
            continue
        if form == "Q":
            entries.append([name] + (given.split(" / ") if given else [MISSING]))
            if not given:
                missing.append(idx)
            continue
        head, verses, found = [], n, []
        if form == "P":
            title, author = re.match(r"(《.*》)(?:\(.*\))? (.*)$", name).groups()
            full_title = name.split(" ")[0]
            head = [full_title, author if idx == 333 else ("作者 " if idx == 429 else "作者：") + author]
            if idx == 394:
                head[1] = "作者：欧阳修"
            verses = n - 2
            extra = ["写的是：诸葛亮"] if idx == 260 else []
            verses -= len(extra)
            if verses > 0 and idx not in (394,):
                matches = lib.by_title(title[1:-1], author)
                if len(matches) == 1 and len(matches[0]) == verses:
                    found = matches[0]
            if verses > 0 and not found:
                entries.append(head + [MISSING])
                missing.append(idx)
                continue
            entries.append(head + found + extra)
            continue
        if form == "T":
            head = [name]
            verses = n - 1
            matches = lib.by_title(name[1:-1], None)
            if len(matches) == 1 and len(matches[0]) == verses:
                found = matches[0]
        elif form == "A":
            author, first = name.split(" ", 1)
            head = ["作者：" + author, first]
            verses = n - 2
            matches = lib.continuations(first, n - 1, author)
            if len(matches) == 1:
                found = matches[0][1:]
        elif form == "V":
            head = [name]
            verses = n - 1
            matches = lib.continuations(name, n)
            if len(matches) == 1:
                found = matches[0][1:]
        if not found:
            entries.append(head + [MISSING])
            missing.append(idx)
        else:
            entries.append(head + found)
    return entries, missing


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cache = os.environ.get("POEM_CACHE")  # a scratch file that keeps the converted poems between runs
    if cache and os.path.exists(cache):
        import pickle
        poems = pickle.load(open(cache, "rb"))
    else:
        poems = load(sys.argv[1])
        if cache:
            import pickle
            pickle.dump(poems, open(cache, "wb"))
    entries, missing = build(poems)
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n\n".join("\n".join(e) for e in entries) + "\n")
    print(f"{len(entries)} entries, {len(missing)} with {MISSING}")
    if "--report" in sys.argv:
        print(" ".join(str(i) for i in missing))


if __name__ == "__main__":
    main()
